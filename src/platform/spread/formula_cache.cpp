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
    std::unique_ptr<CompiledFormula> formula; // null: the slot is free

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

// An exact copy: the same instructions, texts and flags.
std::unique_ptr<CompiledFormula> copyOf(const CompiledFormula& f) {
    const Program& prog = f.program();
    std::vector<std::wstring> texts(prog.texts.get(), prog.texts.get() + prog.textCount);
    return CompiledFormula::make(prog.code(), std::move(texts), prog.isVolatile);
}

} // namespace

std::unique_ptr<Formula> cachedFormula(std::wstring_view text, RefStyle style, int col, int row) {
    if (!tSlots || text.size() > kFormulaCacheTextLimit) return nullptr;
    const Slot& slot = (*tSlots)[slotIndex(text, style, col, row)];
    if (!slot.holds(text, style, col, row)) return nullptr;
    try {
        return copyOf(*slot.formula);
    } catch (...) {
        return nullptr; // out of memory: the caller parses instead
    }
}

void keepFormula(std::wstring_view text, RefStyle style, int col, int row,
                 const CompiledFormula& formula) {
    if (text.size() > kFormulaCacheTextLimit) return;
    try {
        if (!tSlots) tSlots = std::make_unique<Slots>();
        Slot& slot = (*tSlots)[slotIndex(text, style, col, row)];
        slot.formula.reset();
        slot.text.assign(text);
        slot.style = style;
        slot.col = col;
        slot.row = row;
        slot.formula = copyOf(formula);
    } catch (...) {
        // Not kept: the next parse of this text compiles it again.
    }
}

void clearFormulaCache() {
    tSlots.reset();
}

} // namespace spread
