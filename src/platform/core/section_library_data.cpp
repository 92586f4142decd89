// The section library record: groups, types, available tables.
#include "platform/core/section_library_data.h"

#include "platform/core/section_table_file.h"

#include <algorithm>

namespace {

bool inRange(const std::vector<SectionGroup>& groups, int index) {
    return index >= 0 && index < static_cast<int>(groups.size());
}

} // namespace

Zrl_String SectionGroupArray::getName(int index) const {
    return inRange(groups, index) ? groups[static_cast<size_t>(index)].name : Zrl_String();
}

bool SectionGroupArray::getEnabled(int index) const {
    return inRange(groups, index) && groups[static_cast<size_t>(index)].enabled;
}

void SectionGroupArray::setEnabled(int index, bool enabled) {
    if (inRange(groups, index)) groups[static_cast<size_t>(index)].enabled = enabled;
}

Zrl_String SectionGroupArray::getImage(int index) const {
    return inRange(groups, index) ? groups[static_cast<size_t>(index)].image : Zrl_String();
}

void SectionGroupArray::setImage(int index, const Zrl_String& image) {
    if (inRange(groups, index)) groups[static_cast<size_t>(index)].image = image;
}

Zrl_StringArray SectionGroupArray::getLangs(int index) const {
    return inRange(groups, index) ? groups[static_cast<size_t>(index)].names : Zrl_StringArray();
}

void SectionGroupArray::setLangs(int index, const Zrl_StringArray& names) {
    if (!inRange(groups, index)) return;
    SectionGroup& g = groups[static_cast<size_t>(index)];
    g.names = names;
    if (!names.isEmpty() && !names[0].isEmpty()) g.name = names[0];
}

int SectionGroupArray::appendNewGrp() {
    SectionGroup g;
    Zrl_StringArray names;
    for (const SectionGroup& other : groups) {
        g.id = std::max(g.id, other.id + 1);
        names.append(other.name);
    }
    g.name = findNonExistingString(names, L"Group");
    groups.push_back(g);
    return length() - 1;
}

bool SectionGroupArray::removeAt(int index) {
    if (!inRange(groups, index)) return false;
    groups.erase(groups.begin() + index);
    return true;
}

bool SectionGroupArray::swap(int a, int b) {
    if (!inRange(groups, a) || !inRange(groups, b)) return false;
    std::swap(groups[static_cast<size_t>(a)], groups[static_cast<size_t>(b)]);
    return true;
}

void SectionGroupArray::namesOfAllGroups(Zrl_StringArray& names, AcArray<int>& ids) const {
    names.removeAll();
    ids.removeAll();
    for (const SectionGroup& g : groups) {
        names.append(g.name);
        ids.append(g.id);
    }
}

int DlgEditLibData::GetAvailableFiles() {
    availableFiles = sectionTableNames();
    return availableFiles.length();
}
