#include "platform/win/tab_control.h"

#include <algorithm>

namespace win {

int TabControl::insertItem(int index, const std::wstring& text) {
    index = std::clamp(index, 0, getItemCount());
    tabs_.insert(tabs_.begin() + index, text);
    if (curSel_ < 0)
        curSel_ = 0;
    else if (index <= curSel_)
        ++curSel_;
    invalidate();
    return index;
}

bool TabControl::deleteItem(int index) {
    if (index < 0 || index >= getItemCount()) return false;
    tabs_.erase(tabs_.begin() + index);
    if (index == curSel_)
        curSel_ = -1;
    else if (index < curSel_)
        --curSel_;
    invalidate();
    return true;
}

void TabControl::deleteAllItems() {
    tabs_.clear();
    curSel_ = -1;
    invalidate();
}

std::wstring TabControl::getItemText(int index) const {
    return index >= 0 && index < getItemCount() ? tabs_[static_cast<size_t>(index)]
                                                : std::wstring();
}

bool TabControl::setItemText(int index, const std::wstring& text) {
    if (index < 0 || index >= getItemCount()) return false;
    tabs_[static_cast<size_t>(index)] = text;
    invalidate();
    return true;
}

int TabControl::setCurSel(int index) {
    if (index < 0 || index >= getItemCount()) return -1;
    const int previous = curSel_;
    curSel_ = index;
    invalidate();
    return previous;
}

bool TabControl::choose(int index) {
    if (!acceptsUser() || index < 0 || index >= getItemCount()) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    if (index == curSel_) return true;
    NotifyHeader hdr;
    if (notifyParent(hdr, TCN_SELCHANGING) != 0) return false;
    if (!fromHandle(self) || index >= getItemCount()) return false;
    curSel_ = index;
    invalidate();
    notifyParent(hdr, TCN_SELCHANGE);
    return true;
}

} // namespace win
