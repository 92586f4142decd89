// Rows and columns, spans, creation in place and layouts.
#include "grid_fixture.h"
#include "platform/win/paint.h"

#include <cstdlib>

namespace gridtest {
namespace {

TEST_F(GridTest, InsertDeleteAndMoveRowsMarkTheSheetChanged) {
    fill({{L"a"}, {L"b"}, {L"c"}});
    grid.setNumberType(2, 3, 2, 3, 1, false);
    auto changed = [&] { return grid.getBool(spread::kBoolChanged); };
    auto unmark = [&] { grid.setBool(spread::kBoolChanged, false); };

    unmark();
    ASSERT_TRUE(grid.insertRow(3, true, true));
    EXPECT_TRUE(changed());
    EXPECT_EQ(grid.getMaxRows(), 6);
    EXPECT_EQ(grid.getCellType(2, 3), 14); // format of the row below
    EXPECT_EQ(text(1, 4), L"c");
    EXPECT_FALSE(grid.insertRow(8));
    EXPECT_EQ(grid.getMaxRows(), 6);

    unmark();
    ASSERT_TRUE(grid.moveRow(1, 2));
    EXPECT_TRUE(changed());
    EXPECT_EQ(text(1, 1), L"b");
    EXPECT_EQ(text(1, 2), L"a");
    EXPECT_EQ(grid.activeRow(), 2);
    EXPECT_FALSE(grid.moveRow(2, 7));
    ASSERT_TRUE(grid.moveActiveRowUp());
    EXPECT_EQ(text(1, 1), L"a");
    EXPECT_FALSE(grid.moveActiveRowUp()); // row 1 has no row above

    unmark();
    ASSERT_TRUE(grid.deleteRow(1));
    EXPECT_TRUE(changed());
    EXPECT_EQ(grid.getMaxRows(), 5);
    EXPECT_EQ(text(1, 1), L"b");
    EXPECT_FALSE(grid.deleteRow(6));

    unmark();
    ASSERT_TRUE(grid.insertColumn(1));
    EXPECT_EQ(grid.getMaxCols(), 5);
    EXPECT_EQ(text(2, 1), L"b");
    ASSERT_TRUE(grid.deleteColumn(1));
    EXPECT_EQ(text(1, 1), L"b");
    EXPECT_TRUE(changed());
}

// A row after the last one is added as any inserted row: the sheet marked
// changed, the header numbered, references at or below it moved.
TEST_F(GridTest, RowInsertedAfterTheLastOneIsAnEmptyRowMore) {
    fill({{L"a"}, {L"b"}, {L"c"}});
    const int rows = grid.getMaxRows();
    grid.setFormula(2, 1, L"A" + Zrl_String(rows + 1) + L"+1");
    grid.setBool(spread::kBoolChanged, false);
    ASSERT_TRUE(grid.insertRow(rows + 1, true, true));
    EXPECT_TRUE(grid.getBool(spread::kBoolChanged));
    EXPECT_EQ(grid.getMaxRows(), rows + 1);
    EXPECT_EQ(text(1, 3), L"c");
    EXPECT_EQ(text(1, rows + 1), L"");
    EXPECT_EQ(grid.getData(Zrl_Spread::kHeader, rows + 1), std::to_wstring(rows + 1));
    EXPECT_EQ(grid.sheet().formula(2, 1), L"A" + std::to_wstring(rows + 2) + L"+1");
}

TEST_F(GridTest, EqualRunsBecomeSpansTheLastRunToo) {
    fill({{L"M12"}, {L"m12"}, {L""}, {L"M16"}, {L"M16"}});
    grid.addSpan(1, 3, 1, 1);
    ASSERT_TRUE(grid.spanEqualRuns(1));
    spread::CellRange span;
    ASSERT_TRUE(grid.getCellSpan(1, 2, span));
    EXPECT_EQ(span, (spread::CellRange{1, 1, 1, 2}));
    EXPECT_FALSE(grid.getCellSpan(1, 3, span)); // the old span went, empty text ends a run
    ASSERT_TRUE(grid.getCellSpan(1, 5, span));
    EXPECT_EQ(span, (spread::CellRange{1, 4, 1, 5}));
    EXPECT_FALSE(grid.spanEqualRuns(-1));
    EXPECT_FALSE(grid.spanEqualRuns(5));
    ASSERT_TRUE(grid.removeAllSpans());
    EXPECT_TRUE(grid.sheet().spans().empty());
}

TEST_F(GridTest, TakesThePlaceholdersPlaceShiftedUnlessKept) {
    const win::Rect place = win::dialogUnitsToPixels({10, 20, 290, 190});
    // Measured from the dialog's frame corner, then moved 5 left, 20 up.
    EXPECT_EQ(grid.rect(), place.offset(win::kFrameBorder - 5,
                                        win::kFrameBorder + win::kCaptionHeight - 20));
    EXPECT_EQ(grid.id(), kGridId);
    EXPECT_EQ(dlg.item(kGridId), &grid);
    Zrl_Spread second;
    EXPECT_FALSE(second.createInPlaceOf(&dlg, 4711));
    EXPECT_FALSE(second.isCreated());
}

TEST_F(GridTest, EqualWidthsLeaveRoomForTheScrollBar) {
    const int width = grid.clientRect().width();
    grid.setBool(3, false); // no row headers
    auto sum = [&] {
        int total = 0;
        for (int col = 1; col <= 4; ++col)
            total += grid.getColWidthInPixels(col);
        return total;
    };
    grid.setLayout(1);
    EXPECT_EQ(sum(), width);

    grid.setMaxRows(500); // now higher than the window
    grid.setRect(grid.rect());
    grid.applyLayout();
    EXPECT_EQ(sum(), width - 17);

    // Layout 4: column 2 fixed, the others share the rest, also after a resize.
    grid.setLayout(4, 2, 100);
    win::Rect r = grid.rect();
    r.right += 60;
    grid.setRect(r);
    EXPECT_EQ(grid.getColWidthInPixels(2), 100);
    EXPECT_EQ(sum(), width + 60 - 17);
}

TEST_F(GridTest, ShareAndListLayoutsUseTheWholeWidth) {
    grid.setMaxRows(1);
    const int width = grid.usableClientWidth();
    auto w = [&](int col) { return grid.getColWidthInPixels(col); };

    // The last column takes half, the other three share the other half.
    grid.setLayout(3, -1, 50);
    EXPECT_EQ(w(4), width / 2);
    EXPECT_EQ(w(1) + w(2) + w(3), width - width / 2);
    EXPECT_LE(std::abs(w(1) - w(3)), 1);

    // Columns 1 and 3 fixed, the rest shared; unknown columns are ignored.
    grid.setLayout(5, AcArray<int>{1, 3, 99}, AcArray<int>{40, 60, 500});
    EXPECT_EQ(w(1), 40);
    EXPECT_EQ(w(3), 60);
    EXPECT_EQ(w(2) + w(4), width - 100);

    // A layout set before the columns exist shares the width among them
    // once they do (it once left every new column at the default width).
    grid.setMaxCols(0);
    grid.setLayout(3, 1, 40);
    grid.setMaxCols(3);
    EXPECT_EQ(w(1), width * 40 / 100);
    EXPECT_EQ(w(1) + w(2) + w(3), width);
}

} // namespace
} // namespace gridtest
