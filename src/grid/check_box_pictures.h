// The pictures of the two states of a grid's check-box cells: drawn once,
// registered with the module's other resources at attach, loaded from there
// at initialisation and by every grid that sets a check-box type.
#pragma once

#include "platform/win/bitmap.h"

#include <optional>

namespace zrlss {

// Bitmap resources of the two states of a check-box cell.
inline constexpr int kBitmapCheckCleared = 8134;
inline constexpr int kBitmapCheckSet = 8136;

// The 13 x 13 picture of a check box in its cleared or set state.
win::Bitmap drawCheckBoxPicture(bool set);

// A check-box picture from the current resources; none when it is missing.
std::optional<win::Bitmap> loadCheckBoxPicture(int bitmapId);

// The check-box pictures loaded at initialisation from the module's bitmap
// resources (null bitmaps before, or when loading failed).
const win::Bitmap& checkBoxPicture(bool set);
// Loads both from the resources; false when one is missing.
bool loadCheckBoxPictures();

} // namespace zrlss
