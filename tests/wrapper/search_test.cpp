// Search in reading order, exact and partial.
#include "wrapper_fixture.h"

namespace wrappertest {
namespace {

TEST_F(GridTest, FindsFurtherRightFirstThenLowerRowsFromColumnOne) {
    fill({{L"x", L"", L"", L""}, {L"Plate", L"", L"", L"plate"}, {L"PLATE", L"", L"", L""}});
    int col = 0, row = 0;
    ASSERT_TRUE(grid.findExact(L"plate", 2, 2, col, row));
    EXPECT_EQ(col, 4);
    EXPECT_EQ(row, 2);
    ASSERT_TRUE(grid.findExact(L"plate", 2, 5, col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 3);
    // Column 0 and below count as column 1.
    ASSERT_TRUE(grid.findExact(L"plate", 2, -4, col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
}

TEST_F(GridTest, PartialAndExactDiffer) {
    fill({{L"end plate", L"", L"", L""}});
    grid.setFormula(2, 2, L"=\"base \"&\"PLATE\"");
    int col = 0, row = 0;
    EXPECT_FALSE(grid.findExact(L"plate", 1, 1, col, row));
    ASSERT_TRUE(grid.findPartial(L"plate", 1, 2, col, row));
    EXPECT_EQ(col, 2); // computed values are searched
    EXPECT_EQ(row, 2);
}

TEST_F(GridTest, StartRowsOutsideTheSheetFindNothing) {
    fill({{L"a"}});
    int col = 0, row = 0;
    EXPECT_FALSE(grid.findExact(L"a", -1, 1, col, row));
    EXPECT_FALSE(grid.findExact(L"a", 6, 1, col, row));
    EXPECT_FALSE(grid.findPartial(L"", 1, 1, col, row));
}

} // namespace
} // namespace wrappertest
