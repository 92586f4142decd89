#include "platform/host/module_loader.h"

#include "platform/host/rx_registry.h"
#include "platform/text/utf.h"
#include "platform/win/module_file.h"

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>
#include <set>

namespace host {

namespace {
// Library handles of the modules loaded now: the dynamic loader hands out the
// same handle for a second load of one library, and one module must not be
// initialised twice.
std::set<void*>& loadedHandles() {
    static std::set<void*> handles;
    return handles;
}

std::vector<LoadedModule*>& liveModules() {
    static std::vector<LoadedModule*> modules;
    return modules;
}

std::string lastDlError() {
    const char* text = dlerror();
    return text ? text : "unknown reason";
}
} // namespace

std::unique_ptr<LoadedModule> LoadedModule::load(const std::string& path, std::string& error) {
    error.clear();
    std::unique_ptr<LoadedModule> module(new LoadedModule());
    module->path_ = path;
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = "cannot load " + path + ": " + lastDlError();
        return nullptr;
    }
    auto closeWith = [&](const std::string& reason) {
        dlclose(handle);
        error = reason;
        return nullptr;
    };
    if (loadedHandles().count(handle)) return closeWith(path + " is loaded already");

    auto getVersion = reinterpret_cast<AcRxGetApiVersionFn>(dlsym(handle, "acrxGetApiVersion"));
    auto entryPoint = reinterpret_cast<AcRxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
    auto dllMain = reinterpret_cast<DllMainFn>(dlsym(handle, "DllMain"));
    if (!getVersion) return closeWith(path + " is no application module: no acrxGetApiVersion");
    if (!entryPoint) return closeWith(path + " is no application module: no acrxEntryPoint");

    const std::string file = path.substr(path.find_last_of('/') + 1);
    const win::ModuleHandle moduleHandle = win::registerModule(zrltext::fromUtf8(file));
    // The full path, as the system reports a module's own file name.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    win::setModuleFileName(moduleHandle, zrltext::fromUtf8(ec ? path : full.string()));
    void* instance = moduleInstance(moduleHandle);
    if (dllMain && dllMain(instance, DLL_PROCESS_ATTACH, nullptr) == 0) {
        return closeWith(path + ": the library refused to attach");
    }
    auto detachAndClose = [&](const std::string& reason) {
        if (dllMain) dllMain(instance, DLL_PROCESS_DETACH, nullptr);
        return closeWith(reason);
    };

    const int version = getVersion();
    if (version != AcRx::kApiVersion) {
        return detachAndClose(path + ": module built for host interface version " +
                              std::to_string(version) + ", this host has version " +
                              std::to_string(AcRx::kApiVersion));
    }

    module->handle_ = handle;
    module->instance_ = instance;
    module->dllMain_ = dllMain;
    module->entryPoint_ = entryPoint;
    module->apiVersion_ = version;
    loadedHandles().insert(handle);
    acrxDynamicLinker()->addApplication(module->appId(), zrltext::fromUtf8(path));
    if (entryPoint(AcRx::kInitAppMsg, module->appId()) != AcRx::kRetOK) {
        acrxDynamicLinker()->removeApplication(module->appId());
        loadedHandles().erase(handle);
        module->handle_ = nullptr;
        return detachAndClose(path + ": the module failed to initialise");
    }
    liveModules().push_back(module.get());
    return module;
}

std::vector<LoadedModule*> loadedModules() {
    return liveModules();
}

LoadedModule::~LoadedModule() {
    shutDown();
}

bool LoadedModule::unload(std::string& error) {
    error.clear();
    if (!handle_) return true;
    if (acrxDynamicLinker()->isApplicationLocked(appId())) {
        error = path_ + " is locked and cannot be unloaded";
        return false;
    }
    shutDown();
    return true;
}

void* LoadedModule::symbol(const char* name) const {
    if (!handle_ || !name) return nullptr;
    return dlsym(handle_, name);
}

void LoadedModule::shutDown() {
    if (!handle_) return;
    entryPoint_(AcRx::kUnloadAppMsg, appId());
    if (dllMain_) dllMain_(instance_, DLL_PROCESS_DETACH, nullptr);
    acrxDynamicLinker()->removeApplication(appId());
    loadedHandles().erase(handle_);
    std::erase(liveModules(), this);
    dlclose(handle_);
    handle_ = nullptr;
}

} // namespace host
