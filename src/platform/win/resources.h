// Resources per module: dialog templates and bitmaps.
//
// Each loadable module (the host, the core module, this spreadsheet module)
// registers its resources under its own ModuleHandle, the stand-in of an
// instance handle. Lookups search the current resource module first and then
// every other module in the order they were registered, as a resource chain
// does. The core's resource override switches the current module with a
// ResourceModuleGuard for the duration of a call.
#pragma once

#include "platform/win/dialog_template.h"
#include "platform/win/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win {

class Bitmap;

// Opaque handle of a module; 0 is none.
enum class ModuleHandle : std::uintptr_t { None = 0 };

// Registers a module by name, or returns the handle it already has (names
// compare without case). The first module registered is "host", always
// present.
ZRLWIN_API ModuleHandle registerModule(const std::wstring& name);
ZRLWIN_API ModuleHandle findModule(const std::wstring& name);
ZRLWIN_API ModuleHandle hostModule();
// Name of a module; empty for an unknown handle.
ZRLWIN_API std::wstring moduleName(ModuleHandle module);

// The current resource module (initially the host). Setting an unknown
// handle is refused (false) and changes nothing.
ZRLWIN_API bool setResourceModule(ModuleHandle module);
ZRLWIN_API ModuleHandle currentResourceModule();

// Switches the current resource module for a scope and restores the
// previous one when it ends.
class ZRLWIN_API ResourceModuleGuard {
public:
    explicit ResourceModuleGuard(ModuleHandle module);
    ~ResourceModuleGuard();
    ResourceModuleGuard(const ResourceModuleGuard&) = delete;
    ResourceModuleGuard& operator=(const ResourceModuleGuard&) = delete;

private:
    ModuleHandle previous_;
};

// Registers a dialog template; a template with the same id in the same
// module is replaced. False for an unknown module.
ZRLWIN_API bool registerTemplate(ModuleHandle module, DialogTemplate tmpl);
// Registers a bitmap given as the bytes of a .bmp file. False when the
// module is unknown or the bytes are no readable image (nothing registered).
ZRLWIN_API bool registerBitmapResource(ModuleHandle module, const ResourceId& id,
                                       const std::vector<std::uint8_t>& bmpBytes);
// Registers a bitmap given as pixels.
ZRLWIN_API bool registerBitmapResource(ModuleHandle module, const ResourceId& id,
                                       const Bitmap& bitmap);

// The template with this id: current module first, then the others. The
// pointer stays valid until the template is registered again.
ZRLWIN_API const DialogTemplate* findTemplate(const ResourceId& id);
// The template of one module only.
ZRLWIN_API const DialogTemplate* findTemplate(ModuleHandle module, const ResourceId& id);
// The bitmap with this id: current module first, then the others.
ZRLWIN_API std::optional<Bitmap> findBitmapResource(const ResourceId& id);

} // namespace win
