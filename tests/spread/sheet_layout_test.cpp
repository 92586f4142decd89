// Sizes, selection, edit mode, settings and the number texts of cells.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_number_text.h"

#include <gtest/gtest.h>

using namespace spread;

TEST(SheetLayout, NumberTextsRoundHalfAwayFromZero) {
    using detail::formatFixed;
    EXPECT_EQ(formatFixed(1.005, 2, false), L"1.01");
    EXPECT_EQ(formatFixed(-1.005, 2, false), L"-1.01");
    EXPECT_EQ(formatFixed(999.995, 2, true), L"1,000.00");
    EXPECT_EQ(formatFixed(-1234567.5, 0, true), L"-1,234,568");
    EXPECT_EQ(formatFixed(-0.001, 2, false), L"0.00");
    EXPECT_EQ(formatFixed(1e20, 1, false), L"100000000000000000000.0");
    EXPECT_EQ(detail::roundToDecimals(2.675, 2), 2.68);
    EXPECT_EQ(formatFixed(-0.0, 15, false), L"0.000000000000000");
    EXPECT_EQ(formatFixed(999999999999999.0, 1, true), L"999,999,999,999,999.0");
    EXPECT_EQ(formatFixed(9999999999999999.0, 0, false), L"10000000000000000");
}

TEST(SheetLayout, WidthsHeightsAndHiddenRows) {
    Sheet s;
    s.setMaxCols(3);
    s.setMaxRows(3);
    EXPECT_EQ(s.colWidthPixels(2), 72);
    ASSERT_TRUE(s.setColWidth(2, 10.5));
    EXPECT_EQ(s.colWidthPixels(2), 84);
    EXPECT_DOUBLE_EQ(s.colWidth(2), 10.5);
    ASSERT_TRUE(s.setColWidthPixels(kHeader, 30)); // the header column
    EXPECT_EQ(s.colWidthPixels(0), 30);
    EXPECT_FALSE(s.setColWidthPixels(4, 10));
    EXPECT_FALSE(s.setColWidth(1, -1));
    ASSERT_TRUE(s.setRowHeight(1, 15));
    EXPECT_EQ(s.rowHeightPixels(1), 20);
    ASSERT_TRUE(s.setRowHidden(2, true));
    EXPECT_TRUE(s.isRowHidden(2));
    EXPECT_FALSE(s.setRowHidden(4, true));
    // Text sizes grow with the text and with bold fonts.
    s.setData(1, 1, L"short");
    s.setData(1, 2, L"a much longer text");
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    ASSERT_TRUE(s.maxTextCellSize(1, 1, w1, h1));
    ASSERT_TRUE(s.maxTextCellSize(1, 2, w2, h2));
    EXPECT_LT(w1, w2);
    EXPECT_EQ(s.maxTextColWidth(1), w2);
    EXPECT_FALSE(s.maxTextCellSize(9, 9, w1, h1));
    // A number cell measures as the text it shows; a line break starts a
    // line of its own.
    s.setCellType(2, 1, CellType::number(2, true));
    s.setData(2, 1, L"1234567");
    s.setData(3, 1, L"1,234,567.00");
    s.setData(2, 2, L"1,234,567.00\nab");
    int wn = 0, hn = 0, wt = 0, ht = 0, wl = 0, hl = 0;
    ASSERT_TRUE(s.maxTextCellSize(2, 1, wn, hn));
    ASSERT_TRUE(s.maxTextCellSize(3, 1, wt, ht));
    ASSERT_TRUE(s.maxTextCellSize(2, 2, wl, hl));
    EXPECT_EQ(wn, wt);
    EXPECT_EQ(wl, wt);
    EXPECT_GT(hl, ht);
}

TEST(SheetLayout, ActiveCellSelectionAndEditing) {
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(4);
    int col = -1, row = -1;
    EXPECT_FALSE(s.activeCell(col, row));
    ASSERT_TRUE(s.setActiveCell(2, 3));
    ASSERT_TRUE(s.activeCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(s.setActiveCell(5, 1));
    CellRange block;
    EXPECT_FALSE(s.selectBlock(block));
    ASSERT_TRUE(s.setSelectBlock({3, 4, 1, 2})); // corners in any order
    ASSERT_TRUE(s.selectBlock(block));
    EXPECT_EQ(block, (CellRange{1, 2, 3, 4}));
    EXPECT_FALSE(s.setSelectBlock({1, 1, 5, 1}));
    int start = -1, end = -1;
    EXPECT_FALSE(s.editSelection(start, end));
    EXPECT_FALSE(s.setEditSelection(1, 2));
    s.setEditMode(true);
    ASSERT_TRUE(s.setEditSelection(1, 4));
    ASSERT_TRUE(s.editSelection(start, end));
    EXPECT_EQ(end, 4);
    EXPECT_FALSE(s.setEditSelection(3, 2));
}

TEST(SheetLayout, PropertiesAndReferenceStyle) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    EXPECT_TRUE(s.boolProperty(kBoolAutoCalc));
    EXPECT_TRUE(s.setBoolProperty(33, true));
    EXPECT_TRUE(s.boolProperty(33));
    EXPECT_FALSE(s.setBoolProperty(kBoolCount, true));
    EXPECT_FALSE(s.boolProperty(-1));
    s.setData(1, 1, L"2");
    s.setFormula(2, 2, L"A1*2");
    s.setRefStyle(RefStyle::R1C1);
    EXPECT_EQ(s.formula(2, 2), L"R[-1]C[-1]*2");
    ASSERT_TRUE(s.setFormula(2, 1, L"RC[-1]+1"));
    s.setRefStyle(RefStyle::A1);
    EXPECT_EQ(s.formula(2, 1), L"A1+1");
    EXPECT_EQ(s.valueText(2, 1), L"3");
}
