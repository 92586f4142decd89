// VkLevelsDlgData as JSON: the levels in index order.
//
//   { "levels": [ { "name": "Ground floor", "reference": "", "value": 0 },
//                 { "name": "First floor", "reference": "Ground floor", "value": 3600 } ] }
//
// Every field of a level may be left out (empty texts, 0). Names must be
// unique (without case) and not empty; a reference must name another level
// or be empty. Writing adds each level's "absolute" height, which reading
// accepts and ignores (it follows from the others).
#pragma once

#include "platform/core/levels_data.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

// False with a one-line reason naming the field ("levels[1].name: ..."),
// `data` then unchanged.
bool readLevelsJson(std::string_view json, VkLevelsDlgData& data, std::string& error);
std::string writeLevelsJson(const VkLevelsDlgData& data);

// The list of levels in field `field` of a record being read, checked as
// above; absent leaves `data` as it was. For records that carry the
// drawing's levels beside their own fields.
class RecordReader;
bool readLevelsField(RecordReader& reader, std::string_view field, VkLevelsDlgData& data);
// The levels as the list written above.
nlohmann::json levelsJson(const VkLevelsDlgData& data);
