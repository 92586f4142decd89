#include "platform/core/macro_drawing.h"

#include "platform/core/numbered_texts.h"
#include "platform/host/call_log.h"

#include <string>
#include <unordered_map>

Zrl_MacroDrawing gMacroDrawing;
MacroCoreHooks gMacroCoreHooks;

namespace {

const wchar_t* const kKindNames[] = {L"General", L"Bolts", L"Profiles", L"Other"};

struct Catalogue {
    const wchar_t* assembly;
    std::vector<const wchar_t*> diameters;
};

const std::vector<Catalogue>& catalogue() {
    static const std::vector<Catalogue> list = {
        {L"8.8", {L"12", L"16", L"20", L"24", L"27", L"30"}},
        {L"10.9", {L"16", L"20", L"24", L"27", L"30"}},
        {L"Anchor", {L"20", L"24", L"30", L"36"}},
    };
    return list;
}

std::wstring codesText(const AcArray<int>& items) {
    std::wstring text;
    for (int i = 0; i < items.length(); ++i)
        text += (i ? L"," : L"") + std::to_wstring(items[i]);
    return text;
}

// The selected macros that are in the drawing, in selection order.
std::vector<Zrl_DrawnMacro*> selectedMacros(const MacroData& data) {
    std::vector<Zrl_DrawnMacro*> list;
    for (const AcDbObjectId& id : data.objectIds) {
        if (Zrl_DrawnMacro* macro = gMacroDrawing.find(id)) list.push_back(macro);
    }
    return list;
}

// Writes items (codes of `shape`, the record's tab) into `tab` by key.
bool applyItems(MacroTabData& tab, const MacroTabData& shape, const AcArray<int>& items,
                const Zrl_StringArray& values) {
    std::unordered_map<int, Zrl_String> keyOf;
    for (const Zrl_MacroItem& item : shape.items())
        keyOf.emplace(item.code, item.key);
    std::unordered_map<std::wstring, int> codeIn;
    for (const Zrl_MacroItem& item : tab.items())
        codeIn.emplace(item.key.str(), item.code);
    for (int i = 0; i < items.length() && i < values.length(); ++i) {
        if (items[i] == MacroTabData::kItemFlexFix) {
            if (!tab.setItem(items[i], values[i])) return false;
            continue;
        }
        auto key = keyOf.find(items[i]);
        if (key == keyOf.end()) return false;
        auto code = codeIn.find(key->second.str());
        // A macro without the item keeps what it has.
        if (code != codeIn.end() && !tab.setItem(code->second, values[i])) return false;
    }
    return true;
}

int tabIndex(const Zrl_Array<MacroTabData>& tabs, const Zrl_String& name) {
    for (int i = 0; i < tabs.length(); ++i) {
        if (tabs[i].name.equal(name, false)) return i;
    }
    return -1;
}

// Merges the tab of several macros: the first macro's tab, with
// "<Various>" for items on which the macros differ.
MacroTabData mergedTab(const std::vector<Zrl_DrawnMacro*>& macros, const Zrl_String& name) {
    MacroTabData merged;
    bool first = true;
    for (const Zrl_DrawnMacro* macro : macros) {
        const int t = tabIndex(macro->tabs, name);
        if (t < 0) continue;
        if (first) {
            merged = macro->tabs[t];
            first = false;
            continue;
        }
        std::unordered_map<std::wstring, Zrl_String> other;
        for (const Zrl_MacroItem& item : macro->tabs[t].items())
            other.emplace(item.key.str(), item.value);
        for (const Zrl_MacroItem& item : merged.items()) {
            auto it = other.find(item.key.str());
            if (item.code != MacroTabData::kItemFlexFix && it != other.end() &&
                it->second != item.value)
                merged.setItem(item.code, dialString(695));
        }
    }
    return merged;
}

} // namespace

Zrl_DrawnMacro* Zrl_MacroDrawing::find(const AcDbObjectId& id) {
    for (Zrl_DrawnMacro& macro : macros) {
        if (macro.id == id) return &macro;
    }
    return nullptr;
}

const Zrl_DrawnMacro* Zrl_MacroDrawing::find(const AcDbObjectId& id) const {
    return const_cast<Zrl_MacroDrawing*>(this)->find(id);
}

void Zrl_MacroDrawing::clear() {
    // Fresh arrays: the old elements are destroyed now, not when the array
    // goes (a module that filled the drawing may be unloaded by then).
    macros = Zrl_Array<Zrl_DrawnMacro>();
    previousSelection = AcArray<AcDbObjectId>();
    clashStatus = true;
}

bool openMacroDetailDialog(MacroData& data, int tabIndex, int buttonId) {
    host::recordCall("detailDialog", {std::to_wstring(tabIndex), std::to_wstring(buttonId)});
    return gMacroCoreHooks.detailDialog && gMacroCoreHooks.detailDialog(data, tabIndex, buttonId);
}

bool MacroData::loadFromStandards() {
    host::recordCall("loadFromStandards");
    return gMacroCoreHooks.loadFromStandards && gMacroCoreHooks.loadFromStandards(*this);
}

bool MacroData::reApply() {
    host::recordCall("reApply");
    return gMacroCoreHooks.reApply && gMacroCoreHooks.reApply(*this);
}

Zrl_String macroNameOf(const MacroData& data) {
    if (data.objectIds.length() != 1) return {};
    const Zrl_DrawnMacro* macro = gMacroDrawing.find(data.objectIds[0]);
    return macro ? macro->name : Zrl_String();
}

bool SelectOtherMacros(MacroData& data) {
    host::recordCall("SelectOtherMacros");
    if (gMacroDrawing.previousSelection.isEmpty()) return false;
    MacroData changed = data;
    changed.objectIds = gMacroDrawing.previousSelection;
    changed.firstFilter.selection = 0;
    changed.secondFilter.selection = 0;
    if (!UpdateAllFilterModified(changed, true)) return false;
    data = changed;
    return true;
}

bool UpdateAllFilterModified(MacroData& data, bool firstChanged) {
    const std::vector<Zrl_DrawnMacro*> macros = selectedMacros(data);
    if (macros.empty()) return false;
    Zrl_StringArray groups;
    AcArray<int> kinds;
    for (const Zrl_DrawnMacro* macro : macros) {
        for (const MacroTabData& tab : macro->tabs) {
            if (!groups.contains(tab.name, false)) groups.append(tab.name);
            if (!kinds.contains(tab.kind)) kinds.append(tab.kind);
        }
    }
    Zrl_MacroFilter first, second;
    first.items.append(L"<All>");
    second.items.append(L"<All>");
    for (const Zrl_String& group : groups)
        first.items.append(group);
    for (int kind : kinds) {
        second.items.append(kind >= 0 && kind < 4 ? Zrl_String(kKindNames[kind])
                                                  : L"Kind " + Zrl_String(kind));
    }
    auto keep = [](const Zrl_MacroFilter& old, const Zrl_MacroFilter& now) {
        if (old.selection <= 0 || old.selection >= old.items.length()) return 0;
        int at = 0;
        return now.items.find(old.items[old.selection], at, false) ? at : 0;
    };
    first.selection = keep(data.firstFilter, first);
    second.selection = firstChanged ? 0 : keep(data.secondFilter, second);

    Zrl_Array<MacroTabData> tabs;
    for (int g = 0; g < groups.length(); ++g) {
        if (first.selection > 0 && first.selection != g + 1) continue;
        MacroTabData tab = mergedTab(macros, groups[g]);
        if (second.selection > 0 && kinds[second.selection - 1] != tab.kind) continue;
        tabs.append(tab);
    }
    data.firstFilter = first;
    data.secondFilter = second;
    data.tabs = tabs;
    return true;
}

bool UpdateModule(const Zrl_String& tabName, MacroData& data, const AcArray<int>& changedItems,
                  const Zrl_StringArray& changedValues) {
    host::recordCall("UpdateModule", {tabName.str(), codesText(changedItems)});
    int t = -1;
    if (!data.findTab(tabName, t)) return false;
    MacroTabData shape = data.tabs[t];
    // Every macro first on a copy: one refusal changes nothing anywhere.
    std::vector<std::pair<Zrl_DrawnMacro*, MacroTabData>> staged;
    for (Zrl_DrawnMacro* macro : selectedMacros(data)) {
        const int mt = tabIndex(macro->tabs, tabName);
        if (mt < 0) continue;
        if (macro->locked) return false;
        MacroTabData tab = macro->tabs[mt];
        if (!applyItems(tab, shape, changedItems, changedValues)) return false;
        staged.emplace_back(macro, tab);
    }
    MacroTabData recordTab = shape;
    for (int i = 0; i < changedItems.length() && i < changedValues.length(); ++i) {
        if (!recordTab.setItem(changedItems[i], changedValues[i])) return false;
    }
    for (auto& [macro, tab] : staged)
        macro->tabs[tabIndex(macro->tabs, tabName)] = tab;
    data.tabs[t] = recordTab;
    return true;
}

bool setAllToMacro(const MacroData& data, const AcArray<int>& changedTabs,
                   const Zrl_Array<AcArray<int>>& changedItems,
                   const Zrl_Array<Zrl_StringArray>& changedValues) {
    std::vector<std::wstring> args;
    for (int i = 0; i < changedTabs.length() && i < changedItems.length(); ++i) {
        const MacroTabData* tab = data.getTab(changedTabs[i]);
        args.push_back((tab ? tab->name.str() : L"?") + L":" + codesText(changedItems[i]));
    }
    host::recordCall("setAllToMacro", args);
    bool all = true;
    for (Zrl_DrawnMacro* macro : selectedMacros(data)) {
        if (macro->locked) {
            all = false;
            continue;
        }
        Zrl_Array<MacroTabData> tabs = macro->tabs;
        bool ok = true;
        for (int i = 0; ok && i < changedTabs.length(); ++i) {
            const MacroTabData* shape = data.getTab(changedTabs[i]);
            if (!shape || i >= changedItems.length() || i >= changedValues.length()) {
                ok = false;
                break;
            }
            const int mt = tabIndex(tabs, shape->name);
            if (mt >= 0) ok = applyItems(tabs[mt], *shape, changedItems[i], changedValues[i]);
        }
        if (ok) {
            macro->tabs = tabs;
        } else {
            all = false;
        }
    }
    return all;
}

void removeAll(AcArray<int>& items, Zrl_StringArray& values, int code) {
    AcArray<int> keptItems;
    Zrl_StringArray keptValues;
    for (int i = 0; i < items.length(); ++i) {
        if (items[i] == code) continue;
        keptItems.append(items[i]);
        if (i < values.length()) keptValues.append(values[i]);
    }
    items = keptItems;
    values = keptValues;
}

void clashInitDlgStarted() {
    host::recordCall("clashInitDlgStarted");
}

void clashResetInfo() {
    host::recordCall("clashResetInfo");
}

void clashcheck() {
    host::recordCall("clashcheck");
}

bool clashGetStatus() {
    host::recordCall("clashGetStatus");
    return gMacroDrawing.clashStatus;
}

void clashSetStatus(bool on) {
    host::recordCall("clashSetStatus", {on ? L"1" : L"0"});
    gMacroDrawing.clashStatus = on;
}

void clashDlgClosed() {
    host::recordCall("clashDlgClosed");
}

void GetAssemblies(Zrl_StringArray& assemblies) {
    assemblies.setLogicalLength(0);
    for (const Catalogue& entry : catalogue())
        assemblies.append(entry.assembly);
}

void GetDiameters(const Zrl_String& assembly, Zrl_StringArray& diameters) {
    diameters.setLogicalLength(0);
    for (const Catalogue& entry : catalogue()) {
        if (!assembly.equal(entry.assembly, false)) continue;
        for (const wchar_t* d : entry.diameters)
            diameters.append(d);
    }
}

void GetMergedDiameters(const MacroData& data, const Zrl_String& tabName,
                        Zrl_StringArray& diameters) {
    diameters.setLogicalLength(0);
    bool first = true;
    auto merge = [&](const Zrl_String& assembly) {
        Zrl_StringArray list;
        GetDiameters(assembly, list);
        if (first) {
            diameters = list;
            first = false;
            return;
        }
        Zrl_StringArray common;
        for (const Zrl_String& d : diameters) {
            if (list.contains(d, false)) common.append(d);
        }
        diameters = common;
    };
    for (const Zrl_DrawnMacro* macro : selectedMacros(data)) {
        const int t = tabIndex(macro->tabs, tabName);
        if (t >= 0 && macro->tabs[t].hasBoltData) merge(macro->tabs[t].boltData.assembly);
    }
    // Without macros in the drawing the record's own tab speaks.
    int t = -1;
    if (first && data.findTab(tabName, t) && data.tabs[t].hasBoltData)
        merge(data.tabs[t].boltData.assembly);
}
