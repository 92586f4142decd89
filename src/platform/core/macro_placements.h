// The core's lists for the advanced profile dialog: the materials a profile
// may have, and the named placements (profiles and plates placed under a
// name) of one profile group of the macros a dialog record describes.
#pragma once

#include "platform/core/macro_data.h"
#include "platform/core/macro_parts.h"

#include <functional>

// The materials in the order the core offers them.
Zrl_StringArray coreMaterials();

// Where the core finds the placements of a group; empty: no macro of the
// record places anything under a name.
using GroupPlacementsSource =
    std::function<void(const MacroData&, const Zrl_String& group, Zrl_Array<Zrl_NamedPrpl>&)>;
extern GroupPlacementsSource gGroupPlacementsSource;

// The named placements of the profile group `group` (the list is emptied
// first).
void getGroupPlacements(const MacroData& data, const Zrl_String& group,
                        Zrl_Array<Zrl_NamedPrpl>& placements);
