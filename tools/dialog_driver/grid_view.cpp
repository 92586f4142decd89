// Where the grid's cells lie on screen, and the screen state of each grid.
#include "grid_view.h"

#include <algorithm>
#include <map>

namespace dialogs {

namespace {

constexpr int kPropRowHeaders = 3;
constexpr int kPropColHeaders = 4;

std::map<win::WindowHandle, GridScreen>& screens() {
    static std::map<win::WindowHandle, GridScreen> all;
    return all;
}

int headerWidth(const spread::Sheet& sheet) {
    return sheet.boolProperty(kPropRowHeaders) ? sheet.colWidthPixels(0) : 0;
}

int headerHeight(const spread::Sheet& sheet) {
    return sheet.boolProperty(kPropColHeaders) ? sheet.rowHeightPixels(0) : 0;
}

// One direction of the grid in `room` pixels from line `first`: rows not
// hidden (or columns) in all, before `first`, and shown whole at once (when
// the lines from `first` end early, those above fill the room left).
win::ScrollRange gridRange(const spread::Sheet& sheet, bool rows, int first, int room) {
    const int count = rows ? sheet.maxRows() : sheet.maxCols();
    auto hidden = [&](int i) { return rows && sheet.isRowHidden(i); };
    auto size = [&](int i) { return rows ? sheet.rowHeightPixels(i) : sheet.colWidthPixels(i); };
    win::ScrollRange r;
    int used = 0;
    bool full = false;
    for (int i = 1; i <= count; ++i) {
        if (hidden(i)) continue;
        ++r.total;
        if (i < first) {
            ++r.pos;
        } else if (!full) {
            used += size(i);
            full = used > room;
            r.page += full ? 0 : 1;
        }
    }
    for (int i = std::min(first, count + 1) - 1; !full && i >= 1; --i) {
        if (hidden(i)) continue;
        used += size(i);
        full = used > room;
        r.page += full ? 0 : 1;
    }
    return r;
}

} // namespace

GridView viewGrid(const spread::Sheet& sheet, const win::Rect& box, int leftCol, int topRow) {
    GridView v;
    const int hw = headerWidth(sheet), hh = headerHeight(sheet);
    v.bars = win::layoutScrollBars(box, [&](const win::Rect& r, win::ScrollRange& vertical,
                                            win::ScrollRange& horizontal) {
        vertical = gridRange(sheet, true, std::max(1, topRow), r.height() - hh);
        horizontal = gridRange(sheet, false, std::max(1, leftCol), r.width() - hw);
    });
    v.cells = layoutGrid(sheet, v.bars.view, leftCol, topRow);
    return v;
}

int rowAtPosition(const spread::Sheet& sheet, int pos) {
    int last = 1;
    for (int row = 1; row <= sheet.maxRows(); ++row) {
        if (sheet.isRowHidden(row)) continue;
        last = row;
        if (pos-- <= 0) break;
    }
    return last;
}

GridScreen& gridScreen(const win::Window& grid) {
    auto& all = screens();
    const auto it = all.find(grid.handle());
    if (it != all.end()) return it->second;
    // Handles are never reused: the states of windows gone go with them.
    std::erase_if(all, [](const auto& entry) { return !win::Window::fromHandle(entry.first); });
    return all[grid.handle()];
}

const GridScreen* findGridScreen(const win::Window& grid) {
    const auto it = screens().find(grid.handle());
    return it == screens().end() ? nullptr : &it->second;
}

GridLayout layoutGrid(const spread::Sheet& sheet, const win::Rect& box, int leftCol, int topRow) {
    GridLayout g;
    g.box = box;
    g.headerWidth = headerWidth(sheet);
    g.headerHeight = headerHeight(sheet);
    g.right = box.left + g.headerWidth;
    g.bottom = box.top + g.headerHeight;
    for (int col = std::max(1, leftCol), x = g.right; col <= sheet.maxCols() && x < box.right;
         ++col) {
        g.cols.push_back({col, x});
        x += sheet.colWidthPixels(col);
        g.right = x;
    }
    for (int row = std::max(1, topRow), y = g.bottom; row <= sheet.maxRows() && y < box.bottom;
         ++row) {
        if (sheet.isRowHidden(row)) continue;
        g.rows.push_back({row, y});
        y += sheet.rowHeightPixels(row);
        g.bottom = y;
    }
    return g;
}

bool cellRect(const GridLayout& g, const spread::Sheet& sheet, size_t ci, size_t ri,
              win::Rect& out) {
    const int col = g.cols[ci].first, row = g.rows[ri].first;
    spread::CellRange span;
    int lastCol = col, lastRow = row;
    if (sheet.span(col, row, span)) {
        if (span.col1 != col || span.row1 != row) return false;
        lastCol = span.col2;
        lastRow = span.row2;
    }
    out.left = g.cols[ci].second;
    out.top = g.rows[ri].second;
    out.right = out.left + sheet.colWidthPixels(col);
    out.bottom = out.top + sheet.rowHeightPixels(row);
    for (size_t c = ci + 1; c < g.cols.size() && g.cols[c].first <= lastCol; ++c)
        out.right = g.cols[c].second + sheet.colWidthPixels(g.cols[c].first);
    for (size_t r = ri + 1; r < g.rows.size() && g.rows[r].first <= lastRow; ++r)
        out.bottom = g.rows[r].second + sheet.rowHeightPixels(g.rows[r].first);
    return true;
}

bool visibleCellRect(const GridLayout& g, const spread::Sheet& sheet, int col, int row,
                     win::Rect& out) {
    spread::CellRange span;
    if (sheet.span(col, row, span)) {
        col = span.col1;
        row = span.row1;
    }
    const auto ci = std::find_if(g.cols.begin(), g.cols.end(),
                                 [&](const auto& c) { return c.first == col; });
    const auto ri = std::find_if(g.rows.begin(), g.rows.end(),
                                 [&](const auto& r) { return r.first == row; });
    if (ci == g.cols.end() || ri == g.rows.end()) return false;
    return cellRect(g, sheet, static_cast<size_t>(ci - g.cols.begin()),
                    static_cast<size_t>(ri - g.rows.begin()), out);
}

bool cellAt(const GridLayout& g, const spread::Sheet& sheet, win::Point p, int& col, int& row) {
    if (!g.box.contains(p) || p.x >= g.right || p.y >= g.bottom) return false;
    col = row = 0;
    for (const auto& [c, x] : g.cols)
        if (p.x >= x) col = c;
    for (const auto& [r, y] : g.rows)
        if (p.y >= y) row = r;
    if (p.x < g.box.left + g.headerWidth) col = 0;
    if (p.y < g.box.top + g.headerHeight) row = 0;
    spread::CellRange span;
    if (col >= 1 && row >= 1 && sheet.span(col, row, span)) {
        col = span.col1;
        row = span.row1;
    }
    return true;
}

} // namespace dialogs
