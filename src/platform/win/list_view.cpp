// List view items, images, columns, selection and the user's clicks.
#include "platform/win/list_view.h"

#include <algorithm>

namespace win {

int ListView::addImage(const Bitmap& image) {
    images_.push_back(image);
    return static_cast<int>(images_.size()) - 1;
}

const Bitmap* ListView::image(int index) const {
    if (index < 0 || index >= imageCount()) return nullptr;
    return &images_[static_cast<size_t>(index)];
}

std::wstring ListView::columnHeading(int index) const {
    if (index < 0 || index >= columnCount()) return {};
    return columns_[static_cast<size_t>(index)].heading;
}

int ListView::columnWidth(int index) const {
    if (index < 0 || index >= columnCount()) return 0;
    return columns_[static_cast<size_t>(index)].width;
}

int ListView::insertColumn(int index, const std::wstring& heading, int width) {
    index = std::clamp(index, 0, columnCount());
    columns_.insert(columns_.begin() + index, Column{heading, width});
    return index;
}

int ListView::insertItem(int index, const std::wstring& text, int image) {
    index = std::clamp(index, 0, getItemCount());
    Item item;
    item.texts.push_back(text);
    item.image = image;
    items_.insert(items_.begin() + index, std::move(item));
    invalidate();
    return index;
}

bool ListView::deleteItem(int index) {
    if (index < 0 || index >= getItemCount()) return false;
    items_.erase(items_.begin() + index);
    invalidate();
    return true;
}

void ListView::deleteAllItems() {
    items_.clear();
    invalidate();
}

std::wstring ListView::getItemText(int index, int subItem) const {
    if (index < 0 || index >= getItemCount() || subItem < 0) return {};
    const auto& texts = items_[static_cast<size_t>(index)].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(subItem)]
                                                    : std::wstring();
}

bool ListView::setItemText(int index, int subItem, const std::wstring& text) {
    if (index < 0 || index >= getItemCount() || subItem < 0) return false;
    auto& texts = items_[static_cast<size_t>(index)].texts;
    if (subItem >= static_cast<int>(texts.size())) texts.resize(static_cast<size_t>(subItem) + 1);
    texts[static_cast<size_t>(subItem)] = text;
    invalidate();
    return true;
}

int ListView::getItemImage(int index) const {
    return index >= 0 && index < getItemCount() ? items_[static_cast<size_t>(index)].image : -1;
}

bool ListView::setItemImage(int index, int image) {
    if (index < 0 || index >= getItemCount()) return false;
    items_[static_cast<size_t>(index)].image = image;
    invalidate();
    return true;
}

std::uintptr_t ListView::getItemData(int index) const {
    return index >= 0 && index < getItemCount() ? items_[static_cast<size_t>(index)].data : 0;
}

bool ListView::setItemData(int index, std::uintptr_t data) {
    if (index < 0 || index >= getItemCount()) return false;
    items_[static_cast<size_t>(index)].data = data;
    return true;
}

bool ListView::isSelected(int index) const {
    return index >= 0 && index < getItemCount() && items_[static_cast<size_t>(index)].selected;
}

bool ListView::setSelected(int index, bool selected) {
    if (index < 0 || index >= getItemCount()) return false;
    if (selected && (style() & LVS_SINGLESEL) != 0)
        for (auto& item : items_)
            item.selected = false;
    items_[static_cast<size_t>(index)].selected = selected;
    invalidate();
    return true;
}

int ListView::getNextSelected(int start) const {
    for (int i = std::max(start + 1, 0); i < getItemCount(); ++i)
        if (items_[static_cast<size_t>(i)].selected) return i;
    return -1;
}

int ListView::getSelectedCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void ListView::notify(UINT code, int item, UINT newState, UINT oldState) {
    ListViewNotify n;
    n.item = item;
    n.newState = newState;
    n.oldState = oldState;
    notifyParent(n.hdr, code);
}

bool ListView::choose(int index) {
    if (!acceptsUser() || index < 0 || index >= getItemCount()) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    // A plain click selects the item alone: first the others lose their
    // selection, then it gains its own, each change told to the parent.
    for (int i = 0; i < getItemCount(); ++i) {
        if (i == index || !items_[static_cast<size_t>(i)].selected) continue;
        items_[static_cast<size_t>(i)].selected = false;
        notify(LVN_ITEMCHANGED, i, 0, LVIS_SELECTED);
        if (!fromHandle(self)) return false;
        if (index >= getItemCount()) return false; // the handler removed items
    }
    if (!items_[static_cast<size_t>(index)].selected) {
        items_[static_cast<size_t>(index)].selected = true;
        notify(LVN_ITEMCHANGED, index, LVIS_SELECTED | LVIS_FOCUSED, 0);
        if (!fromHandle(self)) return false;
    }
    invalidate();
    notify(NM_CLICK, index, 0, 0);
    return true;
}

bool ListView::doubleClick(int index) {
    const WindowHandle self = handle();
    if (!choose(index) || !fromHandle(self)) return false;
    notify(NM_DBLCLK, index, 0, 0);
    if (fromHandle(self)) notify(LVN_ITEMACTIVATE, index, 0, 0);
    return true;
}

bool ListView::rightClick(int index) {
    if (!acceptsUser() || index < 0 || index >= getItemCount()) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    if (!isSelected(index)) {
        for (auto& item : items_)
            item.selected = false;
        items_[static_cast<size_t>(index)].selected = true;
        notify(LVN_ITEMCHANGED, index, LVIS_SELECTED | LVIS_FOCUSED, 0);
        if (!fromHandle(self)) return false;
    }
    notify(NM_RCLICK, index, 0, 0);
    return true;
}

} // namespace win
