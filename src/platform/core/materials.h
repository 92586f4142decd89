// The steel grades the core offers for profiles and plates.
#pragma once

#include "platform/core/zrl_stringarray.h"

// The materials in the order the core offers them.
Zrl_StringArray coreMaterials();
