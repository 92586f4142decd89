// List box items, single and multiple selection, and the user's choices.
#include "platform/win/list_box.h"

namespace win {

int ListBox::addString(const std::wstring& text) {
    items_.setSorted((style() & LBS_SORT) != 0);
    const int index = items_.add(text);
    selected_.insert(selected_.begin() + index, false);
    if (caret_ >= index) ++caret_;
    return index;
}

int ListBox::insertString(int index, const std::wstring& text) {
    const int at = items_.insert(index, text);
    if (at < 0) return LB_ERR;
    selected_.insert(selected_.begin() + at, false);
    if (caret_ >= at) ++caret_;
    return at;
}

int ListBox::deleteString(int index) {
    const int left = items_.remove(index);
    if (left < 0) return LB_ERR;
    selected_.erase(selected_.begin() + index);
    if (caret_ == index)
        caret_ = -1;
    else if (caret_ > index)
        --caret_;
    return left;
}

void ListBox::resetContent() {
    items_.clear();
    selected_.clear();
    caret_ = -1;
}

int ListBox::getCurSel() const {
    if (isMultiSelect()) return caret_;
    for (size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) return static_cast<int>(i);
    return LB_ERR;
}

int ListBox::setCurSel(int index) {
    if (isMultiSelect()) return LB_ERR;
    selected_.assign(selected_.size(), false);
    if (!items_.valid(index)) {
        caret_ = -1;
        return LB_ERR;
    }
    selected_[static_cast<size_t>(index)] = true;
    caret_ = index;
    invalidate();
    return index;
}

int ListBox::getTextLen(int index) const {
    return items_.valid(index) ? static_cast<int>(items_.text(index).size()) : LB_ERR;
}

int ListBox::selectString(int start, const std::wstring& prefix) {
    const int found = items_.find(start, prefix);
    if (found < 0) return LB_ERR;
    if (isMultiSelect()) {
        setSel(found, true);
        return found;
    }
    return setCurSel(found);
}

int ListBox::setSel(int index, bool selected) {
    if (!isMultiSelect()) return LB_ERR;
    if (index == -1) {
        selected_.assign(selected_.size(), selected);
        return 0;
    }
    if (!items_.valid(index)) return LB_ERR;
    selected_[static_cast<size_t>(index)] = selected;
    caret_ = index;
    invalidate();
    return 0;
}

bool ListBox::getSel(int index) const {
    return items_.valid(index) && selected_[static_cast<size_t>(index)];
}

int ListBox::getSelCount() const {
    int n = 0;
    for (bool s : selected_)
        n += s ? 1 : 0;
    return n;
}

std::vector<int> ListBox::getSelItems() const {
    std::vector<int> out;
    for (size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) out.push_back(static_cast<int>(i));
    return out;
}

bool ListBox::choose(int index) {
    if (!acceptsUser() || !items_.valid(index)) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    if (isMultiSelect()) {
        selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
        caret_ = index;
    } else {
        selected_.assign(selected_.size(), false);
        selected_[static_cast<size_t>(index)] = true;
        caret_ = index;
    }
    invalidate();
    notifyParent(LBN_SELCHANGE);
    return true;
}

bool ListBox::choose(const std::wstring& text) {
    return choose(items_.findExact(-1, text));
}

bool ListBox::doubleClick(int index) {
    if (!acceptsUser() || !items_.valid(index)) return false;
    const WindowHandle self = handle();
    // The first click of the two selects; an item already selected stays so.
    if (!getSel(index) && !choose(index)) return false;
    if (!fromHandle(self)) return false;
    notifyParent(LBN_DBLCLK);
    return true;
}

} // namespace win
