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
    auto bolt = j.find("boltData");
    if (bolt != j.end()) {
        if (!bolt->is_object()) throw BadDescription(where + ": \"boltData\" must be an object");
        tab.hasBoltData = true;
        tab.boltData.diameter = text(*bolt, "diameter", where);
        tab.boltData.holeOffset = text(*bolt, "holeOffset", where);
    }
    for (const json& p : objects(j, "patterns", where)) {
        tab.patterns.append({text(p, "pattern", where, true), text(p, "nrBolts1", where),
                             text(p, "nrBolts2", where)});
    }
    for (const json& p : objects(j, "profileGroups", where)) {
        tab.profGroups.append({text(p, "group", where, true), text(p, "name", where),
                               text(p, "section", where), text(p, "material", where)});
    }
    for (const json& f : objects(j, "flexFix", where)) {
        tab.flexFix.append({text(f, "variable", where, true), boolean(f, "flex", where)});
    }
    return tab;
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
    auto dialog = root.find("dialog");
    if (dialog != root.end()) {
        if (!dialog->is_object()) throw BadDescription("\"dialog\" must be an object");
        data.caption = text(*dialog, "caption", "dialog");
        for (const json& t : objects(*dialog, "tabs", "dialog"))
            data.tabs.append(readTab(t, "tab"));
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
    if (t.hasBoltData) {
        j["boltData"] = {{"diameter", utf8(t.boltData.diameter)},
                         {"holeOffset", utf8(t.boltData.holeOffset)}};
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
        groups.push_back({{"group", utf8(p.group)},
                          {"name", utf8(p.name)},
                          {"section", utf8(p.section)},
                          {"material", utf8(p.material)}});
    }
    j["profileGroups"] = groups;
    json ff = json::array();
    for (const Zrl_FlexFixButton& f : t.flexFix)
        ff.push_back({{"variable", utf8(f.variable)}, {"flex", f.flex}});
    j["flexFix"] = ff;
    return j;
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
    json tabs = json::array();
    for (const MacroTabData& t : data.tabs)
        tabs.push_back(tabJson(t));
    root["dialog"] = {{"caption", utf8(data.caption)}, {"tabs", tabs}};
    return root.dump(2) + "\n";
}

ErrorStatus loadMacroDescription(const Zrl_String& path, Zrl_DbMacro& macro, MacroData& data,
                                 Zrl_String* error) {
    std::string bytes;
    if (!readFileBytes(resolvePath(path), bytes)) {
        if (error) *error = Zrl_String(L"cannot read ") + path;
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
