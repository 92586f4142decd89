// The gallery's previews drawn from sketches whose numbers reach far outside
// the box: only what falls in the picture is drawn, at the cost of the
// picture, not of the numbers.
#include "platform/core/macro_props_filter.h"

#include <gtest/gtest.h>
#include <string>

namespace {

int inked(const win::Bitmap& bmp) {
    int n = 0;
    for (int y = 0; y < bmp.height(); ++y)
        for (int x = 0; x < bmp.width(); ++x)
            n += bmp.pixel(x, y) != win::rgb(255, 255, 255);
    return n;
}

} // namespace

TEST(MacroSketch, FarOffNumbersDrawOnlyWhatFallsInThePicture) {
    const struct {
        const char* item;
        int inked; // pixels; -1: the middle row, across the picture
    } cases[] = {
        {R"({"line": [-1e15, 37.5, 1e15, 37.5]})", -1},
        {R"({"line": [50, 37.5, 4e9, 37.5]})", 49},
        {R"({"rect": [-1e300, -1e300, 1e300, 1e300]})", 0},
        {R"({"circle": [50, 37.5, 1e308]})", 0},
        {R"({"line": [1e400, 0, 0, 0]})", 0},
        {R"({"line": [-1e12, -1e12, -1e12, 1e12]})", 0},
    };
    for (const auto& c : cases) {
        const std::string drawing = std::string(R"({"sketch": [)") + c.item + "]}";
        const win::Bitmap bmp = drawMacroSketchOf(drawing, 98, 78);
        if (c.inked >= 0) {
            EXPECT_EQ(inked(bmp), c.inked) << c.item;
            continue;
        }
        EXPECT_EQ(inked(bmp), bmp.width()) << c.item;
        EXPECT_NE(bmp.pixel(0, bmp.height() / 2), win::rgb(255, 255, 255)) << c.item;
    }
}
