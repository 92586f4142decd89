// Dialog templates as data, and the conversion of dialog units to pixels.
//
// A template is what a resource script describes: the dialog's size and
// caption in dialog units and its controls. Templates are registered per
// module (resources.h) and found by their ResourceId, a number or a name.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace win {

// Identifier of a resource: a number or a name. Names compare without case.
class ZRLWIN_API ResourceId {
public:
    ResourceId() = default;
    ResourceId(int number) : value_(number) {}
    ResourceId(const wchar_t* name) : value_(std::wstring(name ? name : L"")) {}
    ResourceId(std::wstring name) : value_(std::move(name)) {}

    bool isNumber() const { return std::holds_alternative<int>(value_); }
    bool isName() const { return !isNumber(); }
    // The number, or 0 for a name.
    int number() const { return isNumber() ? std::get<int>(value_) : 0; }
    // The name, or empty for a number.
    std::wstring name() const { return isName() ? std::get<std::wstring>(value_) : std::wstring(); }
    // The number in decimal or the name, for messages and keys.
    std::wstring text() const;

    friend ZRLWIN_API bool operator==(const ResourceId& a, const ResourceId& b);

private:
    std::variant<int, std::wstring> value_{0};
};
using TemplateId = ResourceId;

// Kinds of controls a template can hold. Buttons differ by their BS_ style
// (push, check box, three-state, radio, group box; BS_PUSHLIKE, BS_ICON),
// edits by ES_MULTILINE, combo boxes by CBS_DROPDOWN / CBS_DROPDOWNLIST.
enum class ControlKind {
    Static,      // text label (class "Static")
    Picture,     // bitmap or icon (class "Static", shows a Bitmap)
    Button,      // class "Button"
    Edit,        // class "Edit"
    ComboBox,    // class "ComboBox"
    ListBox,     // class "ListBox"
    ListView,    // class "ListView", thumbnails or report
    TabControl,  // class "TabControl"
    Placeholder, // class "ZrlPlaceholder": a frame that a custom control replaces
};

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    Rect rect;               // dialog units
    std::uint32_t style = 0; // WS_VISIBLE is added unless `hidden`
    std::wstring text;
    bool hidden = false; // created without WS_VISIBLE
};

struct DialogTemplate {
    ResourceId id;
    int width = 0;  // dialog units
    int height = 0; // dialog units
    std::wstring caption;
    std::uint32_t style = 0;
    std::vector<ControlTemplate> controls;
};

// Dialog units to pixels. The layer uses fixed dialog base units of 6 x 13
// pixels (the average character of the dialog font at 96 dots per inch): a
// horizontal unit is 6/4 pixel, a vertical unit 13/8 pixel, rounded to the
// nearest pixel (halves away from zero). Each edge is converted on its own,
// so that adjacent controls stay adjacent.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;
ZRLWIN_API int dialogUnitsToPixelsX(int units);
ZRLWIN_API int dialogUnitsToPixelsY(int units);
ZRLWIN_API Rect dialogUnitsToPixels(const Rect& units);

} // namespace win
