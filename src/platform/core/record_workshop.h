// Reading and writing the workshop records as JSON (docs/dialogs.md):
//
//   WsUiGlobalSettings  {"values": {KEY: text or integer},
//                        "groups": [{"name", "values": {KEY: text or integer}}]}
//   VkSheetsMgrDlgData  {"sheets": [{"name", "parts": [texts]}]}
//   DSTV point group    {"group", "points": [{"name", "extent", "side1", "side2",
//                        "intersection", "middle", "startSide", "viewPlate",
//                        "markPlate", "minDistance", "drill", "thicknessBased",
//                        "holeSize"}]}
//
// Readers are all or nothing: false with the refused field's path in
// `error` and the record unchanged.
#pragma once

#include "platform/core/dstv_point_info.h"
#include "platform/core/sheets_mgr_data.h"
#include "platform/core/ws_ui_settings.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

bool readWsSettingsJson(const nlohmann::json& root, WsUiGlobalSettings& settings,
                        std::string& error);
nlohmann::json wsSettingsJson(const WsUiGlobalSettings& settings);

bool readSheetsMgrJson(const nlohmann::json& root, VkSheetsMgrDlgData& data, std::string& error);
nlohmann::json sheetsMgrJson(const VkSheetsMgrDlgData& data);

// A group's points; `group` receives the "group" field when given. Every
// point is checked whole: sides 0 to 3, plates 0 to 4, finite numbers.
bool readDstvPointsJson(const nlohmann::json& root, Zrl_String& group, Zrl_DstvPointList& points,
                        std::string& error);
nlohmann::json dstvPointsJson(const Zrl_String& group, const Zrl_DstvPointList& points);
