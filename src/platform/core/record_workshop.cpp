#include "platform/core/record_workshop.h"

#include "platform/core/record_json.h"

#include <cmath>
#include <limits>

using nlohmann::json;

namespace {

// The settings values of `field` of `object` (an object of texts and
// integers), refused through `r`, the reader of `object`.
bool readValues(const json& object, RecordReader& r, const char* field, WsUiSettingValues& out) {
    const auto it = object.find(field);
    if (it == object.end()) return true;
    if (!it->is_object()) return r.refuse("expected an object", field);
    WsUiSettingValues read;
    for (const auto& [key, value] : it->items()) {
        const std::wstring name = Zrl_String::fromUtf8(key).str();
        if (value.is_string()) {
            read[name] = Zrl_String::fromUtf8(value.get<std::string>());
        } else if (value.is_number_integer() &&
                   value.get<long long>() >= std::numeric_limits<int>::min() &&
                   value.get<long long>() <= std::numeric_limits<int>::max()) {
            read[name] = static_cast<int>(value.get<long long>());
        } else {
            return r.refuse("expected a text or an integer", std::string(field) + "." + key);
        }
    }
    out = std::move(read);
    return true;
}

json valuesJson(const WsUiSettingValues& values) {
    json out = json::object();
    for (const auto& [key, value] : values) {
        const std::string k = Zrl_String(key).toUtf8();
        if (const int* number = std::get_if<int>(&value))
            out[k] = *number;
        else
            out[k] = toJson(std::get<Zrl_String>(value));
    }
    return out;
}

} // namespace

bool readWsSettingsJson(const json& root, WsUiGlobalSettings& settings, std::string& error) {
    RecordReader r(root, error);
    WsUiGlobalSettings read;
    if (!r.object({"values", "groups"}) || !readValues(root, r, "values", read.values()))
        return false;
    size_t index = 0;
    const bool groupsOk = r.each("groups", [&](RecordReader& g) {
        const json& raw = root.at("groups").at(index++);
        WsUiSubGroupSettings group;
        Zrl_String name;
        if (!g.object({"name", "values"}) || !g.text("name", name) ||
            !readValues(raw, g, "values", group.values()))
            return false;
        group.setGroupName(name);
        read.appendGroup(group);
        return true;
    });
    if (!groupsOk) return false;
    settings = std::move(read);
    return true;
}

json wsSettingsJson(const WsUiGlobalSettings& settings) {
    json groups = json::array();
    for (const WsUiSubGroupSettings& g : settings.groups())
        groups.push_back({{"name", toJson(g.groupName())}, {"values", valuesJson(g.values())}});
    return {{"values", valuesJson(settings.values())}, {"groups", groups}};
}

bool readSheetsMgrJson(const json& root, VkSheetsMgrDlgData& data, std::string& error) {
    RecordReader r(root, error);
    VkSheetsMgrDlgData read;
    if (!r.object({"sheets"}) || !r.each("sheets", [&](RecordReader& s) {
            VkSheetEntry entry;
            if (!s.object({"name", "parts"}) || !s.text("name", entry.name) ||
                !s.texts("parts", entry.parts))
                return false;
            read.append(entry);
            return true;
        }))
        return false;
    data = std::move(read);
    return true;
}

json sheetsMgrJson(const VkSheetsMgrDlgData& data) {
    json sheets = json::array();
    for (int i = 0; i < data.length(); ++i) {
        const VkSheetEntry entry = data.getAt(i);
        sheets.push_back({{"name", toJson(entry.name)}, {"parts", toJson(entry.parts)}});
    }
    return {{"sheets", sheets}};
}

namespace {

bool readChoice(RecordReader& r, const char* field, int count, int& value) {
    if (!r.integer(field, value)) return false;
    if (value < 0 || value >= count)
        return r.refuse("expected 0 to " + std::to_string(count - 1), field);
    return true;
}

bool readFinite(RecordReader& r, const char* field, double& value) {
    if (!r.number(field, value)) return false;
    return std::isfinite(value) || r.refuse("expected a finite number", field);
}

} // namespace

bool readDstvPointsJson(const json& root, Zrl_String& group, Zrl_DstvPointList& points,
                        std::string& error) {
    RecordReader r(root, error);
    Zrl_String name = group;
    Zrl_DstvPointList read;
    if (!r.object({"group", "points"}) || !r.text("group", name)) return false;
    const bool ok = r.each("points", [&](RecordReader& p) {
        const Zrl_DstvPointInfo defaults;
        Zrl_String pointName;
        bool extent = defaults.selectGeomExtent(), inters = defaults.selectIntersGeom(),
             middle = defaults.selectIntersMid(), drill = defaults.drillFullHole(),
             thickness = defaults.radiusThicknessBased();
        int side1 = defaults.sideSelection1(), side2 = defaults.sideSelection2(),
            start = defaults.intersStartDir(), view = defaults.viewPlateSelection(),
            mark = defaults.markPlateSelection();
        double dist = defaults.minPlateSideDist(), radius = defaults.drillRadius();
        if (!p.object({"name", "extent", "side1", "side2", "intersection", "middle", "startSide",
                       "viewPlate", "markPlate", "minDistance", "drill", "thicknessBased",
                       "holeSize"}) ||
            !p.text("name", pointName) || !p.boolean("extent", extent) ||
            !readChoice(p, "side1", kDstvSideCount, side1) ||
            !readChoice(p, "side2", kDstvSideCount, side2) ||
            !p.boolean("intersection", inters) || !p.boolean("middle", middle) ||
            !readChoice(p, "startSide", kDstvSideCount, start) ||
            !readChoice(p, "viewPlate", kDstvPlateChoiceCount, view) ||
            !readChoice(p, "markPlate", kDstvPlateChoiceCount, mark) ||
            !readFinite(p, "minDistance", dist) || !p.boolean("drill", drill) ||
            !p.boolean("thicknessBased", thickness) || !readFinite(p, "holeSize", radius))
            return false;
        Zrl_DstvPointInfo point(pointName);
        point.setSelectGeomExtent(extent, dstvSide(side1), dstvSide(side2));
        point.setSelectIntersGeom(inters, middle, dstvSide(start));
        point.setPlateSelection(static_cast<std::int16_t>(view), static_cast<std::int16_t>(mark),
                                dist);
        point.setDrillFullHole(drill, thickness, radius);
        read.append(point);
        return true;
    });
    if (!ok) return false;
    group = name;
    points = std::move(read);
    return true;
}

json dstvPointsJson(const Zrl_String& group, const Zrl_DstvPointList& points) {
    json list = json::array();
    for (const Zrl_DstvPointInfo& p : points)
        list.push_back({{"name", toJson(p.name())},
                        {"extent", p.selectGeomExtent()},
                        {"side1", static_cast<int>(p.sideSelection1())},
                        {"side2", static_cast<int>(p.sideSelection2())},
                        {"intersection", p.selectIntersGeom()},
                        {"middle", p.selectIntersMid()},
                        {"startSide", static_cast<int>(p.intersStartDir())},
                        {"viewPlate", static_cast<int>(p.viewPlateSelection())},
                        {"markPlate", static_cast<int>(p.markPlateSelection())},
                        {"minDistance", p.minPlateSideDist()},
                        {"drill", p.drillFullHole()},
                        {"thicknessBased", p.radiusThicknessBased()},
                        {"holeSize", p.drillRadius()}});
    return {{"group", toJson(group)}, {"points", list}};
}
