#include "frame/ss_dlgs_mgr.h"

#include "platform/host/host_windows.h"
#include "standards/dlg_ss_standards.h"

#include <memory>

VkSSDlgsMgr gSSDlgsMgr;

VkSSDlgsMgr::VkSSDlgsMgr() : dialogs(0, 8), inUse(0, 8) {}

VkSSDlgsMgr::~VkSSDlgsMgr() {
    destroyAll();
}

void* VkSSDlgsMgr::getDlg() {
    for (int i = 0; i < inUse.length(); ++i) {
        if (inUse[i]) continue;
        if (i < dialogs.length()) {
            inUse[i] = true;
            return dialogs[i];
        }
        break;
    }
    auto dlg = std::make_unique<CDlgSSStandards>(adsw_acadMainWnd());
    // A window that cannot be made is of no use to an evaluation.
    if (!dlg->createHidden()) return nullptr;
    void* window = dlg.release();
    const int index = dialogs.append(window);
    // Keep the two arrays parallel: the new window's flag goes to its index.
    if (inUse.length() <= index) inUse.setLogicalLength(index + 1);
    inUse[index] = true;
    return window;
}

ErrorStatus VkSSDlgsMgr::releaseDlg(void* dlg) {
    if (!dlg) return Acad::eInvalidInput;
    const int index = dialogs.find(dlg);
    if (index < 0 || index >= inUse.length()) return Acad::eInvalidInput;
    inUse[index] = false;
    return Acad::eOk;
}

void VkSSDlgsMgr::destroyAll() {
    for (int i = dialogs.length() - 1; i >= 0; --i)
        destroyDlg(i);
    inUse.setLogicalLength(0);
}

ErrorStatus VkSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= dialogs.length() || !dialogs[index]) return Acad::eInvalidInput;
    auto* dlg = static_cast<CDlgSSStandards*>(dialogs[index]);
    dlg->destroy();
    delete dlg;
    dialogs.removeAt(index);
    if (index < inUse.length()) inUse.removeAt(index);
    return Acad::eOk;
}
