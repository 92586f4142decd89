// Cell looks are shared between the cells that have them and dropped with
// the last such cell, whichever way the cells change.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"

#include <gtest/gtest.h>

using namespace spread;

namespace {

size_t looks(const Sheet& s) {
    return s.internals().content.styles.size();
}

} // namespace

TEST(CellStyles, LooksAreSharedAndDroppedWithTheirLastCell) {
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(1000);
    Font bold;
    bold.weight = 700;
    s.setFontRange(1, 1, 4, 500, bold);
    s.setFontRange(1, 501, 4, 1000, bold); // an equal font set apart
    s.setColorRange(1, 1, 1, 1000, 0x0000FF, kDefaultColor);
    s.setCellTypeRange(2, 1, 2, 1000, CellType::number(0));
    EXPECT_EQ(looks(s), 3u); // bold; bold and red; bold number
    EXPECT_EQ(s.font(3, 999), bold);
    Color back, fore;
    s.color(1, 700, back, fore);
    EXPECT_EQ(back, 0x0000FFu);
    EXPECT_EQ(s.cellType(2, 7), CellType::number(0));

    // One cell changed alone does not change its neighbours.
    s.setColor(1, 5, kDefaultColor, kDefaultColor);
    s.color(1, 6, back, fore);
    EXPECT_EQ(back, 0x0000FFu);
    s.setColorRange(1, 1, 1, 1000, kDefaultColor, kDefaultColor);
    EXPECT_EQ(looks(s), 2u);

    // Copies share the look of their source.
    s.setData(2, 3, L"12");
    ASSERT_TRUE(s.copyRange(2, 1, 2, 10, 4, 600));
    EXPECT_EQ(s.cellType(4, 602), CellType::number(0));
    EXPECT_EQ(s.data(4, 602), L"12");
    EXPECT_EQ(looks(s), 2u);

    // Cells that go take their looks with them.
    s.setMaxRows(0);
    EXPECT_EQ(looks(s), 0u);
    EXPECT_EQ(s.internals().content.cells.size(), 0u);
}

TEST(CellStyles, TextsStayWithTheirCellWhenTheLookChanges) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    s.setData(1, 1, L"007"); // kept as typed
    s.setTag(1, 1, L"t");
    Font f;
    f.italic = true;
    s.setFont(1, 1, f);
    EXPECT_EQ(s.data(1, 1), L"007");
    // A new type shows the value its own way; the tag stays.
    s.setCellType(1, 1, CellType::integer());
    EXPECT_EQ(s.data(1, 1), L"7");
    EXPECT_EQ(s.tag(1, 1), L"t");
    EXPECT_EQ(s.font(1, 1), f);
    // Back to plain: the record goes once the tag goes too.
    s.setCellType(1, 1, CellType::general());
    s.setFont(1, 1, s.defaultFont());
    s.setTag(1, 1, L"");
    s.clearCell(1, 1);
    EXPECT_EQ(s.tag(1, 1), L"");
    EXPECT_EQ(looks(s), 1u); // the default font set explicitly is a look of its own
}
