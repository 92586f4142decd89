// XLOOKUP and XMATCH: a key searched in a row or column, exactly, with
// wildcards, or for the nearest entry below or above; from the first entry,
// from the last, or by halves in a sorted line.
#include "platform/spread/functions_iterate.h"
#include "platform/text/fold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace spread {

namespace {

using Entry = LineEntry;

bool sameKind(const Value& a, const Value& b) {
    return a.type() == b.type();
}

// Match modes: 0 exact, -1 exact or the next smaller, 1 exact or the next
// larger, 2 with wildcards. Search modes: 1 from the first, -1 from the
// last, 2 by halves in an ascending line, -2 in a descending one. The index
// found, or -1.
int search(const std::vector<Entry>& line, const Value& key, int match, int mode) {
    if (mode == 2 || mode == -2) {
        // By halves over the entries of the key's kind.
        std::vector<const Entry*> es;
        for (const Entry& e : line)
            if (sameKind(e.v, key)) es.push_back(&e);
        const int dir = mode == 2 ? 1 : -1;
        size_t lo = 0, hi = es.size();
        while (lo < hi) {
            size_t mid = (lo + hi) / 2;
            if (compareValues(es[mid]->v, key) * dir < 0) lo = mid + 1;
            else hi = mid;
        }
        // es[lo] is the first entry not before the key in the line's order.
        if (lo < es.size() && compareValues(es[lo]->v, key) == 0) return es[lo]->index;
        if (match == 0 || match == 2) return -1;
        bool wantLarger = match == 1;
        // In an ascending line the larger neighbour follows; in a descending one it precedes.
        if (wantLarger == (dir == 1)) return lo < es.size() ? es[lo]->index : -1;
        return lo > 0 ? es[lo - 1]->index : -1;
    }
    int best = -1;
    const Value* bestValue = nullptr;
    const bool wild = match == 2 && key.isText() && key.text().find_first_of(L"?*~") != std::wstring::npos;
    auto consider = [&](const Entry& e) -> bool { // true: stop
        if (!sameKind(e.v, key)) return false;
        if (wild) return wildcardMatch(key.text(), e.v.text()) ? (best = e.index, true) : false;
        int cmp = compareValues(e.v, key);
        if (cmp == 0) return best = e.index, true;
        if (match == -1 && cmp < 0 && (!bestValue || compareValues(e.v, *bestValue) > 0))
            best = e.index, bestValue = &e.v;
        if (match == 1 && cmp > 0 && (!bestValue || compareValues(e.v, *bestValue) < 0))
            best = e.index, bestValue = &e.v;
        return false;
    };
    if (mode == 1) {
        for (const Entry& e : line)
            if (consider(e)) break;
    } else {
        for (auto it = line.rbegin(); it != line.rend(); ++it)
            if (consider(*it)) break;
    }
    return best;
}

bool isLine(const Slot& s) {
    return s.isRef() && (s.ref.col1 == s.ref.col2 || s.ref.row1 == s.ref.row2);
}

// The match and search modes of arguments i and i+1, or false when either
// is not one of the known values.
bool modes(Call& c, int i, int& match, int& mode) {
    auto given = [&](int k) { return c.given(k) && c.arg(k).kind != Slot::Missing; };
    match = given(i) ? static_cast<int>(std::trunc(c.num(i))) : 0;
    mode = given(i + 1) ? static_cast<int>(std::trunc(c.num(i + 1))) : 1;
    return match >= -1 && match <= 2 && (mode == 1 || mode == -1 || mode == 2 || mode == -2);
}

Slot fnXLookup(Call& c) {
    Value key = c.scalar(0);
    if (key.isError()) return key;
    const Slot& look = c.arg(1);
    const Slot& ret = c.arg(2);
    if (!isLine(look) || !ret.isRef()) return Value::error(ErrorKind::Value);
    for (int i = 4; i < 6 && i < c.argc; ++i) {
        if (c.arg(i).kind == Slot::Missing) continue;
        Value v = c.scalar(i);
        double d = 0;
        ErrorKind e = ErrorKind::Value;
        if (!toNumber(v, d, e)) return Value::error(e);
        c.args[i] = Slot(Value(d));
    }
    int match = 0, mode = 1;
    if (!modes(c, 4, match, mode)) return Value::error(ErrorKind::Value);
    const CellRange& l = look.ref;
    const CellRange& r = ret.ref;
    const bool vertical = l.col1 == l.col2 && l.row1 != l.row2;
    if (vertical ? r.row2 - r.row1 != l.row2 - l.row1 : r.col2 - r.col1 != l.col2 - l.col1)
        return Value::error(ErrorKind::Value);
    const std::vector<Entry> entries = lineEntries(c.host, l);
    int i = -1;
    if (key.isEmpty() && c.arg(0).isRef()) {
        // A blank key finds the first (or last) blank cell.
        const int length = vertical ? l.row2 - l.row1 + 1 : l.col2 - l.col1 + 1;
        std::vector<bool> filled(static_cast<size_t>(length));
        for (const Entry& e : entries)
            filled[static_cast<size_t>(e.index)] = true;
        for (int k = 0; k < length && i < 0; ++k) {
            int at = mode > 0 ? k : length - 1 - k;
            if (!filled[static_cast<size_t>(at)]) i = at;
        }
    } else {
        i = search(entries, key.isEmpty() ? Value(0.0) : key, match, mode);
    }
    if (i < 0) {
        if (c.given(3) && c.arg(3).kind != Slot::Missing) return c.arg(3);
        return Value::error(ErrorKind::NA);
    }
    CellRange out = r;
    if (vertical) out.row1 = out.row2 = r.row1 + i;
    else out.col1 = out.col2 = r.col1 + i;
    return Slot::reference(out);
}

Slot fnXMatch(Call& c) {
    Value key = c.scalar(0);
    if (key.isError()) return key;
    if (!isLine(c.arg(1))) return Value::error(ErrorKind::Value);
    for (int i = 2; i < 4 && i < c.argc; ++i) {
        if (c.arg(i).kind == Slot::Missing) continue;
        double d = 0;
        ErrorKind e = ErrorKind::Value;
        if (!toNumber(c.scalar(i), d, e)) return Value::error(e);
        c.args[i] = Slot(Value(d));
    }
    int match = 0, mode = 1;
    if (!modes(c, 2, match, mode)) return Value::error(ErrorKind::Value);
    if (key.isEmpty()) key = Value(0.0);
    int i = search(lineEntries(c.host, c.arg(1).ref), key, match, mode);
    return i < 0 ? Slot(Value::error(ErrorKind::NA)) : Slot(Value(i + 1));
}

const FunctionDef kXLookup[] = {
    {L"XLOOKUP", 3, 6, "r", fnXLookup},
    {L"XMATCH", 2, 4, "r", fnXMatch},
};

} // namespace

FunctionList xlookupFunctions() {
    return {kXLookup, std::size(kXLookup)};
}

} // namespace spread
