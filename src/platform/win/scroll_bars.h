// Scroll bars of views that hold more than they show (the module's grids,
// list views, list boxes): where they lie, how they are drawn, and what a
// person's press and drag on them do. The pictures and a window back end use
// the same functions, so that a press hits the part drawn there.
//
// A view counts its positions in units of its choosing (rows, items,
// pixels): each direction has the content's extent, the extent shown at
// once and the first unit shown. A bar is shown in a direction whose content
// does not fit; the room one bar takes may make the other direction overflow.
//
// The layer's list views and list boxes keep no scroll position of their
// own: where a screen has scrolled them is kept here, by window, and the
// painter and the item hit tests of paint.h follow it.
//
// Only the painters, the picture tools and the back ends include this
// header.
#pragma once

#include "platform/win/types.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace win {

class Painter;
class Window;

// Width of a vertical bar, height of a horizontal one.
inline constexpr int kScrollBarSize = 17;

struct ScrollRange {
    int total = 0; // the content's extent
    int page = 0;  // the extent shown at once
    int pos = 0;   // the first unit shown
    int line = 1;  // the step of an arrow
    int maxPos() const { return std::max(0, total - page); }
    bool overflows() const { return total > page; }
};

enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct ZRLWIN_API ScrollBar {
    bool vertical = true;
    Rect box{}; // empty when the bar is not shown
    ScrollRange range;

    bool shown() const { return !box.isEmpty(); }
    // Empty when the bar has no room for one.
    Rect thumb() const;
    ScrollPart partAt(Point p) const;
    // The position a press on an arrow or the track moves to.
    int stepped(ScrollPart part) const;
    // The position that puts the thumb's leading edge at `edge` pixels (x
    // of a horizontal bar, y of a vertical one).
    int posAtThumb(int edge) const;
};

struct ScrollBars {
    Rect view{}; // what is left of the box for the content
    ScrollBar vertical{true, {}, {}};
    ScrollBar horizontal{false, {}, {}};
};

// The ranges of both directions when the content has `view` to itself.
using ScrollRanges = std::function<void(const Rect& view, ScrollRange& vertical,
                                        ScrollRange& horizontal)>;
// The bars of a view occupying `box`: a vertical bar at the right, a
// horizontal one at the bottom, each where its range overflows; positions
// are clamped to their ranges.
ZRLWIN_API ScrollBars layoutScrollBars(const Rect& box, const ScrollRanges& ranges);
// Draws the bars shown (and the corner between two).
ZRLWIN_API void paintScrollBars(Painter& painter, const ScrollBars& bars);

// A person working the bars. A press on an arrow or the track scrolls at
// once; one on a thumb grabs it, and the drag moves it until the release.
struct ScrollGrab {
    bool vertical = true;
    int offset = 0; // the pointer's distance from the thumb's leading edge
};
struct ScrollPress {
    bool hit = false;      // the press fell on a bar
    bool vertical = true;  // which one
    int pos = 0;           // that direction's new position
    std::optional<ScrollGrab> grab;
};
ZRLWIN_API ScrollPress pressScrollBars(const ScrollBars& bars, Point p);
// The grabbed direction's position with the pointer at `p`.
ZRLWIN_API int dragScrollBar(const ScrollBars& bars, const ScrollGrab& grab, Point p);

// Where a screen has scrolled a list view or list box: x the horizontal
// position, y the vertical one, in the units listScrollBars gives them.
ZRLWIN_API Point viewScroll(const Window& view);
ZRLWIN_API void setViewScroll(const Window& view, Point pos);

// The bars of a list view or list box drawn in `box` (its rectangle in the
// painter's coordinates, border included) at the position viewScroll
// keeps: report rows and list-box items count one unit each, thumbnail rows
// one unit each, a report's width in pixels. `metrics` measures the texts.
// Answers no bars for any other window.
ZRLWIN_API ScrollBars listScrollBars(const Window& view, Painter& metrics, const Rect& box);

} // namespace win
