// Row and column insertion and deletion, block swap and copy: cells move,
// formulas follow, deleted references become #REF!.
#include "platform/spread/sheet.h"

#include <gtest/gtest.h>

using namespace spread;

namespace {

Sheet numbered(int cols, int rows) {
    Sheet s;
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    for (int r = 1; r <= rows; ++r)
        s.setData(1, r, std::to_wstring(r));
    return s;
}

} // namespace

TEST(SheetEdit, InsertRowsMovesCellsAndReferences) {
    Sheet s = numbered(2, 6);
    s.setFormula(2, 1, L"SUM(A2:A4)+A5");
    s.setData(0, 3, L"third");
    s.setRowHeightPixels(3, 40);
    ASSERT_TRUE(s.setMaxRows(8));
    ASSERT_TRUE(s.insertRows(3, 2));
    EXPECT_EQ(s.data(1, 5), L"3");
    EXPECT_EQ(s.data(0, 5), L"third"); // the row header moves with its row
    EXPECT_EQ(s.rowHeightPixels(5), 40);
    EXPECT_EQ(s.data(1, 3), L"");
    EXPECT_EQ(s.formula(2, 1), L"SUM(A2:A6)+A7");
    EXPECT_EQ(s.valueText(2, 1), L"14");
    // The new rows are inside the block: writing there counts.
    s.setData(1, 3, L"100");
    EXPECT_EQ(s.valueText(2, 1), L"114");
    EXPECT_FALSE(s.insertRows(10)); // beyond the sheet + 1
}

TEST(SheetEdit, DeleteRowsLeavesRefErrorsForDeletedCells) {
    Sheet s = numbered(2, 6);
    s.setFormula(2, 6, L"A2+A5");
    s.setFormula(2, 1, L"SUM(A2:A5)");
    ASSERT_TRUE(s.deleteRows(2, 1));
    EXPECT_EQ(s.data(1, 2), L"3");
    EXPECT_EQ(s.formula(2, 5), L"#REF!+A4");
    EXPECT_EQ(s.valueText(2, 5), L"#REF!");
    EXPECT_EQ(s.formula(2, 1), L"SUM(A2:A4)");
    EXPECT_EQ(s.valueText(2, 1), L"12");
    EXPECT_EQ(s.data(1, 6), L""); // the last row came up empty
    EXPECT_EQ(s.maxRows(), 6);
}

TEST(SheetEdit, ColumnsLikeRows) {
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(1);
    s.setData(1, 1, L"1");
    s.setData(2, 1, L"2");
    s.setFormula(4, 1, L"A1*B1");
    ASSERT_TRUE(s.insertCols(2));
    EXPECT_EQ(s.formula(4, 1), L""); // pushed past the sheet's last column
    ASSERT_TRUE(s.setMaxCols(5));
    s.setFormula(5, 1, L"A1+C1");
    ASSERT_TRUE(s.deleteCols(1));
    EXPECT_EQ(s.formula(4, 1), L"#REF!+B1");
    EXPECT_EQ(s.data(2, 1), L"2");
}

TEST(SheetEdit, SwapMovesRowsWithTheirOwnFormulas) {
    Sheet s = numbered(2, 3);
    s.setFormula(2, 1, L"A1*10");
    s.setFormula(2, 3, L"A3*10");
    s.setColor(1, 1, 0x123456, kDefaultColor);
    ASSERT_TRUE(s.swapRange(1, 1, 2, 1, 1, 3));
    EXPECT_EQ(s.data(1, 1), L"3");
    EXPECT_EQ(s.formula(2, 3), L"A3*10"); // relative reference moved with the row
    EXPECT_EQ(s.valueText(2, 3), L"10");
    EXPECT_EQ(s.valueText(2, 1), L"30");
    Color back, fore;
    s.color(1, 3, back, fore);
    EXPECT_EQ(back, 0x123456u);
    EXPECT_FALSE(s.swapRange(1, 1, 2, 2, 1, 2)); // overlapping blocks
}

TEST(SheetEdit, CopyRangeMovesRelativeReferencesAndOverlapsSafely) {
    Sheet s = numbered(3, 4);
    s.setFormula(2, 1, L"A1*$A$1+1");
    ASSERT_TRUE(s.copyRange(2, 1, 2, 1, 2, 2));
    EXPECT_EQ(s.formula(2, 2), L"A2*$A$1+1");
    EXPECT_EQ(s.valueText(2, 2), L"3");
    // Overlapping copy one row down reads the source as it was.
    ASSERT_TRUE(s.copyRange(1, 1, 1, 3, 1, 2));
    EXPECT_EQ(s.data(1, 2), L"1");
    EXPECT_EQ(s.data(1, 4), L"3");
    EXPECT_FALSE(s.copyRange(1, 1, 1, 4, 1, 2)); // would leave the sheet
}

TEST(SheetEdit, ClipboardTextRoundTrip) {
    Sheet s = numbered(2, 2);
    s.setData(2, 1, L"x");
    std::wstring text = s.copyText({1, 1, 2, 2});
    EXPECT_EQ(text, L"1\tx\r\n2\t\r\n");
    Sheet t;
    t.setMaxCols(3);
    t.setMaxRows(3);
    ASSERT_TRUE(t.pasteText(2, 2, text));
    EXPECT_EQ(t.data(3, 2), L"x");
    EXPECT_FALSE(t.pasteText(3, 3, text));
}
