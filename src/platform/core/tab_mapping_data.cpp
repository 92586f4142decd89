#include "platform/core/tab_mapping_data.h"

#include "platform/core/macro_model.h"

Zrl_String TabMappingData::getMapping(const Zrl_String& sheetName, int row) const {
    if (row < 0 || row >= sheetNames.length() || row >= keys.length()) return Zrl_String();
    return sheetNames[row].equal(sheetName, false) ? keys[row] : Zrl_String();
}

void TabMappingData::fillFromMacro(const Zrl_DbMacro& macro) {
    sheetNames.removeAll();
    keys.removeAll();
    groupNames.removeAll();
    for (const Zrl_MacroStandard& standard : macro.standards) {
        sheetNames.append(standard.sheet);
        keys.append(standard.key);
    }
    for (const Zrl_MacroModule& module : macro.macroRead().modules) {
        if (!groupNames.contains(module.tabName(), false)) groupNames.append(module.tabName());
    }
}

void TabMappingData::storeInMacro(Zrl_DbMacro& macro) const {
    macro.standards.removeAll();
    for (int i = 0; i < sheetNames.length(); ++i)
        macro.standards.append({sheetNames[i], i < keys.length() ? keys[i] : Zrl_String()});
}
