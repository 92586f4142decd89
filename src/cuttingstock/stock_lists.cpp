#include "cuttingstock/stock_lists.h"

#include <algorithm>
#include <climits>
#include <set>
#include <utility>

namespace stock {

namespace {

int pairCount(const DlgCSP2List& list) {
    return std::min(list.rowProfiles.length(), list.rows.length());
}

} // namespace

Zrl_StringArrayArray profileRows(const DlgCSP2List& list, int id) {
    Zrl_StringArrayArray rows;
    const int count = pairCount(list);
    for (int i = 0; i < count; ++i)
        if (list.rowProfiles[i] == id) rows.append(list.rows[i]);
    return rows;
}

int profileRowCount(const DlgCSP2List& list, int id) {
    const int count = pairCount(list);
    int n = 0;
    for (int i = 0; i < count; ++i)
        n += list.rowProfiles[i] == id ? 1 : 0;
    return n;
}

void replaceProfileRows(DlgCSP2List& list, int id, Zrl_StringArrayArray rows) {
    // Compacts the other profiles' rows to the front, moving rather than
    // copying, then appends the new rows.
    const int count = pairCount(list);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (list.rowProfiles[i] == id) continue;
        if (kept != i) {
            list.rowProfiles[kept] = list.rowProfiles[i];
            list.rows[kept] = std::move(list.rows[i]);
        }
        ++kept;
    }
    list.rowProfiles.setLogicalLength(kept);
    list.rows.setLogicalLength(kept);
    list.rowProfiles.setPhysicalLength(kept + rows.length());
    list.rows.setPhysicalLength(kept + rows.length());
    for (int i = 0; i < rows.length(); ++i) {
        list.rowProfiles.append(id);
        list.rows.append(Zrl_StringArray());
        list.rows.last() = std::move(rows[i]);
    }
}

void removeProfileRows(DlgCSP2List& list, int id) {
    replaceProfileRows(list, id, {});
}

int nextProfileId(const AcArray<int>& ids) {
    int largest = 0;
    for (int id : ids)
        largest = std::max(largest, id);
    if (largest < INT_MAX) return largest + 1;
    const std::set<int> used(ids.begin(), ids.end());
    int id = 1;
    while (used.count(id) != 0)
        ++id;
    return id;
}

int profileCount(const DlgCSP2Data& data) {
    return std::min(data.profileIds.length(), data.profileNames.length());
}

int profileIndex(const DlgCSP2Data& data, int id) {
    const int count = profileCount(data);
    for (int i = 0; i < count; ++i)
        if (data.profileIds[i] == id) return i;
    return -1;
}

} // namespace stock
