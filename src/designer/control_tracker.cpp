#include "designer/control_tracker.h"

#include "designer/control_rect.h"
#include "platform/win/constants.h"
#include "platform/win/window.h"

#include <algorithm>
#include <climits>

void CControlTracker::add(CControlRect* drawn) {
    if (!drawn || std::find(all_.begin(), all_.end(), drawn) != all_.end()) return;
    all_.push_back(drawn);
}

void CControlTracker::remove(CControlRect* drawn) {
    clearSelection();
    all_.erase(std::remove(all_.begin(), all_.end(), drawn), all_.end());
}

void CControlTracker::select(CControlRect* drawn) {
    if (!drawn) return;
    drawn->selected = true;
    if (std::find(selected_.begin(), selected_.end(), drawn) == selected_.end())
        selected_.push_back(drawn);
}

void CControlTracker::deselect(CControlRect* drawn) {
    if (!drawn) return;
    drawn->selected = false;
    selected_.erase(std::remove(selected_.begin(), selected_.end(), drawn), selected_.end());
}

void CControlTracker::clearSelection() {
    for (CControlRect* drawn : selected_)
        drawn->selected = false;
    selected_.clear();
}

CControlRect* CControlTracker::hit(win::Point point) const {
    for (CControlRect* drawn : all_)
        if (drawn->HitTest(point) != hitNothing) return drawn;
    return nullptr;
}

void CControlTracker::repaint() const {
    if (canvas_ && canvas_->isCreated()) canvas_->invalidate();
}

void CControlTracker::OnLButtonDown(win::WPARAM flags, win::Point point, bool allowRubberBand) {
    const bool shift = (flags & win::MK_SHIFT) != 0;
    const bool ctrl = (flags & win::MK_CONTROL) != 0;
    CControlRect* drawn = hit(point);
    if (!drawn) {
        if (shift || ctrl) return;
        clearSelection();
        if (allowRubberBand && TrackRubberBand(canvas_, point, true)) {
            const win::Rect band = trueRect();
            for (CControlRect* d : all_) {
                const win::Rect r = d->trueRect();
                if (r.left >= band.left && r.top >= band.top && r.right <= band.right &&
                    r.bottom <= band.bottom)
                    select(d);
            }
        }
        repaint();
        return;
    }
    if (ctrl) {
        drawn->selected ? deselect(drawn) : select(drawn);
    } else if (shift) {
        select(drawn);
    } else {
        if (!drawn->selected) clearSelection();
        select(drawn);
        const int handle = drawn->HitTest(point);
        if (handle >= 0 && handle < hitMiddle) {
            drawn->Track(canvas_, point, false);
        } else {
            // The union of the selection is dragged as one rectangle.
            win::Rect u{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
            for (CControlRect* d : selected_) {
                const win::Rect r = d->trueRect();
                u = {std::min(u.left, r.left), std::min(u.top, r.top),
                     std::max(u.right, r.right), std::max(u.bottom, r.bottom)};
            }
            m_rect = u;
            const win::Rect before = u;
            m_nStyle = solidLine;
            Track(canvas_, point, false);
            const int dx = m_rect.left - before.left;
            const int dy = m_rect.top - before.top;
            if (dx != 0 || dy != 0)
                for (CControlRect* d : selected_)
                    d->setRect(d->trueRect().offset(dx, dy));
        }
    }
    repaint();
}

void CControlTracker::drawSelected(win::Bitmap& canvas) const {
    for (const CControlRect* drawn : selected_)
        drawn->DrawTrackerRect(canvas);
}
