// Reading and writing the bracing record.
#include "platform/core/record_bracing.h"

#include "platform/core/record_json.h"

#include <utility>

bool readBracingJson(std::string_view text, VkBracingDlgData& data, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    VkBracingDlgData read;
    RecordReader r(root, error);
    if (!r.object({"kind1", "name1", "kind2", "name2", "switch", "names"}) ||
        !r.integer("kind1", read.kind1) || !r.text("name1", read.name1) ||
        !r.integer("kind2", read.kind2) || !r.text("name2", read.name2) ||
        !r.boolean("switch", read.switchOn) || !r.texts("names", read.names))
        return false;
    const std::pair<const char*, int> kinds[] = {{"kind1", read.kind1}, {"kind2", read.kind2}};
    for (const auto& [field, kind] : kinds)
        if (kind < -1 || kind >= VkBracingDlgData::kKindCount)
            return r.refuse("expected -1 to " + std::to_string(VkBracingDlgData::kKindCount - 1),
                            field);
    data = std::move(read);
    return true;
}

std::string writeBracingJson(const VkBracingDlgData& data) {
    return dumpRecordJson({{"kind1", data.kind1},
                           {"name1", toJson(data.name1)},
                           {"kind2", data.kind2},
                           {"name2", toJson(data.name2)},
                           {"switch", data.switchOn},
                           {"names", toJson(data.names)}});
}
