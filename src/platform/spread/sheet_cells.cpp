// The cell table of a sheet.
#include "platform/spread/sheet_cells.h"

#include <algorithm>
#include <iterator>
#include <new>

namespace spread {

CellMap::~CellMap() {
    clear();
}

void CellMap::swap(CellMap& o) noexcept {
    std::swap(table_, o.table_);
    std::swap(mask_, o.mask_);
    std::swap(pages_, o.pages_);
    std::swap(freePages_, o.freePages_);
    std::swap(pageCount_, o.pageCount_);
    std::swap(lastPage_, o.lastPage_);
    std::swap(lastAt_, o.lastAt_);
    std::swap(chunks_, o.chunks_);
    std::swap(live_, o.live_);
    std::swap(free_, o.free_);
    std::swap(slots_, o.slots_);
    std::swap(count_, o.count_);
    std::swap(rows_, o.rows_);
    std::swap(highRow_, o.highRow_);
    std::swap(maxCol_, o.maxCol_);
}

uint32_t CellMap::findPage(CellKey key) const {
    if (pageCount_ == 0) return kNone;
    CellKey page = key >> kPageBits;
    if (lastAt_ != kNone && lastPage_ == page) return lastAt_;
    for (size_t h = hashCellKey(page) & mask_;; h = (h + 1) & mask_) {
        const Slot& s = table_[h];
        if (s.at == kNone) return kNone;
        if (s.page == page) {
            lastPage_ = page;
            lastAt_ = s.at;
            return s.at;
        }
    }
}

uint32_t CellMap::lookup(CellKey key) const {
    if (rows_.active()) {
        uint32_t row = rows_.stored(static_cast<uint32_t>(key));
        if (row == RowOrder::kNoRow) return slots_;
        key = withRow(key, row);
    }
    uint32_t at = findPage(key);
    if (at == kNone) return slots_;
    uint32_t i = pages_[at].index[inPage(key)];
    return i == kNone ? slots_ : i;
}

void CellMap::rehash(size_t tableSize) {
    std::vector<Slot> old(tableSize, Slot{0, kNone});
    old.swap(table_);
    mask_ = tableSize - 1;
    for (const Slot& s : old) {
        if (s.at == kNone) continue;
        size_t h = hashCellKey(s.page) & mask_;
        while (table_[h].at != kNone)
            h = (h + 1) & mask_;
        table_[h] = s;
    }
}

void CellMap::reserve(size_t count) {
    size_t pages = count / kPage + 1, want = 16;
    while (want < pages * 2)
        want *= 2; // pages fill at most half the table
    if (want > table_.size()) rehash(want);
}

uint32_t CellMap::makePage(CellKey key) {
    uint32_t at = findPage(key);
    if (at != kNone) return at;
    if (table_.empty() || (pageCount_ + 1) * 2 > table_.size())
        rehash(table_.empty() ? 16 : table_.size() * 2);
    if (!freePages_.empty()) {
        at = freePages_.back();
        freePages_.pop_back();
    } else {
        at = static_cast<uint32_t>(pages_.size());
        pages_.emplace_back();
    }
    std::fill(std::begin(pages_[at].index), std::end(pages_[at].index), kNone);
    CellKey page = key >> kPageBits;
    size_t h = hashCellKey(page) & mask_;
    while (table_[h].at != kNone)
        h = (h + 1) & mask_;
    table_[h] = Slot{page, at};
    ++pageCount_;
    lastPage_ = page;
    lastAt_ = at;
    return at;
}

void CellMap::dropPage(CellKey key, uint32_t at) {
    CellKey page = key >> kPageBits;
    size_t h = hashCellKey(page) & mask_;
    while (table_[h].at != at)
        h = (h + 1) & mask_;
    // Backward-shift: pull later slots of the probe run into the hole.
    size_t hole = h;
    for (size_t j = (hole + 1) & mask_; table_[j].at != kNone; j = (j + 1) & mask_) {
        size_t home = hashCellKey(table_[j].page) & mask_;
        // Move j into the hole unless its home lies cyclically in (hole, j].
        bool between = hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!between) {
            table_[hole] = table_[j];
            hole = j;
        }
    }
    table_[hole] = Slot{0, kNone};
    if (lastAt_ == at) lastAt_ = kNone;
    freePages_.push_back(at);
    --pageCount_;
}

Cell& CellMap::operator[](CellKey key) {
    uint32_t index;
    return get(key, index);
}

Cell& CellMap::get(CellKey key, uint32_t& index) {
    const CellKey position = key;
    if (rows_.active()) key = withRow(key, rows_.storedForNew(static_cast<uint32_t>(key)));
    uint32_t at = makePage(key);
    uint32_t& slot = pages_[at].index[inPage(key)];
    if (slot != kNone) {
        index = slot;
        return entry(index).second;
    }
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        if ((slots_ >> kChunkBits) >= chunks_.size()) chunks_.push_back(newChunk());
        index = slots_++;
        live_.push_back(0);
    }
    value_type* e = &entry(index);
    new (e) value_type(key, Cell{});
    live_[index] = 1;
    slot = index;
    ++count_;
    const uint32_t row = static_cast<uint32_t>(position);
    if (!rows_.active() && row < RowOrder::kLimit) highRow_ = std::max(highRow_, row);
    maxCol_ = std::max(maxCol_, static_cast<uint32_t>(position >> 32));
    return e->second;
}

CellMap::iterator CellMap::erase(iterator it) {
    uint32_t index = it.index();
    CellKey key = entry(index).first;
    uint32_t at = findPage(key);
    Page& page = pages_[at];
    page.index[inPage(key)] = kNone;
    if (std::all_of(std::begin(page.index), std::end(page.index),
                    [](uint32_t i) { return i == kNone; }))
        dropPage(key, at);
    entry(index).~value_type();
    live_[index] = 0;
    free_.push_back(index);
    --count_;
    return iterator(this, index + 1);
}

CellMap CellMap::copyOf(const CellMap& o) {
    CellMap m;
    m.table_ = o.table_;
    m.mask_ = o.mask_;
    m.pages_ = o.pages_;
    m.freePages_ = o.freePages_;
    m.pageCount_ = o.pageCount_;
    m.free_ = o.free_;
    m.live_.assign(o.live_.size(), 0);
    m.chunks_.reserve(o.chunks_.size());
    for (size_t i = 0; i < o.chunks_.size(); ++i)
        m.chunks_.push_back(newChunk());
    // Cells copy without throwing (a value shares its text), so every entry
    // counted below is built.
    static_assert(std::is_nothrow_copy_constructible_v<value_type>);
    m.slots_ = o.slots_;
    for (uint32_t i = 0; i < o.slots_; ++i)
        if (o.live_[i]) {
            new (&m.entry(i)) value_type(o.entry(i));
            m.live_[i] = 1;
        }
    m.count_ = o.count_;
    m.rows_ = o.rows_;
    m.highRow_ = o.highRow_;
    m.maxCol_ = o.maxCol_;
    return m;
}

void CellMap::clear() {
    for (uint32_t i = 0; i < slots_; ++i)
        if (live_[i]) entry(i).~value_type();
    table_.clear();
    mask_ = 0;
    pages_.clear();
    freePages_.clear();
    pageCount_ = 0;
    lastAt_ = kNone;
    chunks_.clear();
    live_.clear();
    free_.clear();
    slots_ = 0;
    count_ = 0;
    rows_.clear();
    highRow_ = 0;
    maxCol_ = 0;
}

} // namespace spread
