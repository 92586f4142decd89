#include "platform/core/combo_replace.h"

bool replaceCombo(win::ComboBox& self, int id, win::Window* parent) {
    auto* old = parent ? dynamic_cast<win::ComboBox*>(parent->child(id)) : nullptr;
    if (!old) return false;
    if (old == &self) return true;
    const win::Rect rect = old->rect();
    const std::uint32_t style = (old->style() & ~win::CBS_TYPEMASK) | win::CBS_DROPDOWNLIST;
    old->destroy();
    return self.create(L"ComboBox", L"", style, rect, parent, id);
}
