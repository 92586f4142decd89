#include "platform/core/cladding_data.h"

#include <map>
#include <set>

namespace {

std::map<int, std::set<int>> defaultTypes() {
    return {{0, {0, 1, 2, 3, 4}}, {1, {1, 3}}, {2, {0, 2, 4}}};
}

std::map<int, std::set<int>>& validTypes() {
    static std::map<int, std::set<int>> table = defaultTypes();
    return table;
}

bool inRange(int type) {
    return type >= 0 && type < kConstrainTypeCount;
}

} // namespace

bool isValidConstrainType(int kind, int type, bool forDialog) {
    if (!inRange(type)) return false;
    if (!forDialog) return true;
    auto it = validTypes().find(kind);
    return it != validTypes().end() && it->second.count(type) != 0;
}

void setValidConstrainTypes(int kind, const std::vector<int>& types) {
    std::set<int>& allowed = validTypes()[kind];
    allowed.clear();
    for (int t : types)
        if (inRange(t)) allowed.insert(t);
}

void resetValidConstrainTypes() {
    validTypes() = defaultTypes();
}
