// VkLevelsDlgData: the named levels of the building model, as the levels
// dialog edits them.
//
// A level has a name, the name of the level it refers to (empty: none) and
// its height over that reference (the first value). Its absolute height (the
// second value) is its own height plus its reference's absolute height;
// references are followed at most as many steps as there are levels (so a
// loop ends), and a reference that names no level counts 0. Names are
// compared without case.
//
// The drawing keeps one list of levels per process (drawingLevels):
// initialize reads it, setRealLevels writes the record's levels back.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <vector>

class AcTransaction;

struct VkLevel {
    Zrl_String name;
    Zrl_String reference;
    double value = 0;
    bool operator==(const VkLevel&) const = default;
};

// The drawing's levels.
std::vector<VkLevel>& drawingLevels();

class VkLevelsDlgData {
public:
    VkLevelsDlgData() = default;
    VkLevelsDlgData(const VkLevelsDlgData&) = default;
    VkLevelsDlgData& operator=(const VkLevelsDlgData&) = default;
    virtual ~VkLevelsDlgData() = default;

    // Reads the drawing's levels (the transaction may be null).
    bool initialize(AcTransaction* tr);
    // Writes the record's levels into the drawing.
    bool setRealLevels() const;

    // The names of all levels, in index order; `names` is replaced. Answers
    // the count.
    int getNames(Zrl_StringArray& names) const;
    // False for an index that names no level (outputs then unchanged).
    bool getLevelData(int index, Zrl_String& name, Zrl_String& reference, double& value,
                      double& absolute) const;
    // Sets the first value; false for a bad index.
    bool updateLevel(int index, double value);
    // Sets the reference; false for a bad index or the level's own name.
    bool updateLevel(int index, const Zrl_String& reference);
    // Appends a level of that name (no reference, value 0); false for an
    // empty or taken name. `index` receives the new level's index.
    bool addLevel(const Zrl_String& name, int& index);
    // False for a bad index and for a level another level refers to.
    bool deleteLevel(int index);

    // The level's absolute height; 0 for a bad index.
    double absoluteHeight(int index) const;
    // Every level's absolute height, in index order.
    std::vector<double> absoluteHeights() const;
    // Index of the level of that name (without case), -1 when none.
    int findLevel(const Zrl_String& name) const;

    std::vector<VkLevel>& levels() { return levels_; }
    const std::vector<VkLevel>& levels() const { return levels_; }

    bool operator==(const VkLevelsDlgData&) const = default;

private:
    bool validIndex(int index) const {
        return index >= 0 && index < static_cast<int>(levels_.size());
    }

    std::vector<VkLevel> levels_;
};
