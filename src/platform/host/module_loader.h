// The host's loader of application modules (see rxentry.h for the protocol).
//
// Loading: open the library, call its attach handler, check its version
// handshake, enter it in the dynamic linker (locked), send the initialise
// message. Unloading: send the unload message, call the detach handler,
// leave the dynamic linker, close the library. Any failing step of a load
// undoes the steps before it, so a failed load leaves nothing behind.
#pragma once

#include "platform/host/host_api.h"
#include "platform/host/rxentry.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class ZRLHOST_API LoadedModule {
public:
    // Loads the library at `path`. On failure: null, and `error` holds a
    // one-line reason.
    static std::unique_ptr<LoadedModule> load(const std::string& path, std::string& error);

    // Unloads the module if it is still loaded, locked or not (the host is
    // shutting down).
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // Unloads the module. Refused (false, with a reason) while the module is
    // locked in the dynamic linker: a locked module stays loaded.
    bool unload(std::string& error);

    bool isLoaded() const { return handle_ != nullptr; }
    // An exported symbol by its (C linkage or mangled) name, or null.
    void* symbol(const char* name) const;
    template <class F> F function(const char* name) const {
        return reinterpret_cast<F>(symbol(name));
    }

    // The library's module handle, given to its attach handler.
    void* instance() const { return instance_; }
    // The application id that its entry point receives.
    void* appId() const { return const_cast<LoadedModule*>(this); }
    int apiVersion() const { return apiVersion_; }
    const std::string& path() const { return path_; }

private:
    LoadedModule() = default;
    void shutDown();

    std::string path_;
    void* handle_ = nullptr;
    void* instance_ = nullptr;
    DllMainFn dllMain_ = nullptr;
    AcRxEntryPointFn entryPoint_ = nullptr;
    int apiVersion_ = 0;
};

// The modules loaded now, in the order they were loaded.
ZRLHOST_API std::vector<LoadedModule*> loadedModules();

} // namespace host
