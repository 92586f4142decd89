// Reading and writing the levels record.
#include "platform/core/record_levels.h"

#include "platform/core/record_json.h"

bool readLevelsJson(std::string_view text, VkLevelsDlgData& data, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    RecordReader r(root, error);
    VkLevelsDlgData read;
    if (!r.object({"levels"}) || !readLevelsField(r, "levels", read)) return false;
    data = std::move(read);
    return true;
}

bool readLevelsField(RecordReader& r, std::string_view field, VkLevelsDlgData& data) {
    VkLevelsDlgData read;
    bool given = false;
    r.member(field, [&](RecordReader&) { return given = true; });
    const bool ok = r.each(field, [&](RecordReader& row) {
        VkLevel level;
        double ignored = 0;
        if (!row.object({"name", "reference", "value", "absolute"}) ||
            !row.text("name", level.name) || !row.text("reference", level.reference) ||
            !row.number("value", level.value) || !row.number("absolute", ignored))
            return false;
        if (level.name.trimmed().isEmpty()) return row.refuse("expected a name", "name");
        if (read.findLevel(level.name) >= 0)
            return row.refuse("a second level of this name", "name");
        read.levels().push_back(level);
        return true;
    });
    if (!ok) return false;
    // References are checked once every name is known.
    const auto& levels = read.levels();
    for (size_t i = 0; i < levels.size(); ++i) {
        const Zrl_String& ref = levels[i].reference;
        if (ref.isEmpty()) continue;
        const int at = read.findLevel(ref);
        if (at < 0 || at == static_cast<int>(i))
            return r.refuse(at < 0 ? "names no level" : "names the level itself",
                            std::string(field) + "[" + std::to_string(i) + "].reference");
    }
    if (given) data = std::move(read);
    return true;
}

nlohmann::json levelsJson(const VkLevelsDlgData& data) {
    nlohmann::json levels = nlohmann::json::array();
    const std::vector<double> heights = data.absoluteHeights();
    for (size_t i = 0; i < data.levels().size(); ++i) {
        const VkLevel& level = data.levels()[i];
        levels.push_back({{"name", toJson(level.name)},
                          {"reference", toJson(level.reference)},
                          {"value", level.value},
                          {"absolute", heights[i]}});
    }
    return levels;
}

std::string writeLevelsJson(const VkLevelsDlgData& data) {
    return dumpRecordJson({{"levels", levelsJson(data)}});
}
