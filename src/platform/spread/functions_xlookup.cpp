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

// The cells of a row or column in order. A line of moderate length is read
// cell by cell, so that a search may stop at its first find; a longer one
// (a whole column) from its filled cells only.
class Line {
public:
    Line(FormulaHost& host, const CellRange& r)
        : host_(host), r_(r), vertical_(r.col1 == r.col2 && r.row1 != r.row2),
          length_(vertical_ ? r.row2 - r.row1 + 1 : r.col2 - r.col1 + 1) {
        if (length_ > kDirect) entries_ = lineEntries(host, r), sparse_ = true;
    }
    int length() const { return length_; }
    // Positions to visit: every cell, or only the filled ones.
    int count() const { return sparse_ ? static_cast<int>(entries_.size()) : length_; }
    int index(int k) const { return sparse_ ? entries_[static_cast<size_t>(k)].index : k; }
    Value value(int k) const {
        if (sparse_) return entries_[static_cast<size_t>(k)].v;
        return vertical_ ? host_.cellValue(r_.col1, r_.row1 + k) : host_.cellValue(r_.col1 + k, r_.row1);
    }
    // The first (or last) blank cell, or -1.
    int blank(bool fromFirst) const {
        std::vector<bool> filled(static_cast<size_t>(length_));
        for (int k = 0; k < count(); ++k)
            if (!value(k).isEmpty()) filled[static_cast<size_t>(index(k))] = true;
        for (int k = 0; k < length_; ++k) {
            int at = fromFirst ? k : length_ - 1 - k;
            if (!filled[static_cast<size_t>(at)]) return at;
        }
        return -1;
    }

private:
    static constexpr int kDirect = 65536;
    FormulaHost& host_;
    CellRange r_;
    bool vertical_;
    int length_;
    bool sparse_ = false;
    std::vector<LineEntry> entries_;
};

// Match modes: 0 exact, -1 exact or the next smaller, 1 exact or the next
// larger, 2 with wildcards. Search modes: 1 from the first, -1 from the
// last, 2 by halves in an ascending line, -2 in a descending one. The
// index found, or -1.
int search(const Line& line, const Value& key, int match, int mode) {
    if (mode == 2 || mode == -2) {
        // A descending line is searched as the ascending line read from its
        // end: of equal entries the first in that order is found (the first
        // of an ascending line, the last of a descending one).
        const int n = line.count();
        auto pos = [&](int j) { return mode == 2 ? j : n - 1 - j; };
        int lo = 0, hi = n;
        while (lo < hi) {
            int mid = lo + (hi - lo) / 2;
            if (compareValues(line.value(pos(mid)), key) < 0) lo = mid + 1;
            else hi = mid;
        }
        // lo: the first entry not below the key in ascending order.
        if (lo < n && line.value(pos(lo)).type() == key.type() &&
            compareValues(line.value(pos(lo)), key) == 0)
            return line.index(pos(lo));
        if (match == 0) return -1;
        const int j = match == 1 ? lo : lo - 1;
        return j >= 0 && j < n && !line.value(pos(j)).isEmpty() ? line.index(pos(j)) : -1;
    }
    int best = -1;
    Value bestValue;
    const bool wild = match == 2 && key.isText() && key.text().find_first_of(L"?*~") != std::wstring::npos;
    const int n = line.count();
    for (int step = 0; step < n; ++step) {
        const int k = mode == 1 ? step : n - 1 - step;
        Value v = line.value(k);
        // Exact matches want the key's kind; the nearest entry is found in
        // the order of all values (numbers, texts, logical values).
        if (v.isEmpty() || (v.type() != key.type() && (match == 0 || match == 2))) continue;
        if (wild) {
            if (wildcardMatch(key.text(), v.text())) return line.index(k);
            continue;
        }
        int cmp = compareValues(v, key);
        if (cmp == 0 && v.type() == key.type()) return line.index(k);
        bool nearer = bestValue.isEmpty() || (match == -1 ? compareValues(v, bestValue) > 0
                                                          : compareValues(v, bestValue) < 0);
        if (((match == -1 && cmp < 0) || (match == 1 && cmp > 0)) && nearer)
            best = line.index(k), bestValue = v;
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
    // Wildcards need a search in order, not by halves.
    if (match == 2 && (mode == 2 || mode == -2)) return false;
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
    const Line line(c.host, l);
    // A blank key (a blank cell or an empty argument) finds the first (or
    // last) blank cell.
    const bool blankKey = key.isEmpty() && (c.arg(0).isRef() || c.arg(0).kind == Slot::Missing);
    int i = blankKey ? line.blank(mode > 0)
                                              : search(line, key.isEmpty() ? Value(0.0) : key, match, mode);
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
    int i = search(Line(c.host, c.arg(1).ref), key, match, mode);
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
