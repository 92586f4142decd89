#include "platform/core/macro_placements.h"

GroupPlacementsSource gGroupPlacementsSource;

void getGroupPlacements(const MacroData& data, const Zrl_String& group,
                        Zrl_Array<Zrl_NamedPrpl>& placements) {
    placements = Zrl_Array<Zrl_NamedPrpl>();
    if (gGroupPlacementsSource) gGroupPlacementsSource(data, group, placements);
}
