// Reading and writing the cladding settings record.
#include "platform/core/record_cladding.h"

#include "platform/core/record_json.h"

#include <charconv>

bool readCladdingJson(std::string_view text, VkCladdingDlgData& data,
                      std::map<int, std::vector<int>>& validTypes, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    VkCladdingDlgData read;
    std::map<int, std::vector<int>> types;
    RecordReader r(root, error);
    if (!r.object({"profile", "kind", "choiceA", "switch", "choiceB", "value", "type1", "type2",
                   "validTypes"}) ||
        !r.text("profile", read.profile) || !r.integer("kind", read.kind) ||
        !r.integer("choiceA", read.choiceA) || !r.boolean("switch", read.switchOn) ||
        !r.integer("choiceB", read.choiceB) || !r.text("value", read.value) ||
        !r.integer("type1", read.type1) || !r.integer("type2", read.type2))
        return false;
    const bool ok = r.members("validTypes", [&](const std::string& key, RecordReader& list) {
        int kind = 0;
        const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), kind);
        if (ec != std::errc() || end != key.data() + key.size())
            return list.refuse("expected a kind number");
        std::vector<int>& allowed = types[kind];
        const nlohmann::json& value = root["validTypes"][key];
        if (!value.is_array()) return list.refuse("expected a list of types 0 to 4");
        for (const nlohmann::json& t : value) {
            if (!t.is_number_integer() || t.get<long long>() < 0 ||
                t.get<long long>() >= kConstrainTypeCount)
                return list.refuse("expected a list of types 0 to 4");
            allowed.push_back(t.get<int>());
        }
        return true;
    });
    if (!ok) return false;
    data = std::move(read);
    validTypes = std::move(types);
    return true;
}

std::string writeCladdingJson(const VkCladdingDlgData& data) {
    return dumpRecordJson({{"profile", toJson(data.profile)},
                           {"kind", data.kind},
                           {"choiceA", data.choiceA},
                           {"switch", data.switchOn},
                           {"choiceB", data.choiceB},
                           {"value", toJson(data.value)},
                           {"type1", data.type1},
                           {"type2", data.type2}});
}
