// Zrl_Spread: searching value texts in reading order.
#include "grid/zrl_spread.h"

#include <algorithm>

bool Zrl_Spread::findText(const Zrl_String& text, bool partial, int startRow, int startCol,
                          int& foundCol, int& foundRow) const {
    if (!created_) return false;
    const int rows = TSpread::getMaxRows();
    const int cols = TSpread::getMaxCols();
    if (startRow < 0 || startRow > rows) return false;
    Zrl_String value;
    auto matches = [&](int col, int row) {
        if (!getCellText(col, row, value, kValue)) return false;
        return partial ? value.hasSubString(text, false) : value.equal(text, false);
    };
    // Row 0 is the header row: the search then starts with row 1.
    const int firstRow = std::max(startRow, 1);
    for (int row = firstRow; row <= rows; ++row) {
        const int fromCol = row == startRow ? std::max(startCol, 1) : 1;
        for (int col = fromCol; col <= cols; ++col) {
            if (matches(col, row)) {
                foundCol = col;
                foundRow = row;
                return true;
            }
        }
    }
    return false;
}
