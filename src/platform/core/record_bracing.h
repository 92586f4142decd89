// VkBracingDlgData as JSON:
//
//   { "kind1": 3, "name1": "L60x60x6", "kind2": 0, "name2": "",
//     "switch": false, "names": ["L50x50x5", "L60x60x6"] }
//
// Fields left out keep their defaults; a kind is -1 (none) to 5.
#pragma once

#include "platform/core/bracing_data.h"

#include <string>
#include <string_view>

// False with a one-line reason naming the field, `data` then unchanged.
bool readBracingJson(std::string_view json, VkBracingDlgData& data, std::string& error);
std::string writeBracingJson(const VkBracingDlgData& data);
