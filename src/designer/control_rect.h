// CControlRect: a designed control on the canvas — the tracker rectangle
// with its eight sizing handles outside, joined with the control's window,
// which always stands where the rectangle is.
#pragma once

#include "platform/core/rect_tracker.h"
#include "platform/win/control.h"

#include <memory>
#include <string>

class CControlRect : public CRectTracker {
public:
    explicit CControlRect(const win::Rect& rect);
    ~CControlRect() override;
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;

    unsigned GetHandleMask() const override { return 0xFF; }
    int GetHandleSize() const override { return 5; }
    void OnChangedRect(const win::Rect& oldRect) override;

    // Makes the window ("STATIC", "BUTTON", "EDIT" or "COMBOBOX") at the
    // rectangle. False when it could not be made.
    bool create(const std::wstring& className, const std::wstring& text, std::uint32_t style,
                win::Window* parent, int id);
    // Moves the rectangle and the window with it.
    void setRect(const win::Rect& rect);
    win::Control* window() const { return window_.get(); }
    int resourceId() const { return window_ ? window_->id() : 0; }

    bool selected = false;
    int iconId = 0; // the icon shown on a flex button

private:
    std::unique_ptr<win::Control> window_;
};
