// VkTempResourceOverride: switches the windowing layer's current resource
// module to one module (the module's own dialogs and bitmaps are then found
// first) and back again.
//
// A module tells the override its own module handle once
// (SaveDefaultResource); each call into the module then switches with
// SetDefaultResource and, only when that reports a switch, switches back
// with RestoreOriginalResource. Switches nest: every switch that happened
// remembers the module it replaced, and each restore undoes the latest one.
// SetDefaultResource reports no switch (false) when no module was saved or
// the saved module is current already, so an inner call leaves the
// restoring to the outer one.
//
// VkResourceScope does the two steps as one scoped guard, so the restore
// also runs when the scope is left by an exception.
#pragma once

#include "platform/win/resources.h"

#include <vector>

class VkTempResourceOverride {
public:
    VkTempResourceOverride() = default;
    virtual ~VkTempResourceOverride() = default;

    void SaveDefaultResource(win::ModuleHandle module);
    win::ModuleHandle GetDefaultResource() const { return default_; }

    // Makes the saved module current. True when it switched.
    bool SetDefaultResource();
    // Undoes the latest switch; nothing when none is outstanding.
    void RestoreOriginalResource();

    // Switches that have not been restored yet.
    int pendingSwitches() const { return static_cast<int>(originals_.size()); }

private:
    win::ModuleHandle default_ = win::ModuleHandle::None;
    std::vector<win::ModuleHandle> originals_;
};

class VkResourceScope {
public:
    explicit VkResourceScope(VkTempResourceOverride& override)
        : override_(override), switched_(override.SetDefaultResource()) {}
    ~VkResourceScope() {
        if (switched_) override_.RestoreOriginalResource();
    }
    VkResourceScope(const VkResourceScope&) = delete;
    VkResourceScope& operator=(const VkResourceScope&) = delete;

    bool switched() const { return switched_; }

private:
    VkTempResourceOverride& override_;
    bool switched_;
};
