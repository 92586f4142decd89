#include "platform/core/macro_placements.h"

GroupPlacementsSource gGroupPlacementsSource;

Zrl_StringArray coreMaterials() {
    return Zrl_StringArray{L"S235", L"S275", L"S355", L"S460"};
}

void getGroupPlacements(const MacroData& data, const Zrl_String& group,
                        Zrl_Array<Zrl_NamedPrpl>& placements) {
    placements = Zrl_Array<Zrl_NamedPrpl>();
    if (gGroupPlacementsSource) gGroupPlacementsSource(data, group, placements);
}
