// Which formula cells read which cells.
//
// A single-cell reference is an edge kept in a list headed in the referenced
// cell itself (Cell::firstDep), so a million-cell chain costs one small edge
// per link and no map. A block reference is kept whole in a range index and
// found by a stabbing query, so =SUM(A:A) is one entry, not a million edges.
#pragma once

#include "platform/spread/formula.h"
#include "platform/spread/sheet_cells.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace spread {

// Blocks, with the formula node that reads each; answers "which blocks hold
// this cell". A block a few columns wide is filed under each of its columns,
// so a cell is only ever tested against blocks of its own column (plus the
// few wide ones): a sheet of formulas reading A1:A10000 costs nothing to
// stab in column G. Wider blocks are filed by their span of columns, so that
// the many formulas reading one table (VLOOKUP over $A$1:$Z$10000) cost a
// cell outside the table one test, not one per formula. Within a column or
// span, blocks are sorted by first and last row with the largest last row of
// every subtree of an implicit segment tree; blocks added since the last
// sort are scanned.
class RangeIndex {
public:
    // Blocks at most this many columns wide are filed per column.
    static constexpr int kNarrowCols = 16;

    // Returns the entry's index for remove().
    uint32_t add(const CellRange& range, uint32_t node);
    void remove(uint32_t entry);
    void clear();
    size_t liveCount() const { return entries_.size() - dead_; }
    size_t deadCount() const { return dead_; }

    // Calls fn(node) once per live block that holds (col, row).
    template <class Fn> void stab(int col, int row, Fn&& fn) const;

private:
    struct Entry {
        CellRange range;
        uint32_t node;
    };
    // The blocks of one column (or the wide ones), as indices into entries_.
    struct Bucket {
        void sortIfNeeded(const std::vector<Entry>& entries) const;
        template <class Fn>
        void stab(const std::vector<Entry>& entries, int col, int row, Fn&& fn) const;

        // Sorted part: entry indices by first row, and a segment tree of the
        // largest last row over them (node 1 is the root).
        mutable std::vector<uint32_t> sorted;
        mutable std::vector<int> maxRow2;
        mutable size_t sortedSize = 0; // segment leaves (power of two)
        mutable std::vector<uint32_t> recent;
    };

    // The wide blocks of one span of columns.
    struct Span {
        int col1, col2;
        Bucket rows;
    };

    std::vector<Entry> entries_;
    size_t dead_ = 0;
    std::unordered_map<int, Bucket> columns_;
    std::vector<Span> spans_;
    std::unordered_map<uint64_t, uint32_t> spanOf_; // (col1, col2) to spans_
};

class DependencyGraph {
public:
    // Records that `node` reads `refs`. `cells` gets an (empty) cell for every
    // single referenced cell that has none, to head its edge list. The
    // node's block entries are returned through rangeBegin/rangeCount.
    void link(uint32_t node, const std::vector<CellRange>& refs, CellMap& cells,
              uint32_t& rangeBegin, uint32_t& rangeCount);
    // Removes what link recorded for the same refs. Cells left vacant are
    // erased, except the cell `keep` (the node's own, which the caller holds).
    void unlink(uint32_t node, const std::vector<CellRange>& refs, CellMap& cells,
                uint32_t rangeBegin, uint32_t rangeCount, CellKey keep);
    // Records the blocks `node` reached through computed references in its
    // last evaluation, in place of those of the evaluation before.
    void linkReached(uint32_t node, const std::vector<CellRange>& blocks);
    // Forgets them (the node's formula is gone).
    void unlinkReached(uint32_t node);
    // Forgets every edge (the caller clears Cell::firstDep).
    void clear();
    // Changes whenever an edge or block entry is added or removed.
    uint64_t version() const { return version_; }
    // Whether removed blocks pile up enough that a rebuild pays.
    bool wantsRebuild() const;
    // Room for as many edges as `other` holds, so that a copy filled again
    // as its original was grows no more.
    void reserveLike(const DependencyGraph& other) { edges_.reserve(other.edges_.size()); }

    // Calls fn(node) for every formula node reading the cell `key`, once per
    // reference (a node reading a cell twice is reported twice).
    template <class Fn> void forEachDependent(const CellMap& cells, CellKey key, Fn&& fn) const {
        forEachDependentAt(cells, cells.indexOf(key), key, fn);
    }
    // False when no formula can read the cell `key` (true may be a guess:
    // any block reference counts).
    bool mayHaveDependents(const CellMap& cells, CellKey key) const {
        if (ranges_.liveCount() != 0) return true;
        uint32_t index = cells.indexOf(key);
        return index != kNone && cells.at(index).firstDep != kNone;
    }
    // The same for a cell whose position in `cells` is known (kNone: none).
    template <class Fn>
    void forEachDependentAt(const CellMap& cells, uint32_t index, CellKey key, Fn&& fn) const {
        if (index != kNone)
            for (uint32_t e = cells.at(index).firstDep; e != kNone; e = edges_[e].next)
                fn(edges_[e].node);
        if (ranges_.liveCount() != 0) ranges_.stab(keyCol(key), keyRow(key), fn);
    }

private:
    struct Edge {
        uint32_t node;
        uint32_t next;
    };
    std::vector<Edge> edges_;
    uint32_t freeEdge_ = kNone;
    uint64_t version_ = 0;
    RangeIndex ranges_;
    // Per node: the blocks reached last time, and their entries in ranges_.
    struct Reached {
        std::vector<CellRange> blocks;
        std::vector<uint32_t> entries;
    };
    std::unordered_map<uint32_t, Reached> reached_;
};

// A single cell, as opposed to a block.
inline bool isSingleCell(const CellRange& r) {
    return r.col1 == r.col2 && r.row1 == r.row2;
}

template <class Fn> void RangeIndex::stab(int col, int row, Fn&& fn) const {
    auto it = columns_.find(col);
    if (it != columns_.end()) it->second.stab(entries_, col, row, fn);
    for (const Span& s : spans_)
        if (col >= s.col1 && col <= s.col2) s.rows.stab(entries_, col, row, fn);
}

template <class Fn>
void RangeIndex::Bucket::stab(const std::vector<Entry>& entries, int col, int row, Fn&& fn) const {
    sortIfNeeded(entries);
    for (uint32_t i : recent) {
        const Entry& e = entries[i];
        if (e.node != kNone && e.range.contains(col, row)) fn(e.node);
    }
    if (sorted.empty()) return;
    // Descend the segment tree: skip subtrees whose blocks all end above
    // `row` or all start below it.
    uint32_t stack[64];
    size_t top = 0;
    stack[top++] = 1;
    while (top != 0) {
        uint32_t n = stack[--top];
        if (maxRow2[n] < row) continue;
        // The leftmost leaf of n tells the smallest first row in it.
        uint32_t lo = n;
        while (lo < sortedSize)
            lo *= 2;
        size_t first = lo - sortedSize;
        if (first >= sorted.size() || entries[sorted[first]].range.row1 > row) continue;
        if (n >= sortedSize) {
            const Entry& e = entries[sorted[first]];
            if (e.node != kNone && e.range.contains(col, row)) fn(e.node);
            continue;
        }
        stack[top++] = 2 * n + 1;
        stack[top++] = 2 * n;
    }
}

} // namespace spread
