// The block index of the dependency graph against a plain scan, and blocks
// that follow their cells through many formulas.
#include "platform/spread/dependency_graph.h"
#include "platform/spread/sheet.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace spread;

TEST(SheetDependency, BlockIndexFindsExactlyTheBlocksHoldingACell) {
    RangeIndex index;
    std::vector<CellRange> blocks;
    std::vector<uint32_t> entries;
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> coord(1, 200);
    // Enough blocks that most sit in the sorted part and some are recent;
    // every fifth removed again.
    for (uint32_t n = 0; n < 500; ++n) {
        int c1 = coord(rng), c2 = coord(rng), r1 = coord(rng), r2 = coord(rng);
        CellRange b{std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
        // Narrow blocks are filed per column, wide ones apart: mix in single
        // columns, whole columns and whole rows.
        if (n % 7 == 1) b.col2 = b.col1;
        if (n % 11 == 2) b = {b.col1, 1, b.col1, 1048576};
        if (n % 13 == 3) b = {1, b.row1, 16384, b.row1};
        if (n % 17 == 4) b.col1 = 5, b.col2 = 40; // one span of many blocks
        blocks.push_back(b);
        entries.push_back(index.add(b, n));
    }
    for (uint32_t n = 0; n < 500; n += 5)
        index.remove(entries[n]);
    for (int probe = 0; probe < 2000; ++probe) {
        int col = coord(rng), row = coord(rng);
        std::vector<uint32_t> found, expected;
        index.stab(col, row, [&](uint32_t n) { found.push_back(n); });
        for (uint32_t n = 0; n < 500; ++n)
            if (n % 5 != 0 && blocks[n].contains(col, row)) expected.push_back(n);
        std::sort(found.begin(), found.end());
        ASSERT_EQ(found, expected) << col << "," << row;
    }
}

TEST(SheetDependency, ManyBlockFormulasFollowTheirCells) {
    // 300 running totals over growing blocks: each change must reach exactly
    // the totals whose block holds the changed cell.
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(300);
    for (int row = 1; row <= 300; ++row) {
        s.setData(1, row, L"1");
        s.setFormula(2, row, L"SUM(A1:A" + std::to_wstring(row) + L")");
    }
    EXPECT_EQ(s.valueText(2, 300), L"300");
    s.setData(1, 150, L"101");
    EXPECT_EQ(s.valueText(2, 149), L"149");
    EXPECT_EQ(s.valueText(2, 150), L"250");
    EXPECT_EQ(s.valueText(2, 300), L"400");
    // Replacing formulas leaves no stale block behind.
    for (int row = 1; row <= 300; ++row)
        s.setFormula(2, row, L"A" + std::to_wstring(row) + L"*2");
    s.setData(1, 1, L"5");
    EXPECT_EQ(s.valueText(2, 1), L"10");
    EXPECT_EQ(s.valueText(2, 300), L"2");
}

TEST(SheetDependency, ShrinkingTheSheetRecomputesReaders) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(5);
    s.setData(1, 5, L"9");
    s.setFormula(2, 1, L"A5+1");
    EXPECT_EQ(s.valueText(2, 1), L"10");
    ASSERT_TRUE(s.setMaxRows(4));
    EXPECT_EQ(s.valueText(2, 1), L"1");
    ASSERT_TRUE(s.setMaxRows(5));
    s.setData(1, 5, L"2"); // the reference still reaches the regrown cell
    EXPECT_EQ(s.valueText(2, 1), L"3");
}

// A block that moves to other columns or rows by an insertion is found
// where it went, and grows when lines are inserted inside it.
TEST(SheetDependency, BlocksMovedByInsertionsStillReachTheirReaders) {
    for (bool rows : {true, false}) {
        Sheet s;
        s.setMaxCols(8);
        s.setMaxRows(8);
        auto put = [&](int along, int across, const std::wstring& text) {
            rows ? s.setData(across, along, text) : s.setData(along, across, text);
        };
        for (int i = 1; i <= 3; ++i)
            put(i, 1, L"1");
        rows ? s.setFormula(3, 6, L"SUM(A1:A3)") : s.setFormula(6, 3, L"SUM(A1:C1)");
        ASSERT_TRUE(rows ? s.insertCols(1, 2) && s.insertRows(2) : s.insertRows(1, 2) && s.insertCols(2));
        // Now in C1:C4 (or A3:D3), read from E7 (or G5).
        auto total = [&] { return rows ? s.valueText(5, 7) : s.valueText(7, 5); };
        EXPECT_EQ(total(), L"3") << rows;
        put(2, 3, L"10"); // the inserted line, inside the block
        EXPECT_EQ(total(), L"13") << rows;
        put(4, 3, L"5");
        EXPECT_EQ(total(), L"17") << rows;
        put(5, 3, L"100"); // just past the block
        EXPECT_EQ(total(), L"17") << rows;
    }
}
