// The cell table against a plain map under random inserts and erases, and
// the stability of cell references across growth.
#include "platform/spread/sheet_cells.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace spread;

TEST(SheetCells, BehavesLikeAMapUnderRandomInsertAndErase) {
    CellMap cells;
    std::map<CellKey, double> model;
    std::mt19937 rng(7);
    // Few distinct keys so that probe runs collide and erase shifts them;
    // rows in three far-apart bands, the header row among them, so that
    // pages fill, empty and come back (in the middle band every cell has a
    // page of its own).
    std::uniform_int_distribution<int> pick(0, 3000), op(0, 2);
    for (int step = 0; step < 60000; ++step) {
        int band = pick(rng) % 3;
        CellKey key =
            cellKey(pick(rng) % 60, pick(rng) % 50 * (band == 1 ? 16 : 1) + band * 500000);
        if (op(rng) == 0) {
            cells.erase(key);
            model.erase(key);
        } else {
            cells[key].value = Value(double(step));
            model[key] = step;
        }
    }
    ASSERT_EQ(cells.size(), model.size());
    for (const auto& [key, number] : model) {
        auto it = cells.find(key);
        ASSERT_NE(it, cells.end());
        EXPECT_EQ(it->second.value, Value(number));
    }
    size_t visited = 0;
    for (auto& [key, cell] : cells) {
        ++visited;
        EXPECT_TRUE(model.count(key));
    }
    EXPECT_EQ(visited, model.size());
    EXPECT_EQ(cells.find(cellKey(999, 999)), cells.end());

    // A page that empties goes; a cell of it made again must not land in
    // the page given up, which the next new page takes.
    CellMap few;
    few[cellKey(9, 9)].value = Value(9);
    few[cellKey(1, 1)].value = Value(1);
    few.erase(cellKey(1, 1));
    few[cellKey(1, 2)].value = Value(2);
    few[cellKey(5, 100)].value = Value(3);
    ASSERT_NE(few.find(cellKey(1, 2)), few.end());
    EXPECT_EQ(few.find(cellKey(1, 2))->second.value, Value(2));
    EXPECT_EQ(few.find(cellKey(5, 100))->second.value, Value(3));
}

TEST(SheetCells, ReferencesSurviveGrowthAndErasingWhileIterating) {
    CellMap cells;
    Cell& first = cells[cellKey(1, 1)];
    first.value = Value(L"kept");
    for (int row = 2; row < 20000; ++row)
        cells[cellKey(1, row)].value = Value(row);
    EXPECT_EQ(first.value, Value(L"kept"));
    for (auto it = cells.begin(); it != cells.end();) {
        if (keyRow(it->first) % 2 == 0)
            it = cells.erase(it);
        else
            ++it;
    }
    EXPECT_EQ(cells.size(), 10000u);
    EXPECT_EQ(cells.find(cellKey(1, 19999))->second.value, Value(19999));
    EXPECT_EQ(cells.find(cellKey(1, 2)), cells.end());
}
