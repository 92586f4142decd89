// The conditional aggregates: SUMIFS, COUNTIFS, AVERAGEIF(S), MAXIFS and
// MINIFS, over the cells whose partners in every criteria block match.
#include "platform/spread/functions_criteria.h"
#include "platform/spread/functions_iterate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace spread {

namespace {

enum class Fold { Sum, Count, Average, Max, Min };

struct Condition {
    CellRange block;
    Criterion crit;
};

// Sums, counts or extremes the numbers of `target` (or, for COUNTIFS, counts
// the cells) at the places where every condition holds.
Slot conditional(Call& c, Fold fold, const CellRange* target, std::vector<Condition>& conds) {
    const CellRange& shape = target ? *target : conds.front().block;
    const int w = shape.col2 - shape.col1 + 1, h = shape.row2 - shape.row1 + 1;
    for (const Condition& k : conds)
        if (k.block.col2 - k.block.col1 + 1 != w || k.block.row2 - k.block.row1 + 1 != h)
            return Value::error(ErrorKind::Value);
    double sum = 0, n = 0;
    double best = fold == Fold::Max ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    auto holds = [&](int dc, int dr, size_t skip) {
        for (size_t i = 0; i < conds.size(); ++i) {
            if (i == skip) continue;
            const Condition& k = conds[i];
            if (!k.crit.matches(c.host.cellValue(k.block.col1 + dc, k.block.row1 + dr))) return false;
        }
        return true;
    };
    bool failed = false;
    ErrorKind error = ErrorKind::Value;
    if (fold == Fold::Count) {
        const Condition& first = conds.front();
        // Blanks count only when the first criterion takes them.
        if (first.crit.matches(Value())) {
            for (int dr = 0; dr < h; ++dr)
                for (int dc = 0; dc < w; ++dc)
                    if (holds(dc, dr, SIZE_MAX)) n += 1;
        } else {
            c.host.forEachValue(first.block, [&](int col, int row, const Value& v) {
                if (first.crit.matches(v) && holds(col - first.block.col1, row - first.block.row1, 0)) n += 1;
            });
        }
        return Value(n);
    }
    c.host.forEachValue(*target, [&](int col, int row, const Value& v) {
        if (failed || !(v.isNumber() || v.isError())) return;
        if (!holds(col - target->col1, row - target->row1, SIZE_MAX)) return;
        if (v.isError()) {
            failed = true, error = v.errorKind();
            return;
        }
        double x = v.number();
        sum += x, n += 1;
        best = fold == Fold::Max ? std::max(best, x) : std::min(best, x);
    });
    if (failed) return Value::error(error);
    switch (fold) {
    case Fold::Sum: return numberResult(sum);
    case Fold::Average: return n == 0 ? Slot(Value::error(ErrorKind::Div0)) : numberResult(sum / n);
    default: return Value(n == 0 ? 0.0 : best);
    }
}

// The (block, criterion) pairs from argument `first` on.
bool conditions(Call& c, int first, std::vector<Condition>& out) {
    if ((c.argc - first) % 2 != 0) return false;
    for (int i = first; i + 1 < c.argc; i += 2) {
        if (!c.arg(i).isRef()) return false;
        out.push_back({c.arg(i).ref, Criterion(c.scalar(i + 1))});
    }
    return true;
}

template <Fold F> Slot ifs(Call& c) {
    std::vector<Condition> conds;
    const bool counting = F == Fold::Count;
    if (!counting && !c.arg(0).isRef()) return Value::error(ErrorKind::Value);
    if (!conditions(c, counting ? 0 : 1, conds)) return Value::error(ErrorKind::Value);
    return conditional(c, F, counting ? nullptr : &c.arg(0).ref, conds);
}

// AVERAGEIF(block, criterion, [average block]): the average block has the
// shape of the first, from its own top left cell.
Slot fnAverageIf(Call& c) {
    if (!c.arg(0).isRef()) return Value::error(ErrorKind::Value);
    std::vector<Condition> conds{{c.arg(0).ref, Criterion(c.scalar(1))}};
    CellRange target = c.arg(0).ref;
    if (c.given(2) && c.arg(2).kind != Slot::Missing) {
        if (!c.arg(2).isRef()) return Value::error(ErrorKind::Value);
        const CellRange& t = c.arg(2).ref;
        target = {t.col1, t.row1, std::min(kMaxSheetCols, t.col1 + (target.col2 - target.col1)),
                  std::min(kMaxSheetRows, t.row1 + (target.row2 - target.row1))};
        if (target.col2 - target.col1 != conds[0].block.col2 - conds[0].block.col1 ||
            target.row2 - target.row1 != conds[0].block.row2 - conds[0].block.row1)
            return Value::error(ErrorKind::Value);
    }
    return conditional(c, Fold::Average, &target, conds);
}

const FunctionDef kConditional[] = {
    {L"AVERAGEIF", 2, 3, "r", fnAverageIf},
    {L"AVERAGEIFS", 3, 255, "r", ifs<Fold::Average>},
    {L"COUNTIFS", 2, 254, "r", ifs<Fold::Count>},
    {L"MAXIFS", 3, 255, "r", ifs<Fold::Max>},
    {L"MINIFS", 3, 255, "r", ifs<Fold::Min>},
    {L"SUMIFS", 3, 255, "r", ifs<Fold::Sum>},
};

} // namespace

FunctionList conditionalFunctions() {
    return {kConditional, std::size(kConditional)};
}

} // namespace spread
