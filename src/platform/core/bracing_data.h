// VkBracingDlgData: the settings of a bracing as the bracing dialog edits
// them: for each of its two members a kind (an index of the six kinds of
// the dialog; 3 is the kind that takes a named profile) and the profile's
// name, one on/off switch, and the names the dialog offers.
#pragma once

#include "platform/core/zrl_stringarray.h"

class VkBracingDlgData {
public:
    // The kind that takes a name.
    static constexpr int kNamedKind = 3;
    static constexpr int kKindCount = 6;

    VkBracingDlgData() = default;
    VkBracingDlgData(const VkBracingDlgData&) = default;
    VkBracingDlgData& operator=(const VkBracingDlgData&) = default;
    virtual ~VkBracingDlgData() = default;
    bool operator==(const VkBracingDlgData&) const = default;

    int kind1 = 0;
    Zrl_String name1;
    int kind2 = 0;
    Zrl_String name2;
    bool switchOn = false;
    Zrl_StringArray names; // read only for the dialog
};
