#include "platform/core/macro_model.h"

namespace {

template <class T> int indexByName(const Zrl_Array<T>& list, const Zrl_String& name) {
    for (int i = 0; i < list.length(); ++i) {
        if (list[i].name.equal(name, false)) return i;
    }
    return -1;
}

} // namespace

ErrorStatus Zrl_MacroModule::getDialogVariables(Zrl_StringArray& names, AcArray<bool>& firstFlags,
                                                AcArray<bool>& secondFlags) const {
    names.removeAll();
    firstFlags.removeAll();
    secondFlags.removeAll();
    for (const Zrl_DialogVariable& v : dialogVariables) {
        names.append(v.name);
        firstFlags.append(v.firstFlag);
        secondFlags.append(v.secondFlag);
    }
    return Acad::eOk;
}

ErrorStatus Zrl_MacroModule::getSetConstrVarValue(const Zrl_String& variable, Zrl_String& value,
                                                  bool get) {
    int i = indexByName(dialogVariables, variable);
    if (i < 0) return Acad::eKeyNotFound;
    if (get) {
        value = macroNumberText(dialogVariables[i].value);
        return Acad::eOk;
    }
    double number = 0;
    if (!macroTextToNumber(value, number)) return Acad::eInvalidInput;
    dialogVariables[i].value = number;
    return Acad::eOk;
}

bool Zrl_MacroModule::hasDialogVariable(const Zrl_String& variable) const {
    return indexByName(dialogVariables, variable) >= 0;
}

ErrorStatus Zrl_MacroModule::getCutConstraints(Zrl_StringArray& names,
                                               AcArray<int>& cutTypes) const {
    names.removeAll();
    cutTypes.removeAll();
    for (const Zrl_MacroCut& cut : cuts) {
        names.append(cut.name);
        cutTypes.append(cut.cutType);
    }
    return Acad::eOk;
}

Zrl_MacroCut* Zrl_MacroModule::getCutConstraint(const Zrl_String& cutName) {
    int i = indexByName(cuts, cutName);
    return i < 0 ? nullptr : &cuts[i];
}

ErrorStatus Zrl_MacroModule::getSetCutValue(Zrl_MacroCut& cut, int offsetType, double& value,
                                            bool get) {
    if (!getCutOffsets(cut.cutType).contains(offsetType)) return Acad::eInvalidInput;
    if (get) {
        value = cut.offsets[offsetType];
    } else {
        cut.offsets[offsetType] = value;
    }
    return Acad::eOk;
}

void Zrl_MacroModule::getPatternIds(AcArray<int>& ids) const {
    ids.removeAll();
    for (const Zrl_BoltPattern& p : patterns)
        ids.append(p.id);
}

ErrorStatus Zrl_MacroModule::getPattern(int id, Zrl_BoltPattern& pattern) const {
    for (const Zrl_BoltPattern& p : patterns) {
        if (p.id == id) {
            pattern = p;
            return Acad::eOk;
        }
    }
    return Acad::eKeyNotFound;
}

Zrl_BoltPattern* Zrl_MacroModule::findPattern(const Zrl_String& patternName) {
    int i = indexByName(patterns, patternName);
    return i < 0 ? nullptr : &patterns[i];
}

const Zrl_NamedPrpl* Zrl_MacroModule::getNamedPrpl(const Zrl_String& placementName) const {
    if (placementName.isEmpty()) return nullptr;
    int i = indexByName(placements, placementName);
    return i < 0 ? nullptr : &placements[i];
}

void Zrl_Macro::getModuleNames(Zrl_StringArray& names) const {
    names.removeAll();
    for (const Zrl_MacroModule& m : modules)
        names.append(m.name);
}

ErrorStatus Zrl_Macro::getModNamesOfGroup(const Zrl_String& group, Zrl_StringArray& names) const {
    names.removeAll();
    if (group.isEmpty()) return Acad::eOk;
    for (const Zrl_MacroModule& m : modules) {
        if (m.tabName().equal(group, false)) names.append(m.name);
    }
    return names.isEmpty() ? Acad::eKeyNotFound : Acad::eOk;
}

const Zrl_MacroModule* Zrl_Macro::findModule(const Zrl_String& moduleName) const {
    int i = indexByName(modules, moduleName);
    return i < 0 ? nullptr : &modules[i];
}

Zrl_MacroModule* Zrl_Macro::findModuleWrite(const Zrl_String& moduleName) {
    int i = indexByName(modules, moduleName);
    return i < 0 ? nullptr : &modules[i];
}

void Zrl_Macro::getGeneralVariables(Zrl_StringArray& names) const {
    names.removeAll();
    for (const Zrl_GeneralVariable& v : generalVariables)
        names.append(v.name);
}

bool Zrl_Macro::hasGeneralVariable(const Zrl_String& varName) const {
    return indexByName(generalVariables, varName) >= 0;
}

ErrorStatus Zrl_Macro::getGenVarValue(const Zrl_String& varName, double& value) const {
    int i = indexByName(generalVariables, varName);
    if (i < 0) return Acad::eKeyNotFound;
    value = generalVariables[i].value;
    return Acad::eOk;
}

ErrorStatus Zrl_Macro::setGenVarValue(const Zrl_String& varName, double value) {
    int i = indexByName(generalVariables, varName);
    if (i < 0) return Acad::eKeyNotFound;
    generalVariables[i].value = value;
    return Acad::eOk;
}

void Zrl_DbMacro::getBaseProfIds(AcArray<AcDbObjectId>& ids) const {
    ids.removeAll();
    for (const Zrl_BaseProfile& p : baseProfiles)
        ids.append(p.id);
}

ErrorStatus Zrl_DbMacro::getBaseProf(int index, AcDbObjectId& id) const {
    if (index < 0 || index >= baseProfiles.length()) return Acad::eInvalidIndex;
    id = baseProfiles[index].id;
    return Acad::eOk;
}

ErrorStatus Zrl_DbMacro::getSectionName(const AcDbObjectId& id, Zrl_String& section) const {
    for (const Zrl_BaseProfile& p : baseProfiles) {
        if (p.id == id) {
            if (p.section.isEmpty()) return Acad::eInvalidInput;
            section = p.section;
            return Acad::eOk;
        }
    }
    return Acad::eKeyNotFound;
}

ErrorStatus openModule(Zrl_Macro* macro, const Zrl_String& moduleName, Zrl_MacroModule*& module,
                       int /*index*/) {
    if (!macro) return Acad::eInvalidInput;
    Zrl_MacroModule* found = macro->findModuleWrite(moduleName);
    if (!found) return Acad::eKeyNotFound;
    module = found;
    return Acad::eOk;
}

ErrorStatus getSetBoltPatternReverses(Zrl_MacroModule* module, Zrl_BoltPattern* pattern, bool first,
                                      bool get, bool& flag, AcTransaction* /*tr*/) {
    if (!module || !pattern || module->typeCode != kZrlModuleBolt) return Acad::eInvalidInput;
    if (!first && pattern->typeCode != kZrlPatternDouble) return Acad::eInvalidInput;
    bool& reversed = first ? pattern->reversed1 : pattern->reversed2;
    if (get) {
        flag = !reversed;
    } else {
        reversed = flag;
    }
    return Acad::eOk;
}

ErrorStatus getMaterial(const Zrl_NamedPrpl& prpl, Zrl_String& material) {
    if (prpl.material.isEmpty()) return Acad::eKeyNotFound;
    material = prpl.material;
    return Acad::eOk;
}
