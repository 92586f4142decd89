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
#include "platform/host/acarray.h"
#include "platform/host/object_id.h"

#include <vector>

// The merged properties of the profiles of one profile group.
struct MacroProfData {
    Zrl_String group;
    // The member name the group's profiles carry.
    Zrl_String name;
    Zrl_String section;
    Zrl_String material;
    // Rotation about the profile's axis in degrees, as text.
    Zrl_String rotation;
    bool operator==(const MacroProfData&) const = default;
};

// The bolt assembly of a bolt tab: assembly, diameter and hole offset as texts.
struct Zrl_BoltData {
    Zrl_String assembly;
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

// One value of a tab as the macro dialog shows it: a variable and its text.
struct Zrl_MacroValue {
    Zrl_String variable;
    Zrl_String value;
    bool operator==(const Zrl_MacroValue&) const = default;
};

// One editable item of a tab: its code (see MacroTabData), a key that names
// it across records (for property lists and comparisons) and its text.
struct Zrl_MacroItem {
    int code = 0;
    Zrl_String key;
    Zrl_String value;
};

// Kinds of tabs.
enum Zrl_MacroTabKind : int {
    kMacroTabGeneral = 0,
    kMacroTabBolts = 1,
    kMacroTabProfiles = 2,
    kMacroTabOther = 3,
};

class MacroTabData {
public:
    virtual ~MacroTabData() = default;

    // Item codes of differences and UpdateModule: 0.. the value at that
    // position; the bolt data; 1000 + 2 * pattern (+ 1 for the second
    // count) a bolt count; 2000 + 4 * group + field (name, section,
    // material, rotation) a profile group; kItemFlexFix a changed Fix state
    // (its text is the variable's name and "=1" fixed or "=0" flexible).
    static constexpr int kItemAssembly = -1;
    static constexpr int kItemDiameter = -2;
    static constexpr int kItemHoleOffset = -3;
    static constexpr int kItemFlexFix = -12;
    static constexpr int kItemBoltCounts = 1000;
    static constexpr int kItemProfiles = 2000;

    // Every item of the tab in order (values, bolt data, bolt counts,
    // profile groups, Fix states).
    std::vector<Zrl_MacroItem> items() const;
    // Writes an item's text; false for a code the tab does not have.
    bool setItem(int code, const Zrl_String& value);
    // The items of this tab that differ from `before` (matched by key; an
    // item `before` lacks counts as changed), with this tab's texts.
    void differences(const MacroTabData& before, AcArray<int>& changedItems,
                     Zrl_StringArray& changedValues) const;
    // The value of a variable (without case); null when the tab lacks it.
    Zrl_MacroValue* findValue(const Zrl_String& variable);

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
    int kind = kMacroTabGeneral;
    Zrl_Array<Zrl_MacroValue> values;
    bool hasBoltData = false;
    Zrl_BoltData boltData;
    Zrl_Array<Zrl_PatternCounts> patterns;
    Zrl_Array<MacroProfData> profGroups;
    Zrl_Array<Zrl_FlexFixButton> flexFix;
};

// A filter of the macro dialog: its items and the selected one.
struct Zrl_MacroFilter {
    Zrl_StringArray items;
    int selection = 0;
    bool operator==(const Zrl_MacroFilter&) const = default;
};

// Where the property lists of a kind of macro live.
struct Zrl_PropListSettings {
    bool allowed = false;
    // The folder with its final separator, the extension with its full stop.
    Zrl_String folder;
    Zrl_String extension;
    // The names of the standard lists (kept in the same folder).
    Zrl_StringArray standardNames;
    bool operator==(const Zrl_PropListSettings&) const = default;
};

class MacroData {
public:
    virtual ~MacroData() = default;

    // Index of the tab named `name` (without case); false when none.
    bool findTab(const Zrl_String& name, int& index) const;
    // The tab at index; null outside the list.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;

    // Turns the drawing's view of the tab's modules to a direction (0..3);
    // the core logs the call (host call log, "changeView").
    void changeView(const Zrl_String& tabName, int direction) const;

    bool propListAllowed() const { return propLists.allowed; }
    // The choices for the property-list dialog: the folder, the extension,
    // the names of the folder's "*" + extension files without folder and
    // extension (sorted without case) and the standard names.
    void getPropFiles(Zrl_String& folder, Zrl_String& extension, Zrl_StringArray& ownNames,
                      Zrl_StringArray& standardNames) const;
    // Reads the list `name` (folder + name + extension) into every tab's
    // items; `count` is the number of list values this record lacks. A list
    // that cannot be read or is malformed is reported in a message box and
    // changes nothing (false).
    bool readFromFile(const Zrl_String& name, int& count);
    // Writes every tab's items as the list `name`, replacing the file
    // atomically; a failure is reported in a message box (false).
    bool writeToFile(const Zrl_String& name) const;
    // The tabs of this record that differ from `before` (matched by name),
    // with their changed items and texts (parallel lists).
    void differences(const MacroData& before, AcArray<int>& changedTabs,
                     Zrl_Array<AcArray<int>>& changedItems,
                     Zrl_Array<Zrl_StringArray>& changedValues) const;
    // Loads the tabs' values from the macro's standards, and applies the
    // macro again (the core's work, MacroCoreHooks); false when nothing happened.
    bool loadFromStandards();
    bool reApply();

    bool operator==(const MacroData&) const = default;

    Zrl_String caption;
    Zrl_Array<MacroTabData> tabs;
    // The module-group filter and the tab-kind filter.
    Zrl_MacroFilter firstFilter;
    Zrl_MacroFilter secondFilter;
    // The tab shown when the dialog opens.
    Zrl_String currentTab;
    // Open the profile page's advanced settings at once.
    bool startWithAdvanced = false;
    // A profile page receives the one selected object.
    bool singleProfile = false;
    // The dialog must not close yet (the core is busy with it).
    bool postponeClose = false;
    // The selected macros.
    AcArray<AcDbObjectId> objectIds;
    Zrl_PropListSettings propLists;
};
