#include "macroui/macro_page_grid.h"

#include <algorithm>

namespace macroui {

win::Size gridNeed(const Zrl_Spread& grid, int maxRows) {
    constexpr int kFrame = 4;
    constexpr int kScrollBar = 17;
    int width = kFrame + kScrollBar + std::max(grid.getColWidthInPixels(0), 0);
    for (int col = 1; col <= grid.getMaxCols(); ++col)
        width += std::max(grid.getColWidthInPixels(col), 0);
    int height = kFrame + std::max(grid.getRowHeightInPixels(0), 0);
    const int rows = std::min(grid.getMaxRows(), maxRows);
    for (int row = 1; row <= rows; ++row)
        height += std::max(grid.getRowHeightInPixels(row), 0);
    return {width, height};
}

win::Size pageNeed(const Zrl_Spread& grid, int bandHeight) {
    const win::Size need = gridNeed(grid);
    const win::Rect place = grid.rect();
    return {place.left * 2 + need.cx, place.top + need.cy + bandHeight};
}

void layoutGridAndBand(win::Window& page, Zrl_Spread& grid, int bandHeight, int cx, int cy) {
    if (!grid.isCreated()) return;
    const win::Rect g = grid.rect();
    const int bottom = std::max(g.top, cy - bandHeight);
    const int shift = bottom - g.bottom;
    grid.setRect({g.left, g.top, std::max(g.left, cx - g.left), bottom});
    if (shift == 0) return;
    for (win::Window* child : page.children()) {
        if (child != &grid) child->setRect(child->rect().offset(0, shift));
    }
}

Zrl_FocusProbe gridFocusProbe(Zrl_Spread& grid) {
    Zrl_FocusProbe probe;
    probe.spreadHasFocus = [&grid](int& col, int& row) {
        if (!grid.hasFocus()) return false;
        col = grid.activeCol();
        row = grid.activeRow();
        return true;
    };
    probe.focusSpreadCell = [&grid](int col, int row) {
        grid.setFocus();
        grid.setActiveCell(col, row);
    };
    return probe;
}

} // namespace macroui

CMacroGridPage::~CMacroGridPage() {
    if (isCreated()) destroy();
}

void CMacroGridPage::createGrid(int id, const std::vector<Column>& columns) {
    const win::Rect place = item(id) ? item(id)->rect() : win::Rect{};
    bandHeight_ = rect().height() - place.bottom;
    grid_.createInPlaceOf(this, id, true);
    grid_.setLook(1);
    grid_.setMaxCols(static_cast<int>(columns.size()));
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
        grid_.setCellData(c, Zrl_Spread::kHeader, columns[static_cast<size_t>(c - 1)].header);
        grid_.setColWidthInPixels(c, columns[static_cast<size_t>(c - 1)].width);
    }
}

void CMacroGridPage::onSize(int cx, int cy) {
    CMacroPage::onSize(cx, cy);
    macroui::layoutGridAndBand(*this, grid_, bandHeight_, cx, cy);
}
