// The connection macro model: Zrl_MacroModule (one module: dialog variables,
// cuts, bolt patterns, named profile placements), Zrl_Macro (the modules and
// the general variables) and Zrl_DbMacro (the macro's database object: the
// macro and the base profiles it is attached to).
//
// Everything is held by value and built in code or loaded from a macro
// description (macro_description.h). Names are compared without case.
#pragma once

#include "platform/core/macro_parts.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"
#include "platform/host/transactions.h"

class Zrl_MacroModule {
public:
    virtual ~Zrl_MacroModule() = default;

    int type() const { return typeCode; }
    // The tab of the macro's dialog record that shows this module.
    const Zrl_String& tabName() const { return group.isEmpty() ? name : group; }

    // The dialog variables' names with their two flags, in module order.
    ErrorStatus getDialogVariables(Zrl_StringArray& names, AcArray<bool>& firstFlags,
                                   AcArray<bool>& secondFlags) const;
    // Reads the dialog variable into `value` (macroNumberText) or writes the
    // number in `value`. eKeyNotFound for an unknown variable, eInvalidInput
    // when writing a text that is not a number.
    ErrorStatus getSetConstrVarValue(const Zrl_String& variable, Zrl_String& value, bool get);
    bool hasDialogVariable(const Zrl_String& variable) const;

    // The cuts' names and cut types, in module order.
    ErrorStatus getCutConstraints(Zrl_StringArray& names, AcArray<int>& cutTypes) const;
    Zrl_MacroCut* getCutConstraint(const Zrl_String& cutName);
    // Reads or writes one offset of a cut; eInvalidInput when the cut's type
    // has no such offset.
    static ErrorStatus getSetCutValue(Zrl_MacroCut& cut, int offsetType, double& value, bool get);

    // The ids of the bolt patterns, and one pattern by id.
    void getPatternIds(AcArray<int>& ids) const;
    ErrorStatus getPattern(int id, Zrl_BoltPattern& pattern) const;
    Zrl_BoltPattern* findPattern(const Zrl_String& patternName);

    const Zrl_NamedPrpl* getNamedPrpl(const Zrl_String& placementName) const;

    bool operator==(const Zrl_MacroModule&) const = default;

    Zrl_String name;
    Zrl_String group;
    int typeCode = kZrlModuleGeneral;
    Zrl_Array<Zrl_DialogVariable> dialogVariables;
    Zrl_Array<Zrl_MacroCut> cuts;
    Zrl_Array<Zrl_BoltPattern> patterns;
    Zrl_Array<Zrl_NamedPrpl> placements;
};

class Zrl_Macro {
public:
    virtual ~Zrl_Macro() = default;

    void getModuleNames(Zrl_StringArray& names) const;
    // The names of the modules of a group: those whose group is `group`, and
    // a module without a group that is itself named `group`. An empty group
    // has no modules (and is no failure); a named group without modules is
    // eKeyNotFound.
    ErrorStatus getModNamesOfGroup(const Zrl_String& group, Zrl_StringArray& names) const;
    // Visits the modules of a group in the order getModNamesOfGroup names
    // them, each as openModule opens it by that name, without listing the
    // names: visit(module, index in the group) returns false to stop. The
    // status is getModNamesOfGroup's.
    template <class Visit> ErrorStatus visitModulesOfGroup(const Zrl_String& group, Visit visit) {
        if (group.isEmpty()) return Acad::eOk;
        int count = 0;
        for (Zrl_MacroModule& module : modules) {
            if (!module.tabName().equal(group, false)) continue;
            if (!visit(*findModuleWrite(module.name), count++)) break;
        }
        return count == 0 ? Acad::eKeyNotFound : Acad::eOk;
    }
    const Zrl_MacroModule* findModule(const Zrl_String& moduleName) const;
    Zrl_MacroModule* findModuleWrite(const Zrl_String& moduleName);

    void getGeneralVariables(Zrl_StringArray& names) const;
    bool hasGeneralVariable(const Zrl_String& varName) const;
    ErrorStatus getGenVarValue(const Zrl_String& varName, double& value) const;
    ErrorStatus setGenVarValue(const Zrl_String& varName, double value);

    bool operator==(const Zrl_Macro&) const = default;

    Zrl_String name;
    Zrl_Array<Zrl_MacroModule> modules;
    Zrl_Array<Zrl_GeneralVariable> generalVariables;
};

// One standards sheet the macro uses: the sheet's name relative to the
// standards folder (without extension) and the key of its mapping ("Module."
// + group for a module-group standard; else the line's key in the sheet's
// mapping file, possibly empty).
struct Zrl_MacroStandard {
    Zrl_String sheet;
    Zrl_String key;
    bool operator==(const Zrl_MacroStandard&) const = default;
};

class Zrl_DbMacro {
public:
    virtual ~Zrl_DbMacro() = default;

    // The macro, for changes.
    Zrl_Macro* macroWrite() { return &macro; }
    const Zrl_Macro& macroRead() const { return macro; }

    // The ids of the base profiles, in order.
    void getBaseProfIds(AcArray<AcDbObjectId>& ids) const;
    // The id of base profile `index` (from 0); eInvalidIndex outside.
    ErrorStatus getBaseProf(int index, AcDbObjectId& id) const;
    // The section name of the base profile with that id.
    ErrorStatus getSectionName(const AcDbObjectId& id, Zrl_String& section) const;

    bool operator==(const Zrl_DbMacro&) const = default;

    Zrl_Macro macro;
    Zrl_Array<Zrl_BaseProfile> baseProfiles;
    Zrl_Array<Zrl_MacroStandard> standards;
};

// Opens the module `moduleName` of the macro for reading and writing.
// `index` is the module's position in its group's list; the in-memory model
// finds modules by name alone.
ErrorStatus openModule(Zrl_Macro* macro, const Zrl_String& moduleName, Zrl_MacroModule*& module,
                       int index);

// Reads or writes the reverse-start flag of a bolt pattern in the first
// (first = true) or second direction. Writing sets the pattern to start from
// its far end when `flag` is set. Reading reports in `flag` whether the
// pattern starts from its near end (the normal start), so that a reader
// turns a set flag into "not reversed".
ErrorStatus getSetBoltPatternReverses(Zrl_MacroModule* module, Zrl_BoltPattern* pattern, bool first,
                                      bool get, bool& flag, AcTransaction* tr);

// The material of a named profile or plate.
ErrorStatus getMaterial(const Zrl_NamedPrpl& prpl, Zrl_String& material);
