// Reading and writing VkAutoStandardsData as two tables of rows.
#include "platform/core/record_auto_standards.h"

#include "platform/core/record_json.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The columns of a table: JSON field and the record's list.
template <size_t N> using Columns = std::array<std::pair<const char*, Zrl_StringArray*>, N>;

template <size_t N> bool readTable(RecordReader& r, const char* table, const Columns<N>& columns) {
    return r.each(table, [&](RecordReader& row) {
        std::vector<std::string_view> fields;
        for (const auto& column : columns)
            fields.push_back(column.first);
        if (!row.object(fields)) return false;
        for (const auto& [field, list] : columns) {
            Zrl_String value;
            if (!row.text(field, value)) return false;
            list->append(value);
        }
        return true;
    });
}

template <size_t N> nlohmann::json writeTable(const Columns<N>& columns) {
    int rows = 0;
    for (const auto& column : columns)
        rows = std::max(rows, column.second->length());
    nlohmann::json table = nlohmann::json::array();
    for (int i = 0; i < rows; ++i) {
        nlohmann::json row = nlohmann::json::object();
        for (const auto& [field, list] : columns)
            row[field] = toJson(i < list->length() ? (*list)[i] : Zrl_String());
        table.push_back(std::move(row));
    }
    return table;
}

Columns<3> drawingColumns(VkAutoStandardsData& d) {
    return {
        {{"name", &d.dwgGenVars()}, {"value", &d.dwgGenValues()}, {"filter", &d.dwgGenFilters()}}};
}

Columns<4> standardColumns(VkAutoStandardsData& d) {
    return {{{"name", &d.stdGenVars()},
             {"value", &d.stdGenValues()},
             {"override", &d.stdGenOverrides()},
             {"filter", &d.stdGenFilters()}}};
}

} // namespace

bool readAutoStandardsJson(std::string_view text, VkAutoStandardsData& data, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    VkAutoStandardsData read;
    RecordReader r(root, error);
    if (!r.object({"drawing", "standard"}) || !readTable(r, "drawing", drawingColumns(read)) ||
        !readTable(r, "standard", standardColumns(read)))
        return false;
    data = std::move(read);
    return true;
}

std::string writeAutoStandardsJson(const VkAutoStandardsData& data) {
    VkAutoStandardsData copy = data;
    nlohmann::json root = nlohmann::json::object();
    root["drawing"] = writeTable(drawingColumns(copy));
    root["standard"] = writeTable(standardColumns(copy));
    return dumpRecordJson(root);
}
