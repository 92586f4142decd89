// The named placements (profiles and plates placed under a name) of one
// profile group of the macros a dialog record describes, as the core finds
// them for the advanced profile dialog.
#pragma once

#include "platform/core/macro_data.h"
#include "platform/core/macro_parts.h"

#include <functional>

// Where the core finds the placements of a group; empty: no macro of the
// record places anything under a name.
using GroupPlacementsSource =
    std::function<void(const MacroData&, const Zrl_String& group, Zrl_Array<Zrl_NamedPrpl>&)>;
extern GroupPlacementsSource gGroupPlacementsSource;

// The named placements of the profile group `group` (the list is emptied
// first).
void getGroupPlacements(const MacroData& data, const Zrl_String& group,
                        Zrl_Array<Zrl_NamedPrpl>& placements);
