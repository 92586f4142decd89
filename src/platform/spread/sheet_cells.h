// Cell storage of a sheet: a hash table keyed by (column, row) packed into 64
// bits. A cell holds only what most cells have (value, formula, dependents);
// everything else lives in side tables the cell points into.
#pragma once

#include "platform/spread/spread_api.h"
#include "platform/spread/row_order.h"
#include "platform/spread/value.h"

#include <algorithm>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace spread {

constexpr uint32_t kNone = 0xFFFFFFFFu;

using CellKey = uint64_t;

// Columns and rows from 0 (the header) up.
inline CellKey cellKey(int col, int row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32) | static_cast<uint32_t>(row);
}
inline int keyCol(CellKey key) {
    return static_cast<int>(key >> 32);
}
inline int keyRow(CellKey key) {
    return static_cast<int>(key & 0xFFFFFFFFu);
}

struct Cell {
    Value value;
    uint32_t formula = kNone;  // formula node, or kNone
    uint32_t attrs = kNone;    // attribute record, or kNone
    uint32_t firstDep = kNone; // first edge of the cells that read this one

    // A cell that can go: nothing in it and nothing reads it.
    bool vacant() const {
        return value.isEmpty() && formula == kNone && attrs == kNone && firstDep == kNone;
    }
};

// Keys are spread evenly by a multiplicative mix: packed keys of a column
// differ only in their low bits.
inline size_t hashCellKey(CellKey key) {
    key ^= key >> 29;
    key *= 0xBF58476D1CE4E5B9ull;
    key ^= key >> 32;
    return static_cast<size_t>(key);
}

// The cells of a sheet by key, over entries kept in chunks that never move,
// so a reference to a cell stays valid while other cells are added or
// erased. Iterates in storage order, not by position.
//
// Cells are filed under their column and stored row (see RowOrder), so rows
// are inserted and removed without filing any cell again; keys given and
// handed out are always the cells' positions in the sheet.
//
// The index is paged: 16 rows of a column share one page of entry
// positions, and an open-addressing table (linear probing, backward-shift
// erase) finds the page. Neighbouring cells, the usual way of building and
// computing a sheet, then share a cache line, and a dense column costs about
// 5 bytes of index per cell.
class CellMap {
public:
    // What iterating gives: the cell's position and the cell.
    template <bool Const>
    using Entry = std::pair<const CellKey, std::conditional_t<Const, const Cell&, Cell&>>;

    template <bool Const> class Iter {
    public:
        using Map = std::conditional_t<Const, const CellMap, CellMap>;
        struct Arrow {
            Entry<Const> entry;
            const Entry<Const>* operator->() const { return &entry; }
        };
        Iter(Map* map, uint32_t index) : map_(map), index_(index) { skip(); }
        Entry<Const> operator*() const { return {map_->keyAt(index_), map_->at(index_)}; }
        Arrow operator->() const { return {**this}; }
        Iter& operator++() {
            ++index_;
            skip();
            return *this;
        }
        bool operator==(const Iter& o) const { return index_ == o.index_; }
        uint32_t index() const { return index_; }

    private:
        void skip() {
            while (index_ < map_->slots_ && !map_->live_[index_])
                ++index_;
        }
        Map* map_;
        uint32_t index_;
    };
    using iterator = Iter<false>;
    using const_iterator = Iter<true>;

    CellMap() = default;
    ~CellMap();
    CellMap(const CellMap&) = delete;
    CellMap& operator=(const CellMap&) = delete;
    CellMap(CellMap&& o) noexcept { swap(o); }
    CellMap& operator=(CellMap&& o) noexcept {
        CellMap gone;
        gone.swap(o);
        swap(gone);
        return *this;
    }
    void swap(CellMap& o) noexcept;

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, slots_}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, slots_}; }

    iterator find(CellKey key) { return {this, lookup(key)}; }
    const_iterator find(CellKey key) const { return {this, lookup(key)}; }
    // The cell of `key`, made (empty) when missing.
    ZRLSPREAD_API Cell& operator[](CellKey key);
    // The same, also telling the cell's stable position.
    Cell& get(CellKey key, uint32_t& index);
    iterator erase(iterator it);
    void erase(CellKey key) {
        auto it = find(key);
        if (it != end()) erase(it);
    }
    size_t size() const { return count_; }
    // Stable position of a cell for as long as it is not erased (kNone when
    // absent), and the cell at such a position.
    uint32_t indexOf(CellKey key) const {
        uint32_t i = lookup(key);
        return i == slots_ ? kNone : i;
    }
    CellKey keyAt(uint32_t index) const {
        CellKey key = entry(index).first;
        return rows_.active() ? withRow(key, rows_.logical(static_cast<uint32_t>(key))) : key;
    }
    Cell& at(uint32_t index) { return entry(index).second; }
    const Cell& at(uint32_t index) const { return entry(index).second; }
    void reserve(size_t count);
    void clear();
    // A copy of `o` with every cell at the same stable position: the index
    // and pages are copied whole, not rebuilt key by key.
    static CellMap copyOf(const CellMap& o);

    // Calls fn(index) for each cell in rows [first, first + count) (rows
    // below RowOrder::kLimit), looking the rows' cells up column by column
    // when that is clearly cheaper than a walk over every cell. `fn` may not add or
    // erase cells.
    template <class Fn> void forEachInRows(uint32_t first, uint32_t count, Fn&& fn) const {
        const uint32_t bound = rows_.rowBound(highRow_);
        if (first >= bound || count == 0) return;
        count = std::min(count, bound - first);
        // A probe is a hash look-up, several times a step of the walk: probe
        // only when it is clearly cheaper (a shrink that drops a whole sheet
        // walks it once instead of probing every row and column).
        if (maxCol_ < kProbeCols && (uint64_t{maxCol_} + 1) * count * 4 <= count_) {
            for (uint32_t row = first; row - first < count; ++row)
                for (uint32_t col = 0; col <= maxCol_; ++col)
                    if (uint32_t i = lookup(cellKey(int(col), int(row))); i != slots_) fn(i);
            return;
        }
        for (uint32_t i = 0; i < slots_; ++i)
            if (live_[i] && static_cast<uint32_t>(keyAt(i)) - first < count) fn(i);
    }
    // Inserts `count` empty rows before row `at`; the rows from `at` on move
    // down, taking their cells along. False (nothing changed) when the rows
    // would no longer fit the row order.
    bool insertRows(uint32_t at, uint32_t count) {
        return rows_.insert(at, count, rows_.rowBound(highRow_));
    }
    // Removes rows [at, at + count) and their cells, calling release(cell)
    // on each before it goes; the rows below move up.
    template <class Fn> void removeRows(uint32_t first, uint32_t count, Fn&& release) {
        std::vector<uint32_t> gone;
        forEachInRows(first, count, [&](uint32_t i) { gone.push_back(i); });
        for (uint32_t i : gone) {
            release(at(i));
            erase(iterator(this, i));
        }
        rows_.erase(first, count, rows_.rowBound(highRow_));
    }

private:
    using value_type = std::pair<const CellKey, Cell>; // keyed by stored row
    // Columns looked up one by one in forEachInRows at most.
    static constexpr uint32_t kProbeCols = 1u << 16;
    static CellKey withRow(CellKey key, uint32_t row) {
        return (key & ~CellKey{0xFFFFFFFFu}) | row;
    }
    static constexpr uint32_t kChunkBits = 10;
    static constexpr uint32_t kChunk = 1u << kChunkBits;
    static constexpr uint32_t kPageBits = 4;
    static constexpr uint32_t kPage = 1u << kPageBits;
    struct Slot {
        CellKey page; // the key without its page bits
        uint32_t at;  // position in pages_; kNone: empty
    };
    struct Page {
        uint32_t index[kPage]; // entry positions; kNone: no cell
    };
    struct Chunk {
        alignas(value_type) unsigned char bytes[kChunk * sizeof(value_type)];
    };

    // Raw storage: entries are built in place when used.
    static std::unique_ptr<Chunk> newChunk() { return std::unique_ptr<Chunk>(new Chunk); }
    value_type& entry(uint32_t i) {
        return reinterpret_cast<value_type*>(chunks_[i >> kChunkBits]->bytes)[i & (kChunk - 1)];
    }
    const value_type& entry(uint32_t i) const {
        return reinterpret_cast<const value_type*>(
            chunks_[i >> kChunkBits]->bytes)[i & (kChunk - 1)];
    }
    static uint32_t inPage(CellKey key) { return static_cast<uint32_t>(key & (kPage - 1)); }
    // Storage index of `key`, or slots_ when absent.
    ZRLSPREAD_API uint32_t lookup(CellKey key) const;
    // The page holding `key`'s position, or kNone.
    uint32_t findPage(CellKey key) const;
    // The same, made (empty) when missing.
    uint32_t makePage(CellKey key);
    void dropPage(CellKey key, uint32_t at);
    void rehash(size_t tableSize);

    std::vector<Slot> table_;
    size_t mask_ = 0;
    // The page found last: cells are mostly visited down a column, 16 to a page.
    mutable CellKey lastPage_ = 0;
    mutable uint32_t lastAt_ = kNone;
    std::vector<Page> pages_;
    std::vector<uint32_t> freePages_;
    size_t pageCount_ = 0;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::vector<uint8_t> live_;
    std::vector<uint32_t> free_;
    uint32_t slots_ = 0; // storage entries in use or free
    size_t count_ = 0;
    RowOrder rows_;
    // The highest row a cell was made in while the row order was empty
    // (below RowOrder::kLimit), and the highest column ever.
    uint32_t highRow_ = 0;
    uint32_t maxCol_ = 0;
};

} // namespace spread
