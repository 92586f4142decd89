#include "frame/library_instance.h"

#include "frame/module_resources.h"

namespace zrlss {

namespace {
win::ModuleHandle& recordedModule() {
    static win::ModuleHandle module = win::ModuleHandle::None;
    return module;
}
} // namespace

VkTempResourceOverride& resourceOverride() {
    static VkTempResourceOverride override;
    return override;
}

win::ModuleHandle libraryModule() {
    return recordedModule();
}

int attachLibrary(win::ModuleHandle module) {
    if (module == win::ModuleHandle::None) return 0;
    recordedModule() = module;
    resourceOverride().SaveDefaultResource(module);
    if (!registerModuleResources(module)) return 0;
    return 1;
}

} // namespace zrlss
