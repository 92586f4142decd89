// Spans removed in bulk: one pass over the sheet's spans, where removing
// them one by one (each found, then erased) costs the square of their count.
#pragma once

#include "platform/spread/sheet.h"

#include <cstddef>
#include <functional>

namespace spread {

// Removes every span of `sheet` that `which` picks; returns how many went.
ZRLSPREAD_API size_t removeSpans(Sheet& sheet, const std::function<bool(const CellRange&)>& which);

} // namespace spread
