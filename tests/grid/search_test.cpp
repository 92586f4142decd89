// Search in reading order, exact and partial.
#include "grid_fixture.h"

namespace gridtest {
namespace {

TEST_F(GridTest, FindsFurtherRightFirstThenLowerRowsFromColumnOne) {
    fill({{L"x", L"", L"", L""}, {L"Plate", L"", L"", L"plate"}, {L"PLATE", L"", L"", L""}});
    int col = 0, row = 0;
    // From (row, col) the hit as (col, row); column 0 and below count as column 1.
    for (auto [start, hit] : std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>>{
             {{2, 2}, {4, 2}}, {{2, 5}, {1, 3}}, {{2, -4}, {1, 2}}}) {
        SCOPED_TRACE(start.second);
        ASSERT_TRUE(grid.findExact(L"plate", start.first, start.second, col, row));
        EXPECT_EQ(std::make_pair(col, row), hit);
    }
}

TEST_F(GridTest, PartialAndExactDiffer) {
    fill({{L"end plate", L"", L"", L""}});
    grid.setFormula(2, 2, L"=\"base \"&\"PLATE\"");
    int col = 0, row = 0;
    EXPECT_FALSE(grid.findExact(L"plate", 1, 1, col, row));
    ASSERT_TRUE(grid.findPartial(L"plate", 1, 2, col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(2, 2)); // computed values are searched
}

TEST_F(GridTest, StartRowsOutsideTheSheetFindNothing) {
    fill({{L"a"}});
    int col = 0, row = 0;
    EXPECT_FALSE(grid.findExact(L"a", -1, 1, col, row));
    EXPECT_FALSE(grid.findExact(L"a", 6, 1, col, row));
    EXPECT_FALSE(grid.findPartial(L"", 1, 1, col, row));
}

} // namespace
} // namespace gridtest
