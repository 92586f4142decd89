// The cell table of a sheet.
#include "platform/spread/sheet_cells.h"

#include <new>

namespace spread {

CellMap::~CellMap() {
    clear();
}

void CellMap::swap(CellMap& o) noexcept {
    std::swap(table_, o.table_);
    std::swap(mask_, o.mask_);
    std::swap(chunks_, o.chunks_);
    std::swap(live_, o.live_);
    std::swap(free_, o.free_);
    std::swap(slots_, o.slots_);
    std::swap(count_, o.count_);
}

uint32_t CellMap::lookup(CellKey key) const {
    if (count_ == 0) return slots_;
    for (size_t h = hashCellKey(key) & mask_;; h = (h + 1) & mask_) {
        const Slot& s = table_[h];
        if (s.index == kNone) return slots_;
        if (s.key == key) return s.index;
    }
}

void CellMap::rehash(size_t tableSize) {
    std::vector<Slot> old(tableSize, Slot{0, kNone});
    old.swap(table_);
    mask_ = tableSize - 1;
    for (const Slot& s : old) {
        if (s.index == kNone) continue;
        size_t h = hashCellKey(s.key) & mask_;
        while (table_[h].index != kNone)
            h = (h + 1) & mask_;
        table_[h] = s;
    }
}

void CellMap::reserve(size_t count) {
    size_t want = 16;
    while (want * 3 < count * 4)
        want *= 2; // load at most 3/4
    if (want > table_.size()) rehash(want);
}

Cell& CellMap::operator[](CellKey key) {
    uint32_t index;
    return get(key, index);
}

Cell& CellMap::get(CellKey key, uint32_t& index) {
    uint32_t found = lookup(key);
    index = found;
    if (found != slots_) return entry(found).second;
    if (table_.empty() || (count_ + 1) * 4 > table_.size() * 3)
        rehash(table_.empty() ? 16 : table_.size() * 2);
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        if ((slots_ >> kChunkBits) >= chunks_.size()) chunks_.push_back(std::make_unique<Chunk>());
        index = slots_++;
        live_.push_back(0);
    }
    value_type* e = &entry(index);
    new (e) value_type(key, Cell{});
    live_[index] = 1;
    size_t h = hashCellKey(key) & mask_;
    while (table_[h].index != kNone)
        h = (h + 1) & mask_;
    table_[h] = Slot{key, index};
    ++count_;
    return e->second;
}

CellMap::iterator CellMap::erase(iterator it) {
    uint32_t index = it.index();
    CellKey key = entry(index).first;
    size_t h = hashCellKey(key) & mask_;
    while (table_[h].key != key || table_[h].index == kNone)
        h = (h + 1) & mask_;
    // Backward-shift: pull later entries of the probe run into the hole.
    size_t hole = h;
    for (size_t j = (hole + 1) & mask_; table_[j].index != kNone; j = (j + 1) & mask_) {
        size_t home = hashCellKey(table_[j].key) & mask_;
        // Move j into the hole unless its home lies cyclically in (hole, j].
        bool between = hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!between) {
            table_[hole] = table_[j];
            hole = j;
        }
    }
    table_[hole] = Slot{0, kNone};
    entry(index).~value_type();
    live_[index] = 0;
    free_.push_back(index);
    --count_;
    return iterator(this, index + 1);
}

void CellMap::clear() {
    for (uint32_t i = 0; i < slots_; ++i)
        if (live_[i]) entry(i).~value_type();
    table_.clear();
    mask_ = 0;
    chunks_.clear();
    live_.clear();
    free_.clear();
    slots_ = 0;
    count_ = 0;
}

} // namespace spread
