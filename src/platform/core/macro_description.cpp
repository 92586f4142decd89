#include "platform/core/macro_description.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <stdexcept>

using nlohmann::json;

namespace {

// A description that does not have the expected shape.
struct BadDescription : std::runtime_error {
    using std::runtime_error::runtime_error;
};

Zrl_String text(const json& obj, const char* key, const std::string& where, bool required = false) {
    auto it = obj.find(key);
    if (it == obj.end()) {
        if (required) throw BadDescription(where + ": \"" + key + "\" is missing");
        return Zrl_String();
    }
    if (!it->is_string()) throw BadDescription(where + ": \"" + key + "\" must be a text");
    return Zrl_String::fromUtf8(it->get<std::string>());
}

double number(const json& obj, const char* key, const std::string& where, double fallback = 0) {
    auto it = obj.find(key);
    if (it == obj.end()) return fallback;
    if (!it->is_number()) throw BadDescription(where + ": \"" + key + "\" must be a number");
    return it->get<double>();
}

int integer(const json& obj, const char* key, const std::string& where, int fallback = 0) {
    auto it = obj.find(key);
    if (it == obj.end()) return fallback;
    if (!it->is_number_integer())
        throw BadDescription(where + ": \"" + key + "\" must be an integer");
    // Refused rather than cut to 32 bits: a cut number would name another
    // module type or object and be written back as such.
    const bool fits = it->is_number_unsigned()
                          ? it->get<std::uint64_t>() <= std::uint64_t(INT_MAX)
                          : it->get<std::int64_t>() >= INT_MIN && it->get<std::int64_t>() <= INT_MAX;
    if (!fits)
        throw BadDescription(where + ": \"" + key + "\" is out of range (" + it->dump() + ")");
    return it->get<int>();
}

bool boolean(const json& obj, const char* key, const std::string& where) {
    auto it = obj.find(key);
    if (it == obj.end()) return false;
    if (!it->is_boolean()) throw BadDescription(where + ": \"" + key + "\" must be true or false");
    return it->get<bool>();
}

// The array under key (an absent key is an empty array), each element an object.
const json& objects(const json& obj, const char* key, const std::string& where) {
    static const json kEmpty = json::array();
    auto it = obj.find(key);
    if (it == obj.end()) return kEmpty;
    if (!it->is_array()) throw BadDescription(where + ": \"" + key + "\" must be a list");
    for (const json& e : *it) {
        if (!e.is_object())
            throw BadDescription(where + ": the entries of \"" + key + "\" must be objects");
    }
    return *it;
}

std::string utf8(const Zrl_String& s) {
    return s.toUtf8();
}

Zrl_MacroModule readModule(const json& j, const std::string& where0) {
    Zrl_MacroModule m;
    m.name = text(j, "name", where0, true);
    const std::string where = where0 + " \"" + m.name.toUtf8() + "\"";
    m.group = text(j, "group", where);
    m.typeCode = integer(j, "type", where, kZrlModuleGeneral);
    for (const json& v : objects(j, "dialogVariables", where)) {
        Zrl_DialogVariable dv;
        dv.name = text(v, "name", where, true);
        dv.value = number(v, "value", where);
        dv.firstFlag = boolean(v, "firstFlag", where);
        dv.secondFlag = boolean(v, "secondFlag", where);
        m.dialogVariables.append(dv);
    }
    for (const json& c : objects(j, "cuts", where)) {
        Zrl_MacroCut cut;
        cut.name = text(c, "name", where, true);
        cut.cutType = integer(c, "cutType", where);
        if (cut.cutType < 0 || cut.cutType >= kZrlCutTypeCount)
            throw BadDescription(where + ": unknown cut type");
        auto offs = c.find("offsets");
        if (offs != c.end()) {
            if (!offs->is_object()) throw BadDescription(where + ": \"offsets\" must be an object");
            for (auto it = offs->begin(); it != offs->end(); ++it) {
                int type = cutOffsetFromName(Zrl_String::fromUtf8(it.key()));
                if (type < 0)
                    throw BadDescription(where + ": unknown cut offset \"" + it.key() + "\"");
                if (!it->is_number()) throw BadDescription(where + ": cut offsets must be numbers");
                cut.offsets[type] = it->get<double>();
            }
        }
        m.cuts.append(cut);
    }
    for (const json& p : objects(j, "patterns", where)) {
        Zrl_BoltPattern pat;
        pat.id = integer(p, "id", where);
        pat.name = text(p, "name", where, true);
        pat.typeCode = integer(p, "type", where, kZrlPatternSingle);
        pat.reversed1 = boolean(p, "reversed1", where);
        pat.reversed2 = boolean(p, "reversed2", where);
        m.patterns.append(pat);
    }
    for (const json& p : objects(j, "placements", where)) {
        Zrl_NamedPrpl pl;
        pl.name = text(p, "name", where, true);
        pl.section = text(p, "section", where);
        pl.material = text(p, "material", where);
        m.placements.append(pl);
    }
    return m;
}

MacroTabData readTab(const json& j, const std::string& where0) {
    MacroTabData tab;
    tab.name = text(j, "name", where0, true);
    const std::string where = where0 + " \"" + tab.name.toUtf8() + "\"";
    tab.kind = integer(j, "kind", where, kMacroTabGeneral);
    for (const json& v : objects(j, "values", where))
        tab.values.append({text(v, "variable", where, true), text(v, "value", where)});
    auto bolt = j.find("boltData");
    if (bolt != j.end()) {
        if (!bolt->is_object()) throw BadDescription(where + ": \"boltData\" must be an object");
        tab.hasBoltData = true;
        tab.boltData.assembly = text(*bolt, "assembly", where);
        tab.boltData.diameter = text(*bolt, "diameter", where);
        tab.boltData.holeOffset = text(*bolt, "holeOffset", where);
    }
    for (const json& p : objects(j, "patterns", where)) {
        tab.patterns.append({text(p, "pattern", where, true), text(p, "nrBolts1", where),
                             text(p, "nrBolts2", where)});
    }
    for (const json& p : objects(j, "profileGroups", where)) {
        tab.profGroups.append({text(p, "group", where, true), text(p, "name", where),
                               text(p, "section", where), text(p, "material", where),
                               text(p, "rotation", where)});
    }
    for (const json& f : objects(j, "flexFix", where)) {
        tab.flexFix.append({text(f, "variable", where, true), boolean(f, "flex", where)});
    }
    return tab;
}

// A list of texts under key (absent: empty).
Zrl_StringArray texts(const json& obj, const char* key, const std::string& where) {
    Zrl_StringArray out;
    auto it = obj.find(key);
    if (it == obj.end()) return out;
    if (!it->is_array()) throw BadDescription(where + ": \"" + key + "\" must be a list");
    for (const json& e : *it) {
        if (!e.is_string())
            throw BadDescription(where + ": the entries of \"" + key + "\" must be texts");
        out.append(Zrl_String::fromUtf8(e.get<std::string>()));
    }
    return out;
}

Zrl_MacroFilter readFilter(const json& dialog, const char* key) {
    Zrl_MacroFilter filter;
    auto it = dialog.find(key);
    if (it == dialog.end()) return filter;
    const std::string where = std::string("dialog ") + key;
    if (!it->is_object()) throw BadDescription(where + " must be an object");
    filter.items = texts(*it, "items", where);
    filter.selection = integer(*it, "selection", where);
    return filter;
}

// The members of the dialog record the macro dialog uses.
void readDialogSettings(const json& dialog, MacroData& data) {
    const std::string where = "dialog";
    data.firstFilter = readFilter(dialog, "firstFilter");
    data.secondFilter = readFilter(dialog, "secondFilter");
    data.currentTab = text(dialog, "currentTab", where);
    data.startWithAdvanced = boolean(dialog, "startWithAdvanced", where);
    data.singleProfile = boolean(dialog, "singleProfile", where);
    data.postponeClose = boolean(dialog, "postponeClose", where);
    auto ids = dialog.find("objectIds");
    if (ids != dialog.end()) {
        if (!ids->is_array()) throw BadDescription("dialog: \"objectIds\" must be a list");
        for (const json& id : *ids) {
            json holder = {{"id", id}};
            data.objectIds.append(AcDbObjectId(integer(holder, "id", "dialog objectIds")));
        }
    }
    auto lists = dialog.find("propertyLists");
    if (lists != dialog.end()) {
        if (!lists->is_object())
            throw BadDescription("dialog: \"propertyLists\" must be an object");
        const std::string w = "dialog propertyLists";
        data.propLists.allowed = boolean(*lists, "allowed", w);
        data.propLists.folder = text(*lists, "folder", w);
        data.propLists.extension = text(*lists, "extension", w);
        data.propLists.standardNames = texts(*lists, "standardNames", w);
    }
}

void readDescription(const json& root, Zrl_DbMacro& macro, MacroData& data) {
    if (!root.is_object()) throw BadDescription("the description must be an object");
    const std::string where = "macro";
    macro.macro.name = text(root, "name", where);
    for (const json& m : objects(root, "modules", where))
        macro.macro.modules.append(readModule(m, "module"));
    for (const json& v : objects(root, "generalVariables", where)) {
        macro.macro.generalVariables.append(
            {text(v, "name", "general variable", true), number(v, "value", "general variable")});
    }
    for (const json& b : objects(root, "baseProfiles", where)) {
        macro.baseProfiles.append({AcDbObjectId(integer(b, "id", "base profile")),
                                   text(b, "section", "base profile"),
                                   text(b, "material", "base profile")});
    }
    for (const json& st : objects(root, "standards", where)) {
        macro.standards.append(
            {text(st, "sheet", "standard", true), text(st, "key", "standard")});
    }
    auto dialog = root.find("dialog");
    if (dialog != root.end()) {
        if (!dialog->is_object()) throw BadDescription("\"dialog\" must be an object");
        data.caption = text(*dialog, "caption", "dialog");
        for (const json& t : objects(*dialog, "tabs", "dialog"))
            data.tabs.append(readTab(t, "tab"));
        readDialogSettings(*dialog, data);
    }
}

json moduleJson(const Zrl_MacroModule& m) {
    json j = {{"name", utf8(m.name)}, {"group", utf8(m.group)}, {"type", m.typeCode}};
    json vars = json::array();
    for (const Zrl_DialogVariable& v : m.dialogVariables) {
        vars.push_back({{"name", utf8(v.name)},
                        {"value", v.value},
                        {"firstFlag", v.firstFlag},
                        {"secondFlag", v.secondFlag}});
    }
    j["dialogVariables"] = vars;
    json cuts = json::array();
    for (const Zrl_MacroCut& c : m.cuts) {
        json offs = json::object();
        for (int t : getCutOffsets(c.cutType))
            offs[utf8(cutOffsetName(t))] = c.offsets[t];
        cuts.push_back({{"name", utf8(c.name)}, {"cutType", c.cutType}, {"offsets", offs}});
    }
    j["cuts"] = cuts;
    json pats = json::array();
    for (const Zrl_BoltPattern& p : m.patterns) {
        pats.push_back({{"id", p.id},
                        {"name", utf8(p.name)},
                        {"type", p.typeCode},
                        {"reversed1", p.reversed1},
                        {"reversed2", p.reversed2}});
    }
    j["patterns"] = pats;
    json pls = json::array();
    for (const Zrl_NamedPrpl& p : m.placements) {
        pls.push_back(
            {{"name", utf8(p.name)}, {"section", utf8(p.section)}, {"material", utf8(p.material)}});
    }
    j["placements"] = pls;
    return j;
}

json tabJson(const MacroTabData& t) {
    json j = {{"name", utf8(t.name)}};
    // Members of the macro dialog only when they say something, so that
    // descriptions without them come out as they went in.
    if (t.kind != kMacroTabGeneral) j["kind"] = t.kind;
    if (!t.values.isEmpty()) {
        json values = json::array();
        for (const Zrl_MacroValue& v : t.values)
            values.push_back({{"variable", utf8(v.variable)}, {"value", utf8(v.value)}});
        j["values"] = values;
    }
    if (t.hasBoltData) {
        j["boltData"] = {{"diameter", utf8(t.boltData.diameter)},
                         {"holeOffset", utf8(t.boltData.holeOffset)}};
        if (!t.boltData.assembly.isEmpty()) j["boltData"]["assembly"] = utf8(t.boltData.assembly);
    }
    json pats = json::array();
    for (const Zrl_PatternCounts& p : t.patterns) {
        pats.push_back({{"pattern", utf8(p.pattern)},
                        {"nrBolts1", utf8(p.nrBolts1)},
                        {"nrBolts2", utf8(p.nrBolts2)}});
    }
    j["patterns"] = pats;
    json groups = json::array();
    for (const MacroProfData& p : t.profGroups) {
        json g = {{"group", utf8(p.group)},
                  {"name", utf8(p.name)},
                  {"section", utf8(p.section)},
                  {"material", utf8(p.material)}};
        if (!p.rotation.isEmpty()) g["rotation"] = utf8(p.rotation);
        groups.push_back(g);
    }
    j["profileGroups"] = groups;
    json ff = json::array();
    for (const Zrl_FlexFixButton& f : t.flexFix)
        ff.push_back({{"variable", utf8(f.variable)}, {"flex", f.flex}});
    j["flexFix"] = ff;
    return j;
}

json filterJson(const Zrl_MacroFilter& filter) {
    json items = json::array();
    for (const Zrl_String& item : filter.items)
        items.push_back(utf8(item));
    return {{"items", items}, {"selection", filter.selection}};
}

void writeDialogSettings(const MacroData& data, json& dialog) {
    static const MacroData kDefaults;
    if (!(data.firstFilter == kDefaults.firstFilter))
        dialog["firstFilter"] = filterJson(data.firstFilter);
    if (!(data.secondFilter == kDefaults.secondFilter))
        dialog["secondFilter"] = filterJson(data.secondFilter);
    if (!data.currentTab.isEmpty()) dialog["currentTab"] = utf8(data.currentTab);
    if (data.startWithAdvanced) dialog["startWithAdvanced"] = true;
    if (data.singleProfile) dialog["singleProfile"] = true;
    if (data.postponeClose) dialog["postponeClose"] = true;
    if (!data.objectIds.isEmpty()) {
        json ids = json::array();
        for (const AcDbObjectId& id : data.objectIds)
            ids.push_back(id.asOldId());
        dialog["objectIds"] = ids;
    }
    if (!(data.propLists == kDefaults.propLists)) {
        json names = json::array();
        for (const Zrl_String& n : data.propLists.standardNames)
            names.push_back(utf8(n));
        dialog["propertyLists"] = {{"allowed", data.propLists.allowed},
                                   {"folder", utf8(data.propLists.folder)},
                                   {"extension", utf8(data.propLists.extension)},
                                   {"standardNames", names}};
    }
}

} // namespace

ErrorStatus parseMacroDescription(std::string_view jsonText, Zrl_DbMacro& macro, MacroData& data,
                                  Zrl_String* error) {
    try {
        json root = json::parse(jsonText);
        Zrl_DbMacro newMacro;
        MacroData newData;
        readDescription(root, newMacro, newData);
        macro = std::move(newMacro);
        data = std::move(newData);
        return Acad::eOk;
    } catch (const std::exception& e) {
        if (error) *error = Zrl_String::fromUtf8(e.what());
        return Acad::eInvalidInput;
    }
}

std::string macroDescriptionText(const Zrl_DbMacro& macro, const MacroData& data) {
    json root = {{"name", utf8(macro.macro.name)}};
    json mods = json::array();
    for (const Zrl_MacroModule& m : macro.macro.modules)
        mods.push_back(moduleJson(m));
    root["modules"] = mods;
    json gen = json::array();
    for (const Zrl_GeneralVariable& v : macro.macro.generalVariables) {
        gen.push_back({{"name", utf8(v.name)}, {"value", v.value}});
    }
    root["generalVariables"] = gen;
    json base = json::array();
    for (const Zrl_BaseProfile& b : macro.baseProfiles) {
        base.push_back(
            {{"id", b.id.asOldId()}, {"section", utf8(b.section)}, {"material", utf8(b.material)}});
    }
    root["baseProfiles"] = base;
    // Written only when there are any, so that descriptions without them
    // come out as they went in.
    if (!macro.standards.isEmpty()) {
        json standards = json::array();
        for (const Zrl_MacroStandard& st : macro.standards)
            standards.push_back({{"sheet", utf8(st.sheet)}, {"key", utf8(st.key)}});
        root["standards"] = standards;
    }
    json tabs = json::array();
    for (const MacroTabData& t : data.tabs)
        tabs.push_back(tabJson(t));
    root["dialog"] = {{"caption", utf8(data.caption)}, {"tabs", tabs}};
    writeDialogSettings(data, root["dialog"]);
    return root.dump(2) + "\n";
}

ErrorStatus loadMacroDescription(const Zrl_String& path, Zrl_DbMacro& macro, MacroData& data,
                                 Zrl_String* error) {
    std::string bytes, why;
    if (!readFileBytes(resolvePath(path), bytes, &why)) {
        if (error) *error = Zrl_String::fromUtf8(why);
        return Acad::eFileNotFound;
    }
    return parseMacroDescription(bytes, macro, data, error);
}

ErrorStatus saveMacroDescription(const Zrl_String& path, const Zrl_DbMacro& macro,
                                 const MacroData& data) {
    if (path.isEmpty()) return Acad::eInvalidInput;
    return writeFileAtomically(resolvePath(path), macroDescriptionText(macro, data))
               ? Acad::eOk
               : Acad::eInvalidInput;
}
