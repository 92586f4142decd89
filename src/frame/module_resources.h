// The module's resources: dialog templates and bitmaps, registered with the
// windowing layer under the library's module handle at attach.
//
// Each dialog's source file adds its templates with a static
// ResourceRegistrar; registerModuleResources runs every registrar (in the
// order they were added) after the frame's own bitmaps.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/resources.h"

namespace zrlss {

// Bitmap resources of the two states of a check-box cell.
inline constexpr int kBitmapCheckCleared = 8134;
inline constexpr int kBitmapCheckSet = 8136;

using ResourceFiller = void (*)(win::ModuleHandle module);

struct ResourceRegistrar {
    explicit ResourceRegistrar(ResourceFiller filler);
};

// Registers every resource of the module. False when the module handle is
// unknown to the windowing layer or a registration failed.
bool registerModuleResources(win::ModuleHandle module);

// The 13 x 13 picture of a check box in its cleared or set state.
win::Bitmap drawCheckBoxPicture(bool set);

// The check-box pictures loaded at initialisation from the module's bitmap
// resources (null bitmaps before, or when loading failed).
const win::Bitmap& checkBoxPicture(bool set);
// Loads both from the resources; false when one is missing.
bool loadCheckBoxPictures();

} // namespace zrlss
