// Shared cell looks.
#include "platform/spread/cell_style.h"

#include <functional>
#include <iterator>

namespace spread {

namespace {

template <class T>
bool sameRecord(const std::shared_ptr<const T>& a, const std::shared_ptr<const T>& b) {
    return a == b || (a && b && *a == *b);
}

void mix(size_t& h, size_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
}

} // namespace

bool CellStyle::operator==(const CellStyle& o) const {
    return locked == o.locked && back == o.back && fore == o.fore && border == o.border &&
           sameRecord(type, o.type) && sameRecord(font, o.font);
}

size_t StylePool::hashOf(const CellStyle& s) {
    size_t h = s.locked;
    mix(h, s.back);
    mix(h, s.fore);
    mix(h, static_cast<size_t>(s.border.sides) << 8 | static_cast<size_t>(s.border.style));
    mix(h, s.border.color);
    if (s.type) {
        mix(h, static_cast<size_t>(s.type->kind) << 8 | static_cast<size_t>(s.type->decimals));
        mix(h, s.type->style);
    }
    if (s.font) {
        mix(h, std::hash<std::wstring>{}(s.font->name));
        mix(h, static_cast<size_t>(s.font->height) << 16 | static_cast<size_t>(s.font->weight));
    }
    return h;
}

uint32_t StylePool::acquire(const CellStyle& style) {
    if (style.plain()) return kPlain;
    // Cells are mostly given a few looks over and over.
    for (uint32_t id : recent_)
        if (id < entries_.size() && entries_[id].refs > 0 && entries_[id].style == style) {
            ++entries_[id].refs;
            return id;
        }
    const size_t h = hashOf(style);
    auto [from, to] = index_.equal_range(h);
    for (auto it = from; it != to; ++it)
        if (entries_[it->second].style == style) {
            ++entries_[it->second].refs;
            recent_[nextRecent_++ % std::size(recent_)] = it->second;
            return it->second;
        }
    uint32_t id;
    if (!free_.empty()) {
        id = free_.back();
        free_.pop_back();
        entries_[id].style = style;
    } else {
        id = static_cast<uint32_t>(entries_.size());
        entries_.push_back({style, 0});
    }
    entries_[id].refs = 1;
    index_.emplace(h, id);
    recent_[nextRecent_++ % std::size(recent_)] = id;
    return id;
}

void StylePool::release(uint32_t id) {
    if (id == kPlain || --entries_[id].refs > 0) return;
    auto [from, to] = index_.equal_range(hashOf(entries_[id].style));
    for (auto it = from; it != to; ++it)
        if (it->second == id) {
            index_.erase(it);
            break;
        }
    entries_[id].style = CellStyle{};
    free_.push_back(id);
}

} // namespace spread
