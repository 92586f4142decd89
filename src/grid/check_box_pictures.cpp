#include "grid/check_box_pictures.h"

#include "frame/module_resources.h"
#include "platform/win/resources.h"

namespace zrlss {

namespace {

win::Bitmap& picture(bool set) {
    static win::Bitmap cleared;
    static win::Bitmap checked;
    return set ? checked : cleared;
}

// Both pictures join the module's resources at attach. Drawn pictures are
// never null, so registering fails only for a module handle the windowing
// layer does not know, which registerModuleResources refuses anyway.
const ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerBitmapResource(module, kBitmapCheckCleared, drawCheckBoxPicture(false));
    win::registerBitmapResource(module, kBitmapCheckSet, drawCheckBoxPicture(true));
});

} // namespace

win::Bitmap drawCheckBoxPicture(bool set) {
    constexpr int kSide = 13;
    win::Bitmap bmp(kSide, kSide, win::rgb(255, 255, 255));
    // Sunken frame: dark grey at the top and left, light grey at the bottom
    // and right, as a classic check box draws it.
    const win::Rgba dark = win::rgb(128, 128, 128);
    const win::Rgba light = win::rgb(223, 223, 223);
    bmp.line({0, 0}, {kSide - 1, 0}, dark);
    bmp.line({0, 0}, {0, kSide - 1}, dark);
    bmp.line({1, kSide - 1}, {kSide - 1, kSide - 1}, light);
    bmp.line({kSide - 1, 1}, {kSide - 1, kSide - 1}, light);
    bmp.frameRect({1, 1, kSide - 1, kSide - 1}, win::rgb(64, 64, 64));
    if (set) {
        // A tick three pixels thick: down from (3,5) to (5,7), up to (9,3).
        const win::Rgba ink = win::rgb(0, 0, 0);
        for (int dy = 0; dy < 3; ++dy) {
            bmp.line({3, 5 + dy}, {5, 7 + dy}, ink);
            bmp.line({5, 7 + dy}, {9, 3 + dy}, ink);
        }
    }
    return bmp;
}

std::optional<win::Bitmap> loadCheckBoxPicture(int bitmapId) {
    return win::Bitmap::loadResource(bitmapId);
}

const win::Bitmap& checkBoxPicture(bool set) {
    return picture(set);
}

bool loadCheckBoxPictures() {
    auto cleared = loadCheckBoxPicture(kBitmapCheckCleared);
    auto set = loadCheckBoxPicture(kBitmapCheckSet);
    picture(false) = cleared ? std::move(*cleared) : win::Bitmap();
    picture(true) = set ? std::move(*set) : win::Bitmap();
    return cleared && set;
}

} // namespace zrlss
