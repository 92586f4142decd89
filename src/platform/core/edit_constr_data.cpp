#include "platform/core/edit_constr_data.h"

#include "platform/core/number_text.h"
#include "platform/core/tab_mapping_data.h"
#include "platform/host/call_log.h"

#include <algorithm>
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

const wchar_t* const kActionTexts[] = {L"Reverse direction", L"Swap geometries", L"Flip side",
                                       L"Suppress",          L"Measure",        L"Properties"};
const wchar_t* const kChoiceTexts[] = {L"Same direction", L"Opposite direction", L"Either direction"};

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
    if (fresh.actionTexts.isEmpty())
        for (const wchar_t* t : kActionTexts)
            fresh.actionTexts.append(t);
    if (fresh.choiceTexts.isEmpty())
        for (const wchar_t* t : kChoiceTexts)
            fresh.choiceTexts.append(t);
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
            // Dimensions carry a variable with its value and two flags;
            // the others a name and a choice of direction.
            rule.kind = command >= 7 && command <= 9
                            ? kRuleFieldName | kRuleFieldVariable | kRuleFieldValue |
                                  kRuleFieldFlag1 | kRuleFieldFlag2
                            : kRuleFieldName | kRuleFieldChoice;
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

namespace {

// Entry `index` of a list of the current module, null outside it.
template <class T>
T* moduleEntry(const EditConstrData& data, std::vector<T> EditMacroModule::*list, int index) {
    EditMacroModule* module = currentModule(data);
    if (!module || index < 0 || index >= static_cast<int>((module->*list).size())) return nullptr;
    return &(module->*list)[static_cast<size_t>(index)];
}

EditMacroRule* currentRule(const EditConstrData& data) {
    return moduleEntry(data, &EditMacroModule::rules, data.currentRule);
}

EditMacroGeometry* currentGeometry(const EditConstrData& data) {
    return moduleEntry(data, &EditMacroModule::geometries, data.currentGeometry);
}

template <class T> T at(const AcArray<T>& list, int index, T fallback) {
    return index >= 0 && index < list.length() ? list[index] : fallback;
}

// Highlights rule or geometry `index` in the drawing (-1 clears the
// highlight); false when there is no such object.
bool highlight(const char* call, int index, bool exists, int& highlighted) {
    std::vector<std::wstring> args;
    if (index >= 0) args.push_back(std::to_wstring(index));
    host::recordCall(call, std::move(args));
    if (!exists) return false;
    highlighted = index;
    return true;
}

const Zrl_String& ruleText(const EditMacroRule& r, int column) {
    switch (column) {
    case 1:
        return r.type;
    case 2:
        return r.value;
    case 3:
        return r.variable;
    default:
        return r.name;
    }
}

} // namespace

bool GetEditMacroModel(const EditConstrData&, Zrl_DbMacro& model) {
    const EditMacro* macro = gEditMacroDrawing.current();
    if (!macro) return false;
    model = Zrl_DbMacro();
    model.macro.name = macro->name;
    for (const EditMacroModule& m : macro->modules) {
        Zrl_MacroModule module;
        module.name = m.name;
        module.group = m.group;
        for (const EditMacroVariable& v : m.dialogVariables)
            module.dialogVariables.append({v.name, fieldDouble(v.value), false, false});
        model.macro.modules.append(module);
    }
    model.standards = macro->standards;
    return true;
}

bool GetMacroSettings(EditConstrData& data, TabMappingData& settings) {
    host::recordCall("GetMacroSettings");
    Zrl_DbMacro model;
    if (!GetEditMacroModel(data, model)) return false;
    settings.fillFromMacro(model);
    return true;
}

bool SetMacroSettings(EditConstrData& data, const TabMappingData& settings) {
    std::vector<std::wstring> args;
    for (int i = 0; i < settings.sheetNames.length(); ++i)
        args.push_back(settings.sheetNames[i].str() + L"=" +
                       (i < settings.keys.length() ? settings.keys[i].str() : L""));
    host::recordCall("SetMacroSettings", std::move(args));
    EditMacro* macro = gEditMacroDrawing.current();
    if (!macro) return false;
    Zrl_DbMacro model;
    settings.storeInMacro(model);
    macro->standards = model.standards;
    fillEditConstrData(data);
    return true;
}

bool UpdateConstraint(EditConstrData& data) {
    host::recordCall("UpdateConstraint", {std::to_wstring(data.currentRule)});
    EditMacroRule* rule = currentRule(data);
    const int r = data.currentRule;
    if (!rule || r >= data.ruleNames.length()) return false;
    rule->name = data.ruleNames[r];
    rule->variable = at(data.ruleVariables, r, rule->variable);
    rule->flag1 = at(data.ruleFlags1, r, rule->flag1);
    rule->flag2 = at(data.ruleFlags2, r, rule->flag2);
    rule->choice = at(data.ruleChoices, r, rule->choice);
    if (r < data.ruleLists.length()) rule->list = data.ruleLists[r];
    fillEditConstrData(data);
    return true;
}

bool DeleteConstraint(EditConstrData& data) {
    host::recordCall("DeleteConstraint", {std::to_wstring(data.currentRule)});
    EditMacroModule* module = currentModule(data);
    if (!currentRule(data)) return false;
    module->rules.erase(module->rules.begin() + data.currentRule);
    if (data.currentRule >= static_cast<int>(module->rules.size()))
        data.currentRule = static_cast<int>(module->rules.size()) - 1;
    if (gEditMacroDrawing.highlightedRule >= static_cast<int>(module->rules.size()))
        gEditMacroDrawing.highlightedRule = -1;
    fillEditConstrData(data);
    return true;
}

bool SortConstraints(EditConstrData& data) {
    host::recordCall("SortConstraints", {std::to_wstring(data.sortColumn)});
    EditMacroModule* module = currentModule(data);
    if (!module || data.sortColumn < 0 || data.sortColumn > 3) return false;
    const int column = data.sortColumn;
    std::stable_sort(module->rules.begin(), module->rules.end(),
                     [column](const EditMacroRule& a, const EditMacroRule& b) {
                         return Zrl_String::compareNoCase(ruleText(a, column).str(),
                                                          ruleText(b, column).str()) < 0;
                     });
    fillEditConstrData(data);
    return true;
}

bool ContextMenuAction(EditConstrData& data) {
    if (!drawingOperation("ContextMenuAction",
                          {std::to_wstring(data.currentRule), std::to_wstring(data.action)}))
        return false;
    return currentRule(data) != nullptr && data.action >= 0 && data.action < 6;
}

bool HighlightConstraint(EditConstrData& data) {
    return highlight("HighlightConstraint", data.currentRule, currentRule(data) != nullptr,
                     gEditMacroDrawing.highlightedRule);
}

bool UnHighlightConstraints(EditConstrData&) {
    return highlight("UnHighlightConstraints", -1, true, gEditMacroDrawing.highlightedRule);
}

bool VarNameInUse(EditConstrData& data, const Zrl_String& name) {
    host::recordCall("VarNameInUse", {name.str()});
    const EditMacro* macro = gEditMacroDrawing.current();
    if (!macro || name.isEmpty()) return false;
    const EditMacroRule* own = currentRule(data);
    for (const EditMacroModule& m : macro->modules) {
        for (const EditMacroRule& r : m.rules)
            if (&r != own && sameName(r.variable, name)) return true;
        for (const auto* vars : {&m.variables, &m.dialogVariables})
            for (const EditMacroVariable& v : *vars)
                if (sameName(v.name, name) && !(own && sameName(own->variable, name)))
                    return true;
    }
    return false;
}

bool SetNameTags(EditConstrData& data) {
    host::recordCall("SetNameTags");
    EditMacroModule* module = currentModule(data);
    if (!module) return false;
    for (size_t i = 0; i < module->geometries.size(); ++i) {
        const int r = static_cast<int>(i);
        if (r < data.geometries.length() && data.geometries[r].length() > 2 &&
            !data.geometries[r][2].isEmpty())
            module->geometries[i].name = data.geometries[r][2];
    }
    fillEditConstrData(data);
    return true;
}

bool UpdateGeomFlexibility(EditConstrData& data) {
    const int flex = at(data.geometryFlexibility, data.currentGeometry, -1);
    host::recordCall("UpdateGeomFlexibility",
                     {std::to_wstring(data.currentGeometry), std::to_wstring(flex)});
    EditMacroGeometry* geometry = currentGeometry(data);
    if (!geometry || flex < 0 || flex > 2) return false;
    geometry->flexibility = flex;
    fillEditConstrData(data);
    return true;
}

bool HighlightObject(EditConstrData& data) {
    return highlight("HighlightObject", data.currentGeometry, currentGeometry(data) != nullptr,
                     gEditMacroDrawing.highlightedGeometry);
}

bool UnHighlightObject(EditConstrData&) {
    return highlight("UnHighlightObject", -1, true, gEditMacroDrawing.highlightedGeometry);
}
