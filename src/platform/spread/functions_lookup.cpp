// Look-up functions: finding a key in a row or column of cells, and picking
// a cell or an argument by position. Results that are cells stay references.
#include "platform/spread/functions_iterate.h"
#include "platform/text/fold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace spread {

namespace {

using Entry = LineEntry;

bool exactMatch(const Value& key, const Value& v) {
    if (key.type() != v.type()) return false;
    if (key.isText()) {
        const auto& k = key.text();
        if (k.find_first_of(L"?*~") != std::wstring::npos) return wildcardMatch(k, v.text());
        return zrltext::equalNoCase(k, v.text());
    }
    return key == v;
}

// mode 0: the first equal entry; 1: the last entry not above the key in an
// ascending line; -1: the last entry not below the key in a descending line.
// Entries of another type than the key are passed over. -1 when none.
int find(const std::vector<Entry>& line, const Value& key, int mode) {
    int found = -1;
    for (const Entry& e : line) {
        if (mode == 0) {
            if (exactMatch(key, e.v)) return e.index;
            continue;
        }
        if (e.v.type() != key.type()) continue;
        int c = compareValues(e.v, key);
        if (mode > 0 ? c > 0 : c < 0) break;
        found = e.index;
    }
    return found;
}

Slot na() {
    return Value::error(ErrorKind::NA);
}
Slot cellAt(int col, int row) {
    return Slot::reference({col, row, col, row});
}

// VLOOKUP and HLOOKUP.
Slot tableLookup(Call& c, bool vertical) {
    const Value& key = c.value(0);
    const Slot& table = c.arg(1);
    if (!table.isRef()) return Value::error(ErrorKind::Value);
    double n = std::trunc(c.num(2));
    bool approx = c.given(3) ? c.flag(3) : true;
    const CellRange& t = table.ref;
    int extent = vertical ? t.col2 - t.col1 + 1 : t.row2 - t.row1 + 1;
    if (n < 1) return Value::error(ErrorKind::Value);
    if (n > extent) return Value::error(ErrorKind::Ref);
    if (key.isEmpty()) return na();
    CellRange first = vertical ? CellRange{t.col1, t.row1, t.col1, t.row2}
                               : CellRange{t.col1, t.row1, t.col2, t.row1};
    int i = find(lineEntries(c.host, first), key, approx ? 1 : 0);
    if (i < 0) return na();
    int k = static_cast<int>(n) - 1;
    return vertical ? cellAt(t.col1 + k, t.row1 + i) : cellAt(t.col1 + i, t.row1 + k);
}
Slot fnVLookup(Call& c) {
    return tableLookup(c, true);
}
Slot fnHLookup(Call& c) {
    return tableLookup(c, false);
}

bool isLine(const Slot& s) {
    return s.isRef() && (s.ref.col1 == s.ref.col2 || s.ref.row1 == s.ref.row2);
}

Slot fnMatch(Call& c) {
    const Value& key = c.value(0);
    if (!isLine(c.arg(1)) || key.isEmpty()) return na();
    double type = c.given(2) ? c.num(2) : 1;
    int i = find(lineEntries(c.host, c.arg(1).ref), key, type > 0 ? 1 : type < 0 ? -1 : 0);
    return i < 0 ? na() : Value(i + 1);
}

// LOOKUP(key, line, [result line]); without a result line a block is
// searched along its longer side and answers from its last row or column.
Slot fnLookup(Call& c) {
    const Value& key = c.value(0);
    const Slot& s = c.arg(1);
    if (!s.isRef() || key.isEmpty()) return na();
    const CellRange& r = s.ref;
    bool byRows = r.row2 - r.row1 >= r.col2 - r.col1; // search down the first column
    CellRange line = byRows ? CellRange{r.col1, r.row1, r.col1, r.row2}
                            : CellRange{r.col1, r.row1, r.col2, r.row1};
    int i = find(lineEntries(c.host, line), key, 1);
    if (i < 0) return na();
    if (c.given(2)) {
        const Slot& res = c.arg(2);
        if (!isLine(res)) return na();
        bool down = res.ref.col1 == res.ref.col2 && res.ref.row1 != res.ref.row2;
        int col = down ? res.ref.col1 : res.ref.col1 + i;
        int row = down ? res.ref.row1 + i : res.ref.row1;
        if (col > kMaxSheetCols || row > kMaxSheetRows) return na();
        return cellAt(col, row);
    }
    return byRows ? cellAt(r.col2, r.row1 + i) : cellAt(r.col1 + i, r.row2);
}

// INDEX(block, row, [column]): row or column 0 takes the whole column or
// row; with one index a single row or column is indexed along its length.
Slot fnIndex(Call& c) {
    const Slot& s = c.arg(0);
    double r = std::trunc(c.num(1));
    double k = c.given(2) ? std::trunc(c.num(2)) : 0;
    if (r < 0 || k < 0) return Value::error(ErrorKind::Value);
    if (!s.isRef()) {
        if (r > 1 || k > 1) return Value::error(ErrorKind::Ref);
        return s.kind == Slot::Missing ? Slot(Value(0)) : s;
    }
    const CellRange& a = s.ref;
    double h = a.row2 - a.row1 + 1, w = a.col2 - a.col1 + 1;
    if (!c.given(2) && h == 1 && w > 1) std::swap(r, k);
    if (!c.given(2) && w == 1) k = 1;
    if (r > h || k > w) return Value::error(ErrorKind::Ref);
    CellRange out = a;
    if (r > 0) out.row1 = out.row2 = a.row1 + static_cast<int>(r) - 1;
    if (k > 0) out.col1 = out.col2 = a.col1 + static_cast<int>(k) - 1;
    return Slot::reference(out);
}

Slot fnChoose(Call& c) {
    double i = std::trunc(c.num(0));
    if (i < 1 || i > c.argc - 1) return Value::error(ErrorKind::Value);
    const Slot& s = c.arg(static_cast<int>(i));
    return s.kind == Slot::Missing ? Slot(Value(0)) : s;
}

const FunctionDef kLookup[] = {
    {L"CHOOSE", 2, 255, "nr", fnChoose}, {L"HLOOKUP", 3, 4, "ernb", fnHLookup},
    {L"INDEX", 2, 3, "rn", fnIndex},     {L"LOOKUP", 2, 3, "er", fnLookup},
    {L"MATCH", 2, 3, "ern", fnMatch},    {L"VLOOKUP", 3, 4, "ernb", fnVLookup},
};

} // namespace

FunctionList lookupFunctions() {
    return {kLookup, std::size(kLookup)};
}

} // namespace spread
