// Writes a sheet as an Office Open XML workbook (.xlsx) with a page set-up:
// one worksheet whose first row holds the column header texts in bold, then
// the sheet's rows with their number formats, fills, borders, merged cells,
// pictures, column widths and row heights, and the page set-up (the bill
// settings make it: see sheet_settings_ops.cpp).
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/spread/xlsx_write.h"

// Replaces `path` atomically (written beside it, then renamed). False with a
// reason in `error` when the workbook could not be written; an existing file
// then stays as it was.
bool writeXlsxWorkbook(const spread::Sheet& sheet, const spread::XlsxPageSetup& page,
                       const Zrl_String& path, Zrl_String* error = nullptr);
