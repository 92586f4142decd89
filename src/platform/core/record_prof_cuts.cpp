// Reading and writing the profile cuts record and its drawing.
#include "platform/core/record_prof_cuts.h"

#include "platform/core/record_json.h"
#include "platform/host/selection_sets.h"
#include "platform/host/transients.h"

bool readProfCutsJson(std::string_view text, ProfCutsScene& scene, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    ProfCutsScene read;
    RecordReader r(root, error);
    Zrl_String profile;
    Zrl_StringArray picks;
    const bool ok = r.object({"profile", "profiles", "picks", "previews"}) &&
                   r.text("profile", profile) && r.texts("picks", picks) &&
                   r.members("profiles", [&](const std::string& handle, RecordReader& p) {
                       if (handle.empty()) return p.refuse("expected a handle");
                       DrawingProfile drawn;
                       if (!p.object({"section", "cuts"}) || !p.text("section", drawn.section) ||
                           !p.texts("cuts", drawn.cuts))
                           return false;
                       read.profiles[handle] = drawn;
                       return true;
                   });
    if (!ok) return false;
    read.profile = profile.toUtf8();
    if (!read.profile.empty() && read.profiles.count(read.profile) == 0)
        return r.refuse("names no profile", "profile");
    for (int i = 0; i < picks.length(); ++i) {
        if (picks[i].isEmpty())
            return r.refuse("expected a handle", "picks[" + std::to_string(i) + "]");
        read.picks.push_back(picks[i].toUtf8());
    }
    scene = std::move(read);
    return true;
}

void placeProfCutsScene(const ProfCutsScene& scene, DlgProfCutsData& data,
                        std::map<AcDbObjectId, std::string>& handles) {
    std::map<std::string, AcDbObjectId> ids;
    const auto place = [&](const std::string& handle) {
        auto [it, added] = ids.try_emplace(handle);
        if (added) {
            it->second = host::addDrawingObject();
            handles[it->second] = handle;
        }
        return it->second;
    };
    for (const auto& [handle, profile] : scene.profiles)
        drawingProfiles()[place(handle)] = profile;
    for (const std::string& handle : scene.picks)
        host::queuePick(place(handle));
    data.profile = scene.profile.empty() ? AcDbObjectId() : ids[scene.profile];
}

std::string writeProfCutsJson(const DlgProfCutsData& data,
                              const std::map<AcDbObjectId, std::string>& handles) {
    const auto handleOf = [&](const AcDbObjectId& id) {
        auto it = handles.find(id);
        return it == handles.end() ? std::string() : it->second;
    };
    nlohmann::json profiles = nlohmann::json::object();
    for (const auto& [id, profile] : drawingProfiles()) {
        const std::string handle = handleOf(id);
        if (!handle.empty())
            profiles[handle] = {{"section", toJson(profile.section)}, {"cuts", toJson(profile.cuts)}};
    }
    nlohmann::json previews = nlohmann::json::array();
    for (const host::Transient& t : host::drawnTransients())
        if (const std::string handle = handleOf(t.object); !handle.empty())
            previews.push_back({{"profile", handle}, {"cut", toJson(Zrl_String(t.what))}});
    return dumpRecordJson({{"profile", handleOf(data.profile)},
                           {"profiles", std::move(profiles)},
                           {"previews", std::move(previews)}});
}
