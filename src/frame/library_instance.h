// The library's own state from attach to detach: its module handle (where
// its dialog templates and bitmaps are registered) and the resource switch
// that every starter uses to make those resources current.
#pragma once

#include "platform/core/resource_override.h"
#include "platform/win/resources.h"

namespace zrlss {

// The attach step of the library (the exported attach/detach handler
// forwards to it; the detach step is the entry point's, entry_point.h):
// records the module handle, hands it to the resource switch and registers
// the module's resources; it answers 0 (attach refused) for a null handle,
// else 1.
int attachLibrary(win::ModuleHandle module);

// The module handle recorded at attach (None before).
win::ModuleHandle libraryModule();

// The module's resource switch.
VkTempResourceOverride& resourceOverride();

// Makes the module's resources current for a scope (every starter holds
// one): restores the previous resources also when the scope is left by an
// exception, and leaves nested scopes' restoring to the outermost.
class ResourceScope {
public:
    ResourceScope() : scope_(resourceOverride()) {}

private:
    VkResourceScope scope_;
};

} // namespace zrlss
