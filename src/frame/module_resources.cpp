#include "frame/module_resources.h"

#include <vector>

namespace zrlss {

namespace {

std::vector<ResourceFiller>& fillers() {
    static std::vector<ResourceFiller> list;
    return list;
}

} // namespace

ResourceRegistrar::ResourceRegistrar(ResourceFiller filler) {
    if (filler) fillers().push_back(filler);
}

bool registerModuleResources(win::ModuleHandle module) {
    // Every resource needs a module the windowing layer knows.
    if (win::moduleName(module).empty()) return false;
    for (ResourceFiller filler : fillers())
        filler(module);
    return true;
}

} // namespace zrlss
