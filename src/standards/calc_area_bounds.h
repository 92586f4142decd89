// The part of a sheet that holds anything. Cells past the last used column
// and row are empty, so scans that only act on cell texts stop there.
#pragma once

#include "grid/zrl_spread.h"

#include <algorithm>

namespace calc_area {

inline int usedCols(const Zrl_Spread& sheet) {
    return std::min(sheet.getMaxCols(), sheet.sheet().lastUsedCol());
}
inline int usedRows(const Zrl_Spread& sheet) {
    return std::min(sheet.getMaxRows(), sheet.sheet().lastUsedRow());
}

} // namespace calc_area
