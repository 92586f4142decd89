#include "platform/core/macro_data.h"

#include "platform/host/call_log.h"

#include <string>
#include <unordered_map>

namespace {

template <class T, class Key>
int findByName(const Zrl_Array<T>& list, const Zrl_String& name, Key key) {
    for (int i = 0; i < list.length(); ++i) {
        if ((list[i].*key).equal(name, false)) return i;
    }
    return -1;
}

} // namespace

bool MacroTabData::getSetNrBolts(const Zrl_String& pattern, Zrl_String& value, bool get,
                                 bool first) {
    int i = findByName(patterns, pattern, &Zrl_PatternCounts::pattern);
    if (i < 0) return false;
    Zrl_String& count = first ? patterns[i].nrBolts1 : patterns[i].nrBolts2;
    if (get) {
        value = count;
    } else {
        count = value;
    }
    return true;
}

ErrorStatus MacroTabData::getMergedPropsOfGroup(const Zrl_String& group,
                                                MacroProfData& props) const {
    int i = findByName(profGroups, group, &MacroProfData::group);
    if (i < 0) return Acad::eKeyNotFound;
    props = profGroups[i];
    return Acad::eOk;
}

ErrorStatus MacroTabData::setMergedPropsOfGroup(const Zrl_String& group,
                                                const MacroProfData& props) {
    int i = findByName(profGroups, group, &MacroProfData::group);
    if (i < 0) return Acad::eKeyNotFound;
    Zrl_String keep = profGroups[i].group;
    profGroups[i] = props;
    profGroups[i].group = keep;
    return Acad::eOk;
}

bool MacroTabData::getFlexFixBtnStatus(const Zrl_String& variable, bool& flex, bool& fix) const {
    int i = findByName(flexFix, variable, &Zrl_FlexFixButton::variable);
    if (i < 0) return false;
    flex = flexFix[i].flex;
    fix = !flexFix[i].flex;
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Zrl_String& variable, bool /*notify*/) {
    int i = findByName(flexFix, variable, &Zrl_FlexFixButton::variable);
    if (i < 0) return false;
    flexFix[i].flex = !flexFix[i].flex;
    return true;
}

bool MacroData::findTab(const Zrl_String& name, int& index) const {
    int i = findByName(tabs, name, &MacroTabData::name);
    if (i < 0) return false;
    index = i;
    return true;
}

MacroTabData* MacroData::getTab(int index) {
    return index >= 0 && index < tabs.length() ? &tabs[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return index >= 0 && index < tabs.length() ? &tabs[index] : nullptr;
}

namespace {

const wchar_t* const kProfileFields[] = {L"name", L"section", L"material", L"rotation"};

Zrl_String* profileField(MacroProfData& group, int field) {
    switch (field) {
    case 0:
        return &group.name;
    case 1:
        return &group.section;
    case 2:
        return &group.material;
    case 3:
        return &group.rotation;
    default:
        return nullptr;
    }
}

} // namespace

std::vector<Zrl_MacroItem> MacroTabData::items() const {
    std::vector<Zrl_MacroItem> list;
    list.reserve(static_cast<size_t>(values.length() + patterns.length() * 2 +
                                     profGroups.length() * 4 + flexFix.length() + 3));
    for (int i = 0; i < values.length(); ++i)
        list.push_back({i, L"value/" + values[i].variable, values[i].value});
    if (hasBoltData) {
        list.push_back({kItemAssembly, L"assembly", boltData.assembly});
        list.push_back({kItemDiameter, L"diameter", boltData.diameter});
        list.push_back({kItemHoleOffset, L"holeOffset", boltData.holeOffset});
    }
    for (int p = 0; p < patterns.length(); ++p) {
        list.push_back({kItemBoltCounts + 2 * p, L"bolts1/" + patterns[p].pattern,
                        patterns[p].nrBolts1});
        list.push_back({kItemBoltCounts + 2 * p + 1, L"bolts2/" + patterns[p].pattern,
                        patterns[p].nrBolts2});
    }
    for (int g = 0; g < profGroups.length(); ++g) {
        MacroProfData group = profGroups[g];
        for (int f = 0; f < 4; ++f) {
            list.push_back({kItemProfiles + 4 * g + f,
                            L"profile/" + group.group + L"/" + kProfileFields[f],
                            *profileField(group, f)});
        }
    }
    for (const Zrl_FlexFixButton& button : flexFix)
        list.push_back({kItemFlexFix, L"fix/" + button.variable, button.flex ? L"0" : L"1"});
    return list;
}

bool MacroTabData::setItem(int code, const Zrl_String& value) {
    if (code >= 0 && code < values.length()) {
        values[code].value = value;
        return true;
    }
    if (code >= kItemBoltCounts && code < kItemBoltCounts + 2 * patterns.length()) {
        Zrl_PatternCounts& counts = patterns[(code - kItemBoltCounts) / 2];
        ((code - kItemBoltCounts) % 2 == 0 ? counts.nrBolts1 : counts.nrBolts2) = value;
        return true;
    }
    if (code >= kItemProfiles && code < kItemProfiles + 4 * profGroups.length()) {
        MacroProfData& group = profGroups[(code - kItemProfiles) / 4];
        *profileField(group, (code - kItemProfiles) % 4) = value;
        return true;
    }
    if (hasBoltData) {
        if (code == kItemAssembly) return (boltData.assembly = value, true);
        if (code == kItemDiameter) return (boltData.diameter = value, true);
        if (code == kItemHoleOffset) return (boltData.holeOffset = value, true);
    }
    if (code == kItemFlexFix) {
        // The text names the variable and its state: "Height=1" fixed.
        const int eq = value.findLast(L"=", true);
        if (eq < 0) return false;
        int i = findByName(flexFix, value.left(eq), &Zrl_FlexFixButton::variable);
        if (i < 0) return false;
        flexFix[i].flex = value.getSubStringAt(eq + 1) != L"1";
        return true;
    }
    return false;
}

void MacroTabData::differences(const MacroTabData& before, AcArray<int>& changedItems,
                               Zrl_StringArray& changedValues) const {
    changedItems.setLogicalLength(0);
    changedValues.setLogicalLength(0);
    const std::vector<Zrl_MacroItem> old = before.items();
    std::unordered_map<std::wstring, const Zrl_String*> byKey;
    byKey.reserve(old.size());
    for (const Zrl_MacroItem& item : old)
        byKey.emplace(item.key.str(), &item.value);
    for (const Zrl_MacroItem& item : items()) {
        auto it = byKey.find(item.key.str());
        if (it != byKey.end() && *it->second == item.value) continue;
        changedItems.append(item.code);
        // A Fix state names its variable: "Height=1".
        changedValues.append(item.code == kItemFlexFix ? item.key.getSubStringAt(4) + L"=" + item.value
                                                       : item.value);
    }
}

Zrl_MacroValue* MacroTabData::findValue(const Zrl_String& variable) {
    int i = findByName(values, variable, &Zrl_MacroValue::variable);
    return i < 0 ? nullptr : &values[i];
}

void MacroData::changeView(const Zrl_String& tabName, int direction) const {
    host::recordCall("changeView", {tabName.str(), std::to_wstring(direction)});
}

void MacroData::differences(const MacroData& before, AcArray<int>& changedTabs,
                            Zrl_Array<AcArray<int>>& changedItems,
                            Zrl_Array<Zrl_StringArray>& changedValues) const {
    changedTabs.setLogicalLength(0);
    changedItems.setLogicalLength(0);
    changedValues.setLogicalLength(0);
    static const MacroTabData kNoTab;
    for (int t = 0; t < tabs.length(); ++t) {
        int old = -1;
        const MacroTabData& from = before.findTab(tabs[t].name, old) ? before.tabs[old] : kNoTab;
        AcArray<int> items;
        Zrl_StringArray values;
        tabs[t].differences(from, items, values);
        if (items.isEmpty()) continue;
        changedTabs.append(t);
        changedItems.append(items);
        changedValues.append(values);
    }
}
