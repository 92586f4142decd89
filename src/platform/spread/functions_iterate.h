// Walking the values of function arguments that may be blocks of cells.
// Private to the engine.
#pragma once

#include "platform/spread/functions.h"

namespace spread {

// Calls fn(value, fromReference) for every argument from `first` on: for a
// reference, each non-empty cell it covers; otherwise the argument's own
// value (a missing argument as an empty value).
template <typename Fn> void forEachArgValue(Call& c, int first, Fn&& fn) {
    for (int i = first; i < c.argc; ++i) {
        const Slot& s = c.args[i];
        if (s.isRef()) {
            c.host.forEachValue(s.ref, [&](int, int, const Value& v) { fn(v, true); });
        } else {
            fn(s.v, false);
        }
    }
}

// The number of cells of a block.
inline double cellCount(const CellRange& r) {
    return static_cast<double>(r.col2 - r.col1 + 1) * static_cast<double>(r.row2 - r.row1 + 1);
}

} // namespace spread
