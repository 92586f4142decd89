// MacroData and MacroTabData: the macro's dialog record. It holds one tab per
// module group (or per module without a group): the values the macro's
// dialog shows for it, such as the bolt data, the bolt counts of the
// patterns, the merged properties of each profile group and the flex/fix
// buttons of the dialog variables.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"

// The merged properties of the profiles of one profile group.
struct MacroProfData {
    Zrl_String group;
    // The member name the group's profiles carry.
    Zrl_String name;
    Zrl_String section;
    Zrl_String material;
    bool operator==(const MacroProfData&) const = default;
};

// The bolt assembly of a bolt tab: diameter and hole offset as texts.
struct Zrl_BoltData {
    Zrl_String diameter;
    Zrl_String holeOffset;
    bool operator==(const Zrl_BoltData&) const = default;
};

// The bolt counts of one pattern as the dialog shows them.
struct Zrl_PatternCounts {
    Zrl_String pattern;
    Zrl_String nrBolts1;
    Zrl_String nrBolts2;
    bool operator==(const Zrl_PatternCounts&) const = default;
};

// A dialog variable's flex/fix button: a flexible variable takes values from
// outside, a fixed one keeps its own.
struct Zrl_FlexFixButton {
    Zrl_String variable;
    bool flex = false;
    bool operator==(const Zrl_FlexFixButton&) const = default;
};

class MacroTabData {
public:
    virtual ~MacroTabData() = default;

    // The bolt data of a bolt tab; null when the tab has none.
    Zrl_BoltData* getBoltData() { return hasBoltData ? &boltData : nullptr; }

    // Bolt count of `pattern` in the first (first = true) or second
    // direction: read into or written from `value`. False for an unknown
    // pattern.
    bool getSetNrBolts(const Zrl_String& pattern, Zrl_String& value, bool get, bool first);

    // The merged properties of a profile group (names compared without case).
    ErrorStatus getMergedPropsOfGroup(const Zrl_String& group, MacroProfData& props) const;
    ErrorStatus setMergedPropsOfGroup(const Zrl_String& group, const MacroProfData& props);

    // True when the variable has a flex/fix button; `flex` tells whether it
    // is flexible and `fix` whether it is fixed.
    bool getFlexFixBtnStatus(const Zrl_String& variable, bool& flex, bool& fix) const;
    // Switches the variable's button (flex <-> fix); `notify` asks the dialog
    // to update its page, which the record alone has nothing to do for.
    // False when the variable has no button.
    bool flexFixBtnClicked(const Zrl_String& variable, bool notify);

    bool operator==(const MacroTabData&) const = default;

    Zrl_String name;
    bool hasBoltData = false;
    Zrl_BoltData boltData;
    Zrl_Array<Zrl_PatternCounts> patterns;
    Zrl_Array<MacroProfData> profGroups;
    Zrl_Array<Zrl_FlexFixButton> flexFix;
};

class MacroData {
public:
    virtual ~MacroData() = default;

    // Index of the tab named `name` (without case); false when none.
    bool findTab(const Zrl_String& name, int& index) const;
    // The tab at index; null outside the list.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;

    bool operator==(const MacroData&) const = default;

    Zrl_String caption;
    Zrl_Array<MacroTabData> tabs;
};
