// Writing sheets as Office Open XML workbooks (.xlsx) through libxlsxwriter.
// Sheet::save writes whole sheets with it; the module's bill writer uses the
// same looks and rows and adds its header row and page set-up.
//
// A sheet written and read back keeps its values (numbers, texts, logicals,
// errors), formulas with their computed values, column widths, row heights,
// hidden rows, spans (as merged cells), fonts (name, size, bold, italic,
// underline), text and fill colours, borders, and the number formats of its
// number, integer and edit cells. The engine keeps no alignment, so none is
// written.
#pragma once

#include "platform/spread/cell_style.h"
#include "platform/spread/spread_api.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace spread {

class CellView;
class Sheet;

// The number format of a cell type: "0.00" and "#,##0.0" for number cells,
// "0" for integer cells, "@" for edit cells, "" (general) for the rest.
ZRLSPREAD_API std::string xlsxNumberFormat(const CellType* type);

// The workbook formats of a sheet's looks, each made once.
class ZRLSPREAD_API XlsxFormats {
public:
    // Cells without a font of their own get `defaultFont`.
    XlsxFormats(lxw_workbook* book, const Font& defaultFont);
    ~XlsxFormats();
    XlsxFormats(const XlsxFormats&) = delete;
    XlsxFormats& operator=(const XlsxFormats&) = delete;

    // The format of `style` (null: the plain look); `bold` makes its font
    // bold whatever the look says. Looks are told apart by their address:
    // they must stay put while the workbook is written.
    lxw_format* get(const CellStyle* style, bool bold = false);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// How writeXlsxRows writes a sheet's rows.
struct XlsxRowOptions {
    // Workbook rows count from 0: sheet row r goes to row r - 1 + rowOffset.
    int rowOffset = 0;
    // Values only, as text shows them: no formulas, logicals as 1 and 0,
    // errors as their names. Otherwise formulas are written with their
    // computed values, logicals as logicals and errors as errors.
    bool valuesOnly = false;
    // Every row's height, also of rows of the default height (which are
    // otherwise left to the worksheet's default row height, set from the
    // sheet's).
    bool everyRowHeight = false;
    // Called for each cell before it is written.
    std::function<void(const CellView&)> beforeCell;
};

// Writes the sheet's rows 1..maxRows in order, each with its height, hidden flag,
// cells and the spans anchored in it, and every column's width. False with
// the reason when a cell cannot be written (a text beyond the format's
// 32,767 characters, a formula it refuses); the workbook is then unusable.
ZRLSPREAD_API bool writeXlsxRows(lxw_worksheet* sheetOut, XlsxFormats& formats, const Sheet& sheet,
                                 const XlsxRowOptions& options, std::wstring* error = nullptr);

// A workbook written by `fill` to a pending temporary beside `path` (its
// parts made in work files of the same folder, never a shared one), then
// put over `path` atomically. False with the reason when the workbook
// cannot be made, `fill` returns false, or closing or replacing fails; an
// existing file stays as it was.
ZRLSPREAD_API bool writeXlsxFile(const std::filesystem::path& path,
                                 const std::function<bool(lxw_workbook*, std::wstring&)>& fill,
                                 std::wstring* error = nullptr);

// The whole sheet as a workbook of one worksheet, "Sheet1".
ZRLSPREAD_API bool writeXlsxSheet(const Sheet& sheet, const std::filesystem::path& path,
                                  std::wstring* error = nullptr);

} // namespace spread
