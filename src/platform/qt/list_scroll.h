// The scroll bars and the wheel of the layer's list views and list boxes in
// a window: a press on an arrow or the track scrolls, the thumb follows a
// drag, the wheel turns three items at a time. The back end adds it to the
// custom input handlers while it is installed.
#pragma once

#include "platform/win/custom_input.h"

namespace qtback {

bool listScrollInput(win::Window& window, const win::UserInput& input, win::InputReply& reply);

} // namespace qtback
