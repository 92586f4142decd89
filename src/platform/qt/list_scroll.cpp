// Scrolling the layer's lists by their bars and the wheel.
#include "platform/qt/list_scroll.h"

#include "platform/paint/raster_painter.h"
#include "platform/win/controls.h"
#include "platform/win/paint.h"
#include "platform/win/scroll_bars.h"

namespace qtback {

namespace {

constexpr int kWheelItems = 3;

// The list whose bar was pressed, until the release; the thumb when the
// press grabbed it.
struct ListGrab {
    win::WindowHandle window = 0;
    std::optional<win::ScrollGrab> thumb;
};

ListGrab& held() {
    static ListGrab grab;
    return grab;
}

} // namespace

bool listScrollInput(win::Window& window, const win::UserInput& in, win::InputReply& reply) {
    if (!dynamic_cast<win::ListView*>(&window) && !dynamic_cast<win::ListBox*>(&window))
        return false;
    paint::RasterPainter metrics(1, 1);
    const win::ScrollBars bars = win::listScrollBars(window, metrics, window.clientRect());
    const win::Point was{bars.horizontal.range.pos, bars.vertical.range.pos};
    win::Point pos = was;
    ListGrab& grab = held();
    const bool grabbed = grab.window == window.handle();
    switch (in.kind) {
    case win::InputKind::Press: {
        if (!window.isEnabled()) return false;
        const win::ScrollPress press = win::pressScrollBars(bars, in.at);
        if (!press.hit) return false;
        (press.vertical ? pos.y : pos.x) = press.pos;
        grab = {window.handle(), press.grab};
        reply.capture = true;
        break;
    }
    case win::InputKind::Move:
        if (!grabbed) return false;
        if (grab.thumb) (grab.thumb->vertical ? pos.y : pos.x) = win::dragScrollBar(bars, *grab.thumb, in.at);
        break;
    case win::InputKind::Release:
        if (!grabbed) return false;
        grab = {};
        return true;
    case win::InputKind::Wheel:
        if (!bars.vertical.shown()) return false;
        pos.y = std::clamp(pos.y - in.wheel * kWheelItems, 0, bars.vertical.range.maxPos());
        break;
    default:
        return false;
    }
    if (pos != was) {
        win::setViewScroll(window, pos);
        reply.repaint.push_back(window.clientRect());
    }
    return true;
}

} // namespace qtback
