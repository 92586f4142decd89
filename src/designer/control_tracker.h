// CControlTracker: the selection on the designer's canvas. It knows every
// drawn control (in drawing order) and the selected ones (in the order they
// were selected), and turns a mouse-down into a selection, a move of all
// selected controls or the sizing of one.
#pragma once

#include "platform/core/rect_tracker.h"

#include <vector>

class CControlRect;

class CControlTracker : public CRectTracker {
public:
    explicit CControlTracker(win::Window* canvas = nullptr) : canvas_(canvas) {}

    void setCanvas(win::Window* canvas) { canvas_ = canvas; }
    win::Window* canvas() const { return canvas_; }

    // The mouse went down at `point` with the key flags (MK_SHIFT,
    // MK_CONTROL): select, toggle, add, size one or move all selected.
    void OnLButtonDown(win::WPARAM flags, win::Point point, bool allowRubberBand = true);

    void add(CControlRect* drawn);
    // Takes the control out of both lists (the selection is cleared first).
    void remove(CControlRect* drawn);
    void select(CControlRect* drawn);
    void deselect(CControlRect* drawn);
    void clearSelection();
    const std::vector<CControlRect*>& all() const { return all_; }
    const std::vector<CControlRect*>& selected() const { return selected_; }
    // The drawn control whose rectangle or handles contain the point.
    CControlRect* hit(win::Point point) const;
    // Outlines and handles of the selected controls.
    void drawSelected(win::Bitmap& canvas) const;

private:
    void repaint() const;

    win::Window* canvas_ = nullptr;
    std::vector<CControlRect*> all_;
    std::vector<CControlRect*> selected_;
};
