// VkSSDlgsMgr: the pool of hidden standards-spreadsheet windows
// (CDlgSSStandards). A standards evaluation takes a window with getDlg and
// gives it back with releaseDlg; the window stays alive with its loaded
// sheet for the next caller until destroyAll (at library detach).
//
// Each entry owns one window and tells whether it is handed out; windows
// are handed out as untyped pointers, as the exported interface has them.
//
// The pool owns its windows, so it cannot be copied: two pools holding the
// same windows would destroy them twice.
#pragma once

#include "frame/export.h"
#include "platform/host/acadstatus.h"

#include <memory>
#include <vector>

class CDlgSSStandards;

class ZRLSS_EXPORT VkSSDlgsMgr {
public:
    VkSSDlgsMgr();
    VkSSDlgsMgr(const VkSSDlgsMgr&) = delete;
    VkSSDlgsMgr& operator=(const VkSSDlgsMgr&) = delete;
    // Destroys every window of the pool.
    virtual ~VkSSDlgsMgr();

    // An idle window (the first in the pool), marked as handed out; a new
    // hidden window (template 253, parent: the host's main window) when none
    // is idle. Null when a new window cannot be created.
    void* getDlg();
    // Gives a window back: eInvalidInput for a pointer the pool does not
    // hold (nothing changes), else eOk.
    ErrorStatus releaseDlg(void* dlg);
    // Destroys every window, last first, and empties the pool.
    void destroyAll();

    // The pool's size and state, for tests and diagnostics.
    int count() const { return static_cast<int>(entries_.size()); }
    bool isHandedOut(int index) const {
        return index >= 0 && index < count() && entries_[static_cast<std::size_t>(index)].inUse;
    }

private:
    struct Entry {
        std::unique_ptr<CDlgSSStandards> window;
        bool inUse = false;
    };
    std::vector<Entry> entries_;
};

// The module's one pool.
extern ZRLSS_EXPORT VkSSDlgsMgr gSSDlgsMgr;
