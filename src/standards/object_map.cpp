#include "standards/object_map.h"

#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"
#include "platform/core/section_tables.h"
#include "platform/core/text_helpers.h"

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}

Zrl_String withoutLeadingBlanks(const Zrl_String& text) {
    int start = 0;
    while (start < text.length() && isBlank(text[start]))
        ++start;
    return text.getSubStringAt(start);
}

// The base profile index of "Prof" + n; false for any other text.
bool baseProfileIndex(const Zrl_String& objName, int& index) {
    if (!objName.startsWith(L"Prof", false)) return false;
    bool ok = false;
    int n = objName.getSubStringAt(4).toInt(&ok);
    if (!ok || n < 0) return false;
    index = n;
    return true;
}

ErrorStatus baseProfileSection(const Zrl_DbMacro& macroObject, const Zrl_String& profName,
                               Zrl_String& section) {
    int n = 0;
    AcDbObjectId id;
    if (!baseProfileIndex(profName, n) || macroObject.getBaseProf(n, id) != Acad::eOk ||
        macroObject.getSectionName(id, section) != Acad::eOk)
        return Acad::eInvalidInput;
    return Acad::eOk;
}

} // namespace

ErrorStatus VkObjectMap::getMappingFromStrs(const Zrl_String& ssNameIn, const Zrl_String& mapText) {
    Zrl_String groupText, rest;
    if (!splitString(mapText, Zrl_String(kMapGroupSeparator), groupText, rest, false))
        return Acad::eInvalidInput;
    VkMapVarKind newKind = VkMapVarNone;
    if (!mapVarKindFromText(rest, newKind)) return Acad::eInvalidInput;
    rest = withoutLeadingBlanks(rest);
    int blank = rest.findFirst(L" ", true);
    group = groupText;
    kind = newKind;
    objName = blank < 0 ? Zrl_String() : rest.getSubStringAt(blank + 1);
    ssName = ssNameIn;
    return Acad::eOk;
}

ErrorStatus VkObjectMap::setMappingToStrs(Zrl_String& mapText, Zrl_String& ssNameOut) const {
    Zrl_String keyword = mapVarKindKeyword(kind);
    if (keyword.isEmpty()) return Acad::eInvalidInput;
    mapText = group + Zrl_String(kMapGroupSeparator) + keyword + L" " + objName;
    ssNameOut = ssName;
    return Acad::eOk;
}

ErrorStatus VkObjectMap::mapFromArrays(const Zrl_StringArray& ssNames,
                                       const Zrl_StringArray& mapTexts, const VkVarCell& cell) {
    int index = -1;
    if (!ssNames.find(cell.name, index, false) || index >= mapTexts.length())
        return Acad::eInvalidInput;
    return getMappingFromStrs(ssNames[index], mapTexts[index]);
}

ErrorStatus VkObjectMap::isCompatible(const VkObjectMap& other) const {
    return group.equal(other.group, false) && objName.equal(other.objName, false) &&
                   kind == other.kind
               ? Acad::eOk
               : Acad::eInvalidInput;
}

ErrorStatus VkObjectMap::getMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData,
                                          Zrl_String& value, AcTransaction* tr) {
    return getSetMacroVarValue(macroObject, macroData, value, true, tr);
}

ErrorStatus VkObjectMap::setMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData,
                                          Zrl_String& value, AcTransaction* tr) {
    return getSetMacroVarValue(macroObject, macroData, value, false, tr);
}

ErrorStatus VkObjectMap::getSetMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData,
                                             Zrl_String& value, bool get, AcTransaction* tr) const {
    if (!macroObject) return Acad::eInvalidInput;
    // Every module of the group is asked; when reading, the last module that
    // answers gives the value. A write leaves the value as it is.
    bool answered = false;
    const ErrorStatus es =
        macroObject->macroWrite()->visitModulesOfGroup(group, [&](Zrl_MacroModule& module, int) {
            if (!get) {
                if (getSetModuleVarValue(module, macroData, value, false, tr) == Acad::eOk)
                    answered = true;
                return true;
            }
            Zrl_String read;
            if (getSetModuleVarValue(module, macroData, read, true, tr) == Acad::eOk) {
                answered = true;
                value = std::move(read);
            }
            return true;
        });
    if (es != Acad::eOk) return Acad::eInvalidInput;
    if (isMacroKind(kind)) return getSetMacroKindValue(*macroObject, value, get);
    // A quantity that no module of the group has is not there: the caller
    // must learn that its value was neither fetched nor stored.
    return answered ? Acad::eOk : Acad::eInvalidInput;
}

ErrorStatus VkObjectMap::getSetMacroKindValue(Zrl_DbMacro& macroObject, Zrl_String& value,
                                              bool get) const {
    Zrl_Macro* macro = macroObject.macroWrite();
    switch (kind) {
    case VkMapVarGenVar: {
        double number = 0;
        if (get) {
            if (macro->getGenVarValue(objName, number) != Acad::eOk) return Acad::eInvalidInput;
            value = Zrl_String(number, 8);
            return Acad::eOk;
        }
        if (!macro->hasGeneralVariable(objName) || !isNumber(value)) return Acad::eInvalidInput;
        return macro->setGenVarValue(objName, value.toDouble()) == Acad::eOk ? Acad::eOk
                                                                             : Acad::eInvalidInput;
    }
    case VkMapVarPrPlName:
    case VkMapVarPrPlMaterial: {
        Zrl_String section;
        if (!get || baseProfileSection(macroObject, objName, section) != Acad::eOk)
            return Acad::eInvalidInput;
        value = section;
        return Acad::eOk;
    }
    case VkMapVarMemberSectionSize: {
        Zrl_String profName, columnText, section, text;
        if (!get || !splitString(objName, L";", profName, columnText, true) ||
            baseProfileSection(macroObject, profName, section) != Acad::eOk)
            return Acad::eInvalidInput;
        bool ok = false;
        int column = columnText.toInt(&ok);
        if (!ok || gSectionTables.getSectionValue(section, column, text) != Acad::eOk)
            return Acad::eInvalidInput;
        value = text;
        return Acad::eOk;
    }
    default:
        return Acad::eInvalidInput;
    }
}

ErrorStatus VkObjectMap::getSetModuleVarValue(Zrl_MacroModule& module, MacroData* macroData,
                                              Zrl_String& value, bool get,
                                              AcTransaction* tr) const {
    if (!macroData || kind == VkMapVarNone || isMacroKind(kind)) return Acad::eInvalidInput;
    if (kind >= VkMapVarPatternNrBolts1 && kind <= VkMapVarPatternReverseStart2 &&
        module.type() != kZrlModuleBolt)
        return Acad::eInvalidInput;
    MacroTabData* tab = vkquantity::moduleTab(module, *macroData);
    if (!tab) return Acad::eInvalidInput;

    if (isCutKind(kind))
        return vkquantity::cutOffset(module, objName, kind - VkMapVarCutOffset, value, get);
    switch (kind) {
    case VkMapVarDistance:
        return vkquantity::dialogVariable(module, *tab, objName, value, get);
    case VkMapVarBoltsDiameter:
    case VkMapVarBoltsHoleOffset:
        return vkquantity::boltData(*tab, kind == VkMapVarBoltsDiameter, value, get);
    case VkMapVarPatternNrBolts1:
    case VkMapVarPatternNrBolts2:
        return vkquantity::nrBolts(*tab, objName, kind == VkMapVarPatternNrBolts1, value, get);
    case VkMapVarPatternReverseStart1:
    case VkMapVarPatternReverseStart2:
        return vkquantity::reverseStart(module, objName, kind == VkMapVarPatternReverseStart1,
                                        value, get, tr);
    case VkMapVarOwnedMemberName:
        return vkquantity::memberName(*tab, objName, value, get);
    default:
        return Acad::eInvalidInput;
    }
}

namespace vkquantity {

MacroTabData* moduleTab(const Zrl_MacroModule& module, MacroData& data) {
    int index = -1;
    if (!data.findTab(module.tabName(), index)) return nullptr;
    return data.getTab(index);
}

ErrorStatus dialogVariable(Zrl_MacroModule& module, MacroTabData& tab, const Zrl_String& name,
                           Zrl_String& value, bool get) {
    if (get)
        return module.getSetConstrVarValue(name, value, true) == Acad::eOk ? Acad::eOk
                                                                           : Acad::eInvalidInput;
    // Check before touching the button, so that a refused value leaves the
    // module as it was.
    if (!module.hasDialogVariable(name) || !isNumber(value)) return Acad::eInvalidInput;
    bool flex = false, fix = true;
    if (tab.getFlexFixBtnStatus(name, flex, fix) && (!flex || fix))
        tab.flexFixBtnClicked(name, false);
    return module.getSetConstrVarValue(name, value, false) == Acad::eOk ? Acad::eOk
                                                                        : Acad::eInvalidInput;
}

ErrorStatus cutOffset(Zrl_MacroModule& module, const Zrl_String& cutName, int offsetType,
                      Zrl_String& value, bool get) {
    Zrl_MacroCut* cut = module.getCutConstraint(cutName);
    if (!cut) return Acad::eInvalidInput;
    double number = 0;
    if (!get) {
        if (!isNumber(value)) return Acad::eInvalidInput;
        number = value.toDouble();
    }
    if (Zrl_MacroModule::getSetCutValue(*cut, offsetType, number, get) != Acad::eOk)
        return Acad::eInvalidInput;
    if (get) value = Zrl_String(number, 7);
    return Acad::eOk;
}

ErrorStatus boltData(MacroTabData& tab, bool diameter, Zrl_String& value, bool get) {
    Zrl_BoltData* data = tab.getBoltData();
    if (!data) return Acad::eInvalidInput;
    Zrl_String& text = diameter ? data->diameter : data->holeOffset;
    if (get) {
        value = text;
    } else {
        text = value;
    }
    return Acad::eOk;
}

ErrorStatus nrBolts(MacroTabData& tab, const Zrl_String& pattern, bool first, Zrl_String& value,
                    bool get) {
    return tab.getSetNrBolts(pattern, value, get, first) ? Acad::eOk : Acad::eInvalidInput;
}

ErrorStatus reverseStart(Zrl_MacroModule& module, const Zrl_String& pattern, bool first,
                         Zrl_String& value, bool get, AcTransaction* tr) {
    if (module.type() != kZrlModuleBolt) return Acad::eInvalidInput;
    Zrl_BoltPattern* found = module.findPattern(pattern);
    if (!found) return Acad::eInvalidInput;
    bool flag = value.trimmed() == L"1";
    if (getSetBoltPatternReverses(&module, found, first, get, flag, tr) != Acad::eOk)
        return Acad::eInvalidInput;
    if (get) value = flag ? L"0" : L"1";
    return Acad::eOk;
}

ErrorStatus memberName(MacroTabData& tab, const Zrl_String& profGroup, Zrl_String& value,
                       bool get) {
    MacroProfData props;
    if (tab.getMergedPropsOfGroup(profGroup, props) != Acad::eOk) return Acad::eInvalidInput;
    if (get) {
        value = props.name;
        return Acad::eOk;
    }
    props.name = value;
    return tab.setMergedPropsOfGroup(profGroup, props) == Acad::eOk ? Acad::eOk
                                                                    : Acad::eInvalidInput;
}

} // namespace vkquantity
