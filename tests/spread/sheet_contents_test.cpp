// Cell contents of a sheet: data and value texts by cell type, formulas,
// headers, tags and the bounds of the logical size.
#include "platform/spread/sheet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace spread;

namespace {

Sheet sized(int cols, int rows) {
    Sheet s;
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    return s;
}

} // namespace

TEST(SheetContents, GeneralCellsReadTypedInputLikeASpreadsheet) {
    Sheet s = sized(3, 3);
    ASSERT_TRUE(s.setData(1, 1, L"1.50"));
    EXPECT_EQ(s.value(1, 1), Value(1.5));
    EXPECT_EQ(s.data(1, 1), L"1.50"); // shown as typed
    EXPECT_EQ(s.valueText(1, 1), L"1.5");
    ASSERT_TRUE(s.setData(1, 2, L"50%"));
    EXPECT_EQ(s.valueText(1, 2), L"0.5");
    ASSERT_TRUE(s.setData(1, 3, L"12 mm"));
    EXPECT_EQ(s.value(1, 3), Value(L"12 mm"));
    // "=" starts a formula; one that does not parse is refused and the cell
    // keeps what it had.
    ASSERT_TRUE(s.setData(2, 1, L"=A1*2"));
    EXPECT_EQ(s.formula(2, 1), L"A1*2");
    EXPECT_EQ(s.valueText(2, 1), L"3");
    EXPECT_FALSE(s.setData(2, 1, L"=A1*("));
    EXPECT_EQ(s.formula(2, 1), L"A1*2");
    EXPECT_FALSE(s.setFormula(2, 2, L"1+"));
    EXPECT_FALSE(s.hasFormula(2, 2));
    // Writing data over a formula replaces it.
    ASSERT_TRUE(s.setData(2, 1, L"7"));
    EXPECT_FALSE(s.hasFormula(2, 1));
    EXPECT_EQ(s.valueText(2, 1), L"7");
}

TEST(SheetContents, NumberCellsRoundAndKeepToTheirRange) {
    Sheet s = sized(2, 2);
    ASSERT_TRUE(s.setCellType(1, 1, CellType::number(2, true, -1000000, 1000000)));
    EXPECT_EQ(s.cellTypeCode(1, 1), 14);
    ASSERT_TRUE(s.setData(1, 1, L"1234.567"));
    EXPECT_EQ(s.data(1, 1), L"1,234.57");
    EXPECT_EQ(s.valueText(1, 1), L"1234.57");
    EXPECT_FALSE(s.setData(1, 1, L"2000000")); // out of range: unchanged
    EXPECT_FALSE(s.setData(1, 1, L"abc"));
    EXPECT_EQ(s.valueText(1, 1), L"1234.57");
    // A value is taken as given and shown with the decimals.
    ASSERT_TRUE(s.setValue(1, 1, L"0.125"));
    EXPECT_EQ(s.valueText(1, 1), L"0.125");
    EXPECT_EQ(s.data(1, 1), L"0.13");
    ASSERT_TRUE(s.setCellType(2, 1, CellType::integer()));
    EXPECT_EQ(s.cellTypeCode(2, 1), 10);
    ASSERT_TRUE(s.setData(2, 1, L"-2.6"));
    EXPECT_EQ(s.data(2, 1), L"-3");
}

TEST(SheetContents, CheckBoxEditAndOtherTypes) {
    Sheet s = sized(3, 2);
    ASSERT_TRUE(s.setCellType(1, 1, CellType::checkBox()));
    EXPECT_EQ(s.cellTypeCode(1, 1), 12);
    ASSERT_TRUE(s.setData(1, 1, L"1"));
    EXPECT_TRUE(s.value(1, 1).isLogical());
    EXPECT_EQ(s.valueText(1, 1), L"1");
    ASSERT_TRUE(s.setData(1, 1, L"yes")); // neither set nor cleared
    EXPECT_EQ(s.valueText(1, 1), L"yes");
    ASSERT_TRUE(s.setCellType(2, 1, CellType::edit(0x110000, 4)));
    ASSERT_TRUE(s.setData(2, 1, L"abcdefg"));
    EXPECT_EQ(s.data(2, 1), L"abcd");
    ASSERT_TRUE(s.setCellType(3, 1, CellType::comboBox({L"a", L"b"})));
    EXPECT_EQ(s.cellTypeCode(3, 1), 8);
    ASSERT_TRUE(s.setData(3, 1, L"12"));
    EXPECT_EQ(s.value(3, 1), Value(L"12"));
    // A formula with a logical result reads "1" or "0".
    ASSERT_TRUE(s.setFormula(1, 2, L"2>1"));
    EXPECT_EQ(s.valueText(1, 2), L"1");
}

TEST(SheetContents, ValuesFromTextAndErrors) {
    Sheet s = sized(2, 2);
    ASSERT_TRUE(s.setValue(1, 1, L"1e3"));
    EXPECT_EQ(s.value(1, 1), Value(1000.0));
    ASSERT_TRUE(s.setValue(1, 2, L"#DIV/0!"));
    EXPECT_TRUE(s.value(1, 2).isError());
    ASSERT_TRUE(s.setFormula(2, 1, L"1/0"));
    EXPECT_EQ(s.valueText(2, 1), L"#DIV/0!");
    double x = -1;
    EXPECT_FALSE(s.number(2, 1, x));
    EXPECT_EQ(x, 0);
    EXPECT_TRUE(s.number(1, 1, x));
    EXPECT_EQ(x, 1000);
}

TEST(SheetContents, BoundsAndHeaders) {
    Sheet s = sized(2, 2);
    EXPECT_FALSE(s.setData(3, 1, L"x"));
    EXPECT_FALSE(s.setData(1, 3, L"x"));
    EXPECT_EQ(s.data(3, 1), L"");
    EXPECT_FALSE(s.setData(-1, 1, L"x"));
    // The header row and column, by 0 and by kHeader alike.
    ASSERT_TRUE(s.setData(kHeader, 1, L"Row one"));
    EXPECT_EQ(s.data(0, 1), L"Row one");
    ASSERT_TRUE(s.setData(1, 0, L"=not a formula"));
    EXPECT_EQ(s.data(1, kHeader), L"=not a formula");
    EXPECT_FALSE(s.setFormula(1, 0, L"1+1"));
    ASSERT_TRUE(s.setTag(kHeader, kHeader, L"corner¤2¤5¤"));
    EXPECT_EQ(s.tag(0, 0), L"corner¤2¤5¤");
    // Shrinking drops what lies beyond; growing again finds empty cells.
    ASSERT_TRUE(s.setData(2, 2, L"5"));
    ASSERT_TRUE(s.setMaxRows(1));
    ASSERT_TRUE(s.setMaxRows(2));
    EXPECT_EQ(s.data(2, 2), L"");
    EXPECT_FALSE(s.setMaxCols(kMaxSheetCols + 1));
}

TEST(SheetContents, ChangedFlagAndAttributes) {
    Sheet s = sized(3, 3);
    EXPECT_FALSE(s.boolProperty(kBoolChanged));
    s.setData(1, 1, L"x");
    EXPECT_TRUE(s.boolProperty(kBoolChanged));
    ASSERT_TRUE(s.setLockRange(1, 1, 3, 1, true));
    EXPECT_TRUE(s.isLocked(3, 1));
    EXPECT_FALSE(s.isLocked(1, 2));
    EXPECT_TRUE(s.addSpan(1, 2, 2, 2));
    EXPECT_FALSE(s.addSpan(2, 3, 2, 1)); // overlaps
    CellRange sp;
    ASSERT_TRUE(s.span(2, 3, sp));
    EXPECT_EQ(sp, (CellRange{1, 2, 2, 3}));
    EXPECT_TRUE(s.removeSpan(1, 2));
    EXPECT_FALSE(s.span(2, 3, sp));
}

// A writer's walk over a block: every position row by row, empty cells
// included, each with its value, look and formula; the block is cut to the
// sheet.
TEST(SheetContents, ForEachCellWalksTheBlockRowByRow) {
    Sheet s = sized(3, 2);
    ASSERT_TRUE(s.setData(1, 1, L"2"));
    ASSERT_TRUE(s.setFormula(3, 1, L"A1*3"));
    ASSERT_TRUE(s.setData(2, 2, L"text"));
    ASSERT_TRUE(s.setColor(2, 2, 0x0000FF, kDefaultColor));
    ASSERT_TRUE(s.setData(0, 1, L"row"));
    struct Seen {
        int col, row;
        std::wstring value, formula;
        bool styled;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    s.forEachCell(CellRange{0, 1, 9, 9}, [&](const CellView& cell) {
        seen.push_back({cell.col(), cell.row(), cell.value().toText(), cell.formula(),
                        cell.style() != nullptr});
        EXPECT_EQ(cell.hasFormula(), !cell.formula().empty());
    });
    const std::vector<Seen> expected = {
        {0, 1, L"row", L"", false},   {1, 1, L"2", L"", false}, {2, 1, L"", L"", false},
        {3, 1, L"6", L"A1*3", false}, {0, 2, L"", L"", false},  {1, 2, L"", L"", false},
        {2, 2, L"text", L"", true},   {3, 2, L"", L"", false},
    };
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(seen.size(), expected.size());
    s.forEachCell(CellRange{2, 2, 2, 2}, [&](const CellView& cell) {
        ASSERT_NE(cell.style(), nullptr);
        EXPECT_EQ(cell.style()->back, 0x0000FFu);
    });
}
