// Zrl_ProfValuesTable to a sheet and back.
#include "grid/grid_fixture.h"
#include "sections_fixture.h"

using namespace sectest;

class ProfValuesSheet : public gridtest::GridTest {};

TEST_F(ProfValuesSheet, RoundTripThroughTheSheet) {
    const Zrl_ProfValuesTable t = heaTable();
    grid.setBool(GridProperty::Changed, true);
    ASSERT_TRUE(t.setToSS(&grid));
    EXPECT_EQ(grid.getMaxRows(), 3);
    EXPECT_EQ(grid.getMaxCols(), 8);
    EXPECT_FALSE(grid.getBool(GridProperty::Changed));
    EXPECT_EQ(grid.getCellType(2, 3), 12); // the flag as a check box
    EXPECT_EQ(text(Zrl_Spread::kHeader, 2), L"HEA");
    EXPECT_EQ(text(7, Zrl_Spread::kHeader), L"Height h");

    Zrl_ProfValuesTable back;
    back.picture = L"5";
    ASSERT_TRUE(back.getFromSS(&grid));
    EXPECT_EQ(back.tableName, L"HEA");
    EXPECT_EQ(back.picture, L"5");
    EXPECT_EQ(back.headers, t.headers);
    ASSERT_EQ(back.rows.length(), 3);
    EXPECT_EQ(back.rows[0], t.rows[0]);
    EXPECT_EQ(back.rows[1], t.rows[1]);
    // An empty flag shows as a cleared check box.
    EXPECT_NE(back.rows[2][1], L"1");
    EXPECT_EQ(back.rows[2][0], L"140");
}

TEST_F(ProfValuesSheet, AnEmptyTableEmptiesTheSheet) {
    Zrl_ProfValuesTable t = heaTable();
    t.rows.removeAll();
    EXPECT_FALSE(t.setToSS(&grid));
    EXPECT_EQ(grid.getMaxRows(), 0);
    EXPECT_EQ(grid.getMaxCols(), 0);
    Zrl_ProfValuesTable back = heaTable();
    EXPECT_FALSE(back.getFromSS(&grid));
    EXPECT_EQ(back.rows.length(), 3);
    EXPECT_FALSE(back.getFromSS(nullptr));
    EXPECT_FALSE(heaTable().setToSS(nullptr));
}
