// The readers behind loadSheetFile, each reporting the cells it kept but not
// as the file meant them. Private to the engine.
#pragma once

#include "platform/spread/workbook.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace spread::detail {

// readSheetText and readCsv with their warnings: a formula that does not
// parse keeps its text as the cell's data, computes to #NAME? and is
// reported, and the load goes on.
bool readSheetTextWarn(Sheet& sheet, std::string_view text, std::vector<LoadWarning>* warnings,
                       std::wstring* error);
// The native sheet file read from the file as it goes, never whole in memory.
bool readSheetFileWarn(Sheet& sheet, const std::filesystem::path& path,
                       std::vector<LoadWarning>* warnings, std::wstring* error);
bool readCsvWarn(Sheet& sheet, std::string_view text, std::vector<LoadWarning>* warnings,
                 std::wstring* error);

// The worksheets of a workbook: the one named `only`, else the first when
// `firstOnly`, else all.
bool readWorkbookSheets(std::string_view bytes, SheetFormat format, std::wstring_view only,
                        bool firstOnly, std::vector<WorkbookSheet>& sheets,
                        std::vector<std::wstring>* names, std::wstring* error);

// Sheet::save of an .ods path (see formats_plugin.h).
bool writeOdsFile(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error);

// A warning for every formula of `sheet` that uses a name neither the engine
// nor the sheet's own functions define.
void unknownNameWarnings(const Sheet& sheet, const std::wstring& sheetName,
                         std::vector<LoadWarning>& out);

// A regular file of at most the size files may have, opened to read, with
// its size; else null and why.
std::FILE* openToRead(const std::filesystem::path& path, std::uintmax_t& size,
                      std::wstring* error);
std::wstring cannotRead(const std::filesystem::path& path);

} // namespace spread::detail
