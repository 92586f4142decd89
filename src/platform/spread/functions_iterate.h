// Walking the values of function arguments that may be blocks of cells.
// Private to the engine.
#pragma once

#include "platform/spread/functions.h"

#include <algorithm>
#include <vector>

namespace spread {

// The number of cells of a block.
inline double cellCount(const CellRange& r) {
    return static_cast<double>(r.col2 - r.col1 + 1) * static_cast<double>(r.row2 - r.row1 + 1);
}

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

// Visits the numbers of the arguments. In cells only numbers count (texts,
// logical values and blanks are skipped); given directly, logical values
// count as 1 or 0, numeric texts as their number, an empty argument as 0 and
// other text is #VALUE!. The first error stops the walk.
template <typename Fn> bool forEachNumber(Call& c, ErrorKind& error, Fn&& fn) {
    bool failed = false;
    forEachArgValue(c, 0, [&](const Value& v, bool fromRef) {
        if (failed) return;
        if (v.isError()) {
            failed = true;
            error = v.errorKind();
            return;
        }
        if (v.isNumber()) {
            fn(v.number());
            return;
        }
        if (fromRef) return;
        double d = 0;
        if (!toNumber(v, d, error)) {
            failed = true;
            return;
        }
        fn(d);
    });
    return !failed;
}

// The numbers of the arguments, as forEachNumber visits them.
inline bool collectNumbers(Call& c, std::vector<double>& out, ErrorKind& error) {
    return forEachNumber(c, error, [&](double x) { out.push_back(x); });
}

// A filled cell of a row or column, by its place along the line from 0.
struct LineEntry {
    int index;
    Value v;
};

// The non-blank cells of one row or column, in order.
inline std::vector<LineEntry> lineEntries(FormulaHost& host, const CellRange& line) {
    std::vector<LineEntry> out;
    const bool vertical = line.col1 == line.col2;
    host.forEachValue(line, [&](int col, int row, const Value& v) {
        if (!v.isEmpty()) out.push_back({vertical ? row - line.row1 : col - line.col1, v});
    });
    std::sort(out.begin(), out.end(),
              [](const LineEntry& a, const LineEntry& b) { return a.index < b.index; });
    return out;
}

// Every value of an argument in rows then columns: a block's cells, blanks
// included (for functions that pair blocks entry by entry), or the value
// itself.
inline void valuesOf(const Slot& s, FormulaHost& host, std::vector<Value>& out) {
    if (!s.isRef()) {
        out.push_back(s.v);
        return;
    }
    const CellRange& r = s.ref;
    out.reserve(out.size() + static_cast<size_t>(cellCount(r)));
    for (int row = r.row1; row <= r.row2; ++row)
        for (int col = r.col1; col <= r.col2; ++col)
            out.push_back(host.cellValue(col, row));
}


} // namespace spread
