#include "platform/core/resource_override.h"

void VkTempResourceOverride::SaveDefaultResource(win::ModuleHandle module) {
    default_ = module;
}

bool VkTempResourceOverride::SetDefaultResource() {
    if (default_ == win::ModuleHandle::None) return false;
    const win::ModuleHandle current = win::currentResourceModule();
    if (current == default_) return false;
    if (!win::setResourceModule(default_)) return false;
    originals_.push_back(current);
    return true;
}

void VkTempResourceOverride::RestoreOriginalResource() {
    if (originals_.empty()) return;
    const win::ModuleHandle original = originals_.back();
    originals_.pop_back();
    win::setResourceModule(original);
}
