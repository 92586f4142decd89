// The order of a cell table's rows: which stored row holds the cells of a
// sheet row. A cell is filed under its column and its stored row, which
// stays with it when rows are inserted or deleted above it; such an edit
// then moves row numbers in this table (4 bytes a row) instead of filing
// every cell below again. Until the first such edit the table is empty and
// every row is stored as itself, so a sheet never edited that way pays one
// test per look-up.
#pragma once

#include <cstdint>
#include <vector>

namespace spread {

class RowOrder {
public:
    // Rows from here up (the headers' negative numbers among them) are never
    // ordered: they lie outside every sheet. Stored rows of ordered ones
    // stay below it.
    static constexpr uint32_t kLimit = 1u << 24;
    static constexpr uint32_t kNoRow = 0xFFFFFFFFu;

    bool active() const { return !order_.empty(); }

    // The stored row of sheet row `row`; kNoRow when no cell can be there
    // (past the rows the table covers, none of which holds a cell).
    uint32_t stored(uint32_t row) const {
        if (order_.empty() || row >= kLimit) return row;
        return row < order_.size() ? order_[row] : kNoRow;
    }
    // The same for a cell about to be made: the table grows to cover it.
    uint32_t storedForNew(uint32_t row) {
        if (order_.empty() || row >= kLimit) return row;
        if (row >= order_.size()) cover(row + 1);
        return order_[row];
    }
    // The sheet row of stored row `stored` (one that holds a cell).
    uint32_t logical(uint32_t stored) const {
        if (order_.empty() || stored >= kLimit) return stored;
        return back_[stored];
    }
    // Rows below this one may hold cells: the table's size, or (before the
    // first edit) one past the highest row a cell was ever made in.
    uint32_t rowBound(uint32_t highestEver) const {
        return order_.empty() ? highestEver + 1 : static_cast<uint32_t>(order_.size());
    }

    // Inserts `count` empty rows before `at`. `rows` bounds the rows that
    // hold cells when the table starts. False (nothing changed) when the
    // rows would not fit below kLimit.
    bool insert(uint32_t at, uint32_t count, uint32_t rows);
    // Takes out rows [at, at + count), which hold no cell any more; the rows
    // below move up. `rows` as for insert (at most kLimit).
    void erase(uint32_t at, uint32_t count, uint32_t rows);
    void clear();

private:
    // Starts the table (every row [0, rows) stored as itself) or grows it to
    // `rows` rows with stored rows of their own.
    void cover(uint32_t rows);
    uint32_t newStored();
    // Points the stored rows of sheet rows [from, end) back at them.
    void pointBack(uint32_t from);

    std::vector<uint32_t> order_; // sheet row -> stored row
    std::vector<uint32_t> back_;  // stored row -> sheet row (kNoRow: free)
    std::vector<uint32_t> free_;  // stored rows of deleted rows, to reuse
};

} // namespace spread
