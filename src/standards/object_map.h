// VkObjectMap: one mappable quantity of a connection macro (a dialog
// variable, a cut offset, a bolt count, a section name, ...) and the
// spreadsheet variable it is tied to. It reads and writes that quantity in
// the macro.
//
// Its mapping text, the form in which a mapping file stores it, is
//   group + "•" + keyword of the kind + " " + object name
// for example "Endplate•Distance Height" or "•PrPlName Prof0".
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"
#include "standards/map_var_kind.h"
#include "standards/var_cell.h"

class Zrl_DbMacro;
class Zrl_Macro;
class Zrl_MacroModule;
class MacroData;
class MacroTabData;
class AcTransaction;

// Separator between the group and the rest of a mapping text (U+2022).
constexpr wchar_t kMapGroupSeparator = L'\u2022';

class ZRLSS_EXPORT VkObjectMap {
public:
    // Defined in record_members.cpp.
    VkObjectMap();
    VkObjectMap(const VkObjectMap&);
    VkObjectMap& operator=(const VkObjectMap&);
    VkObjectMap(VkObjectMap&&) noexcept;
    VkObjectMap& operator=(VkObjectMap&&) noexcept;
    virtual ~VkObjectMap();

    // Reads a mapping text for the spreadsheet variable ssName. eInvalidInput,
    // entry unchanged, when the text has no "•" or its rest does not begin
    // with a keyword.
    ErrorStatus getMappingFromStrs(const Zrl_String& ssName, const Zrl_String& mapText);
    // The entry's mapping text and spreadsheet variable; eInvalidInput for an
    // entry without a kind.
    ErrorStatus setMappingToStrs(Zrl_String& mapText, Zrl_String& ssNameOut) const;
    // Reads the mapping text that stands beside the cell's name in two
    // parallel lists (names found without case).
    ErrorStatus mapFromArrays(const Zrl_StringArray& ssNames, const Zrl_StringArray& mapTexts,
                              const VkVarCell& cell);
    // eOk when both stand for the same quantity: same group and object name
    // (without case) and the same kind.
    ErrorStatus isCompatible(const VkObjectMap& other) const;

    // Reads the quantity from the macro into value, or writes value into it.
    // eInvalidInput when the macro has no such quantity or does not take the
    // value; value is then unchanged (reading) or the macro is (writing).
    ErrorStatus getMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData, Zrl_String& value,
                                 AcTransaction* tr);
    ErrorStatus setMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData, Zrl_String& value,
                                 AcTransaction* tr);

    bool operator==(const VkObjectMap&) const = default;

    // The module group the quantity lives in (or the module's own name when
    // it has no group); empty for the macro's own quantities.
    Zrl_String group;
    // The object inside the group: variable, cut, pattern or placement name,
    // "Prof" + n for a base profile, "Prof" + n + ";" + column for a section
    // value, empty for bolt data.
    Zrl_String objName;
    // The spreadsheet variable; empty in candidate lists.
    Zrl_String ssName;
    VkMapVarKind kind = VkMapVarNone;
    // Ordering class of candidate lists, 0 to 3.
    int category = 3;
    // Display suffix: the section column's name for MemberSectionSize.
    Zrl_String label;

private:
    // A mapping reads and writes through the entries it shares, which stay
    // as they are.
    friend class VkSSMapping;

    ErrorStatus getSetMacroVarValue(Zrl_DbMacro* macroObject, MacroData* macroData,
                                    Zrl_String& value, bool get, AcTransaction* tr) const;
    ErrorStatus getSetModuleVarValue(Zrl_MacroModule& module, MacroData* macroData,
                                     Zrl_String& value, bool get, AcTransaction* tr) const;
    ErrorStatus getSetMacroKindValue(Zrl_DbMacro& macroObject, Zrl_String& value, bool get) const;
};

// Reading and writing one quantity of a module, shared by mapping entries and
// by the names of module-group standards. Each returns eInvalidInput when the
// quantity does not exist or the value is not accepted, and then leaves both
// the value and the macro unchanged.
namespace vkquantity {

// The tab of the dialog record that shows the module (its group's tab, or
// its own when it has no group); null when there is none.
MacroTabData* moduleTab(const Zrl_MacroModule& module, MacroData& data);
// A dialog variable; before a write the variable's flex/fix button, if it
// has one, is switched to flexible.
ErrorStatus dialogVariable(Zrl_MacroModule& module, MacroTabData& tab, const Zrl_String& name,
                           Zrl_String& value, bool get);
// One offset of a cut; read with 7 decimals.
ErrorStatus cutOffset(Zrl_MacroModule& module, const Zrl_String& cutName, int offsetType,
                      Zrl_String& value, bool get);
// The tab's bolt diameter (diameter = true) or hole-offset text.
ErrorStatus boltData(MacroTabData& tab, bool diameter, Zrl_String& value, bool get);
// The bolt count of a pattern in the first or second direction.
ErrorStatus nrBolts(MacroTabData& tab, const Zrl_String& pattern, bool first, Zrl_String& value,
                    bool get);
// The reverse-start flag of a pattern of a bolt module: "1" reversed, "0" not.
ErrorStatus reverseStart(Zrl_MacroModule& module, const Zrl_String& pattern, bool first,
                         Zrl_String& value, bool get, AcTransaction* tr);
// The member name of a profile group's merged properties.
ErrorStatus memberName(MacroTabData& tab, const Zrl_String& profGroup, Zrl_String& value, bool get);

} // namespace vkquantity
