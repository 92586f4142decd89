// Cell storage of a sheet: a hash table keyed by (column, row) packed into 64
// bits. A cell holds only what most cells have (value, formula, dependents);
// everything else lives in side tables the cell points into.
#pragma once

#include "platform/spread/value.h"

#include <cstdint>
#include <unordered_map>

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
struct CellKeyHash {
    size_t operator()(CellKey key) const noexcept {
        key ^= key >> 29;
        key *= 0xBF58476D1CE4E5B9ull;
        key ^= key >> 32;
        return static_cast<size_t>(key);
    }
};

using CellMap = std::unordered_map<CellKey, Cell, CellKeyHash>;

} // namespace spread
