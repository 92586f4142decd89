// The .xlsx writer over the grid engine's sheet.
#include "sheettools/xlsx_writer.h"

#include "platform/core/paths.h"

bool writeXlsxWorkbook(const spread::Sheet& sheet, const spread::XlsxPageSetup& page,
                       const Zrl_String& path, Zrl_String* error) {
    std::wstring why;
    const bool ok = spread::writeXlsxBill(sheet, page, resolvePath(path), &why);
    if (!ok && error) *error = why;
    return ok;
}
