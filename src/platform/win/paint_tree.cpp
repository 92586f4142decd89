// paintTree: every standard control drawn from the state the layer keeps.
#include "platform/win/paint.h"

#include "platform/win/controls.h"
#include "platform/win/detail_hooks.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"
#include "platform/win/scroll_bars.h"

#include <algorithm>
#include <vector>

namespace win {

void Painter::frameRect(const Rect& r, Rgba color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    fillRect({r.left, r.top, r.right, r.top + 1}, color);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, color);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

void Painter::edge(const Rect& r, bool sunken) {
    if (r.width() < 2 || r.height() < 2) return;
    const Rgba topLeft = sunken ? colors::shadow : colors::light;
    const Rgba bottomRight = sunken ? colors::light : colors::darkShadow;
    fillRect({r.left, r.top, r.right, r.top + 1}, topLeft);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, topLeft);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

namespace {

std::vector<CustomPainter>& customPainters() {
    static std::vector<CustomPainter> list;
    return list;
}

// "&Open" shows as "Open" (the underline of the access key is not drawn);
// "&&" is one "&".
std::wstring withoutMnemonics(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

Rect inset(const Rect& r, int d) {
    return {r.left + d, r.top + d, r.right - d, r.bottom - d};
}

bool meets(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Everything a control drawing needs beside the control.
struct Ctx {
    Painter& p;
    PaintFont font;
    bool enabled = true;
    Rgba textColor() const { return enabled ? colors::text : colors::grayText; }
};

void downArrow(Painter& p, const Rect& r, Rgba color) {
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2 - 1;
    for (int i = 0; i < 4; ++i)
        p.line({cx - 3 + i, cy + i}, {cx + 3 - i, cy + i}, color);
}

void checkMark(Painter& p, const Rect& box, Rgba color) {
    const int x = box.left, y = box.top;
    for (int d = 0; d < 2; ++d) {
        p.line({x + 3, y + 5 + d}, {x + 5, y + 7 + d}, color);
        p.line({x + 5, y + 7 + d}, {x + 9, y + 3 + d}, color);
    }
}

// The button's icon centred in it (a disabled button's faded); false when
// it has none or its picture is no resource.
bool paintIcon(Ctx& c, const Button& b, const Rect& r) {
    if (b.icon() == ResourceId(0)) return false;
    const std::optional<Bitmap> icon = findBitmapResource(b.icon());
    if (!icon) return false;
    const int w = std::min(icon->width(), r.width() - 4), h = std::min(icon->height(), r.height() - 4);
    const int x = r.left + (r.width() - w) / 2, y = r.top + (r.height() - h) / 2;
    const Rect at{x, y, x + w, y + h};
    c.p.drawBitmap(at, *icon);
    if (!c.enabled) c.p.fillRect(at, Rgba{225, 225, 225, 160});
    return true;
}

// Push buttons and buttons that look like them.
bool isPushLike(const Button& b) {
    const std::uint32_t type = b.buttonType();
    if (type == BS_GROUPBOX) return false;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (b.style() & BS_PUSHLIKE) != 0;
}

// Where a push button's text goes.
Rect pushTextBox(const Rect& r) {
    return inset(r, 3);
}

void paintPushButton(Ctx& c, const Button& b, const Rect& r, bool pressed) {
    Painter& p = c.p;
    p.fillRect(r, pressed ? rgb(204, 228, 247) : rgb(225, 225, 225));
    const bool isDefault = b.buttonType() == BS_DEFPUSHBUTTON;
    p.frameRect(r, isDefault ? colors::highlight : rgb(173, 173, 173));
    if (isDefault) p.frameRect(inset(r, 1), colors::highlight);
    if (paintIcon(c, b, r)) return;
    p.drawText(pushTextBox(r), withoutMnemonics(b.text()), c.font, c.textColor(),
               TextCenter | TextMiddle | TextEllipsis);
}

void paintCheckButton(Ctx& c, const Button& b, const Rect& r) {
    Painter& p = c.p;
    const int size = 13;
    const int top = r.top + (r.height() - size) / 2;
    const Rect box{r.left, top, r.left + size, top + size};
    const Rgba mark = c.enabled ? colors::text : colors::grayText;
    if (b.isRadio()) {
        p.fillEllipse(box, c.enabled ? colors::border : colors::shadow);
        p.fillEllipse(inset(box, 1), colors::window);
        if (b.checkState() != BST_UNCHECKED) p.fillEllipse(inset(box, 4), mark);
    } else {
        p.fillRect(box, colors::window);
        p.frameRect(box, c.enabled ? colors::border : colors::shadow);
        if (b.checkState() == BST_CHECKED) checkMark(p, box, mark);
        if (b.checkState() == BST_INDETERMINATE) p.fillRect(inset(box, 3), mark);
    }
    const Rect text{r.left + size + 4, r.top, r.right, r.bottom};
    p.drawText(text, withoutMnemonics(b.text()), c.font, c.textColor(), TextMiddle | TextWrap);
}

// Where a group box's label starts: after a visible control that sits on
// the label's line where it would start (a toggle on the frame), else at
// its usual place. 0 when nothing sits there.
int labelStartAfterSibling(const Button& b, const Rect& r, int lineHeight, int start) {
    if (!b.parent()) return 0;
    const int dx = r.left - b.rect().left, dy = r.top - b.rect().top;
    const Rect line{start, r.top, start + 1, r.top + lineHeight};
    int after = 0;
    for (const Window* sib : b.parent()->children()) {
        if (sib == &b || (sib->style() & WS_VISIBLE) == 0) continue;
        const Rect at = sib->rect().offset(dx, dy);
        // Only a small control that starts on the line counts: one reaching
        // past the middle of the group holds it or lies under it, one from
        // far above (a combo box's list) passes by.
        if (meets(at, line) && at.top > r.top - lineHeight && at.right < r.left + r.width() / 2)
            after = std::max(after, at.right + 4);
    }
    return after;
}

void paintGroupBox(Ctx& c, const Button& b, const Rect& r) {
    Painter& p = c.p;
    const int lh = p.lineHeight(c.font);
    const Rect frame{r.left, r.top + lh / 2, r.right, r.bottom};
    p.frameRect(frame, rgb(220, 220, 220));
    std::wstring label = withoutMnemonics(b.text());
    int left = r.left + 8;
    if (const int after = labelStartAfterSibling(b, r, lh, left); after > 0) {
        // The blanks a caption starts with make room for that control.
        left = after;
        label.erase(0, std::min(label.size(), label.find_first_not_of(L' ')));
    }
    if (label.empty()) return;
    const int w = std::min(p.textWidth(label, c.font) + 4, r.right - 4 - left);
    p.fillRect({left - 2, r.top, left - 2 + w, r.top + lh}, colors::face);
    p.drawText({left, r.top, left - 2 + w, r.top + lh}, label, c.font, c.textColor(), TextLeft);
}

void paintButton(Ctx& c, const Button& b, const Rect& r) {
    switch (b.buttonType()) {
    case BS_GROUPBOX:
        paintGroupBox(c, b, r);
        return;
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        paintPushButton(c, b, r, false);
        return;
    default:
        if ((b.style() & BS_PUSHLIKE) != 0)
            paintPushButton(c, b, r, b.checkState() != BST_UNCHECKED);
        else
            paintCheckButton(c, b, r);
    }
}

// A white field with a thin border: edits, lists, closed combo boxes.
void field(Ctx& c, const Rect& r, bool readOnly) {
    c.p.fillRect(r, c.enabled && !readOnly ? colors::window : colors::face);
    c.p.frameRect(r, c.enabled ? colors::border : colors::shadow);
}

void paintEdit(Ctx& c, const Edit& e, const Rect& r) {
    Painter& p = c.p;
    field(c, r, e.isReadOnly());
    std::wstring text = e.text();
    if ((e.style() & ES_PASSWORD) != 0) text.assign(text.size(), L'\x25CF');
    const Rect inner{r.left + 3, r.top + 2, r.right - 3, r.bottom - 2};
    if (e.isMultiLine()) {
        std::wstring shown;
        for (wchar_t ch : text)
            if (ch != L'\r') shown += ch;
        p.drawText(inner, shown, c.font, c.textColor(), TextWrap);
        return;
    }
    auto [start, end] = e.getSel();
    start = std::clamp(start, 0, static_cast<int>(text.size()));
    end = std::clamp(end, start, static_cast<int>(text.size()));
    if (e.hasFocus() && end > start) {
        // The selection on its highlight, between the text around it.
        const std::wstring before = text.substr(0, static_cast<size_t>(start));
        const std::wstring sel = text.substr(static_cast<size_t>(start),
                                             static_cast<size_t>(end - start));
        const std::wstring after = text.substr(static_cast<size_t>(end));
        const int x1 = inner.left + p.textWidth(before, c.font);
        const int x2 = x1 + p.textWidth(sel, c.font);
        const int lh = p.lineHeight(c.font);
        const int top = inner.top + (inner.height() - lh) / 2;
        p.pushClip(inner);
        p.drawText({inner.left, inner.top, x1, inner.bottom}, before, c.font, c.textColor(),
                   TextMiddle);
        p.fillRect({x1, top, x2, top + lh}, colors::highlight);
        p.drawText({x1, inner.top, x2, inner.bottom}, sel, c.font, colors::highlightText,
                   TextMiddle);
        p.drawText({x2, inner.top, inner.right, inner.bottom}, after, c.font, c.textColor(),
                   TextMiddle);
        p.popClip();
        return;
    }
    p.drawText(inner, text, c.font, c.textColor(), TextMiddle);
}

int itemHeight(Painter& p, const PaintFont& font) {
    return p.lineHeight(font) + 2;
}

// Rows of texts from item `first`, the selected ones highlighted.
template <class Text, class Selected>
void paintRows(Ctx& c, const Rect& inner, int first, int count, Text text, Selected selected) {
    Painter& p = c.p;
    const int h = itemHeight(p, c.font);
    p.pushClip(inner);
    for (int i = std::max(first, 0), y = inner.top; i < count && y < inner.bottom; ++i, y += h) {
        const Rect row{inner.left, y, inner.right, y + h};
        const bool sel = selected(i);
        if (sel) p.fillRect(row, c.enabled ? colors::highlight : colors::shadow);
        p.drawText({row.left + 2, row.top, row.right - 2, row.bottom}, text(i), c.font,
                   sel ? colors::highlightText : c.textColor(), TextMiddle | TextEllipsis);
    }
    p.popClip();
}

void paintListBox(Ctx& c, const ListBox& l, const Rect& r) {
    field(c, r, false);
    const bool multi = l.isMultiSelect();
    const ScrollBars bars = listScrollBars(l, c.p, r);
    paintRows(c, bars.view, bars.vertical.range.pos, l.getCount(), [&](int i) { return l.getText(i); },
              [&](int i) { return multi ? l.getSel(i) : l.getCurSel() == i; });
    paintScrollBars(c.p, bars);
}

void paintComboBox(Ctx& c, const ComboBox& cb, const Rect& r) {
    Painter& p = c.p;
    const int closed = std::min(r.height(), itemHeight(p, c.font) + 6);
    const Rect box{r.left, r.top, r.right, r.top + closed};
    const bool simple = (cb.style() & CBS_TYPEMASK) == CBS_SIMPLE;
    if (cb.isDropDownList()) {
        p.fillRect(box, rgb(225, 225, 225));
        p.frameRect(box, c.enabled ? rgb(173, 173, 173) : colors::shadow);
    } else {
        field(c, box, false);
    }
    const int arrow = simple ? 0 : std::min(17, box.width() / 2);
    const Rect text{box.left + 4, box.top + 1, box.right - arrow - 2, box.bottom - 1};
    p.drawText(text, cb.text(), c.font, c.textColor(), TextMiddle | TextEllipsis);
    if (!simple) downArrow(p, {box.right - arrow, box.top, box.right, box.bottom}, c.textColor());
    if (simple && r.bottom > box.bottom + 2) {
        const Rect list{r.left, box.bottom + 1, r.right, r.bottom};
        field(c, list, false);
        paintRows(c, inset(list, 1), 0, cb.getCount(), [&](int i) { return cb.getLBText(i); },
                  [&](int i) { return cb.getCurSel() == i; });
    }
}

bool isReport(const ListView& v) {
    return (v.style() & 0x3) == LVS_REPORT;
}

// The heading row of a report view; 0 when it shows none.
int reportHeaderHeight(Painter& p, const ListView& v, const PaintFont& font) {
    if (v.columnCount() == 0 || (v.style() & LVS_NOCOLUMNHEADER) != 0) return 0;
    return itemHeight(p, font) + 4;
}

// The left edges of a report view's columns and the right edge of the last:
// each column its own width; columns given none share what is left.
std::vector<int> reportEdges(const ListView& v, int width) {
    const int columns = std::max(1, v.columnCount());
    int fixed = 0, open = 0;
    for (int i = 0; i < columns; ++i) {
        fixed += std::max(0, v.columnWidth(i));
        open += v.columnWidth(i) <= 0;
    }
    const int share = open > 0 ? std::max(0, width - fixed) / open : 0;
    std::vector<int> edges{0};
    for (int i = 0; i < columns; ++i)
        edges.push_back(edges.back() + (v.columnWidth(i) > 0 ? v.columnWidth(i) : share));
    return edges;
}

struct ThumbnailCells {
    int imageHeight = 32, width = 48, height = 60, perRow = 1;
};

ThumbnailCells thumbnailCells(Painter& p, const ListView& v, const PaintFont& font, int width) {
    int imgW = 32, imgH = 32;
    for (int i = 0; i < v.imageCount(); ++i) {
        imgW = std::max(imgW, v.image(i)->width());
        imgH = std::max(imgH, v.image(i)->height());
    }
    ThumbnailCells t;
    t.imageHeight = imgH;
    t.width = imgW + 16;
    t.height = imgH + p.lineHeight(font) + 12;
    t.perRow = std::max(1, width / t.width);
    return t;
}

// From item `first`, the columns moved `shift` pixels to the left.
void paintReport(Ctx& c, const ListView& v, const Rect& view, int first, int shift) {
    Painter& p = c.p;
    const int h = itemHeight(p, c.font);
    const std::vector<int> edges = reportEdges(v, view.width());
    const int hh = reportHeaderHeight(p, v, c.font);
    const Rect inner{view.left - shift, view.top, view.right, view.bottom};
    p.pushClip(view);
    if (hh > 0) {
        p.fillRect({inner.left, inner.top, inner.right, inner.top + hh}, colors::face);
        p.fillRect({inner.left, inner.top + hh - 1, inner.right, inner.top + hh}, colors::shadow);
        for (int col = 0; col < v.columnCount(); ++col) {
            const int left = inner.left + edges[static_cast<size_t>(col)];
            const int right = inner.left + edges[static_cast<size_t>(col) + 1];
            p.fillRect({right - 1, inner.top + 2, right, inner.top + hh - 3}, colors::shadow);
            p.drawText({left + 4, inner.top, right - 4, inner.top + hh - 1}, v.columnHeading(col),
                       c.font, c.textColor(), TextMiddle | TextEllipsis);
        }
    }
    const int top = inner.top + hh;
    for (size_t col = 1; col + 1 < edges.size(); ++col)
        p.fillRect({inner.left + edges[col] - 1, top, inner.left + edges[col], inner.bottom},
                   rgb(229, 229, 229));
    for (int i = std::max(first, 0), y = top; i < v.getItemCount() && y < inner.bottom; ++i, y += h) {
        if (v.isSelected(i)) p.fillRect({view.left, y, view.right, y + h}, rgb(204, 232, 255));
        for (size_t col = 0; col + 1 < edges.size(); ++col)
            p.drawText({inner.left + edges[col] + 4, y, inner.left + edges[col + 1] - 2, y + h},
                       v.getItemText(i, static_cast<int>(col)), c.font, c.textColor(),
                       TextMiddle | TextEllipsis);
    }
    p.popClip();
}

// From the row of thumbnails `firstRow`.
void paintThumbnails(Ctx& c, const ListView& v, const Rect& inner, int firstRow) {
    Painter& p = c.p;
    const ThumbnailCells t = thumbnailCells(p, v, c.font, inner.width());
    p.pushClip(inner);
    for (int i = std::max(firstRow, 0) * t.perRow; i < v.getItemCount(); ++i) {
        const int x = inner.left + (i % t.perRow) * t.width;
        const int y = inner.top + (i / t.perRow - firstRow) * t.height;
        if (y >= inner.bottom) break;
        const Rect cell{x + 2, y + 2, x + t.width - 2, y + t.height - 2};
        const bool sel = v.isSelected(i);
        if (sel) p.fillRect(cell, rgb(204, 232, 255));
        if (const Bitmap* img = v.image(v.getItemImage(i))) {
            const int ix = x + (t.width - img->width()) / 2;
            p.drawBitmap({ix, y + 4, ix + img->width(), y + 4 + img->height()}, *img);
        }
        p.drawText({cell.left, y + t.imageHeight + 6, cell.right, cell.bottom}, v.getItemText(i),
                   c.font, c.textColor(), TextCenter | TextEllipsis);
    }
    p.popClip();
}

void paintListView(Ctx& c, const ListView& v, const Rect& r) {
    field(c, r, false);
    const ScrollBars bars = listScrollBars(v, c.p, r);
    if (isReport(v))
        paintReport(c, v, bars.view, bars.vertical.range.pos, bars.horizontal.range.pos);
    else
        paintThumbnails(c, v, bars.view, bars.vertical.range.pos);
    paintScrollBars(c.p, bars);
}

void paintTabs(Ctx& c, const TabControl& t, const Rect& r) {
    Painter& p = c.p;
    const int h = itemHeight(p, c.font) + 6;
    const Rect body{r.left, r.top + h - 1, r.right, r.bottom};
    p.fillRect(body, colors::window);
    p.frameRect(body, rgb(217, 217, 217));
    int x = r.left + 2;
    for (int i = 0; i < t.getItemCount(); ++i) {
        const std::wstring text = withoutMnemonics(t.getItemText(i));
        const int w = p.textWidth(text, c.font) + 14;
        const bool current = i == t.getCurSel();
        const Rect tab{x - (current ? 2 : 0), r.top + (current ? 0 : 2), x + w + (current ? 2 : 0),
                       r.top + h - (current ? 0 : 1)};
        p.fillRect(tab, current ? colors::window : colors::face);
        p.fillRect({tab.left, tab.top, tab.right, tab.top + 1}, rgb(217, 217, 217));
        p.fillRect({tab.left, tab.top, tab.left + 1, tab.bottom}, rgb(217, 217, 217));
        p.fillRect({tab.right - 1, tab.top, tab.right, tab.bottom}, rgb(217, 217, 217));
        p.drawText(tab, text, c.font, c.textColor(), TextCenter | TextMiddle);
        x += w;
    }
}

void paintStatic(Ctx& c, const Window& w, const Rect& r) {
    unsigned flags = TextWrap;
    const std::uint32_t align = w.style() & 0x3;
    if (align == SS_CENTER) flags |= TextCenter;
    if (align == SS_RIGHT) flags |= TextRight;
    if ((w.style() & WS_BORDER) != 0) c.p.frameRect(r, colors::border);
    c.p.drawText(r, withoutMnemonics(w.text()), c.font, c.textColor(), flags);
}

void paintPicture(Ctx& c, const Picture& pic, const Rect& r) {
    if ((pic.style() & WS_BORDER) != 0) c.p.frameRect(r, colors::border);
    if (const Bitmap* b = pic.bitmap())
        c.p.drawBitmap({r.left, r.top, r.left + b->width(), r.top + b->height()}, *b);
}

void paintOne(Ctx& c, const Window& w, const Rect& r) {
    for (auto it = customPainters().rbegin(); it != customPainters().rend(); ++it)
        if ((*it)(w, c.p, r)) return;
    if (const auto* b = dynamic_cast<const Button*>(&w)) return paintButton(c, *b, r);
    if (const auto* e = dynamic_cast<const Edit*>(&w)) return paintEdit(c, *e, r);
    if (const auto* cb = dynamic_cast<const ComboBox*>(&w)) return paintComboBox(c, *cb, r);
    if (const auto* l = dynamic_cast<const ListBox*>(&w)) return paintListBox(c, *l, r);
    if (const auto* v = dynamic_cast<const ListView*>(&w)) return paintListView(c, *v, r);
    if (const auto* t = dynamic_cast<const TabControl*>(&w)) return paintTabs(c, *t, r);
    if (const auto* pic = dynamic_cast<const Picture*>(&w)) return paintPicture(c, *pic, r);
    if (dynamic_cast<const StaticText*>(&w)) return paintStatic(c, w, r);
    if (dynamic_cast<const Dialog*>(&w)) {
        c.p.fillRect(r, colors::face);
        return;
    }
    // A window nobody draws: its frame, so that it is seen to be there.
    c.p.fillRect(r, colors::window);
    c.p.frameRect(r, colors::border);
}

void paintChildren(Painter& p, const Window& parent, const Rect& box, const Rect* dirty,
                   bool parentEnabled) {
    p.pushClip(box);
    for (const Window* kid : parent.children()) {
        if ((kid->style() & WS_VISIBLE) == 0) continue;
        const Rect r = kid->rect().offset(box.left, box.top);
        if (dirty && !meets(r, *dirty)) continue;
        Ctx c{p, PaintFont{}, parentEnabled && kid->isEnabled()};
        p.pushClip(r);
        paintOne(c, *kid, r);
        p.popClip();
        if (!kid->children().empty()) paintChildren(p, *kid, r, dirty, c.enabled);
    }
    p.popClip();
}

} // namespace

void addCustomPainter(CustomPainter painter) {
    detail::addHook(customPainters(), painter);
}

void removeCustomPainter(CustomPainter painter) {
    detail::removeHook(customPainters(), painter);
}

std::vector<CutText> cutButtonTexts(const Window& root, Painter& metrics) {
    std::vector<CutText> cut;
    const PaintFont font;
    for (const Window* kid : root.children()) {
        if ((kid->style() & WS_VISIBLE) == 0) continue;
        const auto* b = dynamic_cast<const Button*>(kid);
        if (b && isPushLike(*b) && b->icon() == ResourceId(0)) {
            const std::wstring text = withoutMnemonics(b->text());
            if (metrics.textWidth(text, font) > pushTextBox(b->rect()).width())
                cut.push_back({b->id(), b->text()});
        }
        for (CutText& inner : cutButtonTexts(*kid, metrics))
            cut.push_back(std::move(inner));
    }
    return cut;
}

ScrollBars listScrollBars(const Window& w, Painter& metrics, const Rect& box) {
    const Point at = viewScroll(w);
    const PaintFont font;
    const int h = itemHeight(metrics, font);
    const auto* list = dynamic_cast<const ListBox*>(&w);
    const auto* view = dynamic_cast<const ListView*>(&w);
    return layoutScrollBars(inset(box, 1), [&](const Rect& r, ScrollRange& v, ScrollRange& hz) {
        if (list) v = {list->getCount(), r.height() / h, at.y, 1};
        if (view && isReport(*view)) {
            const int hh = reportHeaderHeight(metrics, *view, font);
            v = {view->getItemCount(), (r.height() - hh) / h, at.y, 1};
            hz = {reportEdges(*view, r.width()).back(), r.width(), at.x, h};
        } else if (view) {
            const ThumbnailCells t = thumbnailCells(metrics, *view, font, r.width());
            v = {(view->getItemCount() + t.perRow - 1) / t.perRow, r.height() / t.height, at.y, 1};
        }
    });
}

int listViewItemAt(const ListView& view, Painter& metrics, Point at) {
    const ScrollBars bars = listScrollBars(view, metrics, view.clientRect());
    const Rect& inner = bars.view;
    if (!inner.contains(at)) return -1;
    const PaintFont font;
    const int first = bars.vertical.range.pos;
    int index = -1;
    if (isReport(view)) {
        const int top = inner.top + reportHeaderHeight(metrics, view, font);
        if (at.y >= top) index = first + (at.y - top) / itemHeight(metrics, font);
    } else {
        const ThumbnailCells t = thumbnailCells(metrics, view, font, inner.width());
        const int col = (at.x - inner.left) / t.width;
        if (col < t.perRow) index = (first + (at.y - inner.top) / t.height) * t.perRow + col;
    }
    return index < view.getItemCount() ? index : -1;
}

int listBoxItemAt(const ListBox& list, Painter& metrics, Point at) {
    const ScrollBars bars = listScrollBars(list, metrics, list.clientRect());
    if (!bars.view.contains(at)) return -1;
    const int index = bars.vertical.range.pos + (at.y - bars.view.top) / itemHeight(metrics, PaintFont{});
    return index < list.getCount() ? index : -1;
}

void paintTree(const Window& root, Painter& painter, const Rect* dirty) {
    const Rect client = root.clientRect();
    const Rect area = dirty ? Rect{std::max(client.left, dirty->left), std::max(client.top, dirty->top),
                                   std::min(client.right, dirty->right),
                                   std::min(client.bottom, dirty->bottom)}
                            : client;
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.pushClip(area);
    painter.fillRect(area, colors::face);
    paintChildren(painter, root, client, dirty ? &area : nullptr, root.isEnabled());
    painter.popClip();
}

Point clientOrigin(const Window& window) {
    if ((window.style() & WS_CAPTION) != WS_CAPTION) return {0, 0};
    return {kFrameBorder, kFrameBorder + kCaptionHeight};
}

Size framedSize(const Window& root) {
    const Rect r = root.rect();
    return {r.width() + 2 * kFrameBorder, r.height() + kCaptionHeight + 2 * kFrameBorder};
}

namespace {

// Moves what a painter draws by an offset: the client area of a framed
// picture.
class Offset final : public Painter {
public:
    Offset(Painter& p, int dx, int dy) : p_(p), dx_(dx), dy_(dy) {}
    void fillRect(const Rect& r, Rgba c) override { p_.fillRect(r.offset(dx_, dy_), c); }
    void line(Point a, Point b, Rgba c) override {
        p_.line({a.x + dx_, a.y + dy_}, {b.x + dx_, b.y + dy_}, c);
    }
    void fillEllipse(const Rect& r, Rgba c) override { p_.fillEllipse(r.offset(dx_, dy_), c); }
    void drawBitmap(const Rect& d, const Bitmap& b) override { p_.drawBitmap(d.offset(dx_, dy_), b); }
    void drawText(const Rect& box, const std::wstring& t, const PaintFont& f, Rgba c,
                  unsigned flags) override {
        p_.drawText(box.offset(dx_, dy_), t, f, c, flags);
    }
    int textWidth(const std::wstring& t, const PaintFont& f) override { return p_.textWidth(t, f); }
    int lineHeight(const PaintFont& f) override { return p_.lineHeight(f); }
    void pushClip(const Rect& r) override { p_.pushClip(r.offset(dx_, dy_)); }
    void popClip() override { p_.popClip(); }

private:
    Painter& p_;
    int dx_, dy_;
};

} // namespace

void paintFramed(const Window& root, Painter& painter) {
    const Size s = framedSize(root);
    const Rect all{0, 0, s.cx, s.cy};
    painter.fillRect(all, colors::caption);
    painter.frameRect(all, colors::captionBorder);
    PaintFont title;
    title.face = L"Segoe UI";
    title.pixels = 12;
    painter.drawText({kFrameBorder + 8, kFrameBorder, s.cx - 40, kFrameBorder + kCaptionHeight},
                     root.text(), title, colors::text, TextMiddle | TextEllipsis);
    // The close box.
    const int cx = s.cx - kFrameBorder - 18, cy = kFrameBorder + kCaptionHeight / 2;
    painter.line({cx - 4, cy - 4}, {cx + 4, cy + 4}, colors::text);
    painter.line({cx - 4, cy + 4}, {cx + 4, cy - 4}, colors::text);
    Offset client(painter, kFrameBorder, kFrameBorder + kCaptionHeight);
    paintTree(root, client);
}

} // namespace win
