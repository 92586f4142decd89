// Scroll bars: their parts, their picture, presses and drags on them, and
// the scroll positions of the layer's lists.
#include "platform/win/scroll_bars.h"

#include "platform/win/detail_state.h"
#include "platform/win/paint.h"

namespace win {

namespace {

constexpr int kMinThumb = 10;
constexpr Rgba kTrack = rgb(240, 240, 240);
constexpr Rgba kThumb = rgb(205, 205, 205);
constexpr Rgba kGlyph = rgb(96, 96, 96);

// A bar along its length: where it starts and ends, the arrows' length.
struct Along {
    int lo = 0, hi = 0, arrow = 0;
    int trackLo() const { return lo + arrow; }
    int trackLength() const { return std::max(0, hi - lo - 2 * arrow); }
};

Along alongOf(const ScrollBar& bar) {
    Along a;
    a.lo = bar.vertical ? bar.box.top : bar.box.left;
    a.hi = bar.vertical ? bar.box.bottom : bar.box.right;
    a.arrow = std::min(kScrollBarSize, (a.hi - a.lo) / 2);
    return a;
}

// The thumb's leading edge and length along the bar; length 0 when it has
// no room.
std::pair<int, int> thumbSpan(const ScrollBar& bar) {
    const Along a = alongOf(bar);
    const ScrollRange& r = bar.range;
    const int track = a.trackLength();
    if (!bar.shown() || !r.overflows() || track < kMinThumb / 2) return {a.trackLo(), 0};
    const long long share = static_cast<long long>(track) * std::max(r.page, 0) / r.total;
    const int length = std::clamp(static_cast<int>(share), std::min(kMinThumb, track), track);
    const int free = track - length;
    const int start = a.trackLo() + static_cast<int>(static_cast<long long>(free) *
                                                       std::clamp(r.pos, 0, r.maxPos()) / r.maxPos());
    return {start, length};
}

int alongPoint(const ScrollBar& bar, Point p) {
    return bar.vertical ? p.y : p.x;
}

// A small triangle pointing back (up, left) or forward (down, right).
void arrowGlyph(Painter& p, const Rect& r, bool vertical, bool forward) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int d = forward ? 1 - i : i - 2; // the tip row first or last
        if (vertical)
            p.line({cx - i, cy + d}, {cx + i, cy + d}, kGlyph);
        else
            p.line({cx + d, cy - i}, {cx + d, cy + i}, kGlyph);
    }
}

void paintBar(Painter& p, const ScrollBar& bar) {
    if (!bar.shown()) return;
    p.fillRect(bar.box, kTrack);
    const Along a = alongOf(bar);
    const Rect& b = bar.box;
    const Rect back = bar.vertical ? Rect{b.left, a.lo, b.right, a.lo + a.arrow}
                                   : Rect{a.lo, b.top, a.lo + a.arrow, b.bottom};
    const Rect forward = bar.vertical ? Rect{b.left, a.hi - a.arrow, b.right, a.hi}
                                      : Rect{a.hi - a.arrow, b.top, a.hi, b.bottom};
    arrowGlyph(p, back, bar.vertical, false);
    arrowGlyph(p, forward, bar.vertical, true);
    const Rect t = bar.thumb();
    if (!t.isEmpty()) p.fillRect(t, kThumb);
}

} // namespace

Rect ScrollBar::thumb() const {
    const auto [start, length] = thumbSpan(*this);
    if (length <= 0) return {};
    // The thumb leaves a pixel of track on either side across the bar.
    return vertical ? Rect{box.left + 2, start, box.right - 2, start + length}
                    : Rect{start, box.top + 2, start + length, box.bottom - 2};
}

ScrollPart ScrollBar::partAt(Point p) const {
    if (!shown() || !box.contains(p)) return ScrollPart::None;
    const Along a = alongOf(*this);
    const int at = alongPoint(*this, p);
    if (at < a.lo + a.arrow) return ScrollPart::LineBack;
    if (at >= a.hi - a.arrow) return ScrollPart::LineForward;
    const auto [start, length] = thumbSpan(*this);
    if (length <= 0) return at < (a.lo + a.hi) / 2 ? ScrollPart::PageBack : ScrollPart::PageForward;
    if (at < start) return ScrollPart::PageBack;
    return at < start + length ? ScrollPart::Thumb : ScrollPart::PageForward;
}

int ScrollBar::stepped(ScrollPart part) const {
    const int page = std::max(1, range.page), line = std::max(1, range.line);
    int pos = range.pos;
    switch (part) {
    case ScrollPart::LineBack:
        pos -= line;
        break;
    case ScrollPart::LineForward:
        pos += line;
        break;
    case ScrollPart::PageBack:
        pos -= page;
        break;
    case ScrollPart::PageForward:
        pos += page;
        break;
    default:
        break;
    }
    return std::clamp(pos, 0, range.maxPos());
}

int ScrollBar::posAtThumb(int edge) const {
    const auto [start, length] = thumbSpan(*this);
    const Along a = alongOf(*this);
    const int free = a.trackLength() - length;
    if (length <= 0 || free <= 0) return range.pos;
    const int into = std::clamp(edge - a.trackLo(), 0, free);
    return static_cast<int>((static_cast<long long>(into) * range.maxPos() + free / 2) / free);
}

ScrollBars layoutScrollBars(const Rect& box, const ScrollRanges& ranges) {
    ScrollBars bars;
    bars.view = box;
    ScrollRange v, h;
    bool showV = false, showH = false;
    // A bar only ever appears, so this settles within three rounds.
    for (;;) {
        ranges(bars.view, v, h);
        const bool needV = showV || v.overflows(), needH = showH || h.overflows();
        if (needV == showV && needH == showH) break;
        const Rect narrower{box.left, box.top, box.right - (needV ? kScrollBarSize : 0),
                            box.bottom - (needH ? kScrollBarSize : 0)};
        // No room for the content beside a bar: the view shows none.
        if (narrower.isEmpty()) break;
        showV = needV;
        showH = needH;
        bars.view = narrower;
    }
    v.pos = std::clamp(v.pos, 0, v.maxPos());
    h.pos = std::clamp(h.pos, 0, h.maxPos());
    bars.vertical.range = v;
    bars.horizontal.range = h;
    if (showV) bars.vertical.box = {bars.view.right, box.top, box.right, bars.view.bottom};
    if (showH) bars.horizontal.box = {box.left, bars.view.bottom, bars.view.right, box.bottom};
    return bars;
}

void paintScrollBars(Painter& painter, const ScrollBars& bars) {
    paintBar(painter, bars.vertical);
    paintBar(painter, bars.horizontal);
    if (bars.vertical.shown() && bars.horizontal.shown())
        painter.fillRect({bars.view.right, bars.view.bottom, bars.vertical.box.right,
                          bars.horizontal.box.bottom},
                         colors::face);
}

ScrollPress pressScrollBars(const ScrollBars& bars, Point p) {
    ScrollPress press;
    for (const ScrollBar* bar : {&bars.vertical, &bars.horizontal}) {
        const ScrollPart part = bar->partAt(p);
        if (part == ScrollPart::None) continue;
        press.hit = true;
        press.vertical = bar->vertical;
        press.pos = bar->stepped(part);
        if (part == ScrollPart::Thumb)
            press.grab = ScrollGrab{bar->vertical, alongPoint(*bar, p) - thumbSpan(*bar).first};
        break;
    }
    return press;
}

int dragScrollBar(const ScrollBars& bars, const ScrollGrab& grab, Point p) {
    const ScrollBar& bar = grab.vertical ? bars.vertical : bars.horizontal;
    return bar.posAtThumb(alongPoint(bar, p) - grab.offset);
}

Point viewScroll(const Window& view) {
    const auto& all = detail::state().viewScroll;
    const auto it = all.find(view.handle());
    return it == all.end() ? Point{0, 0} : it->second;
}

void setViewScroll(const Window& view, Point pos) {
    if (view.handle() != 0) detail::state().viewScroll[view.handle()] = pos;
}

} // namespace win
