#include "platform/core/macro_cuts_data.h"

bool DlgMacroCutsData::usesOffset(int cutType, int offsetType) {
    const AcArray<int> offsets = getCutOffsets(cutType);
    for (int i = 0; i < offsets.length(); ++i) {
        if (offsets[i] == offsetType) return true;
    }
    return false;
}
