#include "standards/ss_dlgs_mgr.h"

#include "platform/host/host_windows.h"
#include "standards/dlg_ss_standards.h"

VkSSDlgsMgr gSSDlgsMgr;

VkSSDlgsMgr::VkSSDlgsMgr() = default;

VkSSDlgsMgr::~VkSSDlgsMgr() {
    destroyAll();
}

void* VkSSDlgsMgr::getDlg() {
    for (Entry& entry : entries_) {
        if (entry.inUse) continue;
        entry.inUse = true;
        return entry.window.get();
    }
    auto dlg = std::make_unique<CDlgSSStandards>(adsw_acadMainWnd());
    // A window that cannot be made is of no use to an evaluation.
    if (!dlg->createHidden()) return nullptr;
    entries_.push_back({std::move(dlg), true});
    return entries_.back().window.get();
}

ErrorStatus VkSSDlgsMgr::releaseDlg(void* dlg) {
    if (!dlg) return Acad::eInvalidInput;
    for (Entry& entry : entries_) {
        if (entry.window.get() != dlg) continue;
        entry.inUse = false;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

void VkSSDlgsMgr::destroyAll() {
    while (!entries_.empty()) {
        // Out of the pool before it goes, so that nothing the window does
        // while closing finds it handed out or idle.
        std::unique_ptr<CDlgSSStandards> dlg = std::move(entries_.back().window);
        entries_.pop_back();
        dlg->destroy();
    }
}
