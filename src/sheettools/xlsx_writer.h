// Writes a sheet as an Office Open XML workbook (.xlsx) with its print
// settings: one worksheet whose first row holds the column header texts in
// bold, then the sheet's rows with their number formats, fills, borders,
// merged cells, pictures, column widths and row heights. The page set-up
// takes the margins (millimetres), the header and footer pictures, the
// named values "Title", "Date" and "BillFilename" in the page header and
// footer, and the gridline and heading switches of the settings; every named
// value also becomes a defined name of the workbook.
#pragma once

#include "platform/core/zrl_string.h"

namespace spread {
class Sheet;
}
class VkSSSettings;

// Replaces `path` atomically (written beside it, then renamed). False with a
// reason in `error` when the workbook could not be written; an existing file
// then stays as it was.
bool writeXlsxWorkbook(const spread::Sheet& sheet, const VkSSSettings& settings,
                       const Zrl_String& path, Zrl_String* error = nullptr);
