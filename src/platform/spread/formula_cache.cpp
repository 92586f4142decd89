#include "platform/spread/formula_cache.h"

#include "platform/spread/formula_impl.h"

#include <array>
#include <functional>
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

size_t slotIndex(std::wstring_view text, RefStyle style, int col, int row) {
    size_t h = std::hash<std::wstring_view>{}(text);
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
