// The pieces of the .xlsx writers over libxlsxwriter: the formats of a
// sheet's looks and the rows of a sheet. Private to the workbook formats
// plug-in (xlsx_write.cpp, xlsx_bill.cpp).
#pragma once

#include "platform/spread/cell_style.h"
#include "platform/spread/xlsx_write.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace spread {

class CellView;

// The number format of a cell type: "0.00" and "#,##0.0" for number cells,
// "0" for integer cells, "@" for edit cells, "" (general) for the rest.
std::string xlsxNumberFormat(const CellType* type);

// The workbook formats of a sheet's looks, each made once.
class XlsxFormats {
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
bool writeXlsxRows(lxw_worksheet* sheetOut, XlsxFormats& formats, const Sheet& sheet,
                   const XlsxRowOptions& options, std::wstring* error = nullptr);

// A workbook written by `fill` to a pending temporary beside `path` (its
// parts made in work files of the same folder, never a shared one), then
// put over `path` atomically. False with the reason when the workbook
// cannot be made, `fill` returns false, or closing or replacing fails; an
// existing file stays as it was.
bool writeXlsxFile(const std::filesystem::path& path,
                   const std::function<bool(lxw_workbook*, std::wstring&)>& fill,
                   std::wstring* error = nullptr);

namespace detail {

// writeXlsxSheet and writeXlsxBill as the plug-in does them.
bool saveXlsx(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error);
bool saveXlsxBill(const Sheet& sheet, const XlsxPageSetup& page,
                  const std::filesystem::path& path, std::wstring* error);

} // namespace detail

} // namespace spread
