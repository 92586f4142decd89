// VkSSMapping: how the variables of one standards sheet map to the
// quantities of one macro.
//
// Two ways:
//  - mapping file (mode 2): the entries come from the sheet's mapping file,
//    one line per macro key;
//  - module group (mode 1): the sheet's variable names themselves say what
//    they stand for ("Cut1.CutRadius", "P.Name", "gen.Length", ...).
// It also lists every quantity a macro offers, as candidates for the
// standards mapping tab.
//
// The mapping file lies beside the sheet, with the extension "map": line 1
// is the header "Mapping version 1.0", every other line is
//   key "=" pair ("¿" pair)*      with pair = sheet name "ƒ" mapping text
// (see object_map.h for the mapping text).
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"
#include "platform/host/acarray.h"
#include "standards/object_map.h"
#include "standards/object_map_list.h"
#include "standards/var_cell.h"

#include <memory>

class VkDlgStandardsData;
class Zrl_MacroModule;

// The separators of a mapping file line: key "=" ..., pairs split by "¿"
// (U+00BF), a pair's name and mapping text split by "ƒ" (U+0192).
constexpr wchar_t kMapKeySeparator = L'=';
constexpr wchar_t kMapPairSeparator = L'\u00BF';
constexpr wchar_t kMapNameSeparator = L'\u0192';
// The first line of a mapping file.
inline constexpr const wchar_t* kMappingFileHeader = L"Mapping version 1.0";

class ZRLSS_EXPORT VkSSMapping {
public:
    // 0 not set up, 1 module group, 2 mapping file.
    enum Mode : int { kNotSetUp = 0, kModuleGroup = 1, kMappingFile = 2 };

    // Defined in record_members.cpp.
    VkSSMapping();
    VkSSMapping(const VkSSMapping&);
    VkSSMapping& operator=(const VkSSMapping&);
    VkSSMapping(VkSSMapping&&) noexcept;
    VkSSMapping& operator=(VkSSMapping&&) noexcept;
    virtual ~VkSSMapping();

    int mappingMode() const { return mappingMode_; }
    const Zrl_Array<VkObjectMap>& mappedObjects() const {
        static const Zrl_Array<VkObjectMap> kNone;
        return list_ ? list_->entries() : kNone;
    }
    // The entries for changes; a list shared with copies of this mapping or
    // with the mapping file's cache is copied first.
    Zrl_Array<VkObjectMap>& mappedObjectsWrite();

    // The mapping file of a sheet, beside the sheet VkCalcSS::load reads:
    // a path or an existing file as given, any other name (with or without
    // a relative folder) in the library's "Connection Standards\" folder;
    // the sheet's ".vks" extension, if any, replaced by ".map".
    static Zrl_String mappingFilePath(const Zrl_String& sheetName);

    // --- set-up
    // Module-group mode; eInvalidInput (nothing changes) for an empty group.
    ErrorStatus initFromModuleGroup(Zrl_String group);
    // Mapping-file mode for the record's macro: the line of the record's key
    // in the mapping file of the record's sheet.
    ErrorStatus initFromMacro(VkDlgStandardsData& data);
    // Loads the entries of the key's line. eInvalidInput for an unreadable
    // file or an absent key; a file without lines leaves the entries as they
    // are.
    ErrorStatus getMappingFromFile(Zrl_String sheetName, const Zrl_String& key);
    // Replaces the entries by the readable pairs of one line.
    ErrorStatus initMappingFromLine(const Zrl_String& line);
    // Stores the entries as the key's line (see the source for the rules):
    // untouched file when the key's line already maps the same entries;
    // eInvalidInput, file untouched, when it exists but cannot be read.
    ErrorStatus setMappingToFile(Zrl_String sheetName, Zrl_String& key);
    // True, with the key, when some line of the file holds a mapping equal
    // to this one.
    bool hasSameMapping(const Zrl_String& sheetName, Zrl_String& keyOut) const;

    // --- comparison and look-up
    // True when every entry of this mapping finds, in `other`, an entry for
    // the same sheet variable and value type that stands for the same
    // quantity. One-directional.
    bool isEqual(const VkSSMapping& other) const;
    // First entry for the sheet variable whose kind has exactly this type.
    ErrorStatus findSSVar(const Zrl_String& ssName, const VkValueType& type, int& index) const;
    // First entry that stands for the same quantity as `entry`.
    ErrorStatus findCompatible(const VkObjectMap& entry, int& index) const;
    // The number of entries of this mapping that `other` lacks.
    ErrorStatus isCompatible(const VkSSMapping& other, int& missing) const;

    // --- value transfer
    ErrorStatus getMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                 Zrl_String& value, VkDlgStandardsData& data);
    ErrorStatus setMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                 Zrl_String& value, VkDlgStandardsData& data);

    // --- candidates
    // Appends every quantity the macro offers.
    ErrorStatus initAllVarsFromMacro(Zrl_DbMacro* macroObject, AcTransaction* tr);
    // The indexes of the candidates fit for a variable of `type`: numeric
    // candidates for Int and Double, text candidates for String.
    ErrorStatus getValidVars(const bool& flag, const VkValueType& type, AcArray<int>& out);
    // Orders candidate indexes by category, -1 before each category's block.
    ErrorStatus sortValidVars(AcArray<int>& vars, const AcArray<int>& categoryOrder);

    bool operator==(const VkSSMapping& other) const {
        return mappingMode_ == other.mappingMode_ && mappedObjects() == other.mappedObjects();
    }

private:
    ErrorStatus getSetMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                    Zrl_String& value, VkDlgStandardsData& data, bool get);
    ErrorStatus getSetModuleGroupValue(const Zrl_String& ssName, const VkValueType& type,
                                       Zrl_String& value, VkDlgStandardsData& data, bool get);
    // The interpretation of a sheet name for one module of the group.
    static ErrorStatus interpretName(Zrl_DbMacro& macroObject, Zrl_MacroModule* module,
                                     MacroData* macroData, const Zrl_String& ssName,
                                     const VkValueType& type, Zrl_String& value, bool get,
                                     AcTransaction* tr);

    void addAllVariables(const Zrl_MacroModule& module, const Zrl_String& group);
    void addAllCuts(const Zrl_MacroModule& module, const Zrl_String& group);
    void addAllPatterns(const Zrl_MacroModule& module, const Zrl_String& group);
    void addAllProfPlacements(const Zrl_MacroModule& module, const Zrl_String& group);
    void addAllBaseProfs(const Zrl_DbMacro& macroObject);
    void addAllGenVars(const Zrl_DbMacro& macroObject);

    int mappingMode_ = kNotSetUp;
    // Null for no entries. Shared with the copies of this mapping and with
    // the mapping file's cache until one of them changes its entries.
    std::shared_ptr<VkObjectMapList> list_;
};
