// The lists of a cutting-stock record, per profile: the rows a grid shows
// for one profile and the replacing of a profile's rows by a grid's, and
// the profile ids.
//
// A list keeps the rows of all profiles in two parallel arrays (profile id,
// cells). Nothing here reads past the shorter of two parallel arrays; a
// list whose arrays differ in length is cut to its pairs when it is
// rewritten.
#pragma once

#include "platform/core/cutting_stock_data.h"

namespace stock {

// Every row of profile `id`, in list order (wherever they stand).
Zrl_StringArrayArray profileRows(const DlgCSP2List& list, int id);
// The number of rows of profile `id`.
int profileRowCount(const DlgCSP2List& list, int id);
// Removes every row of profile `id` and appends `rows` with that id, in one
// pass over the list.
void replaceProfileRows(DlgCSP2List& list, int id, Zrl_StringArrayArray rows);
// Removes every row of profile `id`.
void removeProfileRows(DlgCSP2List& list, int id);

// The id for a new profile: one more than the largest id, 1 when there is
// none or none is positive. When the largest is the largest int, the
// smallest positive id not in use.
int nextProfileId(const AcArray<int>& ids);
// The number of profiles: the shorter of the id and name arrays.
int profileCount(const DlgCSP2Data& data);
// The index of the profile with `id`; -1 when there is none.
int profileIndex(const DlgCSP2Data& data, int id);

} // namespace stock
