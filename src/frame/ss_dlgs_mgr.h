// VkSSDlgsMgr: the pool of hidden standards-spreadsheet windows
// (CDlgSSStandards). A standards evaluation takes a window with getDlg and
// gives it back with releaseDlg; the window stays alive with its loaded
// sheet for the next caller until destroyAll (at library detach).
//
// `dialogs` and `inUse` are parallel: inUse[i] tells whether dialogs[i] is
// handed out. inUse never has fewer entries than dialogs, and an entry of
// inUse past the end of dialogs is never handed out.
//
// The pool owns its windows, so it cannot be copied: two pools holding the
// same windows would destroy them twice.
#pragma once

#include "frame/export.h"
#include "platform/host/acadstatus.h"
#include "platform/host/acarray.h"

class ZRLSS_EXPORT VkSSDlgsMgr {
public:
    VkSSDlgsMgr();
    VkSSDlgsMgr(const VkSSDlgsMgr&) = delete;
    VkSSDlgsMgr& operator=(const VkSSDlgsMgr&) = delete;
    // Destroys every window of the pool.
    virtual ~VkSSDlgsMgr();

    // An idle window, marked as handed out; a new hidden window (template
    // 253, parent: the host's main window) when none is idle. Null when a
    // new window cannot be created.
    void* getDlg();
    // Gives a window back: eInvalidInput for a pointer the pool does not
    // hold (nothing changes), else eOk.
    ErrorStatus releaseDlg(void* dlg);
    // Destroys every window, last first, and empties the pool.
    void destroyAll();

    // The pool's size and state, for tests and diagnostics.
    int count() const { return dialogs.length(); }
    bool isHandedOut(int index) const {
        return index >= 0 && index < dialogs.length() && index < inUse.length() && inUse[index];
    }

private:
    // Destroys the window at `index` and removes its entries: eInvalidInput
    // for an index outside the pool or a null entry.
    ErrorStatus destroyDlg(const int& index);

    AcArray<void*> dialogs;
    AcArray<bool> inUse;
};

// The module's one pool.
extern ZRLSS_EXPORT VkSSDlgsMgr gSSDlgsMgr;
