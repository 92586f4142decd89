// The section-library record as JSON.
#include "platform/core/record_section_library.h"

#include "platform/core/record_json.h"

bool readSectionLibraryJson(std::string_view text, SectionLibraryRecord& record,
                            std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    SectionLibraryRecord read;
    RecordReader r(root, error);
    const bool ok =
        r.object({"open", "groups", "types"}) && r.text("open", read.open) &&
        r.each("groups",
               [&](RecordReader& g) {
                   SectionGroup group;
                   group.id = read.data.groups.length();
                   if (!g.object({"id", "name", "enabled", "image", "names"}) ||
                       !g.integer("id", group.id) || !g.text("name", group.name) ||
                       !g.boolean("enabled", group.enabled) || !g.text("image", group.image) ||
                       !g.texts("names", group.names))
                       return false;
                   read.data.groups.groups.push_back(group);
                   return true;
               }) &&
        r.each("types", [&](RecordReader& t) {
            SectionType type;
            if (!t.object({"name", "enabled", "image", "group", "table", "names"}) ||
                !t.text("name", type.name) || !t.boolean("enabled", type.enabled) ||
                !t.text("image", type.image) || !t.integer("group", type.group) ||
                !t.text("table", type.table) || !t.texts("names", type.names))
                return false;
            read.data.types.push_back(type);
            return true;
        });
    if (!ok) return false;
    record = std::move(read);
    return true;
}

std::string writeSectionLibraryJson(const SectionLibraryRecord& record) {
    nlohmann::json root = nlohmann::json::object();
    root["open"] = toJson(record.open);
    nlohmann::json groups = nlohmann::json::array();
    for (const SectionGroup& g : record.data.groups.groups)
        groups.push_back({{"id", g.id},
                          {"name", toJson(g.name)},
                          {"enabled", g.enabled},
                          {"image", toJson(g.image)},
                          {"names", toJson(g.names)}});
    root["groups"] = std::move(groups);
    nlohmann::json types = nlohmann::json::array();
    for (const SectionType& t : record.data.types)
        types.push_back({{"name", toJson(t.name)},
                         {"enabled", t.enabled},
                         {"image", toJson(t.image)},
                         {"group", t.group},
                         {"table", toJson(t.table)},
                         {"names", toJson(t.names)}});
    root["types"] = std::move(types);
    return dumpRecordJson(root);
}
