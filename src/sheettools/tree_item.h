// VkTreeItem: one entry of a settings tree. The name is what the tree shows,
// the type names the page the entry opens (e.g. "GlobalDlg"), and the parent
// name places the entry under another one (empty for a top-level entry).
#pragma once

#include "platform/core/zrl_string.h"

class VkTreeItem {
public:
    VkTreeItem() = default;
    VkTreeItem(const Zrl_String& name, const Zrl_String& type, const Zrl_String& parentName)
        : name(name), type(type), parentName(parentName) {}
    VkTreeItem(const VkTreeItem&) = default;
    VkTreeItem& operator=(const VkTreeItem&) = default;
    virtual ~VkTreeItem() = default;

    Zrl_String name;
    Zrl_String type;
    Zrl_String parentName;
};
