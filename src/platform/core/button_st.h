// CButtonST: a dialog's push button shown with an icon and a tooltip, with
// the flat look and the flat focus rectangle switchable.
//
// It takes over ("subclasses") a button the dialog template made; the button
// keeps working as before (clicks still reach the dialog).
#pragma once

#include "platform/core/zrl_string.h"

namespace win {
class Button;
class Window;
} // namespace win

class CButtonST {
public:
    CButtonST() = default;
    virtual ~CButtonST() = default;
    CButtonST(const CButtonST&) = delete;
    CButtonST& operator=(const CButtonST&) = delete;

    // Takes over the button `id` of `parent`; false when there is no such
    // button (the object then stays unattached and the setters only store).
    bool SubclassDlgItem(int id, win::Window* parent);
    // The icon (a resource number; 0 = none) shown instead of the text; the
    // button keeps it (win::Button::icon) and its picture is made a
    // resource at need (icon_resources.h).
    void SetIcon(int iconId);
    void SetTooltipText(const Zrl_String& text) { tooltip_ = text; }
    // Flat look: the frame shows only while the mouse is over the button.
    void SetFlat(bool flat) { flat_ = flat; }
    void DrawFlatFocus(bool draw) { flatFocus_ = draw; }

    win::Button* button() const { return button_; }
    int icon() const { return icon_; }
    const Zrl_String& tooltipText() const { return tooltip_; }
    bool isFlat() const { return flat_; }
    bool drawsFlatFocus() const { return flatFocus_; }

private:
    win::Button* button_ = nullptr;
    int icon_ = 0;
    Zrl_String tooltip_;
    bool flat_ = true;
    bool flatFocus_ = true;
};
