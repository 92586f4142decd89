// Copies of a loaded sheet share texts and formula programs with their
// source; editing either must never show in the other. Setting one cell's
// type takes a shorter way than setting a block's; both must end alike.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"

#include <gtest/gtest.h>
#include <utility>

using namespace spread;

namespace {

// Everything a cell shows and holds, in one text to compare.
std::wstring cellState(const Sheet& s, int col, int row) {
    Color back, fore;
    s.color(col, row, back, fore);
    const CellType type = s.cellType(col, row);
    return s.data(col, row) + L"|" + s.valueText(col, row) + L"|" + s.formula(col, row) + L"|" +
           s.tag(col, row) + L"|" + std::to_wstring(static_cast<int>(type.kind)) + L"." +
           std::to_wstring(type.decimals) + L"|" + std::to_wstring(back) + L"|" +
           (s.isLocked(col, row) ? L"L" : L"");
}

std::vector<std::wstring> sheetState(const Sheet& s) {
    std::vector<std::wstring> out;
    for (int row = 0; row <= s.maxRows(); ++row)
        for (int col = 0; col <= s.maxCols(); ++col)
            out.push_back(cellState(s, col, row));
    return out;
}

// Texts, numbers with typed text, formulas reading cells and a block, types,
// colours, locks and tags.
Sheet source() {
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(6);
    s.setData(1, 1, L"width");
    s.setData(2, 1, L"1.50");
    s.setData(2, 2, L"2");
    s.setFormula(3, 1, L"=IF(B1>1, B1*B2, \"small\")");
    s.setFormula(3, 2, L"=SUM(B1:B2)&\" mm\"");
    s.setCellType(2, 3, CellType::number(3));
    s.setData(2, 3, L"4");
    s.setColor(1, 1, 0x0000FF, kDefaultColor);
    s.setLock(2, 2, true);
    s.setTag(1, 2, L"note");
    s.setData(0, 1, L"header");
    return s;
}

} // namespace

TEST(SheetCopy, EditsOfTheCopyOrTheSourceStayInTheirOwnSheet) {
    Sheet kept = source();
    const auto before = sheetState(kept);
    Sheet copy;
    ASSERT_TRUE(loadSheetCopy(copy, std::as_const(kept)));
    EXPECT_EQ(sheetState(copy), before);

    // Values, formulas, types, styles and tags of the copy changed; rows
    // inserted move (and so change) its formulas.
    ASSERT_TRUE(copy.setData(1, 1, L"height"));
    ASSERT_TRUE(copy.setData(2, 1, L"5"));
    ASSERT_TRUE(copy.setFormula(3, 2, L"=B1+B2+B3"));
    ASSERT_TRUE(copy.setCellType(2, 3, CellType::number(1)));
    ASSERT_TRUE(copy.setCellType(2, 2, CellType::edit()));
    ASSERT_TRUE(copy.setColor(1, 1, 0x00FF00, 0x000000));
    ASSERT_TRUE(copy.setLock(2, 2, false));
    ASSERT_TRUE(copy.setTag(1, 2, L"other"));
    ASSERT_TRUE(copy.insertRows(1, 1));
    EXPECT_EQ(kept.formula(3, 1), L"IF(B1>1,B1*B2,\"small\")");
    EXPECT_EQ(copy.formula(3, 2), L"IF(B2>1,B2*B3,\"small\")");
    EXPECT_EQ(sheetState(kept), before);

    // The copy computes from its own cells through the dependencies it took.
    ASSERT_TRUE(copy.setData(2, 3, L"3"));
    EXPECT_EQ(copy.valueText(3, 2), L"15");
    EXPECT_EQ(kept.valueText(3, 1), L"3");

    // And the other way round.
    Sheet second;
    ASSERT_TRUE(loadSheetCopy(second, kept));
    ASSERT_TRUE(kept.setData(2, 2, L"0"));
    ASSERT_TRUE(kept.deleteRows(1, 1));
    EXPECT_EQ(sheetState(second), before);
}

TEST(SheetCopy, FormulasSetAgainFromTheCacheChangeOnlyInTheirOwnSheet) {
    // The second sheet gets the program the first one compiled.
    const wchar_t* text = L"=IF(A3>0, A3*2, -A3)";
    Sheet a, b;
    for (Sheet* s : {&a, &b}) {
        s->setMaxCols(2);
        s->setMaxRows(5);
        s->setData(1, 3, L"4");
        ASSERT_TRUE(s->setFormula(2, 3, text));
    }
    ASSERT_TRUE(a.insertRows(1, 2));
    EXPECT_EQ(a.formula(2, 5), L"IF(A5>0,A5*2,-A5)");
    EXPECT_EQ(b.formula(2, 3), L"IF(A3>0,A3*2,-A3)");
    EXPECT_EQ(b.valueText(2, 3), L"8");
}

TEST(SheetCopy, OneCellTypedEndsAsTheSameCellTypedInABlock) {
    // Cells that start plain, with typed text, with another type, with the
    // type already and with a colour, given one type each way.
    auto prepare = [](Sheet& s) {
        s.setMaxCols(2);
        s.setMaxRows(6);
        s.setData(1, 2, L"1.50");
        s.setCellType(1, 3, CellType::edit());
        s.setData(1, 3, L"text");
        s.setCellType(1, 4, CellType::number(2));
        s.setData(1, 4, L"3");
        s.setColor(1, 5, 0x123456, kDefaultColor);
        s.setData(1, 5, L"7.250");
        s.setData(2, 2, L"left alone");
    };
    const CellType types[] = {CellType::number(2), CellType::edit(), CellType::general()};
    for (const CellType& type : types) {
        Sheet single, block;
        prepare(single);
        prepare(block);
        auto shared = std::make_shared<const CellType>(type);
        for (int row = 1; row <= 6; ++row)
            ASSERT_TRUE(row % 2 ? single.setCellTypeRange(1, row, 1, row, type)
                                : single.setCellTypeRange(1, row, 1, row, shared));
        ASSERT_TRUE(block.setCellTypeRange(1, 1, 1, 6, type));
        EXPECT_EQ(sheetState(single), sheetState(block)) << static_cast<int>(type.kind);
    }
    Sheet s;
    EXPECT_FALSE(s.setCellTypeRange(1, 1, 1, 1, CellType::edit())); // no such cell
}
