// Zrl_Spread: the fixed look, fonts, column-width layouts and sizing to
// content.
//
// The look sets the grid's numbered properties by name (grid_property.h);
// their order is kept as the grid has always been given them (drawing off
// first, on last).
// Colours are 0x00BBGGRR; values with the high bit (0x8000000B) name a system
// colour and are kept as given for whoever draws the sheet.
#include "grid/zrl_spread.h"

#include <algorithm>

namespace {

// The system's 3D-face colour.
constexpr spread::Color kFaceColor = 0xF0F0F0;
constexpr spread::Color kWindowFrameColor = 0x8000000B;
// Width of a vertical scroll bar, in pixels.
constexpr int kScrollBarWidth = 17;

} // namespace

spread::Font Zrl_Spread::normalFont() const {
    spread::Font font;
    font.name = fontName_.str();
    font.height = fontHeight_;
    font.weight = 400;
    return font;
}

spread::Font Zrl_Spread::boldFont() const {
    spread::Font font = normalFont();
    font.weight = 700;
    return font;
}

bool Zrl_Spread::setLook(int mode) {
    if (!created_) return false;
    setBool(GridProperty::Redraw, false);
    setBool(GridProperty::ProtectLocked, false);
    setBool(GridProperty::AutoCalc, false);
    setBool(GridProperty::HorizontalScrollBarAsNeeded, true);
    setBool(GridProperty::GridLines, false);
    setBool(GridProperty::UserMayResize, true);
    setBool(GridProperty::UserMayMove, true);
    setBool(GridProperty::ScrollBarsShown, false);
    setBool(GridProperty::HorizontalScrollBarAsNeeded, true);
    setBool(GridProperty::VerticalScrollBarAsNeeded, true);
    setBool(GridProperty::HorizontalScrollBarAsNeeded, true);
    spread::SheetLook& lk = look();
    lk.grayBack = kFaceColor;
    lk.grayFore = kWindowFrameColor;
    lk.cursorKind = 1;
    lk.cursor = -1;
    lk.selBack = 0x6A240A;
    lk.selFore = 0xFFFFFF;
    setBool(GridProperty::ArrowKeysMoveActiveCell, true);
    setBool(GridProperty::RowHeadersShown, true);
    setBool(GridProperty::ColumnHeadersShown, true);
    setBool(GridProperty::ScrollBarsShown, true);
    lk.lockBack = 0xE6E6E6;
    lk.lockFore = kWindowFrameColor;
    if (mode == 1) {
        setBool(GridProperty::EditingStaysOn, true);
        setBool(GridProperty::WholeRowSelection, false);
        lk.enterAction = 0;
    } else {
        setBool(GridProperty::EditingStaysOn, false);
        setBool(GridProperty::WholeRowSelection, true);
        lk.enterAction = 5;
    }
    setBool(GridProperty::Redraw, true);
    return true;
}

bool Zrl_Spread::formatHeaders() {
    if (!created_) return false;
    const int cols = TSpread::getMaxCols();
    const int rows = TSpread::getMaxRows();
    if (cols > 0 && rows > 0) setFontRange(1, 1, cols, rows, normalFont());
    setFontRange(kHeader, kHeader, cols, kHeader, boldFont());
    setFontRange(kHeader, 1, kHeader, rows, boldFont());
    return true;
}

bool Zrl_Spread::autoSizeColumn(int col, bool skipType8) {
    if (!created_ || col < 0 || col > TSpread::getMaxCols()) return false;
    int width = 0;
    if (!skipType8) {
        width = getMaxTextColWidth(col);
    } else {
        // The header and every cell that is not a combo box.
        const int rows = TSpread::getMaxRows();
        for (int row = 0; row <= rows; ++row) {
            if (row > 0 &&
                getCellTypeCode(col, row) == static_cast<int>(spread::CellKind::ComboBox))
                continue;
            int w = 0, h = 0;
            if (getMaxTextCellSize(col, row, w, h)) width = std::max(width, w);
        }
    }
    return setColWidthInPixels(col, width);
}

bool Zrl_Spread::autoSizeRow(int row) {
    if (!created_ || row < 0 || row > TSpread::getMaxRows()) return false;
    return setRowHeightInPixels(row, getMaxTextRowHeight(row));
}

// --- layouts -----------------------------------------------------------------

void Zrl_Spread::setLayout(int mode, int first, int second) {
    layoutMode_ = mode;
    layoutFirst_ = first;
    layoutSecond_ = second;
    applyLayout();
}

void Zrl_Spread::setLayout(int mode, const AcArray<int>& firstList,
                           const AcArray<int>& secondList) {
    layoutMode_ = mode;
    layoutFirstList_ = firstList;
    layoutSecondList_ = secondList;
    applyLayout();
}

int Zrl_Spread::usableClientWidth() const {
    const win::Rect client = clientRect();
    int width = client.width();
    // A vertical scroll bar shows when the rows are higher than the window.
    int height = getRowHeightInPixels(0);
    const int rows = TSpread::getMaxRows();
    for (int row = 1; row <= rows && height <= client.height(); ++row)
        if (!isRowHidden(row)) height += getRowHeightInPixels(row);
    if (height > client.height()) width -= kScrollBarWidth;
    return std::max(width, 0);
}

namespace {

// Gives `count` columns (from `cols`) equal shares of `width` pixels; the
// remainder goes to the first columns one pixel each, so the whole width is
// used.
void shareEqually(Zrl_Spread& grid, const std::vector<int>& cols, int width) {
    if (cols.empty()) return;
    const int n = static_cast<int>(cols.size());
    width = std::max(width, 0);
    const int each = width / n;
    int rest = width % n;
    for (int col : cols) {
        grid.setColWidthInPixels(col, each + (rest > 0 ? 1 : 0));
        if (rest > 0) --rest;
    }
}

std::vector<int> columnsBetween(int first, int last) {
    std::vector<int> cols;
    for (int col = first; col <= last; ++col)
        cols.push_back(col);
    return cols;
}

} // namespace

void Zrl_Spread::applyLayout() {
    if (!created_) return;
    const int cols = TSpread::getMaxCols();
    const int width = usableClientWidth();
    switch (layoutMode_) {
    case 1: {
        std::vector<int> all = columnsBetween(getBool(GridProperty::RowHeadersShown) ? 0 : 1, cols);
        shareEqually(*this, all, width);
        break;
    }
    case 2: {
        const int rows = TSpread::getMaxRows();
        const spread::CellType label = spread::CellType::staticText();
        if (cols > 0) setCellTypeRange(1, kHeader, cols, kHeader, label);
        if (rows > 0) setCellTypeRange(kHeader, 1, kHeader, rows, label);
        for (int col = 0; col <= cols; ++col)
            autoSizeColumn(col);
        for (int row = 0; row <= rows; ++row)
            autoSizeRow(row);
        break;
    }
    case 3: {
        if (cols < 1) break;
        const int n = std::min(std::abs(layoutFirst_), cols);
        const int percent = std::clamp(layoutSecond_, 0, 100);
        const int firstWidth = width * percent / 100;
        std::vector<int> first, rest;
        for (int col = 1; col <= cols; ++col) {
            const bool inFirst = layoutFirst_ >= 0 ? col <= n : col > cols - n;
            (inFirst ? first : rest).push_back(col);
        }
        if (rest.empty()) {
            shareEqually(*this, first, width);
        } else if (first.empty()) {
            shareEqually(*this, rest, width);
        } else {
            shareEqually(*this, first, firstWidth);
            shareEqually(*this, rest, width - firstWidth);
        }
        break;
    }
    case 4: {
        const int col = layoutFirst_;
        if (col < 0 || col > cols) break;
        const int fixed = std::clamp(layoutSecond_, 0, width);
        setColWidthInPixels(col, fixed);
        std::vector<int> others;
        for (int c = 1; c <= cols; ++c)
            if (c != col) others.push_back(c);
        shareEqually(*this, others, width - fixed);
        break;
    }
    case 5: {
        // Column numbers in the first list, their widths in the second; a
        // width of 0 (or a column without width) shares what is left.
        int used = 0;
        std::vector<int> shared;
        std::vector<bool> fixed(static_cast<size_t>(std::max(cols, 0)) + 1, false);
        for (int i = 0; i < layoutFirstList_.length(); ++i) {
            const int col = layoutFirstList_[i];
            if (col < 0 || col > cols) continue;
            const int w = i < layoutSecondList_.length() ? layoutSecondList_[i] : 0;
            if (w > 0) {
                setColWidthInPixels(col, w);
                used += w;
                fixed[static_cast<size_t>(col)] = true;
            }
        }
        for (int col = 1; col <= cols; ++col)
            if (!fixed[static_cast<size_t>(col)]) shared.push_back(col);
        shareEqually(*this, shared, width - used);
        break;
    }
    default:
        break;
    }
}
