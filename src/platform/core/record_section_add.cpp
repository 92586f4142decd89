// The section-add record as JSON.
#include "platform/core/record_section_add.h"

#include "platform/core/record_json.h"

bool readSectionTableJson(RecordReader& t, Zrl_String& name, SectionTableFile& out) {
    return t.object({"name", "picture", "headers", "rows"}) && t.text("name", name) &&
           t.text("picture", out.picture) && t.texts("headers", out.headers) &&
           t.textRows("rows", out.rows);
}

nlohmann::json sectionTableJson(const Zrl_String& name, const SectionTableFile& table) {
    nlohmann::json rows = nlohmann::json::array();
    for (const Zrl_StringArray& row : table.rows)
        rows.push_back(toJson(row));
    return {{"name", toJson(name)},
            {"picture", toJson(table.picture)},
            {"headers", toJson(table.headers)},
            {"rows", std::move(rows)}};
}

bool readSectionAddJson(std::string_view text, SectionAddRecord& record, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    SectionAddRecord read = record;
    RecordReader r(root, error);
    if (!r.object({"sysName", "table", "index"}) || !r.text("sysName", read.sysName) ||
        !r.integer("index", read.index) ||
        !r.member("table", [&](RecordReader& t) {
            return readSectionTableJson(t, read.tableName, read.table);
        }))
        return false;
    record = std::move(read);
    return true;
}

std::string writeSectionAddJson(const SectionAddRecord& record) {
    nlohmann::json root = nlohmann::json::object();
    root["sysName"] = toJson(record.sysName);
    root["table"] = sectionTableJson(record.tableName, record.table);
    root["index"] = record.index;
    return dumpRecordJson(root);
}
