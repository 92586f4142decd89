// The module's grid drawn from its sheet: headers, cell texts in their
// fonts and colours, spans, borders, cell kinds (check boxes, combo boxes,
// buttons and the tree grid's pictures), locked and selected cells and the
// active cell; on screen from where the grid is scrolled to, with the text
// being typed into a cell over it (grid_view.h), and scroll bars where the
// cells do not fit.
#include "grid/tspread.h"
#include "grid_view.h"
#include "pictures.h"
#include "platform/spread/cell_style.h"
#include "platform/win/paint.h"

#include <algorithm>
#include <map>
#include <vector>

namespace dialogs {

namespace {

using win::Rect;
using win::Rgba;

constexpr int kPropWholeRow = 10;
constexpr int kPropGridLines = 26;

// 0x00BBGGRR, or a system colour (high bit and its index).
Rgba toRgba(spread::Color c, Rgba fallback) {
    if (c == spread::kDefaultColor) return fallback;
    if ((c & 0x80000000u) != 0) {
        switch (c & 0xFF) {
        case 5: // window
            return win::colors::window;
        case 15: // face
            return win::colors::face;
        case 16: // shadow
            return win::colors::shadow;
        default: // window frame, texts
            return win::colors::text;
        }
    }
    return win::rgb(static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
                    static_cast<std::uint8_t>((c >> 16) & 0xFF));
}

win::PaintFont toFont(const spread::Font& f) {
    win::PaintFont font;
    font.face = f.name;
    // The grid's font heights are cell heights; the em is three quarters.
    font.pixels = std::max(6, (std::abs(f.height) * 3 + 2) / 4);
    font.bold = f.weight >= 600;
    font.italic = f.italic;
    font.underline = f.underline;
    return font;
}

std::wstring columnLetters(int col) {
    std::wstring s;
    for (; col > 0; col = (col - 1) / 26)
        s.insert(s.begin(), static_cast<wchar_t>(L'A' + (col - 1) % 26));
    return s;
}

// The pictures of picture and button cells, "#<resource number>".
const win::Bitmap* cellPicture(const std::wstring& name) {
    static std::map<std::wstring, std::optional<win::Bitmap>> cache;
    if (name.size() < 2 || name[0] != L'#') return nullptr;
    auto it = cache.find(name);
    if (it == cache.end()) {
        int id = 0;
        for (size_t i = 1; i < name.size() && name[i] >= L'0' && name[i] <= L'9'; ++i)
            id = id * 10 + (name[i] - L'0');
        it = cache.emplace(name, win::Bitmap::loadResource(id)).first;
    }
    return it->second ? &*it->second : nullptr;
}

void checkBoxCell(win::Painter& p, const Rect& r, bool set, Rgba fore) {
    const int size = 13;
    const int x = r.left + (r.width() - size) / 2, y = r.top + (r.height() - size) / 2;
    const Rect b{x, y, x + size, y + size};
    p.fillRect(b, win::colors::window);
    p.frameRect(b, win::colors::border);
    if (!set) return;
    for (int d = 0; d < 2; ++d) {
        p.line({x + 3, y + 5 + d}, {x + 5, y + 7 + d}, fore);
        p.line({x + 5, y + 7 + d}, {x + 9, y + 3 + d}, fore);
    }
}

void cellContent(const spread::Sheet& s, win::Painter& p, int col, int row, const Rect& r,
                 Rgba fore) {
    const spread::CellType type = s.cellType(col, row);
    const win::PaintFont font = toFont(s.font(col, row));
    const std::wstring value = s.valueText(col, row);
    const Rect text{r.left + 2, r.top, r.right - 2, r.bottom};
    switch (type.kind) {
    case spread::CellKind::CheckBox:
        checkBoxCell(p, r, s.data(col, row) == L"1", fore);
        return;
    case spread::CellKind::Button: {
        const std::wstring& name = s.data(col, row) == L"1" && !type.picture2.empty()
                                       ? type.picture2
                                       : type.picture;
        if (const win::Bitmap* pic = cellPicture(name)) {
            const int x = r.left + (r.width() - pic->width()) / 2;
            const int y = r.top + (r.height() - pic->height()) / 2;
            p.drawBitmap({x, y, x + pic->width(), y + pic->height()}, *pic);
        } else if (!type.text.empty()) {
            p.fillRect(win::Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                         win::rgb(225, 225, 225));
            p.frameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, win::colors::shadow);
            p.drawText(text, type.text, font, fore, win::TextCenter | win::TextMiddle);
        }
        return;
    }
    case spread::CellKind::Picture:
        if (const win::Bitmap* pic = cellPicture(type.picture))
            p.drawBitmap({r.left, r.top, r.left + pic->width(), r.top + pic->height()}, *pic);
        return;
    case spread::CellKind::ComboBox: {
        p.drawText({text.left, text.top, text.right - 14, text.bottom}, value, font, fore,
                     win::TextMiddle | win::TextEllipsis);
        const int cx = r.right - 8, cy = (r.top + r.bottom) / 2 - 1;
        for (int i = 0; i < 3; ++i)
            p.line({cx - 2 + i, cy + i}, {cx + 2 - i, cy + i}, fore);
        return;
    }
    default:
        break;
    }
    const bool numeric = type.kind == spread::CellKind::Number ||
                         type.kind == spread::CellKind::Integer || s.valueAt(col, row).isNumber();
    p.drawText(text, value, font, fore,
                 win::TextMiddle | (numeric ? win::TextRight : win::TextLeft));
}

void borders(win::Painter& p, const spread::Border& b, const Rect& r) {
    if (b.sides == 0) return;
    const Rgba c = toRgba(b.color, win::colors::text);
    const bool outline = (b.sides & 16) != 0;
    if (outline || (b.sides & 1)) p.fillRect({r.left, r.top, r.left + 1, r.bottom}, c);
    if (outline || (b.sides & 2)) p.fillRect({r.right - 1, r.top, r.right, r.bottom}, c);
    if (outline || (b.sides & 4)) p.fillRect({r.left, r.top, r.right, r.top + 1}, c);
    if (outline || (b.sides & 8)) p.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
}

// The text being typed into a cell, over the cell, with its caret; the text
// moves left when the caret would leave the cell.
void paintEditor(const spread::Sheet& sheet, win::Painter& p, const CellEditor& e, const Rect& r) {
    const win::PaintFont font = toFont(sheet.font(e.col, e.row));
    p.fillRect(r, win::colors::window);
    p.frameRect(r, win::colors::text);
    const Rect inner{r.left + 2, r.top + 1, r.right - 2, r.bottom - 1};
    const int before = p.textWidth(e.text.substr(0, static_cast<size_t>(e.caret)), font);
    const int shift = std::max(0, before - (inner.width() - 2));
    p.pushClip(inner);
    p.drawText({inner.left - shift, inner.top, inner.right + 4096, inner.bottom}, e.text, font,
               win::colors::text, win::TextMiddle);
    const int x = inner.left - shift + before;
    const int lh = p.lineHeight(font);
    const int top = inner.top + (inner.height() - lh) / 2;
    p.fillRect({x, top, x + 1, top + lh}, win::colors::text);
    p.popClip();
}

void paintSheet(const spread::Sheet& sheet, win::Painter& p, const Rect& box,
                const GridScreen* screen) {
    const GridView view = viewGrid(sheet, box, screen ? screen->leftCol : 1,
                                   screen ? screen->topRow : 1);
    const GridLayout& g = view.cells;
    const int hw = g.headerWidth, hh = g.headerHeight;
    p.fillRect(box, win::colors::window);
    // Cells and headers stay beside the scroll bars.
    p.pushClip(g.box);
    const spread::SheetLook& look = sheet.look();
    int activeCol = 0, activeRow = 0;
    const bool hasActive = sheet.activeCell(activeCol, activeRow);
    spread::CellRange block;
    const bool hasBlock = sheet.selectBlock(block);
    const bool wholeRow = sheet.boolProperty(kPropWholeRow);
    auto selected = [&](int col, int row) {
        if (hasBlock) return block.contains(col, row);
        return hasActive && row == activeRow && (wholeRow || col == activeCol);
    };
    const Rgba gridLine = sheet.boolProperty(kPropGridLines)
                              ? toRgba(look.gridColor, win::rgb(208, 215, 229))
                              : win::rgb(232, 232, 232);
    Rect activeRect{};
    for (size_t ri = 0; ri < g.rows.size(); ++ri)
        for (size_t ci = 0; ci < g.cols.size(); ++ci) {
            const int col = g.cols[ci].first, row = g.rows[ri].first;
            Rect r;
            if (!cellRect(g, sheet, ci, ri, r)) continue;
            spread::Color back = spread::kDefaultColor, fore = spread::kDefaultColor;
            sheet.color(col, row, back, fore);
            Rgba b = toRgba(back, win::colors::window), f = toRgba(fore, win::colors::text);
            if (sheet.isLocked(col, row) && look.lockBack != spread::kDefaultColor &&
                back == spread::kDefaultColor) {
                b = toRgba(look.lockBack, b);
                f = toRgba(look.lockFore, f);
            }
            if (selected(col, row)) {
                b = toRgba(look.selBack, win::colors::highlight);
                f = toRgba(look.selFore, win::colors::highlightText);
            }
            p.fillRect(r, b);
            p.fillRect({r.right - 1, r.top, r.right, r.bottom}, gridLine);
            p.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, gridLine);
            p.pushClip(r);
            cellContent(sheet, p, col, row, r, f);
            borders(p, sheet.border(col, row), r);
            p.popClip();
            if (hasActive && col == activeCol && row == activeRow) activeRect = r;
        }
    if (activeRect.width() > 0 && !wholeRow) {
        p.frameRect(activeRect, win::colors::text);
        p.frameRect({activeRect.left + 1, activeRect.top + 1, activeRect.right - 1,
                     activeRect.bottom - 1},
                    win::colors::text);
    }
    Rect editRect;
    if (screen && screen->editor &&
        visibleCellRect(g, sheet, screen->editor->col, screen->editor->row, editRect))
        paintEditor(sheet, p, *screen->editor, editRect);
    // Headers on the face colour, their own texts or letters and numbers.
    auto header = [&](const Rect& r, const std::wstring& text, int col, int row) {
        p.fillRect(r, win::colors::face);
        p.fillRect({r.right - 1, r.top, r.right, r.bottom}, win::colors::shadow);
        p.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, win::colors::shadow);
        p.pushClip(r);
        p.drawText({r.left + 2, r.top, r.right - 2, r.bottom}, text, toFont(sheet.font(col, row)),
                   win::colors::text, win::TextCenter | win::TextMiddle);
        p.popClip();
    };
    if (hh > 0)
        for (const auto& [col, x] : g.cols) {
            std::wstring t = sheet.data(col, spread::kHeader);
            header({x, box.top, x + sheet.colWidthPixels(col), box.top + hh},
                   t.empty() ? columnLetters(col) : t, col, spread::kHeader);
        }
    if (hw > 0)
        for (const auto& [row, y] : g.rows) {
            std::wstring t = sheet.data(spread::kHeader, row);
            header({box.left, y, box.left + hw, y + sheet.rowHeightPixels(row)},
                   t.empty() ? std::to_wstring(row) : t, spread::kHeader, row);
        }
    if (hw > 0 && hh > 0) header({box.left, box.top, box.left + hw, box.top + hh}, {}, 0, 0);
    p.popClip();
    win::paintScrollBars(p, view.bars);
    p.frameRect(box, win::colors::border);
}

bool paintGrid(const win::Window& w, win::Painter& p, const Rect& box) {
    const auto* grid = dynamic_cast<const TSpread*>(&w);
    if (!grid) return false;
    paintSheet(grid->sheet(), p, box, findGridScreen(w));
    return true;
}

} // namespace

GridPainterScope::GridPainterScope() {
    win::addCustomPainter(paintGrid);
    win::addCustomInput(gridInput);
}

GridPainterScope::~GridPainterScope() {
    win::removeCustomInput(gridInput);
    win::removeCustomPainter(paintGrid);
}

} // namespace dialogs
