// What a person does to a window that the layer does not know as a standard
// control (the module's grid): offered to input handlers that a tool adds,
// beside the custom painters of paint.h.
//
// A toolkit back end offers each pointer and key event to the handlers
// (newest first) before the layer's own input path; a handler that takes it
// does what a person's action does (through the control's own operations,
// so that the control's checks and notifications run) and says which part
// of the window changed, so that only that part is drawn again.
//
// Only back ends and the tools that add handlers include this header.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

class Window;

enum class InputKind {
    Press,       // left button down
    Move,        // pointer moved (button held: a drag)
    Release,     // left button up
    DoubleClick, // left button double click
    RightPress,  // right button down
    Wheel,       // wheel turned; `wheel` steps, positive away from the person
    Key,         // key down; `key` is the virtual-key code
    Char,        // a typed character
};

struct UserInput {
    InputKind kind = InputKind::Press;
    Point at{};     // pointer in the window's client coordinates
    int wheel = 0;  // Wheel
    int key = 0;    // Key
    wchar_t ch = 0; // Char
    bool shift = false;
    bool control = false;
};

struct InputReply {
    // Rectangles of the window's client area to draw again.
    std::vector<Rect> repaint;
    // Everything the window's dialog shows may have changed (the control's
    // owner was told and may have changed other controls).
    bool everything = false;
    // Pointer moves and the release go to this window until the release.
    bool capture = false;
};

// True when the handler took the input.
using CustomInput = bool (*)(Window& window, const UserInput& input, InputReply& reply);
// Handlers are asked newest first. A library that adds one removes it
// before it is unloaded; removing takes out the newest entry of that
// handler.
ZRLWIN_API void addCustomInput(CustomInput handler);
ZRLWIN_API void removeCustomInput(CustomInput handler);
// Offers the input to the handlers; true when one took it.
ZRLWIN_API bool offerCustomInput(Window& window, const UserInput& input, InputReply& reply);

} // namespace win
