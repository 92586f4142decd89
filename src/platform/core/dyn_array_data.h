// DynArrayData: an array of copies of drawing objects: how many positions
// along each of three directions and the spacing between them (millimetres),
// whether the first position is the original itself, and the array's title.
#pragma once

#include "platform/core/zrl_string.h"

class DynArrayData {
public:
    static constexpr int kDirections = 3;
    // Limits the dialog keeps to: positions along one direction, and in all.
    static constexpr int kMaxCount = 1000;
    static constexpr long long kMaxPositions = 10000;

    DynArrayData() = default;
    DynArrayData(const DynArrayData&) = default;
    DynArrayData& operator=(const DynArrayData&) = default;
    virtual ~DynArrayData() = default;
    bool operator==(const DynArrayData&) const = default;

    // The product of the three counts (counts below 1 count as 0).
    long long positions() const;
    // The copies made: the positions, less the original when the first
    // position is the original; never below 0.
    long long copies() const;

    int counts[kDirections] = {1, 1, 1};
    double spacings[kDirections] = {0.0, 0.0, 0.0};
    bool firstIsOriginal = true;
    Zrl_String title;
};
