// The cladding settings record as JSON, with the core's table of the
// constraint types each kind allows:
//
//   { "profile": "IPE-200", "kind": 1, "choiceA": 1, "switch": false,
//     "choiceB": 3, "value": "1500", "type1": 1, "type2": 3,
//     "validTypes": { "1": [1, 3] } }
//
// Every field may be left out (the record's defaults). "validTypes" sets
// the allowed types of the kinds it names (each 0 to 4); the other kinds
// keep the core's table (cladding_data.h). Writing gives the record's
// fields, without the table.
#pragma once

#include "platform/core/cladding_data.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// False with a one-line reason naming the field; the outputs then unchanged.
bool readCladdingJson(std::string_view json, VkCladdingDlgData& data,
                      std::map<int, std::vector<int>>& validTypes, std::string& error);
std::string writeCladdingJson(const VkCladdingDlgData& data);
