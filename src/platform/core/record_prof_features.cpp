// Reading and writing the profile features record.
#include "platform/core/record_prof_features.h"

#include "platform/core/record_json.h"
#include "platform/core/record_levels.h"

#include <utility>

namespace {

// The record's texts by their JSON names.
std::pair<const char*, Zrl_String DlgProfFeaturesData::*> const kTexts[] = {
    {"caption", &DlgProfFeaturesData::caption},     {"profile", &DlgProfFeaturesData::profile},
    {"labelA", &DlgProfFeaturesData::labelA},       {"valueA", &DlgProfFeaturesData::valueA},
    {"labelB", &DlgProfFeaturesData::labelB},       {"valueB", &DlgProfFeaturesData::valueB},
    {"labelC", &DlgProfFeaturesData::labelC},       {"altLabelC", &DlgProfFeaturesData::altLabelC},
    {"valueC", &DlgProfFeaturesData::valueC},       {"altValueC", &DlgProfFeaturesData::altValueC},
    {"labelD", &DlgProfFeaturesData::labelD},       {"valueD", &DlgProfFeaturesData::valueD},
    {"switchLabel", &DlgProfFeaturesData::switchLabel},
};

} // namespace

bool readProfFeaturesJson(std::string_view text, DlgProfFeaturesData& data,
                          std::vector<VkLevel>& drawing, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    DlgProfFeaturesData read;
    VkLevelsDlgData levels;
    RecordReader r(root, error);
    std::vector<std::string_view> fields = {"cIsLevel", "switch", "levels", "drawingLevels"};
    for (const auto& [name, member] : kTexts)
        fields.push_back(name);
    if (!r.object(fields)) return false;
    for (const auto& [name, member] : kTexts)
        if (!r.text(name, read.*member)) return false;
    if (!r.boolean("cIsLevel", read.cIsLevel) || !r.boolean("switch", read.switchOn) ||
        !readLevelsField(r, "drawingLevels", levels))
        return false;
    for (const VkLevel& level : levels.levels())
        read.levels.append(level.name);
    if (!r.texts("levels", read.levels)) return false;
    data = std::move(read);
    drawing = levels.levels();
    return true;
}

std::string writeProfFeaturesJson(const DlgProfFeaturesData& data,
                                  const std::vector<VkLevel>& drawing) {
    nlohmann::json out = nlohmann::json::object();
    for (const auto& [name, member] : kTexts)
        out[name] = toJson(data.*member);
    out["cIsLevel"] = data.cIsLevel;
    out["switch"] = data.switchOn;
    out["levels"] = toJson(data.levels);
    VkLevelsDlgData levels;
    levels.levels() = drawing;
    out["drawingLevels"] = levelsJson(levels);
    return dumpRecordJson(out);
}
