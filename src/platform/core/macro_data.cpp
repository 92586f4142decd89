#include "platform/core/macro_data.h"

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
