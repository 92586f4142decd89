// Previews of sketches whose numbers reach far outside the box: only what
// falls in the picture is drawn, at the picture's cost, not the numbers'.
#include "platform/core/macro_props_filter.h"

#include <gtest/gtest.h>
#include <string>

TEST(MacroSketch, FarOffNumbersDrawOnlyWhatFallsInThePicture) {
    const struct {
        const char* item;
        int inked; // pixels, all on the middle row
    } cases[] = {{R"({"line": [-1e15, 37.5, 1e15, 37.5]})", 98},
                 {R"({"line": [50, 37.5, 4e9, 37.5]})", 49},
                 {R"({"rect": [-1e300, -1e300, 1e300, 1e300]})", 0},
                 {R"({"circle": [50, 37.5, 1e308]})", 0},
                 {R"({"line": [1e400, 0, 0, 0]})", 0}};
    for (const auto& c : cases) {
        const win::Bitmap bmp =
            drawMacroSketchOf(std::string(R"({"sketch": [)") + c.item + "]}", 98, 78);
        int inked = 0, onMiddleRow = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                if (bmp.pixel(x, y) != win::rgb(255, 255, 255)) ++inked, onMiddleRow += y == 39;
        EXPECT_EQ(inked, c.inked) << c.item;
        EXPECT_EQ(onMiddleRow, c.inked) << c.item;
    }
}
