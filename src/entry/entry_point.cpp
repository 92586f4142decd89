#include "entry/entry_point.h"

#include "frame/library_instance.h"
#include "grid/check_box_pictures.h"
#include "macroui/dlg_edit_macro.h"
#include "macroui/macro_starters.h"
#include "platform/host/rx_registry.h"
#include "standards/ss_dlgs_mgr.h"

namespace zrlss {

UnloadSteps& unloadSteps() {
    static UnloadSteps steps{[] { DestroyAllMacroDlgs(); }, [] { EndDlgEditConstraints(); }};
    return steps;
}

namespace {

AcRxDynamicLinker* dynamicLinker() {
    return AcRxDynamicLinker::cast(acrxSysRegistry()->at(L"DynamicLinker"));
}

void initialise(void* appId) {
    if (AcRxDynamicLinker* linker = dynamicLinker()) linker->unlockApplication(appId);
    if (AcRxDynamicLinker* linker = dynamicLinker()) linker->registerAppMDIAware(appId);
    ResourceScope resources;
    loadCheckBoxPictures();
}

void unload() {
    if (auto* commands =
            AcEdCommandStack::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS"))) {
        commands->removeGroup(kCommandGroup);
    }
    // The steps run on copies: a step may replace the hooks.
    const UnloadSteps steps = unloadSteps();
    if (steps.destroyAllMacroDlgs) steps.destroyAllMacroDlgs();
    if (steps.endDlgEditConstraints) steps.endDlgEditConstraints();
}

} // namespace

int detachLibrary() {
    gSSDlgsMgr.destroyAll();
    return 1;
}

} // namespace zrlss

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    // Nothing may escape to the host; a failing step leaves the rest undone.
    try {
        switch (msg) {
        case AcRx::kInitAppMsg:
            zrlss::initialise(appId);
            break;
        case AcRx::kUnloadAppMsg:
            zrlss::unload();
            break;
        default:
            break;
        }
    } catch (...) {
    }
    return AcRx::kRetOK;
}

int acrxGetApiVersion() {
    return AcRx::kApiVersion;
}
