// The find-and-replace dialog driven as a user would.
#include "grid/dlg_find_replace.h"
#include "grid_fixture.h"

namespace gridtest {
namespace {

class FindReplaceTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        find = grid.findDialog();
        ASSERT_NE(find, nullptr);
    }
    const std::vector<win::MessageBoxRecord>& boxes() { return win::script().shown().messageBoxes; }
    CDlgFindReplace* find = nullptr;
};

TEST_F(FindReplaceTest, ReplaceAllCountsChangedCellsOnce) {
    fill({{L"nut nut", L"bolt"}, {L"", L"Nut"}, {L"washer"}});
    grid.setFormula(3, 3, L"=\"nut\"");
    grid.setCellData(4, 4, L"nut");
    grid.setLock(4, 4, true);
    find->setFindWhat(L"nut");
    find->setReplaceWith(L"screw");
    ASSERT_TRUE(find->click(CDlgFindReplace::IDC_REPLACE_ALL));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, L"Replaced the text in 2 cells.");
    EXPECT_EQ(text(1, 1), L"screw screw");
    EXPECT_EQ(text(2, 2), L"screw");
    // A formula and a locked cell keep what they hold.
    EXPECT_EQ(text(3, 3, Zrl_Spread::kFormula), L"\"nut\"");
    EXPECT_EQ(text(4, 4), L"nut");

    EXPECT_EQ(find->replaceAll(), 0);
    EXPECT_EQ(boxes().back().text, L"Replaced the text in 0 cells.");
}

TEST_F(FindReplaceTest, FindNextWithoutHitAsksThenReportsNotFound) {
    fill({{L"alpha"}});
    find->setFindWhat(L"zeta");
    win::script().queueMessageBoxAnswer(win::IDYES);
    EXPECT_FALSE(find->findNext(true));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].caption, L"Find");
    EXPECT_EQ(boxes()[0].style & win::MB_TYPEMASK, win::MB_YESNO);
    EXPECT_EQ(boxes()[1].text, L"The text was not found.");

    // Answering no ends the search quietly.
    win::script().queueMessageBoxAnswer(win::IDNO);
    EXPECT_FALSE(find->findNext(true));
    EXPECT_EQ(boxes().size(), 3u);
}

TEST_F(FindReplaceTest, WrapsToTheFirstCellAndWalksOccurrencesInACell) {
    fill({{L"ab ab"}, {L"x"}});
    grid.setActiveCell(1, 2);
    find->setFindWhat(L"AB");
    win::script().queueMessageBoxAnswer(win::IDYES);
    ASSERT_TRUE(find->findNext(true));
    int start = 0, end = 0;
    ASSERT_TRUE(grid.getEditSelection(start, end));
    EXPECT_EQ(start, 0);
    ASSERT_TRUE(find->findNext(true)); // the second occurrence in the same cell
    grid.getEditSelection(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(3, 5));
}

TEST_F(FindReplaceTest, ReplaceChangesTheNextOccurrenceOnly) {
    fill({{L"M12 M12"}});
    find->setFindWhat(L"m12");
    find->setReplaceWith(L"M16");
    grid.setActiveCell(4, 5);
    win::script().queueMessageBoxAnswer(win::IDYES);
    ASSERT_TRUE(find->replace(true));
    EXPECT_EQ(text(1, 1), L"M16 M12");
    EXPECT_TRUE(grid.getEditMode());
}

TEST_F(FindReplaceTest, KeepsTheGridsEditOption) {
    EXPECT_TRUE(grid.getBool(13));
    EXPECT_FALSE(grid.getBool(20));
    find->click(win::IDCANCEL);
    EXPECT_FALSE(find->isCreated());
    EXPECT_FALSE(grid.getBool(13));

    grid.setBool(13, true);
    ASSERT_NE(grid.findDialog(), nullptr);
    find->close();
    EXPECT_TRUE(grid.getBool(13)); // it was on before
}

TEST_F(FindReplaceTest, KeepsItsSizeAcrossOpenings) {
    win::Rect r = find->rect();
    r.right = r.left + 517;
    r.bottom = r.top + 203;
    find->setRect(r);
    find->close();
    ASSERT_NE(grid.findDialog(), nullptr);
    EXPECT_EQ(std::make_pair(find->rect().width(), find->rect().height()),
              std::make_pair(517, 203));
}

} // namespace
} // namespace gridtest
