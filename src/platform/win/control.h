// Control: base of the standard controls a dialog template creates (static
// text and picture, buttons, edits, combo and list boxes, list views, tab
// controls) and the placeholder that a custom control replaces.
//
// Every control tells its parent what the user did: WM_COMMAND with the
// control's id and a notification code (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE,
// ...), or WM_NOTIFY with a NotifyHeader (list views, tab controls).
//
// Two kinds of operations: the program's (setCurSel, setCheck, ...) change
// state quietly, as with a real toolkit (setting an edit's text is the one
// exception: it sends EN_CHANGE); the user's (click, type, choose, ...) are
// what the scripted user calls: they take the focus like a real click, change
// the state and send the notifications a real user action sends. The user's
// operations do nothing and answer false on a disabled or hidden control.
#pragma once

#include "platform/win/dialog_template.h"
#include "platform/win/window.h"

#include <memory>

namespace win {

class ZRLWIN_API Control : public Window {
public:
    // The kind the control was made as (Static for a plain custom window).
    ControlKind kind() const { return kind_; }

    // Creates a control of the template's kind as a child of `parent`;
    // `pixels` is the control's rectangle already converted to pixels.
    // nullptr when the window could not be created.
    static std::unique_ptr<Control> fromTemplate(const ControlTemplate& ctl, const Rect& pixels,
                                                 Window& parent);

protected:
    explicit Control(ControlKind kind) : kind_(kind) {}
    // True when a user action may reach the control: live, visible, and
    // enabled together with its parents.
    bool acceptsUser() const;

private:
    ControlKind kind_;
};

// The frame that a custom control (the grid) takes the place of: find it by
// id, take its rectangle, destroy it, create the custom window with the same
// id and rectangle.
class ZRLWIN_API Placeholder : public Control {
public:
    Placeholder() : Control(ControlKind::Placeholder) {}
};

} // namespace win
