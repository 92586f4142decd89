// The pictures of a tree grid's expand buttons and connector lines, drawn in
// code and registered as the module's bitmap resources 272 to 281.
//
// Every picture is kTreeBitmapWidth x kTreeBitmapHeight, white, with grey
// connector lines through the middle of the cell and, for the expand
// buttons, a framed box with a minus (children shown) or plus (children
// hidden) sign. The lines meet the neighbouring cells' lines at the middle
// of the top and bottom edges and at the middle of the right edge.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/resources.h"

#include <array>

namespace zrlss {

inline constexpr int kTreeBitmapWidth = 20;
inline constexpr int kTreeBitmapHeight = 16;

// Box of the first row: line down only.
inline constexpr int kBitmapTreeFirstPlus = 272;
inline constexpr int kBitmapTreeLonePlus = 273; // a box without lines
inline constexpr int kBitmapTreeFirstMinus = 274;
// Connectors of rows without children.
inline constexpr int kBitmapTreeTee = 275;    // line up, down and right
inline constexpr int kBitmapTreeCorner = 276; // line up and right
// Box of the last top-level row: line up only.
inline constexpr int kBitmapTreeLastMinus = 277;
inline constexpr int kBitmapTreeLastPlus = 278;
inline constexpr int kBitmapTreeLine = 279; // line up and down
// Box of a row between others: lines up and down.
inline constexpr int kBitmapTreeMiddleMinus = 280;
inline constexpr int kBitmapTreeMiddlePlus = 281;

inline constexpr int kFirstTreeBitmap = 272;
inline constexpr int kLastTreeBitmap = 281;

// The picture of one of the ids above; a null bitmap for any other id.
win::Bitmap drawTreeBitmap(int id);

// Registers the ten pictures with `module`; false when one failed.
bool registerTreeBitmaps(win::ModuleHandle module);

} // namespace zrlss
