// The library attach/detach handler of libzrlss.so. The host's loader calls
// it right after loading the library and right before unloading it.
#include "entry/entry_point.h"
#include "frame/export.h"
#include "frame/library_instance.h"
#include "platform/host/rxentry.h"

extern "C" ZRLSS_EXPORT int DllMain(void* instance, unsigned reason, void*) {
    try {
        switch (reason) {
        case DLL_PROCESS_ATTACH:
            return zrlss::attachLibrary(host::instanceModule(instance));
        case DLL_PROCESS_DETACH:
            return zrlss::detachLibrary();
        default:
            return 1;
        }
    } catch (...) {
        return reason == DLL_PROCESS_ATTACH ? 0 : 1;
    }
}
