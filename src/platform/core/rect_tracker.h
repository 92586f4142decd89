// CRectTracker: a rectangle the user moves or sizes with the mouse on a
// window, with eight sizing handles, a rubber band to mark an area, and the
// cursor it asks for over its handles.
//
// A track starts at a mouse-down point and ends where the user releases the
// button. Headless, the scripted user gives that point in advance with
// queueTrackerDrag (dragMouse does both steps); with nothing queued a track
// ends where it began, so nothing moves.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/types.h"

namespace win {
class Window;
}

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Hit codes: the handles clockwise from the top-left corner, then the
    // sides, then the body.
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(const win::Rect& rect, unsigned style) : m_rect(rect), m_nStyle(style) {}
    virtual ~CRectTracker() = default;

    // Outline (and handles when sizing is offered) drawn onto `canvas`.
    virtual void DrawTrackerRect(win::Bitmap& canvas) const;
    // Called while tracking with the rectangle the mouse made (may change it).
    virtual void AdjustRect(int handle, win::Rect& rect);
    // Called after a track changed the rectangle.
    virtual void OnChangedRect(const win::Rect& oldRect);
    // Bit i set: handle i is offered. All eight unless the rectangle is too
    // small for the side handles.
    virtual unsigned GetHandleMask() const;
    virtual int GetHandleSize() const { return m_nHandleSize; }

    // What lies under `point`: a handle, the body or nothing.
    int HitTest(win::Point point) const;
    // The rectangle of handle `handle` (hit codes 0-7).
    win::Rect handleRect(int handle) const;
    // The rectangle the handles stand around.
    win::Rect trueRect() const;
    // Asks for the sizing cursor of the handle under `point` (see
    // lastTrackerCursor); false when no handle is there.
    bool SetCursor(win::Window* window, win::Point point) const;

    // Moves (body) or sizes (handle) the rectangle from `point` to the end of
    // the drag. True when the rectangle changed.
    bool Track(win::Window* window, win::Point point, bool allowInvert = false);
    // Drags a rubber band from `point`; m_rect becomes the band (normalised).
    bool TrackRubberBand(win::Window* window, win::Point point, bool allowInvert = true);

    win::Rect m_rect;
    unsigned m_nStyle = 0;
    int m_nHandleSize = 5;
};

// The end point of the next track (client coordinates of its window).
void queueTrackerDrag(win::Point end);
int pendingTrackerDrags();
void clearTrackerDrags();
// The hit code of the cursor last asked for (hitNothing for the arrow).
int lastTrackerCursor();
// The user's drag: presses the left button at `from` (with MK_SHIFT or
// MK_CONTROL in `flags`) and releases it at `to`. False when the window is
// not live.
bool dragMouse(win::Window& window, win::Point from, win::Point to, win::WPARAM flags = 0);
// A click at `point` with the given key flags (the track ends where it began).
bool clickMouseWithKeys(win::Window& window, win::Point point, win::WPARAM flags);
