// Typed cell access: bounds, kinds of text, numbers and list transfers.
#include "grid_fixture.h"

namespace gridtest {
namespace {

TEST_F(GridTest, ReadsBeyondTheSheetFailEmptyCellsInsideSucceed) {
    grid.setCellData(4, 5, L"corner");
    // Every read starts from a stale text: (col, row, kind, found, text).
    const std::tuple<int, int, int, bool, const wchar_t*> reads[] = {
        {5, 1, Zrl_Spread::kText, false, L""},
        {1, 6, Zrl_Spread::kValue, false, L""},
        {2, 2, Zrl_Spread::kText, true, L""},
        {4, 5, Zrl_Spread::kText, true, L"corner"}};
    for (auto [col, row, kind, found, expected] : reads) {
        Zrl_String t = L"stale";
        EXPECT_EQ(grid.getCellText(col, row, t, kind), found) << col << "," << row;
        EXPECT_EQ(t, expected) << col << "," << row;
    }
    // Writes beyond the sheet change nothing.
    EXPECT_FALSE(grid.setCellData(5, 1, L"x"));
    EXPECT_EQ(grid.getMaxCols(), 4);
}

TEST_F(GridTest, TextKindsFormulaTagAndValue) {
    grid.setCellData(1, 1, L"2");
    ASSERT_TRUE(grid.setFormula(2, 1, L"=A1*3"));
    grid.setCellTag(2, 1, L"note");
    EXPECT_EQ(text(2, 1, Zrl_Spread::kFormula), L"A1*3");
    EXPECT_EQ(text(2, 1, Zrl_Spread::kTag), L"note");
    EXPECT_EQ(text(2, 1, Zrl_Spread::kValue), L"6");
    EXPECT_FALSE(grid.setFormula(3, 1, L"=(("));
}

TEST_F(GridTest, DoublesKeepExactlyTwoDecimals) {
    ASSERT_TRUE(grid.setCellDouble(1, 1, 3.14159));
    EXPECT_EQ(text(1, 1, Zrl_Spread::kText), L"3.14");
    double v = 0;
    ASSERT_TRUE(grid.getCellDouble(1, 1, v));
    EXPECT_DOUBLE_EQ(v, 3.14);
    grid.setCellDouble(1, 2, 2.0);
    EXPECT_EQ(text(1, 2, Zrl_Spread::kText), L"2.00");
    grid.setCellData(1, 3, L"abc");
    EXPECT_TRUE(grid.getCellDouble(1, 3, v));
    EXPECT_EQ(v, 0.0);
    EXPECT_FALSE(grid.getCellDouble(9, 1, v));
}

TEST_F(GridTest, ColumnAndRowTransfersStopAtTheSheetsEdge) {
    Zrl_StringArray seven = {L"a", L"b", L"c", L"d", L"e", L"f", L"g"};
    ASSERT_TRUE(grid.setColumnTexts(2, seven));
    Zrl_StringArray back;
    ASSERT_TRUE(grid.getColumnTexts(2, back));
    EXPECT_EQ(back.length(), 5);
    EXPECT_EQ(back[4], L"e");
    EXPECT_FALSE(grid.setColumnTexts(5, seven));
    EXPECT_FALSE(grid.getColumnTexts(5, back));
    EXPECT_TRUE(back.isEmpty());

    ASSERT_TRUE(grid.setRowTexts(1, seven, true));
    grid.getRowValues(1, back);
    EXPECT_EQ(back.length(), 4);
    EXPECT_EQ(back[3], L"d");

    Zrl_Array<Zrl_StringArray> rows;
    ASSERT_TRUE(grid.getAllRows(rows));
    ASSERT_EQ(rows.length(), 5);
    EXPECT_EQ(rows[2][1], L"c");
}

TEST_F(GridTest, TypedColumnsRoundTrip) {
    AcArray<int> ints = {7, -3};
    AcArray<double> doubles = {1.005, 2.5, 9.0, 1.0, 2.0, 3.0};
    AcArray<bool> bools = {true, false, true};
    ASSERT_TRUE(grid.setColumnInts(1, ints));
    ASSERT_TRUE(grid.setColumnDoubles(2, doubles));
    ASSERT_TRUE(grid.setColumnBools(3, bools));
    grid.setCellData(3, 4, L"yes");
    EXPECT_EQ(text(2, 2, Zrl_Spread::kText), L"2.50");

    AcArray<int> i2;
    AcArray<double> d2;
    AcArray<bool> b2;
    ASSERT_TRUE(grid.getColumnInts(1, i2));
    ASSERT_TRUE(grid.getColumnDoubles(2, d2));
    ASSERT_TRUE(grid.getColumnBools(3, b2));
    EXPECT_EQ(i2, AcArray<int>({7, -3, 0, 0, 0}));
    ASSERT_EQ(d2.length(), 5); // the sixth double had no row
    EXPECT_DOUBLE_EQ(d2[0], 1.01);
    EXPECT_EQ(b2, AcArray<bool>({true, false, true, false, false})); // "yes" counts as not set
    EXPECT_FALSE(grid.getColumnInts(6, i2));
}

TEST(GridWithoutWindow, RefusesEverythingAndReportsNoSize) {
    Zrl_Spread grid;
    Zrl_String t;
    EXPECT_EQ(std::make_pair(grid.getMaxRows(), grid.getMaxCols()), std::make_pair(-1, -1));
    EXPECT_FALSE(grid.setMaxRows(3));
    EXPECT_FALSE(grid.getCellText(1, 1, t));
    EXPECT_FALSE(grid.setCellData(1, 1, L"x"));
    EXPECT_FALSE(grid.setLook(1));
    EXPECT_FALSE(grid.insertRow(1));
    int c = 0, r = 0;
    EXPECT_FALSE(grid.findExact(L"x", 1, 1, c, r));
}

TEST(GridWithoutWindow, HiddenGridComputesAndLoadsFiles) {
    win::script().reset();
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createHidden());
    EXPECT_FALSE(grid.isVisible());
    grid.setMaxCols(2);
    grid.setMaxRows(2);
    ASSERT_TRUE(grid.registerFunction(
        L"twice", 1, 1,
        [](spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int) {
            result.status = spread::kCalcValue;
            result.type = spread::kCalcDouble;
            result.v.d = 2 * args[0].v.d;
            return true;
        }));
    grid.setCellData(1, 1, L"21");
    ASSERT_TRUE(grid.setFormula(2, 1, L"TWICE(A1)"));
    Zrl_String t;
    grid.getCellText(2, 1, t, Zrl_Spread::kValue);
    EXPECT_EQ(t, L"42");

    const std::string dir = ::testing::TempDir();
    const Zrl_String path = Zrl_String::fromUtf8(dir + "wrapper_hidden.vks");
    ASSERT_TRUE(grid.saveSheet(path));
    Zrl_Spread other;
    ASSERT_TRUE(other.createHidden());
    ASSERT_TRUE(other.loadSheet(path));
    other.getCellText(1, 1, t);
    EXPECT_EQ(t, L"21");
    // A failed load leaves the sheet as it was.
    Zrl_String error;
    EXPECT_FALSE(other.loadSheet(path + L".missing", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(other.getMaxRows(), 2);
}

} // namespace
} // namespace gridtest
