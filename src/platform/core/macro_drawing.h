// The drawing's connection macros as the macro dialog reaches them through
// the core: each macro by its object id with the tabs of its dialog record,
// the host's previous selection, and the core functions that read and change
// macros from a MacroData record (filters, updates, clash checks, bolt
// catalogue, the detail dialogs).
//
// Changes are all or nothing per macro: a locked macro refuses every change.
// The functions that change the drawing, and the clash functions, are
// recorded in the host call log (platform/host/call_log.h) with their
// arguments, so that tests see what the dialog asked for and in what order.
#pragma once

#include "platform/core/macro_data.h"

#include <functional>
#include <vector>

struct Zrl_DrawnMacro {
    AcDbObjectId id;
    Zrl_String name;
    Zrl_Array<MacroTabData> tabs;
    // Refuses every change (a macro on a locked layer).
    bool locked = false;
    bool operator==(const Zrl_DrawnMacro&) const = default;
};

class Zrl_MacroDrawing {
public:
    virtual ~Zrl_MacroDrawing() = default;

    Zrl_DrawnMacro* find(const AcDbObjectId& id);
    const Zrl_DrawnMacro* find(const AcDbObjectId& id) const;
    // Empties the drawing, destroying its macros at once.
    void clear();

    Zrl_Array<Zrl_DrawnMacro> macros;
    // What the user selects when asked to select other macros; empty: the
    // user cancels the selection.
    AcArray<AcDbObjectId> previousSelection;
    // The clash check switch (clashGetStatus / clashSetStatus).
    bool clashStatus = true;
};

extern Zrl_MacroDrawing gMacroDrawing;

// The core's dialogs and jobs behind the macro dialog's buttons. Each hook
// returns true when it changed the record; an empty hook does nothing and
// answers false.
struct MacroCoreHooks {
    // A detail dialog of a tab (buttons 1114, 1210, 1222, 1223 of the pages):
    // the record, the tab's index and the button.
    std::function<bool(MacroData&, int tabIndex, int buttonId)> detailDialog;
    std::function<bool(MacroData&)> loadFromStandards;
    std::function<bool(MacroData&)> reApply;
};
extern MacroCoreHooks gMacroCoreHooks;

// Opens the detail dialog of a tab through the hook (logged).
bool openMacroDetailDialog(MacroData& data, int tabIndex, int buttonId);

// The name of the one macro the record describes; empty for none or several.
Zrl_String macroNameOf(const MacroData& data);

// Lets the user select other macros: the host's previous selection becomes
// the record's objects, the filters start again at "<All>" and the tabs are
// built anew. False (record unchanged) when nothing was selected.
bool SelectOtherMacros(MacroData& data);
// Rebuilds the filters ("<All>" and the module groups; "<All>" and the tab
// kinds) and the record's tabs from the selected macros, keeping the
// filters' selections where they still exist; `firstChanged` tells that the
// first filter changed, which starts the second again at "<All>". False
// (record unchanged) when no selected macro is in the drawing.
bool UpdateAllFilterModified(MacroData& data, bool firstChanged);
// Writes the changed items of a tab into every selected macro that has the
// tab and into the record. False when a macro refused (nothing changed).
bool UpdateModule(const Zrl_String& tabName, MacroData& data, const AcArray<int>& changedItems,
                  const Zrl_StringArray& changedValues);
// Applies the changes of MacroData::differences to each selected macro, all
// or nothing per macro. False when a macro refused.
bool setAllToMacro(const MacroData& data, const AcArray<int>& changedTabs,
                   const Zrl_Array<AcArray<int>>& changedItems,
                   const Zrl_Array<Zrl_StringArray>& changedValues);
// Removes every entry `code` from the items and the text at the same place.
void removeAll(AcArray<int>& items, Zrl_StringArray& values, int code);

void clashInitDlgStarted();
void clashResetInfo();
void clashcheck();
bool clashGetStatus();
void clashSetStatus(bool on);
void clashDlgClosed();

// The bolt catalogue: the assemblies, the diameters of one assembly, and the
// diameters the selected macros' assemblies of a tab have in common.
void GetAssemblies(Zrl_StringArray& assemblies);
void GetDiameters(const Zrl_String& assembly, Zrl_StringArray& diameters);
void GetMergedDiameters(const MacroData& data, const Zrl_String& tabName,
                        Zrl_StringArray& diameters);
