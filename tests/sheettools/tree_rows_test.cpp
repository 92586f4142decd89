// Adding rows, the level columns, expand and collapse.
#include "tree_fixture.h"

namespace treetest {
namespace {

TEST_F(TreeTest, ChildOfASubtreesLastRowGoesAfterItsDeepestDescendant) {
    build({{1, L"A"}, {2, L"A1"}, {3, L"A1a"}, {3, L"A1b"}, {1, L"B"}});
    EXPECT_EQ(tree.addChildRow(2, cells({L"x", L"A1c"})), 5);
    EXPECT_EQ(tree.addChildRow(1, cells({L"x", L"A2"})), 6);
    EXPECT_EQ(names(),
              (std::vector<std::wstring>{L"A", L"A1", L"A1a", L"A1b", L"A1c", L"A2", L"B"}));
    EXPECT_EQ(tree.getLevel(5), 3);
    EXPECT_EQ(tree.getLastDescendant(1), 6);
    EXPECT_EQ(tree.getLastDescendant(2), 5);
    EXPECT_EQ(tree.getParent(5), 2);
    EXPECT_EQ(tree.getParent(7), 0);
    EXPECT_FALSE(tree.hasChildren(5));
    // A row that is no tree row takes no child and changes nothing.
    EXPECT_EQ(tree.addChildRow(8, cells({L"x", L"bad"})), -1);
    EXPECT_EQ(tree.getMaxRows(), 7);
}

TEST_F(TreeTest, DeeperRowsAddLevelColumnsAndShiftTheCallersCells) {
    ASSERT_TRUE(tree.setupTree(2, 2));
    EXPECT_EQ(tree.addTopRow(cells({L"a", L"b", L"c"})), 1);
    EXPECT_EQ(tree.addChildRow(1, cells({L"d", L"e", L"f"})), 2);
    EXPECT_EQ(tree.levelColumns(), 2);
    EXPECT_EQ(tree.addChildRow(2, cells({L"g", L"h", L"i"})), 3);
    EXPECT_EQ(tree.levelColumns(), 3);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(tree.getLevel(row), row);
    // Column 1 stays; the caller's columns 2 and 3 sit in 5 and 6, for the
    // earlier rows too.
    EXPECT_EQ(text(1, 1), L"a");
    EXPECT_EQ(text(6, 1), L"c");
    EXPECT_EQ(text(5, 3), L"h");
    // A row wider than the grid widens it instead of losing cells.
    EXPECT_EQ(tree.addChildRow(2, cells({L"j", L"k", L"l", L"m"})), 4);
    EXPECT_EQ(tree.levelColumns(), 3);
    EXPECT_EQ(text(7, 4), L"m");
}

TEST_F(TreeTest, CollapsingHidesAllDescendantsAndExpandingShowsThemAll) {
    build({{1, L"A"}, {2, L"A1"}, {3, L"A1a"}, {3, L"A1b"}, {2, L"A2"}, {1, L"B"}, {2, L"B1"}});
    ASSERT_TRUE(tree.finishTree());
    ASSERT_TRUE(tree.toggleRow(2));
    ASSERT_TRUE(tree.toggleRow(1));
    EXPECT_EQ(hiddenRows(), (std::vector<int>{2, 3, 4, 5}));
    ASSERT_TRUE(tree.toggleRow(1));
    EXPECT_TRUE(hiddenRows().empty());
    // A1's button agrees with what is shown: its next toggle hides its rows.
    ASSERT_TRUE(tree.toggleRow(2));
    EXPECT_EQ(hiddenRows(), (std::vector<int>{3, 4}));
    EXPECT_FALSE(tree.toggleRow(7));

    // The user: a click toggles only on the row's own expand cell, a double
    // click anywhere on the row; the dialog still hears of each click.
    const size_t heard = dlg.commands.size();
    ASSERT_TRUE(tree.clickCell(2, 2)); // a connector of A1, not its expand cell
    EXPECT_EQ(hiddenRows(), (std::vector<int>{3, 4}));
    ASSERT_TRUE(tree.clickCell(3, 2));
    EXPECT_TRUE(hiddenRows().empty());
    ASSERT_TRUE(tree.clickCell(1, 6, true));
    EXPECT_EQ(hiddenRows(), (std::vector<int>{7}));
    EXPECT_EQ(dlg.commands.size(), heard + 3);

    // A child added under a collapsed row stays hidden.
    EXPECT_EQ(tree.addChildRow(6, cells({L"x", L"B2"})), 8);
    EXPECT_EQ(hiddenRows(), (std::vector<int>{7, 8}));
}

} // namespace
} // namespace treetest
