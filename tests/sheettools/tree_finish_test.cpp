// Finishing a tree: the pictures of the tree cells, the indenting spans,
// and levels that stay readable afterwards.
#include "sheettools/tree_bitmaps.h"
#include "tree_fixture.h"

namespace treetest {
namespace {

// The (first, second) picture ids of a picture cell; (0, 0) for any other.
std::pair<int, int> pictures(const VkTreeSpread& tree, int col, int row) {
    const spread::CellType type = tree.sheet().cellType(col, row);
    if (type.kind != spread::CellKind::Button || type.style != VkTreeSpread::kPictureButtonStyle)
        return {0, 0};
    return {std::stoi(type.picture.substr(1)), std::stoi(type.picture2.substr(1))};
}

TEST_F(TreeTest, FinishingGivesEachRowItsPictures) {
    build({{1, L"A"},
           {2, L"A1"},
           {2, L"A2"},
           {1, L"B"},
           {1, L"D"},
           {2, L"D1"},
           {1, L"C"},
           {2, L"C1"}});
    ASSERT_TRUE(tree.finishTree());
    using P = std::pair<int, int>;
    const std::vector<P> treeColumn = {{272, 274}, {279, 279}, {279, 279}, {275, 275},
                                       {281, 280}, {279, 279}, {278, 277}, {0, 0}};
    const std::vector<P> secondColumn = {{0, 0}, {275, 275}, {276, 276}, {0, 0},
                                         {0, 0}, {276, 276}, {0, 0},     {276, 276}};
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(pictures(tree, 2, row), treeColumn[row - 1]) << row;
        EXPECT_EQ(pictures(tree, 3, row), secondColumn[row - 1]) << row;
    }
    EXPECT_EQ(tree.getData(2, 5), L"1");
    EXPECT_EQ(tree.getColWidthInPixels(3), 20);
    EXPECT_TRUE(tree.getBool(spread::kBoolRedraw));
}

TEST_F(TreeTest, SpansIndentShallowRowsAndLevelsSurviveFinishing) {
    build({{1, L"A"}, {2, L"A1"}, {3, L"A1a"}, {1, L"B"}});
    ASSERT_TRUE(tree.toggleRow(1));
    ASSERT_TRUE(tree.finishTree());
    // Row 1: level columns 3 and 4 and its first cell, column 5, show "A".
    spread::CellRange span;
    ASSERT_TRUE(tree.getCellSpan(3, 1, span));
    EXPECT_EQ(span.col2, 5);
    EXPECT_EQ(text(3, 1), L"A");
    EXPECT_EQ(text(4, 2), L"A1");
    EXPECT_FALSE(tree.getCellSpan(5, 3, span));
    // The copies are no level marks, and the collapsed row stays collapsed.
    EXPECT_EQ(tree.getLevel(1), 1);
    EXPECT_EQ(tree.getLastDescendant(1), 3);
    ASSERT_TRUE(tree.toggleRow(1));
    EXPECT_TRUE(hiddenRows().empty());

    // Setting up again leaves no span or hidden row behind.
    build({{1, L"N"}});
    EXPECT_FALSE(tree.getCellSpan(3, 1, span));
}

TEST(TreeBitmaps, PicturesAreRegisteredSmallAndTellTheirStatesApart) {
    moduleHandle();
    for (int id = zrlss::kFirstTreeBitmap; id <= zrlss::kLastTreeBitmap; ++id) {
        const auto bmp = win::Bitmap::loadResource(id);
        ASSERT_TRUE(bmp.has_value()) << id;
        EXPECT_EQ(*bmp, zrlss::drawTreeBitmap(id));
        EXPECT_EQ(bmp->size(), (win::Size{20, 16}));
    }
    EXPECT_FALSE(zrlss::drawTreeBitmap(272) == zrlss::drawTreeBitmap(274));
    // A corner reaches the top and right edges and stops halfway down.
    const win::Bitmap corner = zrlss::drawTreeBitmap(zrlss::kBitmapTreeCorner);
    EXPECT_NE(corner.pixel(9, 0), win::rgb(255, 255, 255));
    EXPECT_NE(corner.pixel(19, 7), win::rgb(255, 255, 255));
    EXPECT_EQ(corner.pixel(9, 15), win::rgb(255, 255, 255));
}

} // namespace
} // namespace treetest
