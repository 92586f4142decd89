// Feeds arbitrary bytes to the reader of the macro gallery's drawings: their
// modules with properties, and the preview drawn from their sketch. Every
// module has its list of properties; the preview has the size asked for
// (within its bounds), whatever the sketch's numbers.
#include "platform/core/macro_props_filter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MacroDrawingModules drawing = macroDrawingModules(bytes);
    if (drawing.modules.length() != drawing.properties.length()) std::abort();
    // Sizes from below the least to above the most, chosen by the length.
    const int width = static_cast<int>(size % 600);
    const int height = static_cast<int>((size / 7) % 600);
    const win::Bitmap picture = drawMacroSketchOf(bytes, width, height);
    if (picture.width() != std::clamp(width, 16, 512) ||
        picture.height() != std::clamp(height, 16, 512))
        std::abort();
    return 0;
}
