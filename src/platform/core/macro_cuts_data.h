// DlgMacroCutsData: the cuts of a macro as the cuts dialog edits them (each
// cut's name, type and one offset per offset type, as the macro model keeps
// them) and the cut that is current.
#pragma once

#include "platform/core/macro_parts.h"
#include "platform/core/zrl_array.h"

class DlgMacroCutsData {
public:
    DlgMacroCutsData() = default;
    DlgMacroCutsData(const DlgMacroCutsData&) = default;
    DlgMacroCutsData& operator=(const DlgMacroCutsData&) = default;
    virtual ~DlgMacroCutsData() = default;
    bool operator==(const DlgMacroCutsData&) const = default;

    // Whether a cut of `cutType` has the offset `offsetType` (getCutOffsets);
    // an unknown cut type has none.
    static bool usesOffset(int cutType, int offsetType);

    Zrl_Array<Zrl_MacroCut> cuts;
    // Index of the current cut in `cuts`; -1 for none.
    int current = -1;
};
