// The record of the section library editor as JSON:
//
//   {
//     "open": "HEA-200",      the table (or TABLE-SYS section) to open on
//     "groups": [ { "id": 1, "name": "Beams", "enabled": true, "image": "",
//                   "names": ["Beams", "Balken", ...] } ],
//     "types":  [ { "name": "HEA", "enabled": true, "image": "", "group": 1,
//                   "table": "HEA", "names": ["HEA", ...] } ]
//   }
//
// Every field may be left out: an empty text or list, enabled true, group
// -1, a group's id its position.
#pragma once

#include "platform/core/section_library_data.h"

#include <string>
#include <string_view>

struct SectionLibraryRecord {
    Zrl_String open;
    DlgEditLibData data;
};

// Reads the record; false with a one-line reason naming the field
// ("types[0].group: expected a whole number"), `record` then unchanged.
bool readSectionLibraryJson(std::string_view json, SectionLibraryRecord& record,
                            std::string& error);
std::string writeSectionLibraryJson(const SectionLibraryRecord& record);
