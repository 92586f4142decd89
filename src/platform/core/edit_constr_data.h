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

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

#include <vector>

struct EditMacroRule {
    Zrl_String name;
    Zrl_String type;
    Zrl_String value;
    Zrl_String variable;
    int kind = 0; // which edit fields the editor shows for the rule
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
    std::vector<EditMacroRule> rules;
    std::vector<EditMacroGeometry> geometries;
    std::vector<EditMacroVariable> variables;
    std::vector<EditMacroVariable> dialogVariables;
};

struct EditMacro {
    Zrl_String name;
    std::vector<EditMacroModule> modules;
};

struct Zrl_EditMacroDrawing {
    std::vector<EditMacro> macros;
    int currentMacro = 0;
    // Drawing operations still to fail (each failure uses one).
    int queuedFailures = 0;
    void failNext(int count = 1) { queuedFailures += count; }
    EditMacro* current();
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
