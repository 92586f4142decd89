// The macro editor's record and the core operations behind it.
//
// The drawing's macros as the editor reaches them (gEditMacroDrawing): each
// macro's modules with their rules (constraints between geometries), their
// geometries and their variables. EditConstrData is the editor's view of
// the current module of the current macro; every operation acts on the
// drawing, refills the record, and is logged in the host call log under its
// own name. A drawing operation (another macro, a command, zoom) fails when
// a failure is queued (failNext), leaving drawing and record as they were.
#pragma once

#include "platform/core/macro_model.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

#include <vector>

class TabMappingData;

// Which edit fields the editor shows for a rule: the bits of its kind.
enum EditMacroRuleField {
    kRuleFieldName = 1,
    kRuleFieldVariable = 2,
    kRuleFieldValue = 4,
    kRuleFieldChoice = 8,
    kRuleFieldFlag1 = 16,
    kRuleFieldFlag2 = 32,
};

struct EditMacroRule {
    Zrl_String name;
    Zrl_String type;
    Zrl_String value;
    Zrl_String variable;
    int kind = 0; // the EditMacroRuleField bits
    int choice = 0;
    bool flag1 = false;
    bool flag2 = false;
    AcArray<int> list;
};

struct EditMacroGeometry {
    Zrl_String name;
    Zrl_String type;
    int flexibility = 0; // 0 fixed, 1 flexible, 2 free
};

struct EditMacroVariable {
    Zrl_String name;
    Zrl_String value;
    Zrl_String expression; // empty for dialog variables
};

struct EditMacroModule {
    Zrl_String name;
    Zrl_String group; // empty: a group of its own name
    std::vector<EditMacroRule> rules;
    std::vector<EditMacroGeometry> geometries;
    std::vector<EditMacroVariable> variables;
    std::vector<EditMacroVariable> dialogVariables;
};

struct EditMacro {
    Zrl_String name;
    std::vector<EditMacroModule> modules;
    // The standards sheets the macro uses (the settings dialog edits them).
    Zrl_Array<Zrl_MacroStandard> standards;
};

struct Zrl_EditMacroDrawing {
    std::vector<EditMacro> macros;
    int currentMacro = 0;
    // Drawing operations still to fail (each failure uses one).
    int queuedFailures = 0;
    void failNext(int count = 1) { queuedFailures += count; }
    EditMacro* current();
    // Highlights in the drawing: the rule and the geometry shown, -1 none.
    int highlightedRule = -1;
    int highlightedGeometry = -1;
};
extern Zrl_EditMacroDrawing gEditMacroDrawing;

struct EditConstrData {
    Zrl_String currentModule;
    Zrl_StringArray modules;
    // Rules tab: the shown cells per row (name, type, value, variable) and
    // the per-row lists the edit fields work on.
    Zrl_Array<Zrl_StringArray> rules;
    AcArray<int> ruleKinds;
    Zrl_StringArray ruleNames;
    Zrl_StringArray ruleVariables;
    AcArray<bool> ruleFlags1;
    AcArray<bool> ruleFlags2;
    AcArray<int> ruleChoices;
    Zrl_Array<AcArray<int>> ruleLists;
    // Geometries tab: number, type, name, flexibility text, module.
    Zrl_Array<Zrl_StringArray> geometries;
    AcArray<int> geometryFlexibility;
    // Variables tab: name, value, expression; dialog variables: name, value.
    Zrl_Array<Zrl_StringArray> variables;
    Zrl_Array<Zrl_StringArray> dialogVariables;
    int currentRule = -1;
    int currentGeometry = -1;
    int sortColumn = 0;
    int action = 0;
    Zrl_StringArray actionTexts;
    Zrl_StringArray choiceTexts;
};

// Fills the record from the drawing's current macro and the record's
// current module (the first module when it names none of them).
void fillEditConstrData(EditConstrData& data);

bool MacroGetModules(EditConstrData& data);
bool SetCurrentModule(EditConstrData& data);
// Moves to the next macro of the drawing (after the last: the first).
bool SelectOtherMacro(EditConstrData& data);
bool RenameModule(EditConstrData& data, const Zrl_String& oldName, const Zrl_String& newName);
bool RemoveModule(EditConstrData& data, const Zrl_String& name);
// Commands 0-10 add a rule of that kind to the current module, 11 a module,
// 12 and 13 a geometry (a bolt pattern, a coordinate system).
bool StartMacroCommand(EditConstrData& data, int command);
bool ZoomCommand(EditConstrData& data);

// The macro settings: the standards of the current macro and its groups
// (TabMappingData; the candidates are left alone), and back on OK.
bool GetMacroSettings(EditConstrData& data, TabMappingData& settings);
bool SetMacroSettings(EditConstrData& data, const TabMappingData& settings);
// The current macro as the standards engine sees it (modules with their
// groups and dialog variables, standards), for the settings' candidates.
bool GetEditMacroModel(const EditConstrData& data, Zrl_DbMacro& model);

// Rules of the current module; the rule is data.currentRule.
// Writes the record's row (name, variable, flags, choice, list) to the rule.
bool UpdateConstraint(EditConstrData& data);
bool DeleteConstraint(EditConstrData& data);
// Sorts the rules by the text of data.sortColumn (0 name, 1 type, 2 value,
// 3 variable), stably.
bool SortConstraints(EditConstrData& data);
// Runs context action data.action (0-5) on the rule; a drawing operation.
bool ContextMenuAction(EditConstrData& data);
bool HighlightConstraint(EditConstrData& data);
bool UnHighlightConstraints(EditConstrData& data);
// True when an object of the macro other than the current rule (another
// rule's variable, a variable, a dialog variable) has the name.
bool VarNameInUse(EditConstrData& data, const Zrl_String& name);

// Geometries of the current module; the geometry is data.currentGeometry.
// Writes the record's geometry names (column 3) to the drawing.
bool SetNameTags(EditConstrData& data);
// Writes data.geometryFlexibility of the geometry to the drawing.
bool UpdateGeomFlexibility(EditConstrData& data);
bool HighlightObject(EditConstrData& data);
bool UnHighlightObject(EditConstrData& data);
