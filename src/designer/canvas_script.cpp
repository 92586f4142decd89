#include "designer/canvas_script.h"

#include "platform/core/rect_tracker.h"
#include "platform/win/constants.h"

bool CanvasScriptTarget::create(win::Window* canvas, int id) {
    return canvas && win::Window::create(L"ZrlDesignerCanvas", L"",
                                         win::WS_CHILD | win::WS_VISIBLE, {}, canvas, id);
}

bool CanvasScriptTarget::scriptHasCell(int x, int y) const {
    const win::Window* canvas = parent();
    return canvas && x >= 0 && y >= 0 && x < canvas->rect().width() &&
           y < canvas->rect().height();
}

bool CanvasScriptTarget::scriptSelect(int x, int y, int x2, int y2) {
    return parent() && dragMouse(*parent(), {x, y}, {x2, y2});
}

bool CanvasScriptTarget::scriptRightClick(int x, int y) {
    return parent() && clickMouseWithKeys(*parent(), {x, y}, win::MK_CONTROL);
}

bool CanvasScriptTarget::scriptDoubleClick(int x, int y) {
    return parent() && clickMouseWithKeys(*parent(), {x, y}, win::MK_SHIFT);
}
