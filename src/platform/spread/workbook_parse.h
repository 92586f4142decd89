// The workbook reader of the formats plug-in. Private to the plug-in.
#pragma once

#include "platform/spread/workbook.h"

#include <string>
#include <string_view>
#include <vector>

namespace spread::detail {

// readWorkbookSheets (sheet_load.h) as the plug-in does it.
bool parseWorkbook(std::string_view bytes, SheetFormat format, std::wstring_view only,
                   bool firstOnly, std::vector<WorkbookSheet>& sheets,
                   std::vector<std::wstring>* names, std::wstring* error);

} // namespace spread::detail
