// The context menu, the popup menu's levels, keys and cell notifications.
#include "grid/dlg_find_replace.h"
#include "grid/dyn_menu.h"
#include "grid_fixture.h"
#include "platform/win/clipboard.h"

namespace gridtest {
namespace {

TEST_F(GridTest, SeparatorsTakeNoPositionInTheContextMenu) {
    grid.addMenuAction(Zrl_Spread::kActionCopy);
    grid.addMenuAction(Zrl_Spread::kActionSeparator);
    grid.addMenuAction(Zrl_Spread::kActionInsertRow);
    fill({{L"r1"}, {L"r2"}});
    grid.setActiveCell(1, 2);
    grid.sheet().setBoolProperty(spread::kBoolChanged, false);

    win::script().queueMenuChoice(32812);
    grid.rightClick({10, 10});
    ASSERT_EQ(win::script().shown().menus.size(), 1u);
    const auto& menu = win::script().shown().menus[0];
    EXPECT_EQ(menu.items, (std::vector<std::wstring>{L"Copy", L"-", L"Insert row"}));
    EXPECT_EQ(menu.chosen, 32812);
    EXPECT_EQ(grid.getMaxRows(), 6);
    EXPECT_TRUE(text(1, 2).isEmpty());
    EXPECT_EQ(text(1, 3), L"r2");
    EXPECT_TRUE(grid.getBool(spread::kBoolChanged));

    grid.setActiveCell(1, 3);
    win::script().queueMenuChoice(L"Copy");
    grid.rightClick({10, 10});
    EXPECT_EQ(win::getClipboardText().value_or(L"?"), L"r2\r\n");
}

TEST_F(GridTest, MenuPasteLeavesLockedCellsAndRefusesABlockThatDoesNotFit) {
    grid.addMenuAction(Zrl_Spread::kActionPaste);
    fill({{L"a", L"key"}, {L"b", L"c"}});
    grid.setLock(2, 1, true);
    win::setClipboardText(L"x\ty\r\nz\tw\r\n");
    grid.setActiveCell(1, 1);
    win::script().queueMenuChoice(L"Paste");
    grid.rightClick({10, 10});
    EXPECT_EQ(text(1, 1), L"x");
    EXPECT_EQ(text(2, 1), L"key");
    EXPECT_EQ(text(1, 2), L"z");
    EXPECT_EQ(text(2, 2), L"w");

    // Four columns: two from column 4 do not fit, and nothing is written.
    grid.setActiveCell(4, 1);
    EXPECT_FALSE(grid.pasteFromClipboard());
    EXPECT_TRUE(text(4, 1).isEmpty());
}

TEST_F(GridTest, NoActionsNoMenuAndUnknownCodesAreNotTaken) {
    grid.rightClick({10, 10});
    EXPECT_TRUE(win::script().shown().menus.empty());
    grid.addMenuAction(42);
    EXPECT_TRUE(grid.menuActions().isEmpty());
}

TEST(DynMenu, LevelsBecomeSubmenusAndPositionsSkipTitles) {
    dynMenu menu;
    menu.addEntry(1, L"A");
    menu.addEntry(2, L"A1");
    menu.addEntry(3, L"A1x");
    menu.addEntry(2, L"A2");
    menu.addSeparator();
    menu.addEntry(5, L"B"); // deeper than allowed: one below the separator's level
    const win::Menu built = menu.build();
    EXPECT_EQ(win::menuTexts(built),
              (std::vector<std::wstring>{L"A", L"A > A1", L"A > A1 > A1x", L"A > A2", L"-", L"B"}));
    EXPECT_NE(built.findItem(32811), nullptr);
    EXPECT_EQ(built.findItem(32811)->text, L"A1x");
    EXPECT_EQ(built.findItem(32816)->text, L"B");
    EXPECT_EQ(dynMenu::positionOf(32800), 5);
    // Positions past the first ten take further identifiers, both ways.
    EXPECT_EQ(dynMenu::commandId(10), dynMenu::kFurtherIdBase);
    EXPECT_EQ(dynMenu::positionOf(dynMenu::commandId(10)), 10);
    EXPECT_EQ(dynMenu::commandId(dynMenu::kMaxPositions), 0);
    EXPECT_EQ(dynMenu::positionOf(dynMenu::kFurtherIdBase - 1), -1);
}

TEST_F(GridTest, CheckLockColumnsFollowTheClickRule) {
    grid.setCheckBoxType(1, 1, 1, 5);
    ASSERT_NE(grid.checkBoxPicture(true), nullptr); // the module's pictures
    EXPECT_FALSE(grid.checkBoxPicture(true)->isNull());
    grid.setColumnBools(1, AcArray<bool>{true, false, true, false, true});
    EXPECT_FALSE(grid.setCheckLockColumns(1, 5));
    EXPECT_EQ(std::make_pair(grid.checkColumn(), grid.lockedColumn()), std::make_pair(-1, -1));
    EXPECT_FALSE(grid.setCheckLockColumns(0, 2));

    ASSERT_TRUE(grid.setCheckLockColumns(1, 2));
    EXPECT_FALSE(grid.isLocked(2, 1));
    EXPECT_TRUE(grid.isLocked(2, 2));

    // A click on the check box toggles it and re-applies the rule.
    ASSERT_TRUE(grid.clickCell(1, 1));
    EXPECT_EQ(text(1, 1), L"0");
    EXPECT_TRUE(grid.isLocked(2, 1));
    grid.clickCell(1, 2);
    EXPECT_FALSE(grid.isLocked(2, 2));
    int col = 0, row = 0;
    grid.getActiveCell(col, row);
    EXPECT_EQ(row, 2);

    // Checking all through the selection unlocks every row.
    grid.setSelection(1, 1, 1, 5);
    grid.setCheckRange(true);
    EXPECT_EQ(text(1, 4), L"1");
    EXPECT_FALSE(grid.isLocked(2, 4));
}

TEST_F(GridTest, FocusTestRecognisesGrids) {
    ASSERT_TRUE(grid.setFocus());
    EXPECT_TRUE(Zrl_Spread::gridHasFocus());
    dlg.setFocus();
    EXPECT_FALSE(Zrl_Spread::gridHasFocus());
}

TEST_F(GridTest, F8SwitchesEditingAndF3OpensTheFindDialog) {
    grid.setLook(1);
    ASSERT_TRUE(grid.setFocus());
    dlg.pressKey(win::VK_F8);
    EXPECT_FALSE(grid.getBool(13));
    grid.setF8ToggleAllowed(false);
    dlg.pressKey(win::VK_F8);
    EXPECT_FALSE(grid.getBool(13));

    fill({{L"bolt"}, {L"", L"a bolt"}});
    grid.setActiveCell(1, 1);
    dlg.pressKey(win::VK_F3);
    CDlgFindReplace* find = grid.findDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    EXPECT_TRUE(grid.getBool(13)); // on while the dialog is open
    find->setFindWhat(L"BOLT");
    ASSERT_TRUE(grid.setFocus());
    dlg.pressKey(win::VK_F3);
    int col = 0, row = 0, start = 0, end = 0;
    grid.getActiveCell(col, row);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(2, 2));
    ASSERT_TRUE(grid.getEditSelection(start, end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(2, 6));
    find->close();
    EXPECT_FALSE(grid.getBool(13)); // back as it was before the dialog
}

} // namespace
} // namespace gridtest
