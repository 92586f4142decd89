#include "platform/core/record_edit_macro.h"

#include "platform/core/record_json.h"

using nlohmann::json;

namespace {

bool readVariables(RecordReader& r, std::string_view field,
                   std::vector<EditMacroVariable>& out) {
    return r.each(field, [&](RecordReader& v) {
        EditMacroVariable var;
        if (!v.object({"name", "value", "expression"}) || !v.text("name", var.name) ||
            !v.text("value", var.value) || !v.text("expression", var.expression))
            return false;
        out.push_back(var);
        return true;
    });
}

bool readModule(RecordReader& r, EditMacroModule& m) {
    if (!r.object({"name", "group", "rules", "geometries", "variables", "dialogVariables"}) ||
        !r.text("name", m.name) || !r.text("group", m.group))
        return false;
    const bool rules = r.each("rules", [&](RecordReader& e) {
        EditMacroRule rule;
        if (!e.object({"name", "type", "value", "variable", "kind", "choice", "flag1", "flag2",
                       "list"}) ||
            !e.text("name", rule.name) || !e.text("type", rule.type) ||
            !e.text("value", rule.value) || !e.text("variable", rule.variable) ||
            !e.integer("kind", rule.kind) || !e.integer("choice", rule.choice) ||
            !e.boolean("flag1", rule.flag1) || !e.boolean("flag2", rule.flag2) ||
            !e.integers("list", rule.list))
            return false;
        m.rules.push_back(rule);
        return true;
    });
    const bool geometries = rules && r.each("geometries", [&](RecordReader& e) {
        EditMacroGeometry g;
        if (!e.object({"name", "type", "flexibility"}) || !e.text("name", g.name) ||
            !e.text("type", g.type) || !e.integer("flexibility", g.flexibility))
            return false;
        if (g.flexibility < 0 || g.flexibility > 2)
            return e.refuse("expected 0, 1 or 2", "flexibility");
        m.geometries.push_back(g);
        return true;
    });
    return geometries && readVariables(r, "variables", m.variables) &&
           readVariables(r, "dialogVariables", m.dialogVariables);
}

json variablesJson(const std::vector<EditMacroVariable>& vars, bool withExpression) {
    json out = json::array();
    for (const EditMacroVariable& v : vars) {
        json item = {{"name", toJson(v.name)}, {"value", toJson(v.value)}};
        if (withExpression) item["expression"] = toJson(v.expression);
        out.push_back(item);
    }
    return out;
}

} // namespace

bool readEditMacroJson(std::string_view text, Zrl_EditMacroDrawing& drawing,
                       Zrl_String& currentModule, std::string& error) {
    json root;
    if (!RecordReader::parse(text, root, error)) return false;
    RecordReader r(root, error);
    Zrl_EditMacroDrawing read;
    Zrl_String macroName, moduleName;
    const bool ok =
        r.object({"macros", "current", "calls"}) && r.each("macros", [&](RecordReader& e) {
            EditMacro macro;
            if (!e.object({"name", "modules", "standards"}) || !e.text("name", macro.name) ||
                !e.each("standards",
                        [&](RecordReader& st) {
                            Zrl_MacroStandard standard;
                            if (!st.object({"sheet", "key"}) || !st.text("sheet", standard.sheet) ||
                                !st.text("key", standard.key))
                                return false;
                            macro.standards.append(standard);
                            return true;
                        }) ||
                !e.each("modules", [&](RecordReader& m) {
                    EditMacroModule module;
                    if (!readModule(m, module)) return false;
                    macro.modules.push_back(module);
                    return true;
                }))
                return false;
            read.macros.push_back(macro);
            return true;
        }) && r.member("current", [&](RecordReader& c) {
            return c.object({"macro", "module"}) && c.text("macro", macroName) &&
                   c.text("module", moduleName);
        });
    if (!ok) return false;
    for (size_t i = 0; i < read.macros.size(); ++i)
        if (read.macros[i].name == macroName) read.currentMacro = static_cast<int>(i);
    drawing = std::move(read);
    currentModule = moduleName;
    return true;
}

std::string writeEditMacroJson(const Zrl_EditMacroDrawing& drawing,
                               const Zrl_String& currentModule) {
    json macros = json::array();
    for (const EditMacro& macro : drawing.macros) {
        json modules = json::array();
        for (const EditMacroModule& m : macro.modules) {
            json rules = json::array();
            for (const EditMacroRule& rule : m.rules) {
                json list = json::array();
                for (int n : rule.list)
                    list.push_back(n);
                rules.push_back({{"name", toJson(rule.name)},
                                 {"type", toJson(rule.type)},
                                 {"value", toJson(rule.value)},
                                 {"variable", toJson(rule.variable)},
                                 {"kind", rule.kind},
                                 {"choice", rule.choice},
                                 {"flag1", rule.flag1},
                                 {"flag2", rule.flag2},
                                 {"list", list}});
            }
            json geometries = json::array();
            for (const EditMacroGeometry& g : m.geometries)
                geometries.push_back({{"name", toJson(g.name)},
                                      {"type", toJson(g.type)},
                                      {"flexibility", g.flexibility}});
            json module = {{"name", toJson(m.name)},
                           {"rules", rules},
                           {"geometries", geometries},
                           {"variables", variablesJson(m.variables, true)},
                           {"dialogVariables", variablesJson(m.dialogVariables, false)}};
            if (!m.group.isEmpty()) module["group"] = toJson(m.group);
            modules.push_back(module);
        }
        json item = {{"name", toJson(macro.name)}, {"modules", modules}};
        if (!macro.standards.isEmpty()) {
            json standards = json::array();
            for (const Zrl_MacroStandard& st : macro.standards)
                standards.push_back({{"sheet", toJson(st.sheet)}, {"key", toJson(st.key)}});
            item["standards"] = standards;
        }
        macros.push_back(item);
    }
    const EditMacro* current =
        drawing.currentMacro >= 0 && drawing.currentMacro < static_cast<int>(drawing.macros.size())
            ? &drawing.macros[drawing.currentMacro]
            : nullptr;
    return dumpRecordJson({{"macros", macros},
                           {"current",
                            {{"macro", toJson(current ? current->name : Zrl_String())},
                             {"module", toJson(currentModule)}}}});
}
