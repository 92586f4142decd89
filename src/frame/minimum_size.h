// The smallest size a user can drag a dialog to: call from the dialog's
// size handler; a window made smaller is set back to at least the minimum
// (its top-left corner stays), and the handler then lets the size message
// of that correction do the layout.
#pragma once

#include "platform/win/window.h"

#include <algorithm>

namespace zrlss {

// True when the window was smaller and has been enlarged.
inline bool keepMinimumSize(win::Window& window, int minWidth, int minHeight) {
    const win::Rect r = window.rect();
    if (r.width() >= minWidth && r.height() >= minHeight) return false;
    window.setRect({r.left, r.top, r.left + std::max(r.width(), minWidth),
                    r.top + std::max(r.height(), minHeight)});
    return true;
}

} // namespace zrlss
