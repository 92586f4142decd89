#include "platform/host/selection_sets.h"

#include "platform/host/call_log.h"

#include <deque>
#include <map>
#include <set>
#include <string>

namespace {

// Entity names carry this tag in their second number, set names carry 0, so
// that one is never taken for the other.
constexpr std::int64_t kEntityTag = 0x454E54;

struct Drawing {
    std::int64_t lastObject = 0;
    std::set<AcDbObjectId> objects;
    std::vector<AcDbObjectId> previous;
    std::int64_t lastSet = 0;
    std::map<std::int64_t, std::vector<AcDbObjectId>> sets;
    std::deque<AcDbObjectId> picks;
};

Drawing& drawing() {
    static Drawing d;
    return d;
}

const std::vector<AcDbObjectId>* liveSet(const ads_name ss) {
    if (!ss || ss[1] != 0) return nullptr;
    auto it = drawing().sets.find(ss[0]);
    return it == drawing().sets.end() ? nullptr : &it->second;
}

std::wstring nameText(const ads_name n) {
    if (!n) return L"null";
    return std::to_wstring(n[0]) + L"," + std::to_wstring(n[1]);
}

} // namespace

int acedSSGet(const wchar_t* mode, const void*, const void*, const void*, ads_name ss) {
    host::recordCall("acedSSGet", {mode ? mode : L"null"});
    if (!ss) return RTERROR;
    if (!mode) return RTCAN;
    const std::wstring m(mode);
    if (m != L"_P" && m != L"P" && m != L"_p" && m != L"p") return RTERROR;
    Drawing& d = drawing();
    if (d.previous.empty()) return RTERROR;
    d.sets[++d.lastSet] = d.previous;
    ss[0] = d.lastSet;
    ss[1] = 0;
    return RTNORM;
}

int acedSSLength(const ads_name ss, std::int32_t* length) {
    host::recordCall("acedSSLength", {nameText(ss)});
    const auto* set = liveSet(ss);
    if (!set || !length) return RTERROR;
    *length = static_cast<std::int32_t>(set->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, std::int32_t i, ads_name entity) {
    host::recordCall("acedSSName", {nameText(ss), std::to_wstring(i)});
    const auto* set = liveSet(ss);
    if (!set || !entity || i < 0 || static_cast<std::size_t>(i) >= set->size()) return RTERROR;
    entity[0] = (*set)[static_cast<std::size_t>(i)].asOldId();
    entity[1] = kEntityTag;
    return RTNORM;
}

int acedSSFree(const ads_name ss) {
    host::recordCall("acedSSFree", {nameText(ss)});
    if (!liveSet(ss)) return RTERROR;
    drawing().sets.erase(ss[0]);
    return RTNORM;
}

int acedEntSel(const wchar_t* prompt, ads_name entity, ads_point point) {
    host::recordCall("acedEntSel", {prompt ? prompt : L"null"});
    Drawing& d = drawing();
    if (d.picks.empty()) return RTCAN;
    const AcDbObjectId picked = d.picks.front();
    d.picks.pop_front();
    if (!entity || !host::isInDrawing(picked)) return RTERROR;
    entity[0] = picked.asOldId();
    entity[1] = kEntityTag;
    if (point) point[0] = point[1] = point[2] = 0.0;
    return RTNORM;
}

ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name entity) {
    host::recordCall("acdbGetObjectId", {nameText(entity)});
    if (!entity || entity[1] != kEntityTag) return Acad::eInvalidInput;
    const AcDbObjectId candidate(entity[0]);
    if (!host::isInDrawing(candidate)) return Acad::eInvalidInput;
    id = candidate;
    return Acad::eOk;
}

namespace host {

AcDbObjectId addDrawingObject() {
    AcDbObjectId id(++drawing().lastObject);
    drawing().objects.insert(id);
    return id;
}

void eraseDrawingObject(const AcDbObjectId& id) {
    drawing().objects.erase(id);
}

bool isInDrawing(const AcDbObjectId& id) {
    return drawing().objects.count(id) != 0;
}

// Numbering goes on across clears, so that an id kept from before never
// names a new object.
void clearDrawing() {
    Drawing& d = drawing();
    const std::int64_t lastObject = d.lastObject;
    const std::int64_t lastSet = d.lastSet;
    d = Drawing{};
    d.lastObject = lastObject;
    d.lastSet = lastSet;
}

void setPreviousSelection(const std::vector<AcDbObjectId>& ids) {
    drawing().previous = ids;
}

void queuePick(const AcDbObjectId& id) {
    drawing().picks.push_back(id);
}

int queuedPicks() {
    return static_cast<int>(drawing().picks.size());
}

int liveSelectionSets() {
    return static_cast<int>(drawing().sets.size());
}

} // namespace host
