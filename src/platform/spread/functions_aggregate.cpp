// Functions over lists of values and blocks of cells: sums, counts,
// extremes, and the conditional forms with criteria.
#include "platform/spread/functions_criteria.h"
#include "platform/spread/functions_iterate.h"

#include <cmath>
#include <limits>

namespace spread {

namespace {

Slot fnSum(Call& c) {
    double sum = 0;
    ErrorKind e;
    if (!forEachNumber(c, e, [&](double x) { sum += x; })) return Value::error(e);
    return numberResult(sum);
}

Slot fnProduct(Call& c) {
    double p = 1;
    bool any = false;
    ErrorKind e;
    if (!forEachNumber(c, e, [&](double x) { p *= x, any = true; })) return Value::error(e);
    return numberResult(any ? p : 0);
}

Slot fnAverage(Call& c) {
    double sum = 0, n = 0;
    ErrorKind e;
    if (!forEachNumber(c, e, [&](double x) { sum += x, n += 1; })) return Value::error(e);
    if (n == 0) return Value::error(ErrorKind::Div0);
    return numberResult(sum / n);
}

Slot extreme(Call& c, bool isMax) {
    double best =
        isMax ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    bool any = false;
    ErrorKind e;
    auto take = [&](double x) {
        best = isMax ? std::max(best, x) : std::min(best, x);
        any = true;
    };
    if (!forEachNumber(c, e, take)) return Value::error(e);
    return Value(any ? best : 0.0);
}
Slot fnMax(Call& c) {
    return extreme(c, true);
}
Slot fnMin(Call& c) {
    return extreme(c, false);
}

// COUNT: numbers in cells; given directly, anything that reads as a number.
Slot fnCount(Call& c) {
    double n = 0;
    forEachArgValue(c, 0, [&](const Value& v, bool fromRef) {
        double d;
        ErrorKind e;
        if (v.isNumber() || (!fromRef && !v.isError() && toNumber(v, d, e))) n += 1;
    });
    return Value(n);
}

// COUNTA: every value that is not blank, errors and empty texts included.
Slot fnCountA(Call& c) {
    double n = 0;
    forEachArgValue(c, 0, [&](const Value& v, bool fromRef) {
        if (!fromRef || !v.isEmpty()) n += 1;
    });
    return Value(n);
}

// COUNTBLANK: blank cells and cells holding an empty text.
Slot fnCountBlank(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return Value::error(ErrorKind::Value);
    double filled = 0;
    c.host.forEachValue(s.ref, [&](int, int, const Value& v) {
        if (!v.isEmpty() && !(v.isText() && v.text().empty())) filled += 1;
    });
    return Value(cellCount(s.ref) - filled);
}

Slot fnCountIf(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return Value::error(ErrorKind::Value);
    Criterion crit(c.scalar(1));
    double seen = 0, hits = 0;
    c.host.forEachValue(s.ref, [&](int, int, const Value& v) {
        seen += 1;
        if (crit.matches(v)) hits += 1;
    });
    if (crit.matches(Value())) hits += cellCount(s.ref) - seen;
    return Value(hits);
}

// SUMIF(range, criterion, [sum range]): the sum range has the shape of
// `range` from its own top left cell on.
Slot fnSumIf(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return Value::error(ErrorKind::Value);
    Criterion crit(c.scalar(1));
    CellRange area = s.ref;
    bool separate = c.given(2) && c.arg(2).kind != Slot::Missing;
    if (separate) {
        if (!c.arg(2).isRef()) return Value::error(ErrorKind::Value);
        const CellRange& t = c.arg(2).ref;
        area = {t.col1, t.row1, std::min(kMaxSheetCols, t.col1 + (s.ref.col2 - s.ref.col1)),
                std::min(kMaxSheetRows, t.row1 + (s.ref.row2 - s.ref.row1))};
    }
    double sum = 0;
    bool failed = false;
    ErrorKind error = ErrorKind::Value;
    // Only non-blank cells of the summed block can add anything.
    c.host.forEachValue(area, [&](int col, int row, const Value& v) {
        if (failed || !v.isNumber()) {
            if (!failed && v.isError()) {
                Value key = separate ? c.host.cellValue(s.ref.col1 + (col - area.col1),
                                                        s.ref.row1 + (row - area.row1))
                                     : v;
                if (crit.matches(key)) failed = true, error = v.errorKind();
            }
            return;
        }
        Value key = separate ? c.host.cellValue(s.ref.col1 + (col - area.col1),
                                                s.ref.row1 + (row - area.row1))
                             : v;
        if (crit.matches(key)) sum += v.number();
    });
    if (failed) return Value::error(error);
    return numberResult(sum);
}

// SUMPRODUCT: the sum of the products of corresponding cells; blocks of
// different shapes are #VALUE!, entries that are not numbers count as 0.
Slot fnSumProduct(Call& c) {
    int width = 0, height = 0;
    for (int i = 0; i < c.argc; ++i) {
        const Slot& s = c.arg(i);
        int w = s.isRef() ? s.ref.col2 - s.ref.col1 + 1 : 1;
        int h = s.isRef() ? s.ref.row2 - s.ref.row1 + 1 : 1;
        if (i == 0) width = w, height = h;
        if (w != width || h != height) return Value::error(ErrorKind::Value);
        if (!s.isRef() && s.v.isError()) return s.v;
    }
    // Errors anywhere are the result.
    for (int i = 0; i < c.argc; ++i) {
        const Slot& s = c.arg(i);
        if (!s.isRef()) continue;
        bool failed = false;
        ErrorKind error = ErrorKind::Value;
        c.host.forEachValue(s.ref, [&](int, int, const Value& v) {
            if (!failed && v.isError()) failed = true, error = v.errorKind();
        });
        if (failed) return Value::error(error);
    }
    auto at = [&](int i, int dc, int dr) -> double {
        const Slot& s = c.arg(i);
        Value v = s.isRef() ? c.host.cellValue(s.ref.col1 + dc, s.ref.row1 + dr) : s.v;
        return v.isNumber() ? v.number() : 0;
    };
    const Slot& first = c.arg(0);
    if (!first.isRef()) {
        double p = 1;
        for (int i = 0; i < c.argc; ++i)
            p *= at(i, 0, 0);
        return numberResult(p);
    }
    double sum = 0;
    c.host.forEachValue(first.ref, [&](int col, int row, const Value& v) {
        if (!v.isNumber()) return;
        double p = v.number();
        for (int i = 1; i < c.argc && p != 0; ++i)
            p *= at(i, col - first.ref.col1, row - first.ref.row1);
        sum += p;
    });
    return numberResult(sum);
}

const FunctionDef kAggregate[] = {
    {L"AVERAGE", 1, 255, "r", fnAverage},
    {L"COUNT", 1, 255, "r", fnCount},
    {L"COUNTA", 1, 255, "r", fnCountA},
    {L"COUNTBLANK", 1, 1, "r", fnCountBlank},
    {L"COUNTIF", 2, 2, "r", fnCountIf},
    {L"MAX", 1, 255, "r", fnMax},
    {L"MIN", 1, 255, "r", fnMin},
    {L"PRODUCT", 1, 255, "r", fnProduct},
    {L"SUM", 1, 255, "r", fnSum},
    {L"SUMIF", 2, 3, "r", fnSumIf},
    {L"SUMPRODUCT", 1, 255, "r", fnSumProduct},
};

} // namespace

FunctionList aggregateFunctions() {
    return {kAggregate, std::size(kAggregate)};
}

} // namespace spread
