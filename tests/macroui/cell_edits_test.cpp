// The grid's user edits by name: typing into a cell, choosing an item of a
// combo cell; both refuse what the user could not do.
#include "grid/zrl_spread.h"
#include "macroui_fixture.h"

using macrotest::MacroUiTest;

TEST_F(MacroUiTest, ChoosingInACellTakesOneOfItsItemsOnly) {
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createHidden());
    grid.setMaxCols(2);
    grid.setMaxRows(1);
    ASSERT_TRUE(grid.setComboType(1, 1, 1, 1, macrotest::names({L"8.8", L"10.9"}), false));
    const struct {
        int col, item;
        bool taken;
        const wchar_t* text;
    } cases[] = {
        {1, 1, true, L"10.9"}, {1, 2, false, L"10.9"}, {1, -1, false, L"10.9"},
        {2, 0, false, L""},    {3, 0, false, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(grid.chooseInCell(c.col, 1, c.item), c.taken) << c.col << " " << c.item;
        EXPECT_EQ(grid.getData(c.col == 3 ? 2 : c.col, 1), c.col == 3 ? L"" : c.text);
    }
    EXPECT_TRUE(grid.typeInCell(2, 1, L"free text"));
    EXPECT_FALSE(grid.typeInCell(1, 1, L"not an item"));
    EXPECT_EQ(grid.getData(1, 1), L"10.9");
}
