// VkTreeSpread: finishing a tree (indenting spans, column widths, pictures).
#include "sheettools/tree_bitmaps.h"
#include "sheettools/tree_spread.h"

#include <vector>

namespace {

std::wstring pictureName(int bitmapId) {
    return L"#" + std::to_wstring(bitmapId);
}

// Levels, last descendants and parents of all rows, worked out once.
struct TreeShape {
    std::vector<int> level, last, parent; // index 1..rows
    int rows = 0;

    explicit TreeShape(const VkTreeSpread& tree) : rows(tree.getMaxRows()) {
        level.assign(static_cast<size_t>(rows) + 2, 0);
        last.assign(level.size(), 0);
        parent.assign(level.size(), 0);
        for (int r = 1; r <= rows; ++r)
            level[r] = tree.getLevel(r);
        for (int r = rows; r >= 1; --r) {
            int next = r + 1;
            while (next <= rows && level[next] > level[r])
                next = last[next] + 1;
            last[r] = next - 1;
        }
        std::vector<int> open; // the rows whose subtrees are open at r
        for (int r = 1; r <= rows; ++r) {
            while (!open.empty() && level[open.back()] >= level[r])
                open.pop_back();
            parent[r] = open.empty() ? 0 : open.back();
            open.push_back(r);
        }
    }
    bool hasChildren(int r) const { return last[r] > r; }
};

} // namespace

void VkTreeSpread::spanRow(int row, int level) {
    const int first = treeCol_ + level;
    const int lastCol = std::min(treeCol_ + levelCols_, getMaxCols());
    if (first > lastCol) return;
    // The row's last non-empty cell among the spanned ones is what the span
    // shows. Unmarked level cells only ever hold such a copy, so an earlier
    // copy is dropped first.
    Zrl_String shown;
    for (int col = lastCol; col >= first && shown.isEmpty(); --col) {
        Zrl_String text;
        getCellText(col, row, text, kValue);
        shown = text;
    }
    for (int col = first; col < treeCol_ + levelCols_ && col <= lastCol; ++col)
        setCellValue(col, row, Zrl_String());
    setCellValue(first, row, shown);
    addSpan(first, row, lastCol - first + 1, 1);
}

bool VkTreeSpread::finishTree() {
    if (!isTree_ || !isCreated()) return false;
    const TreeShape shape(*this);
    for (int col = treeCol_ + 1; col < treeCol_ + levelCols_; ++col)
        removeSpans(col);
    for (int row = 1; row <= shape.rows; ++row)
        if (shape.level[row] < levelCols_) spanRow(row, shape.level[row]);
    for (int i = 0; i < levelCols_; ++i)
        setColWidthInPixels(treeCol_ + i, kLevelColumnWidth);

    auto setPicture = [&](int col, int row, int picture, int picture2) {
        setButtonType(col, row, col, row, Zrl_String(), kPictureButtonStyle, pictureName(picture),
                      pictureName(picture2));
        // The expand cell keeps its state; every other picture cell shows
        // its second picture.
        if (col != expandColumn(row)) setCellData(col, row, L"1");
    };
    using namespace zrlss;
    for (int row = 1; row <= shape.rows; ++row) {
        const int level = shape.level[row];
        if (level == 1) {
            if (!shape.hasChildren(row))
                setPicture(treeCol_, row, kBitmapTreeTee, kBitmapTreeTee);
            else if (row == 1)
                setPicture(treeCol_, row, kBitmapTreeFirstPlus, kBitmapTreeFirstMinus);
            else if (shape.last[row] < shape.rows)
                setPicture(treeCol_, row, kBitmapTreeMiddlePlus, kBitmapTreeMiddleMinus);
            else
                setPicture(treeCol_, row, kBitmapTreeLastPlus, kBitmapTreeLastMinus);
            continue;
        }
        if (shape.hasChildren(row)) continue;
        const bool lastOfParent = row == shape.rows || shape.level[row + 1] < level;
        const int connector = lastOfParent ? kBitmapTreeCorner : kBitmapTreeTee;
        setPicture(treeCol_ + 1, row, connector, connector);
        const int parent = shape.parent[row];
        if (parent > 0 && shape.last[parent] < shape.rows)
            setPicture(treeCol_, row, kBitmapTreeLine, kBitmapTreeLine);
    }
    setBool(GridProperty::Redraw, true);
    invalidate();
    return true;
}
