// The levels record and the drawing's list of levels.
#include "platform/core/levels_data.h"

#include <unordered_map>

std::vector<VkLevel>& drawingLevels() {
    static std::vector<VkLevel> levels;
    return levels;
}

bool VkLevelsDlgData::initialize(AcTransaction*) {
    levels_ = drawingLevels();
    return true;
}

bool VkLevelsDlgData::setRealLevels() const {
    drawingLevels() = levels_;
    return true;
}

int VkLevelsDlgData::getNames(Zrl_StringArray& names) const {
    names.setLogicalLength(0);
    names.setPhysicalLength(static_cast<int>(levels_.size()));
    for (const VkLevel& level : levels_)
        names.append(level.name);
    return names.length();
}

bool VkLevelsDlgData::getLevelData(int index, Zrl_String& name, Zrl_String& reference,
                                   double& value, double& absolute) const {
    if (!validIndex(index)) return false;
    const VkLevel& level = levels_[index];
    name = level.name;
    reference = level.reference;
    value = level.value;
    absolute = absoluteHeight(index);
    return true;
}

bool VkLevelsDlgData::updateLevel(int index, double value) {
    if (!validIndex(index)) return false;
    levels_[index].value = value;
    return true;
}

bool VkLevelsDlgData::updateLevel(int index, const Zrl_String& reference) {
    if (!validIndex(index) || (!reference.isEmpty() && reference.equal(levels_[index].name, false)))
        return false;
    levels_[index].reference = reference;
    return true;
}

bool VkLevelsDlgData::addLevel(const Zrl_String& name, int& index) {
    if (name.isEmpty() || findLevel(name) >= 0) return false;
    levels_.push_back({name, Zrl_String(), 0.0});
    index = static_cast<int>(levels_.size()) - 1;
    return true;
}

bool VkLevelsDlgData::deleteLevel(int index) {
    if (!validIndex(index)) return false;
    const Zrl_String& name = levels_[index].name;
    for (size_t i = 0; i < levels_.size(); ++i)
        if (static_cast<int>(i) != index && levels_[i].reference.equal(name, false)) return false;
    levels_.erase(levels_.begin() + index);
    return true;
}

int VkLevelsDlgData::findLevel(const Zrl_String& name) const {
    for (size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i].name.equal(name, false)) return static_cast<int>(i);
    return -1;
}

namespace {

// The levels' indexes by folded name, so that a long chain of references
// costs one pass.
using NameIndex = std::unordered_map<std::wstring, int>;

NameIndex indexByName(const std::vector<VkLevel>& levels) {
    NameIndex byName;
    byName.reserve(levels.size());
    for (size_t i = 0; i < levels.size(); ++i)
        byName.emplace(levels[i].name.toLower().str(), static_cast<int>(i));
    return byName;
}

double followReferences(const std::vector<VkLevel>& levels, const NameIndex& byName, int at) {
    double height = 0;
    for (size_t step = 0; step <= levels.size() && at >= 0; ++step) {
        height += levels[at].value;
        const Zrl_String& ref = levels[at].reference;
        if (ref.isEmpty() || step == levels.size()) break;
        const auto found = byName.find(ref.toLower().str());
        at = found == byName.end() ? -1 : found->second;
    }
    return height;
}

} // namespace

double VkLevelsDlgData::absoluteHeight(int index) const {
    if (!validIndex(index)) return 0;
    return followReferences(levels_, indexByName(levels_), index);
}

std::vector<double> VkLevelsDlgData::absoluteHeights() const {
    const NameIndex byName = indexByName(levels_);
    std::vector<double> heights;
    heights.reserve(levels_.size());
    for (size_t i = 0; i < levels_.size(); ++i)
        heights.push_back(followReferences(levels_, byName, static_cast<int>(i)));
    return heights;
}
