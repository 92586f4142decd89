// Zrl_NameIndex: finds, among the names of a list, the first one equal to a
// text without case (the answer of a search from the front) by hashing the
// folded names once instead of comparing them all on every search.
//
// It holds positions only: the list it was built from must not change while
// the index is in use.
#pragma once

#include "platform/core/zrl_string.h"

#include <algorithm>
#include <utility>
#include <vector>

class Zrl_NameIndex {
public:
    // Indexes the positions 0 .. count-1 by nameOf(i); a position for which
    // include(i) is false is left out.
    template <class NameOf, class Include> void build(int count, NameOf nameOf, Include include) {
        slots_.clear();
        slots_.reserve(count > 0 ? static_cast<size_t>(count) : 0);
        for (int i = 0; i < count; ++i) {
            if (include(i)) slots_.emplace_back(Zrl_String::hashNoCase(nameOf(i).str()), i);
        }
        // By hash, and by position among equal hashes: the first match found
        // is the first of the list.
        std::sort(slots_.begin(), slots_.end());
    }

    // The first indexed position whose name equals `name` without case and
    // that accept(i) takes; -1 when there is none.
    template <class NameOf, class Accept>
    int findFirst(const Zrl_String& name, NameOf nameOf, Accept accept) const {
        const size_t hash = Zrl_String::hashNoCase(name.str());
        auto it = std::lower_bound(slots_.begin(), slots_.end(), std::pair<size_t, int>(hash, -1));
        for (; it != slots_.end() && it->first == hash; ++it) {
            if (nameOf(it->second).equal(name, false) && accept(it->second)) return it->second;
        }
        return -1;
    }

private:
    std::vector<std::pair<size_t, int>> slots_;
};
