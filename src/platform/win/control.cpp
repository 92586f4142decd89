// Creation of the standard controls from a dialog template.
#include "platform/win/control.h"

#include "platform/win/controls.h"

namespace win {

namespace {

const wchar_t* classNameOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::Picture:
        return L"Static";
    case ControlKind::Button:
        return L"Button";
    case ControlKind::Edit:
        return L"Edit";
    case ControlKind::ComboBox:
        return L"ComboBox";
    case ControlKind::ListBox:
        return L"ListBox";
    case ControlKind::ListView:
        return L"ListView";
    case ControlKind::TabControl:
        return L"TabControl";
    case ControlKind::Placeholder:
        return L"ZrlPlaceholder";
    }
    return L"Static";
}

std::unique_ptr<Control> makeControl(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return std::make_unique<StaticText>();
    case ControlKind::Picture:
        return std::make_unique<Picture>();
    case ControlKind::Button:
        return std::make_unique<Button>();
    case ControlKind::Edit:
        return std::make_unique<Edit>();
    case ControlKind::ComboBox:
        return std::make_unique<ComboBox>();
    case ControlKind::ListBox:
        return std::make_unique<ListBox>();
    case ControlKind::ListView:
        return std::make_unique<ListView>();
    case ControlKind::TabControl:
        return std::make_unique<TabControl>();
    case ControlKind::Placeholder:
        return std::make_unique<Placeholder>();
    }
    return std::make_unique<StaticText>();
}

} // namespace

std::unique_ptr<Control> Control::fromTemplate(const ControlTemplate& ctl, const Rect& pixels,
                                               Window& parent) {
    auto control = makeControl(ctl.kind);
    const std::uint32_t style = ctl.style | WS_CHILD | (ctl.hidden ? 0 : WS_VISIBLE);
    if (!control->create(classNameOf(ctl.kind), ctl.text, style, pixels, &parent, ctl.id))
        return nullptr;
    return control;
}

bool Control::acceptsUser() const {
    if (!isCreated() || !isVisible()) return false;
    // A disabled window (the owner of a modal dialog) takes no input for its
    // controls either.
    for (const Window* w = this; w; w = w->parent())
        if (!w->isEnabled()) return false;
    return true;
}

} // namespace win
