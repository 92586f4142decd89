// The drawing's profiles and the profile cuts record.
#include "platform/core/prof_cuts_data.h"

#include "platform/host/selection_sets.h"
#include "platform/host/transients.h"

#include <algorithm>

std::map<AcDbObjectId, DrawingProfile>& drawingProfiles() {
    static std::map<AcDbObjectId, DrawingProfile> profiles;
    return profiles;
}

const DrawingProfile* DlgProfCutsData::current() const {
    const auto& profiles = drawingProfiles();
    auto it = profiles.find(profile);
    return it == profiles.end() ? nullptr : &it->second;
}

int DlgProfCutsData::getCutDescs(Zrl_StringArray& descs) const {
    const DrawingProfile* p = current();
    descs = p ? p->cuts : Zrl_StringArray();
    return descs.length();
}

std::vector<DlgProfCutsData::Preview>::iterator DlgProfCutsData::findPreview(int index) {
    return std::find_if(previews_.begin(), previews_.end(), [&](const Preview& p) {
        return p.profile == profile && p.cut == index;
    });
}

bool DlgProfCutsData::hasCutPreview(int index) const {
    return std::any_of(previews_.begin(), previews_.end(), [&](const Preview& p) {
        return p.profile == profile && p.cut == index;
    });
}

bool DlgProfCutsData::drawCutPreview(int index) {
    const DrawingProfile* p = current();
    if (!p || index < 0 || index >= p->cuts.length()) return false;
    if (findPreview(index) != previews_.end()) return true;
    previews_.push_back({profile, index, host::addTransient(profile, p->cuts[index].str())});
    return true;
}

bool DlgProfCutsData::removeCutPreview(int index) {
    auto it = findPreview(index);
    if (it == previews_.end()) return false;
    host::eraseTransient(it->marker);
    previews_.erase(it);
    return true;
}

void DlgProfCutsData::removeAllCutPreviews() {
    for (const Preview& p : previews_)
        host::eraseTransient(p.marker);
    previews_.clear();
}

bool DlgProfCutsData::removeCut(int index) {
    auto it = drawingProfiles().find(profile);
    if (it == drawingProfiles().end() || index < 0 || index >= it->second.cuts.length())
        return false;
    removeCutPreview(index);
    it->second.cuts.removeAt(index);
    for (Preview& p : previews_)
        if (p.profile == profile && p.cut > index) --p.cut;
    return true;
}

bool DlgProfCutsData::selectOtherProf() {
    ads_name entity = {0, 0};
    ads_point point = {0, 0, 0};
    if (acedEntSel(L"\nSelect a profile: ", entity, point) != RTNORM) return false;
    AcDbObjectId picked;
    if (acdbGetObjectId(picked, entity) != Acad::eOk) return false;
    if (drawingProfiles().count(picked) == 0) return false;
    profile = picked;
    return true;
}
