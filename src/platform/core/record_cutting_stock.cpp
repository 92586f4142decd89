// Reading and writing DlgCSP2Data: profiles and three lists of rows.
#include "platform/core/record_cutting_stock.h"

#include "platform/core/record_json.h"

#include <algorithm>
#include <set>

namespace {

bool readList(RecordReader& r, const char* field, DlgCSP2List& list) {
    return r.member(field, [&](RecordReader& l) {
        if (!l.object({"titles", "rows"}) || !l.texts("titles", list.titles)) return false;
        return l.each("rows", [&](RecordReader& row) {
            int profile = 0;
            Zrl_StringArray cells;
            if (!row.object({"profile", "cells"}) || !row.integer("profile", profile) ||
                !row.texts("cells", cells))
                return false;
            list.rowProfiles.append(profile);
            list.rows.append(cells);
            return true;
        });
    });
}

nlohmann::json writeList(const DlgCSP2List& list) {
    nlohmann::json rows = nlohmann::json::array();
    // The two arrays are parallel; a longer one's extra entries have no pair.
    const int count = std::min(list.rowProfiles.length(), list.rows.length());
    for (int i = 0; i < count; ++i)
        rows.push_back({{"profile", list.rowProfiles[i]}, {"cells", toJson(list.rows[i])}});
    return {{"titles", toJson(list.titles)}, {"rows", std::move(rows)}};
}

} // namespace

bool readCuttingStockJson(std::string_view text, DlgCSP2Data& data, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    DlgCSP2Data read;
    RecordReader r(root, error);
    if (!r.object({"resultMode", "profiles", "pieces", "shop", "purchase"}) ||
        !r.boolean("resultMode", read.resultMode))
        return false;
    std::set<int> ids;
    const bool profiles = r.each("profiles", [&](RecordReader& p) {
        int id = 0;
        Zrl_String name;
        if (!p.object({"id", "name"}) || !p.integer("id", id) || !p.text("name", name))
            return false;
        if (!ids.insert(id).second)
            return p.refuse("profile id " + std::to_string(id) + " given twice", "id");
        read.profileIds.append(id);
        read.profileNames.append(name);
        return true;
    });
    if (!profiles || !readList(r, "pieces", read.pieces) || !readList(r, "shop", read.shop) ||
        !readList(r, "purchase", read.purchase))
        return false;
    data = std::move(read);
    return true;
}

std::string writeCuttingStockJson(const DlgCSP2Data& data) {
    nlohmann::json profiles = nlohmann::json::array();
    const int count = std::min(data.profileIds.length(), data.profileNames.length());
    for (int i = 0; i < count; ++i)
        profiles.push_back({{"id", data.profileIds[i]}, {"name", toJson(data.profileNames[i])}});
    nlohmann::json root = nlohmann::json::object();
    root["resultMode"] = data.resultMode;
    root["profiles"] = std::move(profiles);
    root["pieces"] = writeList(data.pieces);
    root["shop"] = writeList(data.shop);
    root["purchase"] = writeList(data.purchase);
    return dumpRecordJson(root);
}
