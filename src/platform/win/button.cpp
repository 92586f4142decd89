// Button clicks and check states.
#include "platform/win/button.h"

#include <algorithm>

namespace win {

bool Button::isCheckable() const {
    switch (buttonType()) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

bool Button::isRadio() const {
    return buttonType() == BS_RADIOBUTTON || buttonType() == BS_AUTORADIOBUTTON;
}

bool Button::isThreeState() const {
    return buttonType() == BS_3STATE || buttonType() == BS_AUTO3STATE;
}

void Button::setCheck(int state) {
    if (!isCheckable()) return;
    int next = BST_UNCHECKED;
    if (state == BST_CHECKED) next = BST_CHECKED;
    if (state == BST_INDETERMINATE) next = isThreeState() ? BST_INDETERMINATE : BST_CHECKED;
    if (next == check_) return;
    check_ = next;
    invalidate();
}

namespace {

// The sibling range [first, last) of the radio group around `self`: from the
// nearest control with WS_GROUP at or before it to the next one after it.
void uncheckGroup(Button& self) {
    Window* parent = self.parent();
    if (!parent) return;
    const std::vector<Window*> siblings = parent->children();
    const auto pos = std::find(siblings.begin(), siblings.end(), &self);
    if (pos == siblings.end()) return;
    auto first = pos;
    while (first != siblings.begin() && ((*first)->style() & WS_GROUP) == 0)
        --first;
    auto last = pos + 1;
    while (last != siblings.end() && ((*last)->style() & WS_GROUP) == 0)
        ++last;
    for (auto it = first; it != last; ++it) {
        auto* other = dynamic_cast<Button*>(*it);
        if (other && other != &self && other->buttonType() == BS_AUTORADIOBUTTON)
            other->setCheck(BST_UNCHECKED);
    }
}

} // namespace

bool Button::click() {
    if (!acceptsUser() || buttonType() == BS_GROUPBOX) return false;
    const WindowHandle self = handle();
    setFocus();
    // Whoever lost the focus may have reacted by closing the dialog.
    if (!fromHandle(self)) return false;
    switch (buttonType()) {
    case BS_AUTOCHECKBOX:
        setCheck(check_ == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
        break;
    case BS_AUTO3STATE:
        setCheck((check_ + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        setCheck(BST_CHECKED);
        uncheckGroup(*this);
        break;
    default:
        break;
    }
    notifyParent(BN_CLICKED);
    return true;
}

LRESULT Button::windowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case BM_CLICK:
        click();
        return 0;
    case BM_GETCHECK:
        return check_;
    case BM_SETCHECK:
        setCheck(static_cast<int>(wParam));
        return 0;
    default:
        return Control::windowProc(msg, wParam, lParam);
    }
}

void Button::setIcon(const ResourceId& icon) {
    if (icon == icon_) return;
    icon_ = icon;
    invalidate();
}

} // namespace win
