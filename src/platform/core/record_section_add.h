// The record of adding a section size (the simple section editor) as JSON:
//
//   {
//     "sysName": "200x100x6",            the size the editor starts from
//     "table": { "name": "RHS", "picture": "10",
//                "headers": ["SysName", "I/O", ...],
//                "rows": [["200x100x6", "1", "RHS 200x100x6", ...], ...] },
//     "index": -1                        after OK: the new row's place among
//   }                                    the active rows
//
// Every field may be left out (empty texts and lists, index -1).
#pragma once

#include "platform/core/record_json.h"
#include "platform/core/section_table_file.h"

#include <string>
#include <string_view>

struct SectionAddRecord {
    Zrl_String sysName;
    Zrl_String tableName;
    SectionTableFile table;
    int index = -1;
};

// Reads the record; false with a one-line reason naming the field
// ("table.rows[2]: cell 1: expected a text"), `record` then unchanged.
bool readSectionAddJson(std::string_view json, SectionAddRecord& record, std::string& error);
std::string writeSectionAddJson(const SectionAddRecord& record);

// The "table" object alone, for the records that carry a table.
bool readSectionTableJson(RecordReader& table, Zrl_String& name, SectionTableFile& out);
nlohmann::json sectionTableJson(const Zrl_String& name, const SectionTableFile& table);
