// Edge lists and the block index of the dependency graph.
#include "platform/spread/dependency_graph.h"

#include <algorithm>
#include <climits>

namespace spread {

uint32_t RangeIndex::add(const CellRange& range, uint32_t node) {
    auto index = static_cast<uint32_t>(entries_.size());
    entries_.push_back({range, node});
    // Widths are compared in 64 bits: a block may run to the last column.
    if (int64_t(range.col2) - range.col1 < kNarrowCols) {
        for (int col = range.col1; col <= range.col2; ++col)
            columns_[col].recent.push_back(index);
    } else {
        const uint64_t key = uint64_t(uint32_t(range.col1)) << 32 | uint32_t(range.col2);
        auto [it, added] = spanOf_.try_emplace(key, static_cast<uint32_t>(spans_.size()));
        if (added) spans_.push_back({range.col1, range.col2, {}});
        spans_[it->second].rows.recent.push_back(index);
    }
    return index;
}

void RangeIndex::remove(uint32_t entry) {
    if (entry >= entries_.size() || entries_[entry].node == kNone) return;
    entries_[entry].node = kNone;
    ++dead_;
}

void RangeIndex::clear() {
    entries_.clear();
    dead_ = 0;
    columns_.clear();
    spans_.clear();
    spanOf_.clear();
}

// Folds the recently added blocks into the sorted part once they are many
// enough that scanning them costs more than sorting.
void RangeIndex::Bucket::sortIfNeeded(const std::vector<Entry>& entries) const {
    if (recent.size() <= 32 + sorted.size() / 8) return;
    std::vector<uint32_t> all;
    all.reserve(sorted.size() + recent.size());
    for (uint32_t i : sorted)
        if (entries[i].node != kNone) all.push_back(i);
    for (uint32_t i : recent)
        if (entries[i].node != kNone) all.push_back(i);
    // By first row, then last: blocks of one first row (running totals)
    // then end in order, and the subtree maxima skip those ending above.
    std::sort(all.begin(), all.end(), [&entries](uint32_t a, uint32_t b) {
        const CellRange &x = entries[a].range, &y = entries[b].range;
        return x.row1 != y.row1 ? x.row1 < y.row1 : x.row2 < y.row2;
    });
    sorted = std::move(all);
    recent.clear();
    sortedSize = 1;
    while (sortedSize < sorted.size())
        sortedSize *= 2;
    maxRow2.assign(2 * sortedSize, INT_MIN);
    for (size_t i = 0; i < sorted.size(); ++i)
        maxRow2[sortedSize + i] = entries[sorted[i]].range.row2;
    for (size_t n = sortedSize - 1; n >= 1; --n)
        maxRow2[n] = std::max(maxRow2[2 * n], maxRow2[2 * n + 1]);
}

void DependencyGraph::link(uint32_t node, const std::vector<CellRange>& refs, CellMap& cells,
                           uint32_t& rangeBegin, uint32_t& rangeCount) {
    ++version_;
    rangeBegin = kNone;
    rangeCount = 0;
    for (const CellRange& r : refs) {
        if (!isSingleCell(r)) {
            uint32_t entry = ranges_.add(r, node);
            if (rangeCount++ == 0) rangeBegin = entry;
            continue;
        }
        Cell& cell = cells[cellKey(r.col1, r.row1)];
        uint32_t e;
        if (freeEdge_ != kNone) {
            e = freeEdge_;
            freeEdge_ = edges_[e].next;
        } else {
            e = static_cast<uint32_t>(edges_.size());
            edges_.push_back({});
        }
        edges_[e] = {node, cell.firstDep};
        cell.firstDep = e;
    }
}

void DependencyGraph::unlink(uint32_t node, const std::vector<CellRange>& refs, CellMap& cells,
                             uint32_t rangeBegin, uint32_t rangeCount, CellKey keep) {
    ++version_;
    for (uint32_t i = 0; i < rangeCount; ++i)
        ranges_.remove(rangeBegin + i);
    for (const CellRange& r : refs) {
        if (!isSingleCell(r)) continue;
        CellKey key = cellKey(r.col1, r.row1);
        auto it = cells.find(key);
        if (it == cells.end()) continue;
        Cell& cell = it->second;
        uint32_t* link = &cell.firstDep;
        while (*link != kNone && edges_[*link].node != node)
            link = &edges_[*link].next;
        if (*link == kNone) continue;
        uint32_t e = *link;
        *link = edges_[e].next;
        edges_[e].next = freeEdge_;
        freeEdge_ = e;
        if (key != keep && cell.vacant()) cells.erase(it);
    }
}

void DependencyGraph::linkReached(uint32_t node, const std::vector<CellRange>& blocks) {
    auto it = reached_.find(node);
    if (it == reached_.end()) {
        if (blocks.empty()) return;
        it = reached_.try_emplace(node).first;
    } else if (it->second.blocks == blocks) {
        return; // the usual case: the same cells as last time
    }
    ++version_;
    Reached& r = it->second;
    for (uint32_t e : r.entries)
        ranges_.remove(e);
    r.entries.clear();
    r.blocks = blocks;
    for (const CellRange& b : blocks)
        r.entries.push_back(ranges_.add(b, node));
    if (blocks.empty()) reached_.erase(it);
}

void DependencyGraph::unlinkReached(uint32_t node) {
    linkReached(node, {});
}

void DependencyGraph::clear() {
    ++version_;
    edges_.clear();
    freeEdge_ = kNone;
    ranges_.clear();
    reached_.clear();
}

bool DependencyGraph::wantsRebuild() const {
    return ranges_.deadCount() > 1024 && ranges_.deadCount() > ranges_.liveCount();
}

} // namespace spread
