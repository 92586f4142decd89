// Recalculation: the order of computing (Kahn's algorithm over the dependency
// graph, Tarjan's for the cells left on cycles, both without recursion) and
// the evaluation of each formula against the sheet.
//
// The order is worked out completely before any formula runs, and each step
// looks its cell up afresh: a custom function called during evaluation may
// write into the sheet, set formulas in it or compute other sheets, so no
// iterator or reference into cell storage is held across an evaluation.
#include "platform/spread/recalc.h"

#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"

#include <algorithm>
#include <unordered_map>

namespace spread::detail {

namespace {

// Answers a formula's reads from the sheet's cells.
class SheetHost final : public FormulaHost {
public:
    explicit SheetHost(Sheet& sheet) : sheet_(sheet), d_(sheet.internals()) {}

    Value cellValue(int col, int row) override {
        const SheetContent& c = d_.content;
        if (col < 1 || row < 1 || col > c.maxCols || row > c.maxRows) return {};
        auto it = c.cells.find(cellKey(col, row));
        return it == c.cells.end() ? Value() : it->second.value;
    }

    void forEachValue(const CellRange& range,
                      const std::function<void(int, int, const Value&)>& fn) override {
        const SheetContent& c = d_.content;
        int col1 = std::max(range.col1, 1), row1 = std::max(range.row1, 1);
        int col2 = std::min(range.col2, c.maxCols), row2 = std::min(range.row2, c.maxRows);
        if (col1 > col2 || row1 > row2) return;
        uint64_t area = uint64_t(col2 - col1 + 1) * uint64_t(row2 - row1 + 1);
        if (area <= c.cells.size()) {
            for (int col = col1; col <= col2; ++col)
                for (int row = row1; row <= row2; ++row) {
                    auto it = c.cells.find(cellKey(col, row));
                    if (it != c.cells.end() && !it->second.value.isEmpty())
                        fn(col, row, it->second.value);
                }
            return;
        }
        // A block larger than the sheet's cells (A:A): visit the cells.
        for (const auto& [key, cell] : c.cells) {
            int col = keyCol(key), row = keyRow(key);
            if (col >= col1 && col <= col2 && row >= row1 && row <= row2 && !cell.value.isEmpty())
                fn(col, row, cell.value);
        }
    }

    const CustomFunction* customFunction(std::wstring_view name) override {
        return d_.functions.find(name);
    }
    const CustomFunction* numberedFunction(uint32_t nameId, std::wstring_view name) override {
        return d_.functions.findNumbered(nameId, name);
    }

    Sheet& callerSheet() override { return sheet_; }

    void reached(const CellRange& r) override {
        if (std::find(reached_.begin(), reached_.end(), r) == reached_.end()) reached_.push_back(r);
    }
    const std::vector<CellRange>& reachedBlocks() const { return reached_; }

private:
    Sheet& sheet_;
    SheetData& d_;
    std::vector<CellRange> reached_;
};

// Counts an evaluation in progress; frees the formulas replaced meanwhile
// once the outermost one ends.
struct EvalScope {
    explicit EvalScope(SheetData& d) : d(d) { ++d.evalDepth; }
    ~EvalScope() {
        if (--d.evalDepth == 0 && !d.recalculating) d.retired.clear();
    }
    SheetData& d;
};

struct RecalcScope {
    explicit RecalcScope(SheetData& d) : d(d) { d.recalculating = true; }
    ~RecalcScope() {
        d.recalculating = false;
        if (d.evalDepth == 0) d.retired.clear();
    }
    SheetData& d;
};

using Step = RecalcStep;

// Calls fn(node) for every formula node reading the cell of node `n`.
template <class Fn> void forEachReader(const SheetContent& c, uint32_t n, Fn&& fn) {
    uint32_t cell = c.nodes[n].cell;
    c.graph.forEachDependentAt(c.cells, cell, c.cells.keyAt(cell), fn);
}

constexpr uint32_t kDone = kNone;

// Marks the set being computed: stamp[n] == epoch.
void newEpoch(SheetData& d) {
    size_t n = d.content.nodes.size();
    if (d.stamp.size() < n) d.stamp.resize(n, 0);
    if (d.indeg.size() < n) d.indeg.resize(n, 0);
    if (++d.epoch == 0) {
        std::fill(d.stamp.begin(), d.stamp.end(), 0);
        d.epoch = 1;
    }
}

// Marks, among `set`, the nodes on a cycle (a strongly connected component
// of more than one node, or one that reads itself).
std::vector<uint32_t> findCycles(const SheetData& d, const std::vector<uint32_t>& set) {
    const SheetContent& c = d.content;
    std::unordered_map<uint32_t, uint32_t> local;
    for (uint32_t i = 0; i < set.size(); ++i)
        local.emplace(set[i], i);
    // Edges inside the set, as compressed rows.
    std::vector<uint32_t> begin(set.size() + 1, 0), adj;
    for (uint32_t i = 0; i < set.size(); ++i) {
        begin[i] = static_cast<uint32_t>(adj.size());
        forEachReader(c, set[i], [&](uint32_t dep) {
            auto it = local.find(dep);
            if (it != local.end()) adj.push_back(it->second);
        });
    }
    begin[set.size()] = static_cast<uint32_t>(adj.size());

    const uint32_t unvisited = kNone;
    std::vector<uint32_t> index(set.size(), unvisited), low(set.size(), 0);
    std::vector<uint8_t> onStack(set.size(), 0);
    std::vector<uint32_t> stack;
    std::vector<std::pair<uint32_t, uint32_t>> calls; // node, next edge
    std::vector<uint32_t> cyclic;
    uint32_t counter = 0;
    for (uint32_t root = 0; root < set.size(); ++root) {
        if (index[root] != unvisited) continue;
        index[root] = low[root] = counter++;
        stack.push_back(root);
        onStack[root] = 1;
        calls.emplace_back(root, begin[root]);
        while (!calls.empty()) {
            auto& [v, pos] = calls.back();
            if (pos < begin[v + 1]) {
                uint32_t w = adj[pos++];
                if (index[w] == unvisited) {
                    index[w] = low[w] = counter++;
                    stack.push_back(w);
                    onStack[w] = 1;
                    calls.emplace_back(w, begin[w]);
                } else if (onStack[w]) {
                    low[v] = std::min(low[v], index[w]);
                }
                continue;
            }
            uint32_t done = v;
            calls.pop_back();
            if (!calls.empty())
                low[calls.back().first] = std::min(low[calls.back().first], low[done]);
            if (low[done] != index[done]) continue;
            // `done` roots a component: everything above it on the stack.
            size_t first = stack.size();
            while (stack[first - 1] != done)
                --first;
            --first;
            bool cycle = stack.size() - first > 1;
            if (!cycle)
                for (uint32_t e = begin[done]; e < begin[done + 1]; ++e)
                    cycle |= adj[e] == done;
            for (size_t i = first; i < stack.size(); ++i) {
                onStack[stack[i]] = 0;
                if (cycle) cyclic.push_back(set[stack[i]]);
            }
            stack.resize(first);
        }
    }
    return cyclic;
}

// The order in which to compute the nodes stamped with the current epoch
// (listed in `set`): every node after the nodes it reads; nodes on cycles
// flagged, and placed before the nodes that read them.
std::vector<Step> orderOf(SheetData& d, const std::vector<uint32_t>& set) {
    SheetContent& c = d.content;
    auto inSet = [&](uint32_t n) { return d.stamp[n] == d.epoch; };
    for (uint32_t n : set)
        d.indeg[n] = 0;
    for (uint32_t n : set)
        forEachReader(c, n, [&](uint32_t dep) {
            if (inSet(dep)) ++d.indeg[dep];
        });
    std::vector<Step> order;
    order.reserve(set.size());
    std::vector<uint32_t> queue;
    for (uint32_t n : set)
        if (d.indeg[n] == 0) queue.push_back(n);
    auto release = [&](uint32_t n) {
        forEachReader(c, n, [&](uint32_t dep) {
            if (inSet(dep) && d.indeg[dep] != kDone && --d.indeg[dep] == 0) queue.push_back(dep);
        });
    };
    auto drain = [&]() {
        for (size_t head = 0; head < queue.size(); ++head) {
            uint32_t n = queue[head];
            d.indeg[n] = kDone;
            order.push_back({n, c.nodes[n].gen, false});
            release(n);
        }
        queue.clear();
    };
    drain();
    if (order.size() == set.size()) return order;

    // What is left lies on a cycle or reads one.
    std::vector<uint32_t> left;
    for (uint32_t n : set)
        if (d.indeg[n] != kDone) left.push_back(n);
    std::vector<uint32_t> cyclic = findCycles(d, left);
    for (uint32_t n : cyclic) {
        d.indeg[n] = kDone;
        order.push_back({n, c.nodes[n].gen, true});
    }
    for (uint32_t n : cyclic)
        release(n);
    drain();
    return order;
}

void run(Sheet& sheet, const std::vector<Step>& order) {
    SheetData& d = sheet.internals();
    RecalcScope scope(d);
    for (const Step& step : order) {
        const SheetContent& c = d.content;
        if (step.node >= c.nodes.size()) continue;
        const FormulaNode& node = c.nodes[step.node];
        if (!node.formula || node.gen != step.gen) continue; // replaced meanwhile
        if (!step.cyclic) {
            computeNode(sheet, step.node);
            continue;
        }
        d.content.cells.at(node.cell).value = Value::error(ErrorKind::Cycle);
    }
}

} // namespace

bool calculating(const Sheet& sheet) {
    const SheetData& d = sheet.internals();
    return d.evalDepth > 0 || d.recalculating;
}

bool computeCell(Sheet& sheet, CellKey key) {
    SheetData& d = sheet.internals();
    auto it = d.content.cells.find(key);
    if (it == d.content.cells.end() || it->second.formula == kNone) return false;
    computeNode(sheet, it->second.formula);
    return true;
}

void computeNode(Sheet& sheet, uint32_t n) {
    SheetData& d = sheet.internals();
    uint32_t gen = d.content.nodes[n].gen;
    CellKey key = d.content.cells.keyAt(d.content.nodes[n].cell);
    const Formula* f = d.content.nodes[n].formula.get();
    Value result = Value::error(ErrorKind::Value);
    SheetHost host(sheet);
    if (d.evalDepth < kMaxEvalDepth) {
        EvalScope scope(d);
        try {
            result = f->evaluate(host, keyCol(key), keyRow(key));
        } catch (...) {
            result = Value::error(ErrorKind::Value);
        }
    }
    // The evaluation may have changed the sheet: the result stands only if
    // the formula is still the one that ran (then its cell is where it was).
    const FormulaNode& node = d.content.nodes[n];
    if (!node.formula || node.gen != gen) return;
    d.content.cells.at(node.cell).value = std::move(result);
    // Computed references: the formula reads what they reached.
    if (node.isVolatile) d.content.graph.linkReached(n, host.reachedBlocks());
}

void recalcAll(Sheet& sheet) {
    SheetData& d = sheet.internals();
    if (calculating(sheet)) return;
    newEpoch(d);
    std::vector<uint32_t> set;
    set.reserve(d.content.formulaCount);
    for (uint32_t n = 0; n < d.content.nodes.size(); ++n)
        if (d.content.nodes[n].formula) {
            d.stamp[n] = d.epoch;
            set.push_back(n);
        }
    run(sheet, orderOf(d, set));
}

namespace {

void recalcFromKeys(Sheet& sheet, const CellKey* changed, size_t count) {
    SheetData& d = sheet.internals();
    if (calculating(sheet) || d.content.formulaCount == 0) return;
    SheetContent& c = d.content;
    // Most edits while a sheet is being filled change a cell nothing reads.
    if (count == 1 && c.volatileCount == 0 && !c.graph.mayHaveDependents(c.cells, changed[0]))
        return;
    RecalcOrder& last = c.lastOrder;
    if (count == 1 && last.valid && last.changed == changed[0] &&
        last.graphVersion == c.graph.version()) {
        run(sheet, last.steps);
        return;
    }
    newEpoch(d);
    std::vector<uint32_t> set;
    auto visit = [&](uint32_t n) {
        if (d.stamp[n] == d.epoch) return;
        d.stamp[n] = d.epoch;
        set.push_back(n);
    };
    for (size_t i = 0; i < count; ++i)
        c.graph.forEachDependent(c.cells, changed[i], visit);
    if (c.volatileCount != 0)
        for (uint32_t n = 0; n < c.nodes.size(); ++n)
            if (c.nodes[n].formula && c.nodes[n].isVolatile) visit(n);
    for (size_t i = 0; i < set.size(); ++i)
        forEachReader(c, set[i], visit);
    if (set.empty()) return;
    if (count != 1) {
        run(sheet, orderOf(d, set));
        return;
    }
    // Kept for the next change of the same cell. Nothing replaces it while
    // it runs: a recalculation started during one does nothing.
    last.steps = orderOf(d, set);
    last.changed = changed[0];
    last.graphVersion = c.graph.version();
    last.valid = true;
    run(sheet, last.steps);
}

} // namespace

void recalcFrom(Sheet& sheet, const std::vector<CellKey>& changed) {
    recalcFromKeys(sheet, changed.data(), changed.size());
}

void recalcFrom(Sheet& sheet, CellKey changed) {
    recalcFromKeys(sheet, &changed, 1);
}

} // namespace spread::detail
