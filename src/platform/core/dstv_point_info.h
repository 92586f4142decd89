// Zrl_DstvPointInfo: one DSTV marking-point rule of the core module. It says
// where on a plate the core takes a point (by the extent of the geometry on
// two sides, or by an intersection), on which plates the point is viewed and
// marked, how far it stays from the plate's edge and whether a hole is
// drilled there.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"

#include <cstdint>

// The four sides of a plate a rule refers to (values 0 to 3). Sides 0 and 1
// are one pair, sides 2 and 3 the other.
enum VkDstvPointSideSelection : int {
    kDstvSideFront = 0,
    kDstvSideBack = 1,
    kDstvSideTop = 2,
    kDstvSideBottom = 3,
};
inline constexpr int kDstvSideCount = 4;
// Plate choices for viewing and marking (values 0 to 4).
inline constexpr int kDstvPlateChoiceCount = 5;

class Zrl_DstvPointInfo {
public:
    // A rule with the defaults of a new point: extent on sides 0 and 2, the
    // middle of an intersection from side 0, plates 0 and 0, 50 from the
    // edge, no hole, hole size 16.
    Zrl_DstvPointInfo() = default;
    explicit Zrl_DstvPointInfo(const Zrl_String& name) : name_(name) {}
    Zrl_DstvPointInfo(const Zrl_DstvPointInfo&) = default;
    Zrl_DstvPointInfo& operator=(const Zrl_DstvPointInfo&) = default;
    virtual ~Zrl_DstvPointInfo() = default;

    const Zrl_String& name() const { return name_; }
    bool selectGeomExtent() const { return extent_; }
    VkDstvPointSideSelection sideSelection1() const { return side1_; }
    VkDstvPointSideSelection sideSelection2() const { return side2_; }
    bool selectIntersGeom() const { return inters_; }
    bool selectIntersMid() const { return intersMid_; }
    VkDstvPointSideSelection intersStartDir() const { return startDir_; }
    std::int16_t viewPlateSelection() const { return viewPlate_; }
    std::int16_t markPlateSelection() const { return markPlate_; }
    double minPlateSideDist() const { return minDist_; }
    bool drillFullHole() const { return drill_; }
    bool radiusThicknessBased() const { return thicknessBased_; }
    double drillRadius() const { return radius_; }

    void setName(const Zrl_String& name) { name_ = name; }
    void setSelectGeomExtent(bool on, VkDstvPointSideSelection side1,
                             VkDstvPointSideSelection side2);
    void setSelectIntersGeom(bool on, bool middle, VkDstvPointSideSelection startDir);
    void setPlateSelection(std::int16_t view, std::int16_t mark, double minDist);
    void setDrillFullHole(bool on, bool thicknessBased, double radius);

    bool operator==(const Zrl_DstvPointInfo& other) const;

private:
    Zrl_String name_;
    bool extent_ = true;
    VkDstvPointSideSelection side1_ = kDstvSideFront;
    VkDstvPointSideSelection side2_ = kDstvSideTop;
    bool inters_ = false;
    bool intersMid_ = true;
    VkDstvPointSideSelection startDir_ = kDstvSideFront;
    std::int16_t viewPlate_ = 0;
    std::int16_t markPlate_ = 0;
    double minDist_ = 50.0;
    bool drill_ = false;
    bool thicknessBased_ = false;
    double radius_ = 16.0;
};

using Zrl_DstvPointList = Zrl_Array<Zrl_DstvPointInfo>;

// A side value clamped into 0..3 (the setters keep every rule valid).
VkDstvPointSideSelection dstvSide(int value);
