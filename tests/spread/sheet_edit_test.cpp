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

// Lines added after the last one move nothing inside the sheet, yet
// references beyond it follow as for any insertion, and the formulas that
// read the new line see what is written there; with and without formulas.
TEST(SheetEdit, LinesAppendedAtTheEndKeepTheSheetAndFollowReferences) {
    struct Case {
        bool rows;
        const wchar_t* formula; // in the first line's second cell, or null
        const wchar_t* moved;   // the formula after the insertion
        const wchar_t* value;   // its value after writing 100 into the new line
    };
    const Case cases[] = {
        {true, nullptr, L"", L""},
        {true, L"SUM(A1:A5)+A6", L"SUM(A1:A6)+A7", L"110"},
        {false, nullptr, L"", L""},
        {false, L"SUM(A1:E1)+F1", L"SUM(A1:F1)+G1", L"110"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.rows ? "rows" : "columns");
        Sheet s;
        s.setMaxCols(4);
        s.setMaxRows(4);
        for (int i = 1; i <= 4; ++i)
            k.rows ? s.setData(1, i, std::to_wstring(i)) : s.setData(i, 1, std::to_wstring(i));
        if (k.formula) k.rows ? s.setFormula(2, 1, k.formula) : s.setFormula(1, 2, k.formula);
        ASSERT_TRUE(s.addSpan(3, 3, 2, 2));
        s.setRowHidden(2, true);
        ASSERT_TRUE(s.setSelectBlock({1, 1, 2, 2}));
        // Inserted while still outside the sheet, then taken in.
        ASSERT_TRUE(k.rows ? s.insertRows(5) && s.setMaxRows(5) : s.insertCols(5) && s.setMaxCols(5));
        EXPECT_EQ(k.rows ? s.data(1, 4) : s.data(4, 1), L"4");
        EXPECT_EQ(s.spans(), (std::vector<CellRange>{{3, 3, 4, 4}}));
        EXPECT_TRUE(s.isRowHidden(2));
        CellRange block;
        EXPECT_FALSE(s.selectBlock(block)); // as after any insertion
        EXPECT_EQ(k.rows ? s.formula(2, 1) : s.formula(1, 2), k.moved);
        k.rows ? s.setData(1, 5, L"100") : s.setData(5, 1, L"100");
        EXPECT_EQ(k.rows ? s.valueText(2, 1) : s.valueText(1, 2), k.value);
    }
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
