// Workbooks saved by other spreadsheet programs (.xlsx, .ods), read sheet by
// sheet into the engine's sheets, and what a load reports besides its cells.
//
// Kept from a workbook: numbers, texts (shared, inline and rich text as plain
// text), logicals, errors, formulas (translated to the engine's syntax) with
// the value the saving program stored for each, column widths, row heights,
// hidden rows, merged cells (as spans), fonts with bold and italic, fill and
// text colours, and number formats where a cell type fits (fixed decimals
// and percent as number cells, "@" as edit cells). Charts, pictures,
// conditional formats, data validation and pivot tables are dropped.
//
// A loaded formula cell holds its saved value until the sheet is computed.
// A formula that does not parse keeps its text as the cell's data with the
// value #NAME?; a reference to another sheet or workbook becomes #REF!; both
// are reported as load warnings, and the load goes on.
//
// What liborcus 0.17's .xlsx import does not hand on (error and logical
// cells, saved values) is read from the file's parts. .ods files are read
// by a handler of our own over liborcus's SAX parser (ods_read.cpp), which
// also keeps repeated rows and cells as their copies.
//
// Limits against hostile files (a load beyond them fails with the reason):
// kMaxWorkbookCells cells per sheet, kMaxWorkbookText characters per text
// or formula (the formula language itself stops at 65536), the largest
// sheet's columns and rows, the 1 GiB of any file read whole, and what the
// archive declares: kMaxWorkbookUnpacked bytes unpacked in all and
// kMaxWorkbookParts parts (checked before anything is inflated); in .ods
// files, what the copies of repeated cells hold and how deep elements nest
// (see ods_read.cpp).
#pragma once

#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/spread_api.h"
#include "platform/spread/value.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace spread {

constexpr size_t kMaxWorkbookCells = 20'000'000;
constexpr size_t kMaxWorkbookText = 1'000'000;
// What a workbook's zip archive may declare before a part is inflated: its
// parts unpacked in all, and the number of its parts.
constexpr unsigned long long kMaxWorkbookUnpacked = 1ull << 30;
constexpr unsigned long long kMaxWorkbookParts = 10'000;

// A cell a load kept, but not as the file meant it.
struct LoadWarning {
    std::wstring sheet;   // the sheet's name; "" for files of one sheet
    int col = 0, row = 0; // counted from 1
    std::wstring formula; // the formula as the file holds it
    std::wstring reason;  // "does not parse: ...", "refers to another sheet"
};

// What a load found besides the cells.
struct LoadReport {
    std::vector<std::wstring> sheetNames; // a workbook's worksheets, in order
    std::wstring sheet;                   // the one loaded ("" for one-sheet files)
    std::vector<LoadWarning> warnings;
};

// A formula cell's value as the program that saved the workbook computed it.
struct SavedValue {
    int col = 0, row = 0;
    Value value;
    // Why the cell's formula is not the file's own ("" when it is): it does
    // not parse, refers to another sheet, or the cell is part of an array
    // formula's result.
    std::wstring unsupported;
};

struct WorkbookSheet {
    std::wstring name;
    Sheet sheet; // formula cells hold their saved values, not recomputed
    std::vector<SavedValue> saved; // every formula cell, kept or not, by row then column
    std::vector<LoadWarning> warnings;
};

// Reads the worksheets of a workbook held in `bytes` (`format` Xlsx or Ods):
// every one, or only the one named `only` when that is not empty (an unknown
// name fails with the list of names). `names` receives every worksheet's
// name. False with a one-line reason when the file cannot be read; `sheets`
// is then empty.
ZRLSPREAD_API bool readWorkbook(std::string_view bytes, SheetFormat format, std::wstring_view only,
                                std::vector<WorkbookSheet>& sheets,
                                std::vector<std::wstring>* names = nullptr,
                                std::wstring* error = nullptr);

// The names the formula of (col, row) uses that neither the engine nor the
// sheet's own functions define (each computes to #NAME?); empty for a cell
// without formula.
ZRLSPREAD_API std::vector<std::wstring> unknownNames(const Sheet& sheet, int col, int row);

// Splits "Bolts.xlsx#M20" into the file and the sheet's name when the whole
// does not name an existing file; `sheet` is "" when none is named.
ZRLSPREAD_API void splitSheetPath(const std::filesystem::path& path,
                                  std::filesystem::path& file, std::wstring& sheet);

// Sheet::load with what it found: the format by the file's extension
// (sheetFormatFor), a workbook's sheet chosen by "#NAME" at the end of the
// path (default the first), the warnings of the load. A failed load leaves
// `target` as it was.
ZRLSPREAD_API bool loadSheetFile(Sheet& target, const std::filesystem::path& path,
                                 LoadReport* report, std::wstring* error = nullptr);

} // namespace spread
