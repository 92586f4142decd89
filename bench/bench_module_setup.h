// The module's resources registered once, as the host's load of the module
// would, for the benchmarks that open its dialogs.
#pragma once

#include "frame/module_resources.h"
#include "platform/win/resources.h"

namespace benchsetup {

inline void setUpModule() {
    static const bool done = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::registerModuleResources(m);
        win::setResourceModule(m);
        return true;
    }();
    (void)done;
}

} // namespace benchsetup
