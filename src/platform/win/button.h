// Buttons: push buttons, check boxes (two and three states), radio buttons
// and group boxes; BS_PUSHLIKE and BS_ICON only change the looks. A button
// keeps the icon it was given (a bitmap resource, resources.h), which a
// picture of it shows in place of its text.
//
// A click (the user's, BM_CLICK or Dialog::click) works as with a real
// toolkit:
//   - automatic check box: unchecked <-> checked;
//   - automatic three-state box: unchecked -> checked -> indeterminate ->
//     unchecked;
//   - automatic radio button: checks itself and unchecks the other automatic
//     radio buttons of its group (the sibling controls from the last one
//     with WS_GROUP before it up to the next one with WS_GROUP);
//   - plain check boxes, three-state boxes and radio buttons do not change:
//     their owner sets the check in its BN_CLICKED handler;
//   - then the parent gets BN_CLICKED. Group boxes ignore clicks.
#pragma once

#include "platform/win/control.h"
#include "platform/win/dialog_template.h"

namespace win {

class ZRLWIN_API Button : public Control {
public:
    Button() : Control(ControlKind::Button) {}

    // BS_TYPEMASK part of the style.
    std::uint32_t buttonType() const { return style() & BS_TYPEMASK; }
    bool isCheckable() const; // check box, three-state box or radio button
    bool isRadio() const;
    bool isThreeState() const;

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; always unchecked for
    // push buttons and group boxes.
    int checkState() const { return check_; }
    // Sets the check quietly. BST_INDETERMINATE is kept only by three-state
    // boxes (others take it as checked); push buttons ignore it.
    void setCheck(int state);

    // The user's click. False when the button is disabled, hidden or a
    // group box.
    bool click();

    // The icon's resource; the number 0 is none. Setting it repaints.
    const ResourceId& icon() const { return icon_; }
    void setIcon(const ResourceId& icon);

    LRESULT windowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int check_ = BST_UNCHECKED;
    ResourceId icon_;
};

} // namespace win
