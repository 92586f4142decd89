// Writes a sheet as an Office Open XML workbook (.xlsx) with a page set-up:
// one worksheet whose first row holds the column header texts in bold, then
// the sheet's rows with their number formats, fills, borders, merged cells,
// pictures, column widths and row heights. The page set-up takes the
// margins, the header and footer pictures, the named values "Title", "Date"
// and "BillFilename" in the page header and footer, and the gridline and
// heading switches; every named value also becomes a defined name of the
// workbook.
#pragma once

#include "platform/core/zrl_string.h"

#include <string>
#include <utility>
#include <vector>

namespace spread {
class Sheet;
}

// The page set-up of a workbook as plain values (the bill settings make it).
struct XlsxPage {
    // Millimetres.
    double marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
    bool gridlines = true;
    // Prints the row and column headings.
    bool headings = true;
    // Fits the sheet to one page wide.
    bool fitToWidth = true;
    // File-system paths of existing pictures for the middle of the page
    // header and footer; "" for none.
    std::string headerPicture, footerPicture;
    // Names and their values, in order (the first of a name counts).
    std::vector<std::pair<Zrl_String, Zrl_String>> namedValues;
};

// Replaces `path` atomically (written beside it, then renamed). False with a
// reason in `error` when the workbook could not be written; an existing file
// then stays as it was.
bool writeXlsxWorkbook(const spread::Sheet& sheet, const XlsxPage& page, const Zrl_String& path,
                       Zrl_String* error = nullptr);
