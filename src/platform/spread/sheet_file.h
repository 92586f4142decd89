// Sheet files: the native format (JSON text, see docs/sheet-file-format.md)
// and the choice of format by a file's extension.
#pragma once

#include "platform/spread/spread_api.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace spread {

class Sheet;

enum class SheetFormat { Native, Csv, Xlsx, Ods };

// By the extension, in any case: ".csv" CSV, ".xlsx" and ".ods" workbooks of
// other spreadsheet programs, everything else (".vks" and the rest) native.
ZRLSPREAD_API SheetFormat sheetFormatFor(const std::filesystem::path& path);

// The native text of a sheet.
ZRLSPREAD_API std::string writeSheetText(const Sheet& sheet);
// The same text streamed into the file at `path`, replaced atomically.
ZRLSPREAD_API bool writeSheetFile(const Sheet& sheet, const std::filesystem::path& path,
                                  std::wstring* error = nullptr);
// Reads native text into `sheet`, which must be fresh (just constructed or
// reset). False with a reason for text that is not a sheet file of a known
// version; `sheet` is then unusable and should be dropped.
ZRLSPREAD_API bool readSheetText(Sheet& sheet, std::string_view text,
                                 std::wstring* error = nullptr);

// Replaces the content of `target` by a copy of what a sheet file holds of
// `source` (size, widths and heights, hidden rows, spans, cells with their
// values, formulas and attributes), as Sheet::load does with a file: a loaded
// sheet without parsing it again. The copy shares nothing that either sheet
// can change. False, with the reason, leaves `target` as it was (while it is
// calculating, or out of memory).
ZRLSPREAD_API bool loadSheetCopy(Sheet& target, const Sheet& source, std::wstring* error = nullptr);
// The same, taking the content of `source` instead of copying it.
ZRLSPREAD_API bool loadSheetContent(Sheet& target, Sheet&& source, std::wstring* error = nullptr);

// Writes `bytes` to `path` through a temporary file in the same folder and a
// rename, so that the file is either the old or the new one.
ZRLSPREAD_API bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                       std::wstring* error = nullptr);
// The same with the bytes written by `write` into the open temporary file;
// `write` returns false when it could not write them all.
ZRLSPREAD_API bool writeFileAtomicallyWith(const std::filesystem::path& path,
                                           const std::function<bool(std::FILE*)>& write,
                                           std::wstring* error = nullptr);
// The whole file; false when it cannot be read.
ZRLSPREAD_API bool readWholeFile(const std::filesystem::path& path, std::string& bytes,
                                 std::wstring* error = nullptr);

} // namespace spread
