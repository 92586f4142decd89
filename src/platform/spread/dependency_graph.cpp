// Edge lists and the block index of the dependency graph.
#include "platform/spread/dependency_graph.h"

#include <algorithm>
#include <climits>

namespace spread {

uint32_t RangeIndex::add(const CellRange& range, uint32_t node) {
    auto index = static_cast<uint32_t>(entries_.size());
    entries_.push_back({range, node});
    recent_.push_back(index);
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
    sorted_.clear();
    maxRow2_.clear();
    sortedSize_ = 0;
    recent_.clear();
}

// Folds the recently added blocks into the sorted part once they are many
// enough that scanning them costs more than sorting.
void RangeIndex::sortIfNeeded() const {
    if (recent_.size() <= 32 + sorted_.size() / 8) return;
    std::vector<uint32_t> all;
    all.reserve(sorted_.size() + recent_.size());
    for (uint32_t i : sorted_)
        if (entries_[i].node != kNone) all.push_back(i);
    for (uint32_t i : recent_)
        if (entries_[i].node != kNone) all.push_back(i);
    std::sort(all.begin(), all.end(), [this](uint32_t a, uint32_t b) {
        return entries_[a].range.row1 < entries_[b].range.row1;
    });
    sorted_ = std::move(all);
    recent_.clear();
    sortedSize_ = 1;
    while (sortedSize_ < sorted_.size())
        sortedSize_ *= 2;
    maxRow2_.assign(2 * sortedSize_, INT_MIN);
    for (size_t i = 0; i < sorted_.size(); ++i)
        maxRow2_[sortedSize_ + i] = entries_[sorted_[i]].range.row2;
    for (size_t n = sortedSize_ - 1; n >= 1; --n)
        maxRow2_[n] = std::max(maxRow2_[2 * n], maxRow2_[2 * n + 1]);
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

void DependencyGraph::clear() {
    ++version_;
    edges_.clear();
    freeEdge_ = kNone;
    ranges_.clear();
}

bool DependencyGraph::wantsRebuild() const {
    return ranges_.deadCount() > 1024 && ranges_.deadCount() > ranges_.liveCount();
}

} // namespace spread
