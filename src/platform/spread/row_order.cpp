// The order of a cell table's rows.
#include "platform/spread/row_order.h"

#include <algorithm>

namespace spread {

void RowOrder::cover(uint32_t rows) {
    if (order_.empty()) {
        order_.resize(rows);
        back_.resize(rows);
        for (uint32_t r = 0; r < rows; ++r)
            order_[r] = back_[r] = r;
        return;
    }
    order_.reserve(rows);
    while (order_.size() < rows) {
        uint32_t s = newStored();
        back_[s] = static_cast<uint32_t>(order_.size());
        order_.push_back(s);
    }
}

uint32_t RowOrder::newStored() {
    if (!free_.empty()) {
        uint32_t s = free_.back();
        free_.pop_back();
        return s;
    }
    back_.push_back(kNoRow);
    return static_cast<uint32_t>(back_.size() - 1);
}

void RowOrder::pointBack(uint32_t from) {
    for (uint32_t r = from; r < order_.size(); ++r)
        back_[order_[r]] = r;
}

bool RowOrder::insert(uint32_t at, uint32_t count, uint32_t rows) {
    const uint32_t covered = active() ? static_cast<uint32_t>(order_.size()) : rows;
    // Rows past the covered ones hold no cell: inserting there moves nothing.
    if (count == 0 || at >= covered) return true;
    if (count >= kLimit || covered > kLimit - count) return false;
    if (!active()) cover(covered);
    std::vector<uint32_t> fresh(count);
    for (uint32_t& s : fresh)
        s = newStored();
    order_.insert(order_.begin() + at, fresh.begin(), fresh.end());
    pointBack(at);
    return true;
}

void RowOrder::erase(uint32_t at, uint32_t count, uint32_t rows) {
    const uint32_t covered = active() ? static_cast<uint32_t>(order_.size()) : rows;
    if (count == 0 || at >= covered) return;
    if (!active()) cover(covered);
    const uint32_t end = count > covered - at ? covered : at + count;
    for (uint32_t r = at; r < end; ++r) {
        back_[order_[r]] = kNoRow;
        free_.push_back(order_[r]);
    }
    order_.erase(order_.begin() + at, order_.begin() + end);
    // No row left: every stored row is free again, as before the first edit.
    if (order_.empty()) clear();
    pointBack(at);
}

void RowOrder::clear() {
    order_.clear();
    back_.clear();
    free_.clear();
}

} // namespace spread
