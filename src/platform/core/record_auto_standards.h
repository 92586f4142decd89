// VkAutoStandardsData as JSON: the general variables of automatic standards.
//
//   {
//     "drawing":  [ { "name": "PlateT", "value": "12", "filter": "Endplates" } ],
//     "standard": [ { "name": "BoltD", "value": "20", "override": "1", "filter": "" } ]
//   }
//
// Each row of a table is one entry of the record's parallel lists; every
// field is a text and may be left out (an empty text). Writing gives every
// row all its fields; lists of unequal length are written as rows up to the
// longest, the missing entries as empty texts.
#pragma once

#include "platform/core/auto_standards_data.h"

#include <string>
#include <string_view>

// Reads the record from JSON text; false with a one-line reason naming the
// field ("drawing[1].value: expected a text"), `data` then unchanged.
bool readAutoStandardsJson(std::string_view json, VkAutoStandardsData& data, std::string& error);
std::string writeAutoStandardsJson(const VkAutoStandardsData& data);
