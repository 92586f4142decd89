// Zrl_Spread: the active cell and selection, and row and column insertion,
// deletion and moves. Every change of rows or columns marks the sheet
// changed (property 30).
#include "grid/zrl_spread.h"

#include <algorithm>

// --- active cell and selection ------------------------------------------------

bool Zrl_Spread::getActiveCell(int& col, int& row) {
    col = row = 0;
    if (!created_) return false;
    if (!getActiveCellRaw(col, row)) {
        TSpread::setActiveCell(1, 1);
        col = row = 1;
    }
    return true;
}

int Zrl_Spread::activeCol() {
    spread::CellRange block;
    if (created_ && getSelectBlock(block)) return block.col1;
    int col = 0, row = 0;
    getActiveCell(col, row);
    return col;
}

int Zrl_Spread::activeRow() {
    spread::CellRange block;
    if (created_ && getSelectBlock(block)) return block.row1;
    int col = 0, row = 0;
    getActiveCell(col, row);
    return row;
}

bool Zrl_Spread::setActiveCell(int col, int row) {
    if (!inSheet(col, row)) return false;
    return TSpread::setActiveCell(col, row);
}

bool Zrl_Spread::setSelection(int col, int row, int col2, int row2) {
    if (!created_) return false;
    return setSelectBlock(
        {std::min(col, col2), std::min(row, row2), std::max(col, col2), std::max(row, row2)});
}

bool Zrl_Spread::getEditSelection(int& start, int& end) const {
    start = end = 0;
    if (!created_ || !getEditMode()) return false;
    return getSel(start, end);
}

// --- rows -------------------------------------------------------------------------

bool Zrl_Spread::insertRow(int row, bool withHeaderText, bool copyFormat) {
    if (!created_) return false;
    const int rows = TSpread::getMaxRows();
    if (row < 1 || row > rows + 1) return false;
    if (row == rows + 1) {
        // After the last row: inserted while still outside the sheet, so
        // that nothing moves (a grid filled row by row is not walked whole
        // at each row), then taken in.
        if (rows + 1 > spread::kMaxSheetRows || !insRow(row) || !setMaxRowsRaw(rows + 1))
            return false;
    } else {
        if (!setMaxRowsRaw(rows + 1)) return false;
        if (!insRow(row)) {
            setMaxRowsRaw(rows);
            return false;
        }
    }
    const int cols = TSpread::getMaxCols();
    if (cols > 0) setFontRange(1, row, cols, row, normalFont());
    setFontRange(kHeader, row, kHeader, row, boldFont());
    if (copyFormat && row + 1 <= rows + 1)
        for (int col = 1; col <= cols; ++col)
            copyCellFormat(col, row + 1, col, row);
    if (withHeaderText) setData(kHeader, row, Zrl_String(row).str());
    markChanged();
    return true;
}

bool Zrl_Spread::insertRowAfterActive(bool withHeaderText) {
    if (!created_) return false;
    return insertRow(activeRow() + 1, withHeaderText, true);
}

bool Zrl_Spread::deleteRow(int row) {
    if (!created_) return false;
    const int rows = TSpread::getMaxRows();
    if (row < 1 || row > rows || !delRow(row)) return false;
    setMaxRowsRaw(rows - 1);
    markChanged();
    return true;
}

bool Zrl_Spread::deleteActiveRow() {
    if (!created_) return false;
    return deleteRow(activeRow());
}

bool Zrl_Spread::moveRow(int from, int to) {
    if (!created_) return false;
    const int rows = TSpread::getMaxRows();
    const int cols = TSpread::getMaxCols();
    if (to < 1 || to > rows || from < 1 || from > rows || cols < 1) return false;
    if (from != to && !swapRange(1, from, cols, from, 1, to)) return false;
    int col = 0, row = 0;
    getActiveCell(col, row);
    TSpread::setActiveCell(std::clamp(col, 1, cols), to);
    setSelectBlock({1, to, cols, to});
    markChanged();
    return true;
}

bool Zrl_Spread::moveActiveRowUp() {
    if (!created_) return false;
    const int row = activeRow();
    return moveRow(row, row - 1);
}

bool Zrl_Spread::moveActiveRowDown() {
    if (!created_) return false;
    const int row = activeRow();
    return moveRow(row, row + 1);
}

// --- columns --------------------------------------------------------------------------

bool Zrl_Spread::insertColumn(int col, bool withHeaderText, bool copyFormat) {
    if (!created_) return false;
    const int cols = TSpread::getMaxCols();
    if (col < 1 || col > cols + 1) return false;
    if (!setMaxColsRaw(cols + 1)) return false;
    if (!insCol(col)) {
        setMaxColsRaw(cols);
        return false;
    }
    const int rows = TSpread::getMaxRows();
    if (rows > 0) setFontRange(col, 1, col, rows, normalFont());
    setFontRange(col, kHeader, col, kHeader, boldFont());
    if (copyFormat) {
        // The neighbouring column: the one now to the right, else the left one.
        const int from = col + 1 <= cols + 1 ? col + 1 : col - 1;
        if (from >= 1)
            for (int row = 1; row <= rows; ++row)
                copyCellFormat(from, row, col, row);
    }
    if (withHeaderText) setData(col, kHeader, spread::columnName(col));
    markChanged();
    return true;
}

bool Zrl_Spread::deleteColumn(int col) {
    if (!created_) return false;
    const int cols = TSpread::getMaxCols();
    if (col < 1 || col > cols || !delCol(col)) return false;
    setMaxColsRaw(cols - 1);
    markChanged();
    return true;
}

bool Zrl_Spread::deleteActiveColumn() {
    if (!created_) return false;
    return deleteColumn(activeCol());
}
