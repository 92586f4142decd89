#include "platform/core/materials.h"

Zrl_StringArray coreMaterials() {
    return Zrl_StringArray{L"S235", L"S275", L"S355", L"S460"};
}
