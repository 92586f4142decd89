#include "platform/core/rect_tracker.h"

#include "platform/win/constants.h"
#include "platform/win/window.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<win::Point>& drags() {
    static std::deque<win::Point> queue;
    return queue;
}

int& cursor() {
    static int hit = CRectTracker::hitNothing;
    return hit;
}

win::Point nextDragEnd(win::Point start) {
    if (drags().empty()) return start;
    const win::Point end = drags().front();
    drags().pop_front();
    return end;
}

win::Rect normalised(const win::Rect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

bool sendMouse(win::Window& window, win::UINT message, win::WPARAM flags, win::Point p) {
    if (!window.isCreated()) return false;
    win::Message msg{&window, message, flags, win::makeLParam(p.x, p.y)};
    win::Window::dispatchInput(msg);
    return true;
}

} // namespace

void queueTrackerDrag(win::Point end) {
    drags().push_back(end);
}

int pendingTrackerDrags() {
    return static_cast<int>(drags().size());
}

void clearTrackerDrags() {
    drags().clear();
    cursor() = CRectTracker::hitNothing;
}

int lastTrackerCursor() {
    return cursor();
}

bool dragMouse(win::Window& window, win::Point from, win::Point to, win::WPARAM flags) {
    if (!window.isCreated()) return false;
    const size_t before = drags().size();
    queueTrackerDrag(to);
    const bool sent = sendMouse(window, win::WM_LBUTTONDOWN, win::MK_LBUTTON | flags, from);
    // A press that started no track leaves its end unused.
    if (drags().size() == before + 1) drags().pop_back();
    return sent && sendMouse(window, win::WM_LBUTTONUP, flags, to);
}

bool clickMouseWithKeys(win::Window& window, win::Point point, win::WPARAM flags) {
    return sendMouse(window, win::WM_LBUTTONDOWN, win::MK_LBUTTON | flags, point) &&
           sendMouse(window, win::WM_LBUTTONUP, flags, point);
}

void CRectTracker::DrawTrackerRect(win::Bitmap& canvas) const {
    const win::Rect r = normalised(m_rect);
    canvas.frameRect(r, win::rgb(0, 0, 0));
    if (!(m_nStyle & (resizeInside | resizeOutside))) return;
    const unsigned mask = GetHandleMask();
    for (int h = 0; h < 8; ++h)
        if (mask & (1u << h)) canvas.fillRect(handleRect(h), win::rgb(0, 0, 0));
}

void CRectTracker::AdjustRect(int, win::Rect&) {}

void CRectTracker::OnChangedRect(const win::Rect&) {}

unsigned CRectTracker::GetHandleMask() const {
    const win::Rect r = normalised(m_rect);
    const int size = GetHandleSize() * 3;
    unsigned mask = 0x0F;
    if (r.width() > size) mask |= 0x50;
    if (r.height() > size) mask |= 0xA0;
    return mask;
}

win::Rect CRectTracker::trueRect() const {
    return normalised(m_rect);
}

win::Rect CRectTracker::handleRect(int handle) const {
    const win::Rect r = trueRect();
    const int s = GetHandleSize();
    // Outside handles stand just beyond the rectangle, inside ones within it.
    const bool outside = (m_nStyle & resizeOutside) != 0;
    const int l = outside ? r.left - s : r.left;
    const int t = outside ? r.top - s : r.top;
    const int rr = outside ? r.right : r.right - s;
    const int b = outside ? r.bottom : r.bottom - s;
    const int cx = r.left + (r.width() - s) / 2;
    const int cy = r.top + (r.height() - s) / 2;
    win::Point at;
    switch (handle) {
    case hitTopLeft: at = {l, t}; break;
    case hitTopRight: at = {rr, t}; break;
    case hitBottomRight: at = {rr, b}; break;
    case hitBottomLeft: at = {l, b}; break;
    case hitTop: at = {cx, t}; break;
    case hitRight: at = {rr, cy}; break;
    case hitBottom: at = {cx, b}; break;
    case hitLeft: at = {l, cy}; break;
    default: return {};
    }
    return {at.x, at.y, at.x + s, at.y + s};
}

int CRectTracker::HitTest(win::Point point) const {
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const unsigned mask = GetHandleMask();
        for (int h = 0; h < 8; ++h)
            if ((mask & (1u << h)) && handleRect(h).contains(point)) return h;
    }
    return trueRect().contains(point) ? hitMiddle : hitNothing;
}

bool CRectTracker::SetCursor(win::Window*, win::Point point) const {
    const int hit = HitTest(point);
    if (hit < 0 || hit == hitMiddle) return false;
    cursor() = hit;
    return true;
}

bool CRectTracker::Track(win::Window*, win::Point point, bool allowInvert) {
    const int hit = HitTest(point);
    if (hit == hitNothing) return false;
    const win::Point end = nextDragEnd(point);
    const int dx = end.x - point.x;
    const int dy = end.y - point.y;
    const win::Rect old = m_rect;
    win::Rect r = m_rect;
    switch (hit) {
    case hitMiddle: r = r.offset(dx, dy); break;
    case hitTopLeft: r.left += dx; r.top += dy; break;
    case hitTopRight: r.right += dx; r.top += dy; break;
    case hitBottomRight: r.right += dx; r.bottom += dy; break;
    case hitBottomLeft: r.left += dx; r.bottom += dy; break;
    case hitTop: r.top += dy; break;
    case hitRight: r.right += dx; break;
    case hitBottom: r.bottom += dy; break;
    case hitLeft: r.left += dx; break;
    default: break;
    }
    if (!allowInvert) {
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
    }
    AdjustRect(hit, r);
    m_rect = r;
    if (m_rect == old) return false;
    OnChangedRect(old);
    return true;
}

bool CRectTracker::TrackRubberBand(win::Window*, win::Point point, bool allowInvert) {
    const win::Point end = nextDragEnd(point);
    win::Rect r{point.x, point.y, end.x, end.y};
    if (!allowInvert) r = {point.x, point.y, std::max(point.x, end.x), std::max(point.y, end.y)};
    m_rect = r;
    return !normalised(r).isEmpty();
}
