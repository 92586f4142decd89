#include "standards/object_map_list.h"

namespace {

bool hasValueType(const VkObjectMap& entry, VkValueType type) {
    VkValueType entryType = VkValueString;
    return mapVarKindValueType(entry.kind, entryType) && entryType == type;
}

} // namespace

VkObjectMapList::VkObjectMapList(Zrl_Array<VkObjectMap> entries) : entries_(std::move(entries)) {
    VkValueType type = VkValueString;
    bySSName_.build(
        entries_.length(), [this](int i) -> const Zrl_String& { return entries_[i].ssName; },
        [this, &type](int i) { return mapVarKindValueType(entries_[i].kind, type); });
    indexed_ = true;
}

int VkObjectMapList::findSSVar(const Zrl_String& ssName, VkValueType type) const {
    if (indexed_) {
        return bySSName_.findFirst(
            ssName, [this](int i) -> const Zrl_String& { return entries_[i].ssName; },
            [this, type](int i) { return hasValueType(entries_[i], type); });
    }
    for (int i = 0; i < entries_.length(); ++i) {
        if (hasValueType(entries_[i], type) && entries_[i].ssName.equal(ssName, false)) return i;
    }
    return -1;
}
