// The drawn pictures of check-box cells.
#include "grid/check_box_pictures.h"

#include <gtest/gtest.h>

namespace gridtest {
namespace {

TEST(CheckBoxPictures, AreSmallAndTellTheStatesApart) {
    const win::Bitmap cleared = zrlss::drawCheckBoxPicture(false);
    const win::Bitmap set = zrlss::drawCheckBoxPicture(true);
    EXPECT_EQ(cleared.size(), (win::Size{13, 13}));
    EXPECT_EQ(set.size(), cleared.size());
    // Same frame, the tick only in the set state.
    EXPECT_EQ(cleared.pixel(0, 0), set.pixel(0, 0));
    EXPECT_EQ(cleared.pixel(6, 8), win::rgb(255, 255, 255));
    EXPECT_EQ(set.pixel(5, 8), win::rgb(0, 0, 0));
}

} // namespace
} // namespace gridtest
