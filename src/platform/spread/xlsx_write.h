// Writing sheets as Office Open XML workbooks (.xlsx). Sheet::save writes
// whole sheets; the module's bill writer writes a bill with its header row
// and page set-up. The work is done by the workbook formats plug-in
// (formats_plugin.h), loaded on first use.
//
// A sheet written and read back keeps its values (numbers, texts, logicals,
// errors), formulas with their computed values, column widths, row heights,
// hidden rows, spans (as merged cells), fonts (name, size, bold, italic,
// underline), text and fill colours, borders, and the number formats of its
// number, integer and edit cells. The engine keeps no alignment, so none is
// written.
#pragma once

#include "platform/spread/spread_api.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace spread {

class Sheet;

// The page set-up of a printed workbook, as plain values.
struct XlsxPageSetup {
    // Inches.
    double marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
    bool gridlines = true;
    // Prints the row and column headings.
    bool headings = true;
    // Fits the sheet to one page wide.
    bool fitToWidth = true;
    // The page header and footer in the workbook's own codes ("&L" left,
    // "&C" centre, "&R" right, "&G" the picture, "&P" the page); one longer
    // than the format's 255 characters is left out.
    std::string header, footer;
    // File-system paths of the pictures of the header's and footer's "&G";
    // "" for none.
    std::string headerPicture, footerPicture;
    // Defined names of the workbook with their formulas, in order; names the
    // format refuses are left out.
    std::vector<std::pair<std::string, std::string>> definedNames;
    // The file of the picture a picture cell shows, placed over the cell;
    // "" when there is none. Unset: no pictures.
    std::function<std::string(const std::wstring& picture)> picturePath;
};

// The whole sheet as a workbook of one worksheet, "Sheet1", replaced
// atomically. False with the reason when it cannot be written; an existing
// file then stays as it was.
ZRLSPREAD_API bool writeXlsxSheet(const Sheet& sheet, const std::filesystem::path& path,
                                  std::wstring* error = nullptr);

// The sheet as a bill: one worksheet whose first row holds the column header
// texts in bold, then the sheet's rows as values the way the grid shows
// them, every row with its height, the pictures of picture cells, and the
// page set-up. Replaced atomically like writeXlsxSheet.
ZRLSPREAD_API bool writeXlsxBill(const Sheet& sheet, const XlsxPageSetup& page,
                                 const std::filesystem::path& path, std::wstring* error = nullptr);

} // namespace spread
