// Sheet: spans, column widths and row heights, hidden rows, the active cell,
// the selection, the edit mode and the sheet-wide settings.
#include "platform/spread/recalc.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_spans.h"
#include "platform/spread/sheet_data.h"

#include <algorithm>
#include <cmath>

namespace spread {

using detail::headerToZero;

namespace {

constexpr double kPixelsPerChar = 8.0;
constexpr double kPixelsPerPoint = 4.0 / 3.0;
constexpr int kMaxPixels = 100000;

bool overlaps(const CellRange& a, const CellRange& b) {
    return a.col1 <= b.col2 && b.col1 <= a.col2 && a.row1 <= b.row2 && b.row1 <= a.row2;
}

} // namespace

bool Sheet::addSpan(int col, int row, int numCols, int numRows) {
    col = headerToZero(col);
    row = headerToZero(row);
    const SheetContent& c = d_->content;
    if (numCols < 1 || numRows < 1 || col < 0 || row < 0) return false;
    CellRange s{col, row, col + numCols - 1, row + numRows - 1};
    if (s.col2 > c.maxCols || s.row2 > c.maxRows || (numCols == 1 && numRows == 1)) return false;
    for (const CellRange& o : c.spans)
        if (overlaps(o, s)) return false;
    d_->content.spans.push_back(s);
    return true;
}

bool Sheet::removeSpan(int col, int row) {
    col = headerToZero(col);
    row = headerToZero(row);
    auto& spans = d_->content.spans;
    auto it = std::find_if(spans.begin(), spans.end(),
                           [&](const CellRange& s) { return s.col1 == col && s.row1 == row; });
    if (it == spans.end()) return false;
    spans.erase(it);
    return true;
}

size_t removeSpans(Sheet& sheet, const std::function<bool(const CellRange&)>& which) {
    return std::erase_if(sheet.internals().content.spans, which);
}

bool Sheet::span(int col, int row, CellRange& out) const {
    col = headerToZero(col);
    row = headerToZero(row);
    for (const CellRange& s : d_->content.spans)
        if (s.contains(col, row)) {
            out = s;
            return true;
        }
    return false;
}

std::vector<CellRange> Sheet::spans() const {
    return d_->content.spans;
}

bool Sheet::setColWidth(int col, double width) {
    if (!std::isfinite(width) || width < 0) return false;
    return setColWidthPixels(
        col, static_cast<int>(std::lround(std::min(width * kPixelsPerChar, double(kMaxPixels)))));
}

double Sheet::colWidth(int col) const {
    return colWidthPixels(col) / kPixelsPerChar;
}

bool Sheet::setColWidthPixels(int col, int pixels) {
    col = headerToZero(col);
    if (col < 0 || col > d_->content.maxCols || pixels < 0 || pixels > kMaxPixels) return false;
    if (pixels == d_->content.defaultColWidth)
        d_->content.colWidths.erase(col);
    else
        d_->content.colWidths[col] = pixels;
    return true;
}

int Sheet::colWidthPixels(int col) const {
    col = headerToZero(col);
    auto it = d_->content.colWidths.find(col);
    return it == d_->content.colWidths.end() ? d_->content.defaultColWidth : it->second;
}

bool Sheet::setRowHeight(int row, double height) {
    if (!std::isfinite(height) || height < 0) return false;
    return setRowHeightPixels(
        row, static_cast<int>(std::lround(std::min(height * kPixelsPerPoint, double(kMaxPixels)))));
}

double Sheet::rowHeight(int row) const {
    return rowHeightPixels(row) / kPixelsPerPoint;
}

bool Sheet::setRowHeightPixels(int row, int pixels) {
    row = headerToZero(row);
    if (row < 0 || row > d_->content.maxRows || pixels < 0 || pixels > kMaxPixels) return false;
    if (pixels == d_->content.defaultRowHeight)
        d_->content.rowHeights.erase(row);
    else
        d_->content.rowHeights[row] = pixels;
    return true;
}

int Sheet::rowHeightPixels(int row) const {
    row = headerToZero(row);
    auto it = d_->content.rowHeights.find(row);
    return it == d_->content.rowHeights.end() ? d_->content.defaultRowHeight : it->second;
}

bool Sheet::setRowHidden(int row, bool hidden) {
    if (row < 1 || row > d_->content.maxRows) return false;
    if (hidden)
        d_->content.hiddenRows.insert(row);
    else
        d_->content.hiddenRows.erase(row);
    return true;
}

bool Sheet::isRowHidden(int row) const {
    return d_->content.hiddenRows.count(row) != 0;
}

bool Sheet::maxTextCellSize(int col, int row, int& width, int& height) const {
    width = height = 0;
    if (!contains(col, row)) return false;
    col = detail::headerToZero(col);
    row = detail::headerToZero(row);
    // Measured as the cell holds it: rows of a long bill are measured as
    // they are written, so nothing is copied here.
    const CellKey key = cellKey(col, row);
    const CellStyle* style = detail::findStyle(d_->content, key);
    const Font& f = style && style->font ? *style->font : d_->defaultFont;
    detail::DataText text;
    detail::dataText(d_->content, key, text);
    // Lines of the text at an average glyph width of about half the height,
    // plus a margin on each side. Number texts are a single line.
    size_t longest = text.narrowLength, lines = 1, current = 0;
    for (wchar_t ch : text.wide) {
        if (ch == L'\n') {
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    double glyph = f.height * (f.weight >= 600 ? 0.6 : 0.55);
    width = longest == 0 ? 0 : static_cast<int>(std::lround(longest * glyph)) + 6;
    height = static_cast<int>(lines) * (f.height + 2) + 2;
    return true;
}

int Sheet::maxTextColWidth(int col) const {
    int best = 0, w = 0, h = 0;
    for (int row = 0; row <= d_->content.maxRows; ++row)
        if (maxTextCellSize(col, row, w, h)) best = std::max(best, w);
    return best;
}

int Sheet::maxTextRowHeight(int row) const {
    int best = 0, w = 0, h = 0;
    for (int col = 0; col <= d_->content.maxCols; ++col)
        if (maxTextCellSize(col, row, w, h)) best = std::max(best, h);
    return best;
}

bool Sheet::activeCell(int& col, int& row) const {
    const SheetContent& c = d_->content;
    col = c.hasActive ? c.activeCol : 0;
    row = c.hasActive ? c.activeRow : 0;
    return c.hasActive;
}

bool Sheet::setActiveCell(int col, int row) {
    if (col < 1 || row < 1 || !contains(col, row)) return false;
    SheetContent& c = d_->content;
    c.hasActive = true;
    c.activeCol = col;
    c.activeRow = row;
    return true;
}

bool Sheet::selectBlock(CellRange& out) const {
    out = d_->content.select;
    return d_->content.hasSelect;
}

bool Sheet::setSelectBlock(const CellRange& block) {
    CellRange b = block;
    if (b.col2 < b.col1) std::swap(b.col1, b.col2);
    if (b.row2 < b.row1) std::swap(b.row1, b.row2);
    if (b.col1 < 1 || b.row1 < 1 || !contains(b.col2, b.row2)) return false;
    d_->content.select = b;
    d_->content.hasSelect = true;
    return true;
}

void Sheet::clearSelectBlock() {
    d_->content.hasSelect = false;
}

bool Sheet::editMode() const {
    return d_->content.editMode;
}

void Sheet::setEditMode(bool on) {
    SheetContent& c = d_->content;
    c.editMode = on;
    c.editStart = c.editEnd = 0;
}

bool Sheet::editSelection(int& start, int& end) const {
    const SheetContent& c = d_->content;
    start = c.editMode ? c.editStart : 0;
    end = c.editMode ? c.editEnd : 0;
    return c.editMode;
}

bool Sheet::setEditSelection(int start, int end) {
    SheetContent& c = d_->content;
    if (!c.editMode || start < 0 || end < start) return false;
    c.editStart = start;
    c.editEnd = end;
    return true;
}

bool Sheet::boolProperty(int index) const {
    return index >= 0 && index < kBoolCount && d_->bools[index];
}

bool Sheet::setBoolProperty(int index, bool on) {
    if (index < 0 || index >= kBoolCount) return false;
    bool was = d_->bools[index];
    d_->bools[index] = on;
    // Switching automatic calculation on brings every formula up to date.
    if (index == kBoolAutoCalc && on && !was) detail::recalcAll(*this);
    return true;
}

RefStyle Sheet::refStyle() const {
    return d_->refStyle;
}

void Sheet::setRefStyle(RefStyle style) {
    if (style == RefStyle::A1 || style == RefStyle::R1C1 || style == RefStyle::Default)
        d_->refStyle = style;
}

int Sheet::operationMode() const {
    return d_->operationMode;
}
void Sheet::setOperationMode(int mode) {
    d_->operationMode = mode;
}

SheetLook& Sheet::look() {
    return d_->look;
}
const SheetLook& Sheet::look() const {
    return d_->look;
}

FunctionRegistry& Sheet::functions() {
    return d_->functions;
}

void Sheet::addCustomFunction(std::wstring name, int minArgs, int maxArgs, CustomFunctionProc proc,
                              int flags) {
    CustomFunction fn;
    fn.name = std::move(name);
    fn.minArgs = minArgs;
    fn.maxArgs = maxArgs;
    fn.flags = flags;
    fn.proc = std::move(proc);
    d_->functions.add(std::move(fn));
}

void Sheet::recalc() {
    try {
        detail::recalcAll(*this);
    } catch (...) {
        // Out of memory while ordering: the values stay as they were.
    }
}

bool Sheet::recalcCell(int col, int row) {
    if (!hasFormula(col, row) || detail::calculating(*this)) return false;
    CellKey key = cellKey(col, row);
    detail::computeCell(*this, key);
    if (d_->bools[kBoolAutoCalc]) detail::recalcFrom(*this, key);
    return true;
}

bool Sheet::isCalculating() const {
    return detail::calculating(*this);
}

} // namespace spread
