// The workbook formats (.xlsx and .ods, read and written) live in a plug-in
// of the engine, libzrlspread_formats.so, so that a process that reads only
// native and CSV sheets never loads the parsers, zip and workbook-writing
// libraries behind them. The engine loads the plug-in the first time a
// workbook is read or written; a program that links the plug-in's code in
// (the engine's tests, the fuzz targets) uses that instead. Private to the
// engine and its plug-in.
#pragma once

#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"
#include "platform/spread/xlsx_write.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace spread::detail {

// Raised whenever the table or what its functions take changes, so that an
// engine never calls a plug-in of another build.
constexpr unsigned kFormatsVersion = 1;

// What the plug-in does, as a table of its functions. Each catches what it
// raises and reports failure with a one-line reason.
struct FormatsPlugin {
    unsigned version;
    unsigned size; // sizeof(FormatsPlugin) of the plug-in's build
    // The worksheets of a workbook (see readWorkbookSheets).
    bool (*readWorkbook)(std::string_view bytes, SheetFormat format, std::wstring_view only,
                         bool firstOnly, std::vector<WorkbookSheet>& sheets,
                         std::vector<std::wstring>* names, std::wstring* error);
    bool (*writeXlsx)(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error);
    bool (*writeXlsxBill)(const Sheet& sheet, const XlsxPageSetup& page,
                          const std::filesystem::path& path, std::wstring* error);
    bool (*writeOds)(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error);
};

// The plug-in's table, loaded on first use; null with the reason ("cannot
// load the workbook formats: ...") when the plug-in is missing or of another
// build. Thread-safe; the outcome is kept for the process.
const FormatsPlugin* formatsPlugin(std::wstring* error);

} // namespace spread::detail

// The plug-in's one entry, by a C name so that the engine finds it by name.
extern "C" const spread::detail::FormatsPlugin* zrlspread_formats();
