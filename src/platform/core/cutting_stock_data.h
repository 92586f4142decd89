// DlgCSP2Data: the core module's record of a cutting-stock run, as the
// cutting-stock dialog edits it.
//
// Per profile (a section to be cut) three lists: the pieces to cut, the
// lengths in the shop and the lengths that can be bought. Each list holds
// the rows of every profile: `rowProfiles[i]` is the id of the profile that
// row `rows[i]` belongs to. The columns are the caller's: a row is a list of
// cell texts under `titles`.
//
// In result mode (after a run) only the shop list is edited, and what is
// left in the shop is saved for the next job.
#pragma once

#include "platform/core/text_helpers.h"

// One list of rows for all profiles: the column titles and two parallel
// arrays, the profile id of each row and the row's cells.
class DlgCSP2List {
public:
    DlgCSP2List() = default;
    virtual ~DlgCSP2List() = default;
    DlgCSP2List(const DlgCSP2List&) = default;
    DlgCSP2List& operator=(const DlgCSP2List&) = default;
    DlgCSP2List(DlgCSP2List&&) = default;
    DlgCSP2List& operator=(DlgCSP2List&&) = default;
    bool operator==(const DlgCSP2List&) const = default;

    Zrl_StringArray titles;
    AcArray<int> rowProfiles;
    Zrl_StringArrayArray rows;
};

class DlgCSP2Data {
public:
    DlgCSP2Data() = default;
    virtual ~DlgCSP2Data() = default;
    DlgCSP2Data(const DlgCSP2Data&) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data&) = default;
    DlgCSP2Data(DlgCSP2Data&&) = default;
    DlgCSP2Data& operator=(DlgCSP2Data&&) = default;
    bool operator==(const DlgCSP2Data&) const = default;

    // false: input mode (all three lists); true: result mode (the shop only).
    bool resultMode = false;
    // One entry per profile, parallel: the combo box lists them in this
    // order; the name is also the name of the profile's stock folder.
    AcArray<int> profileIds;
    Zrl_StringArray profileNames;
    DlgCSP2List pieces;
    DlgCSP2List shop;
    DlgCSP2List purchase;
};
