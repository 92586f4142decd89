// VkSettingsSubDlgType: one page of a settings dialog, created for a page
// type. The record only points at the page; the settings dialog that
// created the page owns and destroys it.
#pragma once

#include "platform/core/zrl_string.h"

namespace win {
class Dialog;
}

class VkSettingsSubDlgType {
public:
    VkSettingsSubDlgType() = default;
    VkSettingsSubDlgType(win::Dialog* page, const Zrl_String& type) : page(page), type(type) {}
    VkSettingsSubDlgType(const VkSettingsSubDlgType&) = default;
    VkSettingsSubDlgType& operator=(const VkSettingsSubDlgType&) = default;
    virtual ~VkSettingsSubDlgType() = default;

    win::Dialog* page = nullptr;
    Zrl_String type;
};
