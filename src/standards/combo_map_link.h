// VkComboMapLink: ties one combo-box cell of the standards mapping tab to
// the sheet variable it maps and to the candidates offered for it.
#pragma once

#include "platform/host/acarray.h"

class VkComboMapLink {
public:
    VkComboMapLink() = default;
    VkComboMapLink(const VkComboMapLink&) = default;
    VkComboMapLink& operator=(const VkComboMapLink&) = default;
    virtual ~VkComboMapLink() = default;

    bool operator==(const VkComboMapLink&) const = default;

    // The grid cell of the combo box; -1 when not placed.
    int col = -1;
    int row = -1;
    // The sheet variable's index in the sheet's variable list; -1 when none.
    int varIndex = -1;
    // Indexes into the mapping's candidate list (VkSSMapping::getValidVars),
    // with -1 between categories once sorted.
    AcArray<int> validVars;
};
