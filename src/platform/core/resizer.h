// CResizer: keeps a dialog's controls in place when the dialog is resized.
//
// Each rule names a control and says, per edge, what the edge follows:
//   kNear         its distance to the dialog's left (top) edge stays;
//   kFar          its distance to the dialog's right (bottom) edge stays;
//   kProportional it keeps its place as a fraction of the dialog's width
//                 (height);
//   kControl      its distance to an edge of another control stays (that
//                 control's rule, when it has one, must come earlier).
// So a control anchored kNear on all edges does not move, one anchored kFar
// on all edges moves with the bottom-right corner keeping its size, and one
// anchored kNear/kNear/kFar/kFar stretches with the dialog.
//
// init records the dialog's client size and the controls' rectangles as the
// layout the rules start from; call it again after moving controls by hand.
// move places the controls for the dialog's current client size (call it
// from the dialog's size handler). Edges never cross: a control is at least
// 0 pixels wide and high.
#pragma once

#include "platform/win/types.h"

#include <vector>

namespace win {
class Window;
}

class CResizer {
public:
    enum Anchor { kNear, kFar, kProportional, kControl };
    enum Edge { kLeft, kTop, kRight, kBottom };

    struct EdgeRule {
        Anchor anchor = kNear;
        int refId = 0;        // kControl: the control followed
        Edge refEdge = kLeft; // kControl: its edge
    };
    struct Rule {
        int id = 0;
        EdgeRule left, top, right, bottom;
    };
    // A rule with a plain anchor per edge.
    static Rule rule(int id, Anchor left, Anchor top, Anchor right, Anchor bottom);
    // An edge that keeps its distance to an edge of another control.
    static EdgeRule follow(int refId, Edge refEdge) { return {kControl, refId, refEdge}; }

    // False for a null dialog or when a rule names a control the dialog does
    // not have (the rules are then not taken).
    bool init(win::Window* dlg, std::vector<Rule> rules);
    // Places the controls for the dialog's current client size.
    void move();
    bool isInitialized() const { return dlg_ != nullptr; }

private:
    struct Entry {
        Rule rule;
        win::Rect base;
    };
    int place(const EdgeRule& e, int base, int oldSize, int newSize) const;

    win::Window* dlg_ = nullptr;
    win::Size baseSize_;
    std::vector<Entry> entries_;
};
