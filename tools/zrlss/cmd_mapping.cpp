// zrlss mapping SHEET --macro M.json --key KEY: the mapping of a standards
// sheet to a macro under one key, as the standards mapping tab shows it; with
// --candidates VAR the items offered for a variable; with --set VAR=ITEM the
// mapping changed and saved as the tab saves it (a new key, the old line
// kept). Works on the files alone, with the tab's own code compiled in.
#include "command.h"
#include "platform/core/macro_description.h"
#include "standards/mapping_edit.h"
#include "standards_sheet.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zrlss {

namespace {

struct MappingArgs {
    std::string sheet;
    std::string macro;
    std::string key;
    std::string candidates;
    std::vector<std::string> sets;
    std::string write;
    bool json = false;
};

const char* typeWord(VkValueType type) {
    return type == VkValueInt ? "Int" : type == VkValueDouble ? "Double" : "String";
}

// What the command works on: the sheet's mapped variables, the macro's
// candidates with their items, and the stored mapping of the key.
struct Session {
    Zrl_String path;
    VkVarCells vars;
    std::vector<int> shown;
    Zrl_DbMacro macro;
    MacroData macroData;
    VkSSMapping candidates;
    std::unique_ptr<mapedit::CandidateItems> items;
    VkSSMapping stored;
};

void open(const MappingArgs& args, Session& s) {
    s.path = sheetPath(args.sheet);
    for (Declaration& d : readDeclarations(s.path))
        if (!d.cell.isLocal()) s.vars.append(d.cell);
    s.shown = mapedit::mappedVariables(s.vars);
    if (s.shown.empty()) throw Failure{args.sheet + " declares no inputs or outputs"};
    Zrl_String why;
    if (loadMacroDescription(Zrl_String::fromUtf8(args.macro), s.macro, s.macroData, &why) !=
        Acad::eOk)
        throw Failure{"cannot read " + args.macro + ": " + why.toUtf8()};
    const Zrl_String key = Zrl_String::fromUtf8(args.key);
    if (mapedit::isModuleKey(key))
        throw Failure{args.key + " is a module-group standard: it maps by the sheet's names"};
    s.candidates.initAllVarsFromMacro(&s.macro, nullptr);
    s.items = std::make_unique<mapedit::CandidateItems>(s.candidates);
    s.stored = mapedit::storedMapping(s.path, key);
}

// The variable named `name` (without case) among the mapped ones.
int findVariable(const Session& s, const std::string& name) {
    const Zrl_String wanted = Zrl_String::fromUtf8(name);
    for (int i : s.shown)
        if (s.vars[i].name.equal(wanted, false)) return i;
    throw Failure{"the sheet declares no input or output named " + name};
}

std::string itemOf(const Session& s, const VkVarCell& var, int item) {
    if (item < 0) return "-";
    return Zrl_String((*s.items->items(var.valueType))[static_cast<size_t>(item)]).toUtf8();
}

int show(const Session& s, bool json) {
    nlohmann::json out = nlohmann::json::array();
    for (int i : s.shown) {
        const VkVarCell& var = s.vars[i];
        const std::string section = var.isInput() ? "Input" : "Output";
        const std::string item = itemOf(s, var, mapedit::preselect(s.stored, *s.items, var));
        if (json) {
            out.push_back({{"section", section},
                           {"type", typeWord(var.valueType)},
                           {"name", var.name.toUtf8()},
                           {"item", item == "-" ? nlohmann::json() : nlohmann::json(item)}});
        } else {
            std::cout << section << " " << typeWord(var.valueType) << " " << var.name.toUtf8()
                      << " = " << item << "\n";
        }
    }
    if (json) std::cout << out.dump(2) << "\n";
    return 0;
}

int listCandidates(const Session& s, const std::string& name, bool json) {
    const VkVarCell& var = s.vars[findVariable(s, name)];
    nlohmann::json out = nlohmann::json::array();
    for (const std::wstring& item : *s.items->items(var.valueType)) {
        if (json)
            out.push_back(Zrl_String(item).toUtf8());
        else
            std::cout << Zrl_String(item).toUtf8() << "\n";
    }
    if (json) std::cout << out.dump(2) << "\n";
    return 0;
}

int setItems(Session& s, const MappingArgs& args) {
    // Start from what the tab would show, then change the chosen combos.
    std::vector<mapedit::Choice> choices;
    for (int i : s.shown)
        choices.push_back({i, mapedit::preselect(s.stored, *s.items, s.vars[i])});
    for (const std::string& set : args.sets) {
        const size_t eq = set.find('=');
        if (eq == std::string::npos) throw Failure{"--set takes VAR=ITEM: " + set};
        const int var = findVariable(s, set.substr(0, eq));
        const std::string text = set.substr(eq + 1);
        int item = -1;
        if (text != "-") {
            const std::vector<int> found = s.items->itemsReading(s.vars[var].valueType,
                                                                 Zrl_String::fromUtf8(text));
            if (found.empty())
                throw Failure{"\"" + text + "\" is not offered for " + s.vars[var].name.toUtf8() +
                              " (see --candidates)"};
            if (found.size() > 1)
                throw Failure{"\"" + text + "\" is ambiguous for " + s.vars[var].name.toUtf8()};
            item = found.front();
        }
        for (mapedit::Choice& c : choices)
            if (c.varIndex == var) c.item = item;
    }
    const VkSSMapping edited = mapedit::mappingFromChoices(*s.items, s.vars, choices);
    TabMappingData data;
    data.sheetNames.append(s.path);
    data.keys.append(Zrl_String::fromUtf8(args.key));
    data.candidates = &s.candidates;
    bool modified = false;
    switch (mapedit::saveStandard(data, 0, edited, modified)) {
    case mapedit::SaveResult::WriteFailed:
        throw Failure{"cannot write " + VkSSMapping::mappingFilePath(s.path).toUtf8() +
                      " (left as it was)"};
    case mapedit::SaveResult::KeysExhausted:
        throw Failure{"no unused key found for the mapping"};
    default:
        break;
    }
    const std::string key = data.keys[0].toUtf8();
    if (args.json)
        std::cout << nlohmann::json{{"key", key}, {"changed", modified}}.dump(2) << "\n";
    else
        std::cout << "key=" << key << (modified ? "" : " unchanged") << "\n";

    if (!args.write.empty()) {
        // The macro keeps the standard under its new key; a standard it did
        // not list yet is appended.
        const Zrl_String sheet = Zrl_String::fromUtf8(args.sheet);
        const Zrl_String oldKey = Zrl_String::fromUtf8(args.key);
        bool found = false;
        for (Zrl_MacroStandard& st : s.macro.standards) {
            if (!found && st.sheet.equal(sheet, false) && st.key == oldKey) {
                st.key = data.keys[0];
                found = true;
            }
        }
        if (!found) s.macro.standards.append({sheet, data.keys[0]});
        if (saveMacroDescription(Zrl_String::fromUtf8(args.write), s.macro, s.macroData) !=
            Acad::eOk)
            throw Failure{"cannot write " + args.write};
    }
    return 0;
}

void setupMapping(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<MappingArgs>();
    cli.add("mapping", "Show or change how a standards sheet maps to a macro under a key")
        .withoutModule()
        .option("SHEET", args->sheet, "standards sheet (a path, or a name under Connection Standards)")
        .required()
        .option("--macro", args->macro, "macro description (JSON)")
        .required()
        .option("--key", args->key, "the standard's mapping key")
        .required()
        .option("--candidates", args->candidates, "list the items offered for this variable")
        .option("--set", args->sets, "VAR=ITEM: map the variable to the item (\"-\": unmap); repeatable")
        .option("--write", args->write, "with --set: save the macro description with the new key")
        .flag("--json", args->json, "print JSON")
        .run([args] {
            if (!args->write.empty() && args->sets.empty())
                throw Failure{"--write needs --set"};
            if (!args->candidates.empty() && !args->sets.empty())
                throw Failure{"--candidates lists and changes nothing; give it without --set"};
            Session s;
            open(*args, s);
            if (!args->candidates.empty()) return listCandidates(s, args->candidates, args->json);
            if (!args->sets.empty()) return setItems(s, *args);
            return show(s, args->json);
        });
}

const Registrar registrar(setupMapping);

} // namespace

} // namespace zrlss
