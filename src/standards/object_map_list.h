// VkObjectMapList: the entries of a mapping in their order, with an index
// that finds the entry of a sheet variable as a search from the front would.
//
// A list is shared by the copies of a mapping and by the mapping file's
// cache, and is not changed while shared: whoever changes one works on a copy
// of its own (see VkSSMapping::mappedObjectsWrite).
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string_index.h"
#include "standards/object_map.h"

class VkObjectMapList {
public:
    VkObjectMapList() = default;
    // Takes the entries and indexes them by sheet variable.
    explicit VkObjectMapList(Zrl_Array<VkObjectMap> entries);

    const Zrl_Array<VkObjectMap>& entries() const { return entries_; }
    // The entries, for changes. The index is dropped for good: the caller
    // may change the names at any time after.
    Zrl_Array<VkObjectMap>& entriesWrite() {
        indexed_ = false;
        return entries_;
    }

    // The first entry for the sheet variable ssName (without case) whose
    // kind has exactly this value type; -1 when none.
    int findSSVar(const Zrl_String& ssName, VkValueType type) const;

private:
    Zrl_Array<VkObjectMap> entries_;
    Zrl_NameIndex bySSName_;
    bool indexed_ = false;
};
