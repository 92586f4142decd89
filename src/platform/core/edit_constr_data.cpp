#include "platform/core/edit_constr_data.h"

#include "platform/host/call_log.h"

#include <string>

Zrl_EditMacroDrawing gEditMacroDrawing;

namespace {

bool sameName(const Zrl_String& a, const Zrl_String& b) {
    return Zrl_String::compareNoCase(a.str(), b.str()) == 0;
}

const wchar_t* const kFlexibility[] = {L"Fixed", L"Flexible", L"Free"};
const wchar_t* const kCommandRules[] = {L"Parallel",   L"Perpendicular", L"Coincident",
                                        L"Symmetric",  L"Tangent",       L"Concentric",
                                        L"EqualRadius", L"Distance",     L"Angle",
                                        L"Radius",     L"Fix"};

EditMacroModule* currentModule(const EditConstrData& data) {
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro) return nullptr;
    for (EditMacroModule& m : macro->modules)
        if (sameName(m.name, data.currentModule)) return &m;
    return nullptr;
}

// A drawing operation: logged, and refused while a failure is queued.
bool drawingOperation(const char* name, std::vector<std::wstring> args = {}) {
    host::recordCall(name, std::move(args));
    if (gEditMacroDrawing.queuedFailures <= 0) return true;
    --gEditMacroDrawing.queuedFailures;
    return false;
}

Zrl_String freeName(const EditMacro& macro, const wchar_t* stem) {
    for (int n = 1;; ++n) {
        const Zrl_String name = Zrl_String(stem) + Zrl_String(std::to_wstring(n));
        bool used = false;
        for (const EditMacroModule& m : macro.modules)
            used = used || sameName(m.name, name);
        if (!used) return name;
    }
}

} // namespace

EditMacro* Zrl_EditMacroDrawing::current() {
    if (currentMacro < 0 || currentMacro >= static_cast<int>(macros.size())) return nullptr;
    return &macros[currentMacro];
}

void fillEditConstrData(EditConstrData& data) {
    // The tables start afresh; the choices and texts of the record stay.
    EditConstrData fresh;
    fresh.currentModule = data.currentModule;
    fresh.currentRule = data.currentRule;
    fresh.currentGeometry = data.currentGeometry;
    fresh.sortColumn = data.sortColumn;
    fresh.action = data.action;
    fresh.actionTexts = data.actionTexts;
    fresh.choiceTexts = data.choiceTexts;
    data = std::move(fresh);
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro) {
        data.currentModule = Zrl_String();
        return;
    }
    for (const EditMacroModule& m : macro->modules)
        data.modules.append(m.name);
    const EditMacroModule* module = currentModule(data);
    if (!module && !macro->modules.empty()) module = &macro->modules.front();
    data.currentModule = module ? module->name : Zrl_String();
    if (!module) return;
    for (const EditMacroRule& r : module->rules) {
        data.rules.append(Zrl_StringArray({r.name, r.type, r.value, r.variable}));
        data.ruleKinds.append(r.kind);
        data.ruleNames.append(r.name);
        data.ruleVariables.append(r.variable);
        data.ruleFlags1.append(r.flag1);
        data.ruleFlags2.append(r.flag2);
        data.ruleChoices.append(r.choice);
        data.ruleLists.append(r.list);
    }
    int number = 0;
    for (const EditMacroGeometry& g : module->geometries) {
        const int flex = g.flexibility >= 0 && g.flexibility < 3 ? g.flexibility : 0;
        data.geometries.append(Zrl_StringArray({Zrl_String(std::to_wstring(++number)), g.type, g.name,
                                        kFlexibility[flex], module->name}));
        data.geometryFlexibility.append(g.flexibility);
    }
    for (const EditMacroVariable& v : module->variables)
        data.variables.append(Zrl_StringArray({v.name, v.value, v.expression}));
    for (const EditMacroVariable& v : module->dialogVariables)
        data.dialogVariables.append(Zrl_StringArray({v.name, v.value}));
}

bool MacroGetModules(EditConstrData& data) {
    host::recordCall("MacroGetModules");
    fillEditConstrData(data);
    return gEditMacroDrawing.current() != nullptr;
}

bool SetCurrentModule(EditConstrData& data) {
    host::recordCall("SetCurrentModule", {data.currentModule.str()});
    const bool found = currentModule(data) != nullptr;
    fillEditConstrData(data);
    return found;
}

bool SelectOtherMacro(EditConstrData& data) {
    if (!drawingOperation("SelectOtherMacro") || gEditMacroDrawing.macros.empty()) return false;
    gEditMacroDrawing.currentMacro =
        (gEditMacroDrawing.currentMacro + 1) % static_cast<int>(gEditMacroDrawing.macros.size());
    data.currentModule = Zrl_String();
    fillEditConstrData(data);
    return true;
}

bool RenameModule(EditConstrData& data, const Zrl_String& oldName, const Zrl_String& newName) {
    host::recordCall("RenameModule", {oldName.str(), newName.str()});
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro || newName.isEmpty()) return false;
    EditMacroModule* target = nullptr;
    for (EditMacroModule& m : macro->modules) {
        if (sameName(m.name, oldName))
            target = &m;
        else if (sameName(m.name, newName))
            return false; // another module has the name
    }
    if (!target) return false;
    const bool wasCurrent = sameName(data.currentModule, oldName);
    target->name = newName;
    if (wasCurrent) data.currentModule = newName;
    fillEditConstrData(data);
    return true;
}

bool RemoveModule(EditConstrData& data, const Zrl_String& name) {
    host::recordCall("RemoveModule", {name.str()});
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro) return false;
    for (auto it = macro->modules.begin(); it != macro->modules.end(); ++it) {
        if (!sameName(it->name, name)) continue;
        macro->modules.erase(it);
        if (sameName(data.currentModule, name)) data.currentModule = Zrl_String();
        fillEditConstrData(data);
        return true;
    }
    return false;
}

bool StartMacroCommand(EditConstrData& data, int command) {
    if (!drawingOperation("StartMacroCommand", {std::to_wstring(command)})) return false;
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro || command < 0 || command > 13) return false;
    if (command == 11) {
        EditMacroModule added;
        added.name = freeName(*macro, L"Module");
        macro->modules.push_back(added);
    } else {
        EditMacroModule* module = currentModule(data);
        if (!module) return false;
        if (command <= 10) {
            EditMacroRule rule;
            rule.type = kCommandRules[command];
            rule.name = rule.type + Zrl_String(std::to_wstring(module->rules.size() + 1));
            rule.kind = command;
            module->rules.push_back(rule);
        } else {
            EditMacroGeometry geometry;
            geometry.type = command == 12 ? L"BoltPattern" : L"CoordSys";
            geometry.name = geometry.type + Zrl_String(std::to_wstring(module->geometries.size() + 1));
            module->geometries.push_back(geometry);
        }
    }
    fillEditConstrData(data);
    return true;
}

bool ZoomCommand(EditConstrData& data) {
    return drawingOperation("ZoomCommand", {data.currentModule.str()});
}
