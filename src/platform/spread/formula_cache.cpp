#include "platform/spread/formula_cache.h"

#include "platform/spread/formula_impl.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace spread {

namespace {

struct Slot {
    std::wstring text;
    RefStyle style = RefStyle::Default;
    int col = 0, row = 0;
    FormulaRef formula; // null: the slot is free
    uint64_t used = 0;  // when it was last found or filled

    bool holds(std::wstring_view t, RefStyle s, int c, int r) const {
        return formula && col == c && row == r && style == s && text == t;
    }
};

// The slots live on the heap, made on first use: a thread that never parses
// pays nothing. They go in sets of kWays: a formula may sit in any slot of
// its set, so two formulas of one sheet that hash alike do not push each
// other out at every run of the sheet.
constexpr size_t kWays = 2;
constexpr size_t kSets = kFormulaCacheSlots / kWays;
using Slots = std::array<Slot, kFormulaCacheSlots>;
thread_local std::unique_ptr<Slots> tSlots;
thread_local uint64_t tClock = 0;

// A quick mix of the text, two characters a step: formulas are set far
// more often than slots collide.
size_t textHash(std::wstring_view text) {
    constexpr uint64_t kMul = 0xBF58476D1CE4E5B9ull;
    uint64_t h = 0x9E3779B97F4A7C15ull ^ text.size();
    size_t i = 0;
    for (; i + 2 <= text.size(); i += 2) {
        const uint64_t pair = static_cast<uint32_t>(text[i]) |
                              static_cast<uint64_t>(static_cast<uint32_t>(text[i + 1])) << 32;
        h = (h ^ pair) * kMul;
        h ^= h >> 29;
    }
    if (i < text.size()) h = (h ^ static_cast<uint32_t>(text[i])) * kMul;
    return static_cast<size_t>(h ^ (h >> 32));
}

// The first slot of the set the formula belongs to.
size_t setStart(std::wstring_view text, RefStyle style, int col, int row) {
    size_t h = textHash(text);
    for (size_t part :
         {static_cast<size_t>(style), static_cast<size_t>(col), static_cast<size_t>(row)})
        h = (h ^ part) * 0x100000001b3ull;
    return (h ^ (h >> 29)) % kSets * kWays;
}

} // namespace

FormulaRef cachedFormula(std::wstring_view text, RefStyle style, int col, int row) {
    if (!tSlots || text.size() > kFormulaCacheTextLimit) return {};
    const size_t first = setStart(text, style, col, row);
    for (size_t way = 0; way < kWays; ++way) {
        Slot& slot = (*tSlots)[first + way];
        if (!slot.holds(text, style, col, row)) continue;
        slot.used = ++tClock;
        return slot.formula;
    }
    return {};
}

void keepFormula(std::wstring_view text, RefStyle style, int col, int row,
                 const FormulaRef& formula) {
    if (text.size() > kFormulaCacheTextLimit) return;
    try {
        if (!tSlots) tSlots = std::make_unique<Slots>();
        // The least recently used slot of the set gives way.
        const size_t first = setStart(text, style, col, row);
        Slot* slot = &(*tSlots)[first];
        for (size_t way = 1; way < kWays; ++way)
            if ((*tSlots)[first + way].used < slot->used) slot = &(*tSlots)[first + way];
        slot->formula.reset();
        slot->text.assign(text);
        slot->style = style;
        slot->col = col;
        slot->row = row;
        slot->formula = formula;
        slot->used = ++tClock;
    } catch (...) {
        // Not kept: the next parse of this text compiles it again.
    }
}

void clearFormulaCache() {
    tSlots.reset();
}

} // namespace spread
