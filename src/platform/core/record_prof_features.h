// The profile features record as JSON, with the drawing's levels:
//
//   { "caption": "Column", "profile": "HEA-200",
//     "labelA": "Bottom", "valueA": "Ground floor",
//     "labelB": "Offset", "valueB": "0",
//     "labelC": "Top", "altLabelC": "Length", "valueC": "Roof", "altValueC": "",
//     "cIsLevel": true, "labelD": "Rotation", "valueD": "90",
//     "switchLabel": "Length instead of top level", "switch": false,
//     "levels": ["Ground floor", "Roof"],
//     "drawingLevels": [ { "name": "Ground floor" }, ... ] }
//
// Every field may be left out (empty texts, false). "drawingLevels" is read
// as the levels record's list (record_levels.h); without "levels" the record
// offers the drawing's level names. Writing gives every field.
#pragma once

#include "platform/core/levels_data.h"
#include "platform/core/prof_features_data.h"

#include <string>
#include <string_view>
#include <vector>

// False with a one-line reason naming the field; the outputs then unchanged.
bool readProfFeaturesJson(std::string_view json, DlgProfFeaturesData& data,
                          std::vector<VkLevel>& drawing, std::string& error);
std::string writeProfFeaturesJson(const DlgProfFeaturesData& data,
                                  const std::vector<VkLevel>& drawing);
