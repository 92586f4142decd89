// How cells look (type, font, colours, border, lock), each distinct look
// stored once per sheet and shared by every cell that has it: a bill of a
// million formatted cells holds a handful of looks.
#pragma once

#include "platform/spread/sheet_types.h"
#include "platform/spread/spread_api.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace spread {

struct ZRLSPREAD_API CellStyle {
    bool locked = false;
    Color back = kDefaultColor, fore = kDefaultColor;
    std::shared_ptr<const CellType> type; // null: general
    std::shared_ptr<const Font> font;     // null: the sheet's default
    Border border;

    bool plain() const {
        return !locked && back == kDefaultColor && fore == kDefaultColor && !type && !font &&
               border == Border{};
    }
    // Types and fonts compare by what they hold, not by where.
    bool operator==(const CellStyle& o) const;
};

// The texts a few cells keep beside their value.
struct CellTexts {
    std::wstring tag;
    // The data text as typed when it differs from the value text ("1.50" for
    // the number 1.5 on a general cell).
    std::wstring typed;
    bool hasTyped = false;

    bool empty() const { return tag.empty() && !hasTyped; }
};

// The looks of a sheet's cells, each with the number of cells that have it;
// a look no cell has any more is dropped. Looks are numbered from 0; kNone
// (no look) stands for the plain one.
class StylePool {
public:
    static constexpr uint32_t kPlain = 0xFFFFFFFFu;

    // The number of `style`, added when new; the caller holds one reference.
    uint32_t acquire(const CellStyle& style);
    void retain(uint32_t id) {
        if (id != kPlain) ++entries_[id].refs;
    }
    void release(uint32_t id);
    const CellStyle& at(uint32_t id) const { return entries_[id].style; }
    // Distinct looks in use.
    size_t size() const { return entries_.size() - free_.size(); }

private:
    struct Entry {
        CellStyle style;
        uint32_t refs = 0;
    };
    static size_t hashOf(const CellStyle& s);
    std::vector<Entry> entries_;
    std::vector<uint32_t> free_;
    std::unordered_multimap<size_t, uint32_t> index_;
    // The looks found or added last (kPlain: none).
    uint32_t recent_[4] = {kPlain, kPlain, kPlain, kPlain};
    uint32_t nextRecent_ = 0;
};

} // namespace spread
