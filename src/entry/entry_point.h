// The module's side of the host's entry protocol.
//
// Initialise (message 1): look up the dynamic linker in the system registry
// and check its type, unlock the application, look the linker up again and
// register the application as able to work with several drawings, load the
// two check-box pictures. Unload (message 2): remove the command group
// "ZARDEL_SS" from the registered commands, close every modeless macro
// dialog, close the constraints editor. Every message answers kRetOK.
//
// The entry point is the one place of the module that reaches into the
// subsystems (the frame below them cannot): the detach step of the library
// lives here for that reason, beside the attach step's frame part
// (frame/library_instance.h).
#pragma once

#include "frame/export.h"
#include "platform/host/rxentry.h"

#include <functional>

extern "C" {
ZRLSS_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
ZRLSS_EXPORT int acrxGetApiVersion();
}

namespace zrlss {

// The name of the command group the module's commands would live in.
inline constexpr const wchar_t* kCommandGroup = L"ZARDEL_SS";

// The closing steps of the unload message: close the modeless macro dialogs
// and the constraints editor. The entry point sets them to the code that
// owns those windows (a subsystem never includes the entry); tests plant
// steps of their own. Empty steps are skipped.
struct UnloadSteps {
    std::function<void()> destroyAllMacroDlgs;
    std::function<void()> endDlgEditConstraints;
};
UnloadSteps& unloadSteps();

// The detach step of the library (the exported attach/detach handler
// forwards to it): destroys the pool of hidden standards windows; it
// answers 1.
int detachLibrary();

} // namespace zrlss
