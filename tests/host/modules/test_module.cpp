// A small application module for the loader's tests. Each variant is this
// file built with one of the switches below; it prints each step it takes,
// so a test reads the order of the loader's calls from the command line.
//   MODULE_VERSION  the version its handshake reports
//   NO_ENTRY        exports no acrxEntryPoint
//   NO_DLLMAIN      exports no attach/detach handler
//   REFUSE_ATTACH   its attach handler refuses
//   FAIL_INIT       its initialise message fails
//   STAY_LOCKED     does not unlock itself
#include "platform/host/command_line.h"
#include "platform/host/rx_registry.h"
#include "platform/host/rxentry.h"

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

TEST_EXPORT int acrxGetApiVersion() {
    return MODULE_VERSION;
}

#ifndef NO_ENTRY
TEST_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, [[maybe_unused]] void* appId) {
    acutPrintf(L"message %d\n", static_cast<int>(msg));
    if (msg == AcRx::kInitAppMsg) {
#ifndef STAY_LOCKED
        acrxDynamicLinker()->unlockApplication(appId);
#endif
#ifdef FAIL_INIT
        return AcRx::kRetError;
#endif
    }
    return AcRx::kRetOK;
}
#endif

#ifndef NO_DLLMAIN
TEST_EXPORT int DllMain(void* instance, unsigned reason, void*) {
    acutPrintf(L"%ls %ls\n", reason == DLL_PROCESS_ATTACH ? L"attach" : L"detach",
               win::moduleName(host::instanceModule(instance)).c_str());
#ifdef REFUSE_ATTACH
    if (reason == DLL_PROCESS_ATTACH) return 0;
#endif
    return 1;
}
#endif
