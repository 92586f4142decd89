#include "sheettools/tree_bitmaps.h"

#include "frame/module_resources.h"

namespace zrlss {

namespace {

constexpr win::Rgba kLineColor = win::rgb(128, 128, 128);
constexpr win::Rgba kBoxColor = win::rgb(96, 96, 96);
constexpr win::Rgba kSignColor = win::rgb(0, 0, 0);

// The middle of the cell, where the lines meet.
constexpr int kMidX = 9;
constexpr int kMidY = 7;
// Half the side of the box (a 9 x 9 box around the middle).
constexpr int kBoxHalf = 4;

enum Lines : unsigned { kUp = 1, kDown = 2, kRight = 4 };
enum class Box { None, Plus, Minus };

win::Bitmap draw(unsigned lines, Box box) {
    win::Bitmap bmp(kTreeBitmapWidth, kTreeBitmapHeight, win::rgb(255, 255, 255));
    if (lines & kUp) bmp.line({kMidX, 0}, {kMidX, kMidY}, kLineColor);
    if (lines & kDown) bmp.line({kMidX, kMidY}, {kMidX, kTreeBitmapHeight - 1}, kLineColor);
    if (lines & kRight) bmp.line({kMidX, kMidY}, {kTreeBitmapWidth - 1, kMidY}, kLineColor);
    if (box == Box::None) return bmp;
    const win::Rect outer{kMidX - kBoxHalf, kMidY - kBoxHalf, kMidX + kBoxHalf + 1,
                          kMidY + kBoxHalf + 1};
    // The box covers the lines that run into it.
    bmp.fillRect(outer, win::rgb(255, 255, 255));
    bmp.frameRect(outer, kBoxColor);
    bmp.line({kMidX - kBoxHalf + 2, kMidY}, {kMidX + kBoxHalf - 2, kMidY}, kSignColor);
    if (box == Box::Plus)
        bmp.line({kMidX, kMidY - kBoxHalf + 2}, {kMidX, kMidY + kBoxHalf - 2}, kSignColor);
    return bmp;
}

void fillTreeBitmaps(win::ModuleHandle module) {
    registerTreeBitmaps(module);
}

const ResourceRegistrar registrar(&fillTreeBitmaps);

} // namespace

win::Bitmap drawTreeBitmap(int id) {
    switch (id) {
    case kBitmapTreeFirstPlus:
        return draw(kDown, Box::Plus);
    case kBitmapTreeLonePlus:
        return draw(0, Box::Plus);
    case kBitmapTreeFirstMinus:
        return draw(kDown, Box::Minus);
    case kBitmapTreeTee:
        return draw(kUp | kDown | kRight, Box::None);
    case kBitmapTreeCorner:
        return draw(kUp | kRight, Box::None);
    case kBitmapTreeLastMinus:
        return draw(kUp, Box::Minus);
    case kBitmapTreeLastPlus:
        return draw(kUp, Box::Plus);
    case kBitmapTreeLine:
        return draw(kUp | kDown, Box::None);
    case kBitmapTreeMiddleMinus:
        return draw(kUp | kDown, Box::Minus);
    case kBitmapTreeMiddlePlus:
        return draw(kUp | kDown, Box::Plus);
    default:
        return {};
    }
}

bool registerTreeBitmaps(win::ModuleHandle module) {
    bool ok = true;
    for (int id = kFirstTreeBitmap; id <= kLastTreeBitmap; ++id)
        ok = win::registerBitmapResource(module, id, drawTreeBitmap(id)) && ok;
    return ok;
}

} // namespace zrlss
