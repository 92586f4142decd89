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

    bool holds(std::wstring_view t, RefStyle s, int c, int r) const {
        return formula && col == c && row == r && style == s && text == t;
    }
};

// The slots live on the heap, made on first use: a thread that never parses
// pays nothing.
using Slots = std::array<Slot, kFormulaCacheSlots>;
thread_local std::unique_ptr<Slots> tSlots;

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

size_t slotIndex(std::wstring_view text, RefStyle style, int col, int row) {
    size_t h = textHash(text);
    for (size_t part :
         {static_cast<size_t>(style), static_cast<size_t>(col), static_cast<size_t>(row)})
        h = (h ^ part) * 0x100000001b3ull;
    return (h ^ (h >> 29)) % kFormulaCacheSlots;
}

} // namespace

FormulaRef cachedFormula(std::wstring_view text, RefStyle style, int col, int row) {
    if (!tSlots || text.size() > kFormulaCacheTextLimit) return {};
    const Slot& slot = (*tSlots)[slotIndex(text, style, col, row)];
    if (!slot.holds(text, style, col, row)) return {};
    return slot.formula;
}

void keepFormula(std::wstring_view text, RefStyle style, int col, int row,
                 const FormulaRef& formula) {
    if (text.size() > kFormulaCacheTextLimit) return;
    try {
        if (!tSlots) tSlots = std::make_unique<Slots>();
        Slot& slot = (*tSlots)[slotIndex(text, style, col, row)];
        slot.formula.reset();
        slot.text.assign(text);
        slot.style = style;
        slot.col = col;
        slot.row = row;
        slot.formula = formula;
    } catch (...) {
        // Not kept: the next parse of this text compiles it again.
    }
}

void clearFormulaCache() {
    tSlots.reset();
}

} // namespace spread
