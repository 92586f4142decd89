// The cell table against a plain map under random inserts and erases, rows
// inserted and removed, and the stability of cell references across growth.
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
    for (auto&& [key, cell] : cells) {
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

// Rows inserted and removed move every cell below by position while the cell
// stays where it is filed: looked up, iterated, copied and removed by row, the
// table must agree with a map whose keys are shifted by hand. Narrow sheets
// find a row's cells column by column, wide ones by walking every cell; the
// header rows' negative numbers never move.
TEST(SheetCells, RowsInsertedAndRemovedAgreeWithAShiftedMap) {
    const struct {
        int cols;
        unsigned seed;
    } cases[] = {{4, 1}, {4, 2}, {3000, 3}};
    const int header = -32767;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.cols);
        CellMap cells;
        std::map<std::pair<int, int>, double> model;
        std::mt19937 rng(k.seed);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        auto rowOf = [&] { return pick(20) == 0 ? header : pick(300); };
        for (int step = 0; step < 20000; ++step) {
            const int op = pick(40);
            if (op == 0 || op == 1) {
                // Rows [at, at + n) in or out; the rest shift.
                const int at = 1 + pick(320), n = 1 + pick(op == 0 ? 3 : 40);
                std::map<std::pair<int, int>, double> next;
                size_t released = 0;
                if (op == 0) {
                    ASSERT_TRUE(cells.insertRows(unsigned(at), unsigned(n)));
                } else {
                    cells.removeRows(unsigned(at), unsigned(n), [&](Cell&) { ++released; });
                }
                size_t dropped = 0;
                for (const auto& [pos, v] : model) {
                    auto [col, row] = pos;
                    if (row >= at) {
                        if (op == 1 && row < at + n) {
                            ++dropped;
                            continue;
                        }
                        row += op == 0 ? n : -n;
                    }
                    next[{col, row}] = v;
                }
                model.swap(next);
                EXPECT_EQ(released, dropped);
            } else {
                const int col = pick(k.cols), row = rowOf();
                if (op < 15) {
                    cells.erase(cellKey(col, row));
                    model.erase({col, row});
                } else {
                    cells[cellKey(col, row)].value = Value(double(step));
                    model[{col, row}] = step;
                }
            }
        }
        const CellMap copy = CellMap::copyOf(cells);
        for (const CellMap* m : {static_cast<const CellMap*>(&cells), &copy}) {
            ASSERT_EQ(m->size(), model.size());
            for (const auto& [pos, number] : model) {
                auto it = m->find(cellKey(pos.first, pos.second));
                ASSERT_NE(it, m->end()) << pos.first << "," << pos.second;
                EXPECT_EQ(it->second.value, Value(number));
            }
            for (const auto& [key, cell] : *m)
                EXPECT_TRUE(model.count({keyCol(key), keyRow(key)}))
                    << keyCol(key) << "," << keyRow(key);
        }
        std::map<int, size_t> perRow, seen;
        for (const auto& [pos, v] : model)
            if (pos.second >= 100) ++perRow[pos.second];
        cells.forEachInRows(100, 1000, [&](uint32_t i) { ++seen[keyRow(cells.keyAt(i))]; });
        EXPECT_EQ(seen, perRow);
    }
}
