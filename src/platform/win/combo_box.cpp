// Combo box items, selection and the user's choices.
#include "platform/win/combo_box.h"

namespace win {

int ComboBox::addString(const std::wstring& text) {
    items_.setSorted((style() & CBS_SORT) != 0);
    const int index = items_.add(text);
    if (curSel_ >= index) ++curSel_;
    return index;
}

int ComboBox::insertString(int index, const std::wstring& text) {
    const int at = items_.insert(index, text);
    if (at < 0) return CB_ERR;
    if (curSel_ >= at) ++curSel_;
    return at;
}

int ComboBox::deleteString(int index) {
    const int left = items_.remove(index);
    if (left < 0) return CB_ERR;
    if (curSel_ == index) {
        curSel_ = -1;
        if (isEditable()) Window::setText(L"");
    } else if (curSel_ > index) {
        --curSel_;
    }
    return left;
}

void ComboBox::resetContent() {
    items_.clear();
    curSel_ = -1;
    if (isEditable()) Window::setText(L"");
}

int ComboBox::setCurSel(int index) {
    curSel_ = items_.valid(index) ? index : -1;
    sync();
    return curSel_ < 0 ? CB_ERR : curSel_;
}

int ComboBox::getLBTextLen(int index) const {
    return items_.valid(index) ? static_cast<int>(items_.text(index).size()) : CB_ERR;
}

int ComboBox::selectString(int start, const std::wstring& prefix) {
    const int found = items_.find(start, prefix);
    if (found < 0) return CB_ERR;
    return setCurSel(found);
}

std::wstring ComboBox::text() const {
    if (isDropDownList()) return items_.text(curSel_);
    return Window::text();
}

void ComboBox::setText(const std::wstring& text) {
    if (isEditable()) {
        Window::setText(text);
        return;
    }
    // A drop-down list can only show one of its items.
    const int found = items_.findExact(-1, text);
    if (found >= 0) setCurSel(found);
}

// The edit part of an editable combo box shows the current item.
void ComboBox::sync() {
    if (isEditable()) Window::setText(items_.text(curSel_));
    invalidate();
}

bool ComboBox::choose(int index) {
    if (!acceptsUser() || !items_.valid(index)) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    curSel_ = index;
    sync();
    notifyParent(CBN_SELCHANGE);
    if (fromHandle(self)) notifyParent(CBN_SELENDOK);
    return true;
}

bool ComboBox::choose(const std::wstring& text) {
    return choose(items_.findExact(-1, text));
}

bool ComboBox::type(const std::wstring& text) {
    if (!acceptsUser() || !isEditable()) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    curSel_ = -1;
    Window::setText(text);
    notifyParent(CBN_EDITCHANGE);
    return true;
}

} // namespace win
