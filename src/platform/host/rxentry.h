// The entry protocol between the host and an application module.
//
// A module is a shared library that exports, with C linkage:
//   int acrxGetApiVersion();          the version of this protocol it was built
//                                     for; the host refuses any other number
//   AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
//                                     the host's messages (initialise, unload)
// and optionally the library attach/detach handler
//   int DllMain(void* instance, unsigned reason, void* reserved);
// which the host's loader calls right after loading the library (reason
// DLL_PROCESS_ATTACH; returning 0 refuses the load) and right before
// unloading it (DLL_PROCESS_DETACH), as the operating system's loader does
// on the desktop platform. `instance` is the library's module handle: the
// loader registers the library with the windowing layer as a resource module
// (named after its file) and hands over that module's handle, which
// instanceModule() turns back into a win::ModuleHandle.
#pragma once

#include "platform/win/resources.h"

#include <cstdint>

namespace AcRx {

enum AppMsgCode : int {
    kNullMsg = 0,
    kInitAppMsg = 1,   // the module was loaded: set itself up
    kUnloadAppMsg = 2, // the module is about to be unloaded: clean up
};

enum AppRetCode : int {
    kRetOK = 0,
    kRetError = 3,
};

// The protocol's version. Raise it whenever a change to the host's interface
// breaks modules built against the old one.
constexpr int kApiVersion = 1;

} // namespace AcRx

constexpr unsigned DLL_PROCESS_DETACH = 0;
constexpr unsigned DLL_PROCESS_ATTACH = 1;

extern "C" {
typedef int (*AcRxGetApiVersionFn)();
typedef AcRx::AppRetCode (*AcRxEntryPointFn)(AcRx::AppMsgCode msg, void* appId);
typedef int (*DllMainFn)(void* instance, unsigned reason, void* reserved);
}

namespace host {

inline win::ModuleHandle instanceModule(void* instance) {
    return static_cast<win::ModuleHandle>(reinterpret_cast<std::uintptr_t>(instance));
}
inline void* moduleInstance(win::ModuleHandle module) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(module));
}

} // namespace host
