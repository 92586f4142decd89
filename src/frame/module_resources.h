// The module's resources: dialog templates and bitmaps, registered with the
// windowing layer under the library's module handle at attach.
//
// Each dialog's source file (and the grid's check-box pictures) adds its
// resources with a static ResourceRegistrar; registerModuleResources runs
// every registrar (in the order they were added).
#pragma once

#include "platform/win/resources.h"

namespace zrlss {

using ResourceFiller = void (*)(win::ModuleHandle module);

struct ResourceRegistrar {
    explicit ResourceRegistrar(ResourceFiller filler);
};

// Registers every resource of the module. False when the module handle is
// unknown to the windowing layer.
bool registerModuleResources(win::ModuleHandle module);

} // namespace zrlss
