#include "platform/core/dstv_point_info.h"

#include <algorithm>

VkDstvPointSideSelection dstvSide(int value) {
    return static_cast<VkDstvPointSideSelection>(std::clamp(value, 0, kDstvSideCount - 1));
}

namespace {

std::int16_t plateChoice(std::int16_t value) {
    return static_cast<std::int16_t>(
        std::clamp<int>(value, 0, kDstvPlateChoiceCount - 1));
}

} // namespace

void Zrl_DstvPointInfo::setSelectGeomExtent(bool on, VkDstvPointSideSelection side1,
                                            VkDstvPointSideSelection side2) {
    extent_ = on;
    side1_ = dstvSide(side1);
    side2_ = dstvSide(side2);
}

void Zrl_DstvPointInfo::setSelectIntersGeom(bool on, bool middle,
                                            VkDstvPointSideSelection startDir) {
    inters_ = on;
    intersMid_ = middle;
    startDir_ = dstvSide(startDir);
}

void Zrl_DstvPointInfo::setPlateSelection(std::int16_t view, std::int16_t mark, double minDist) {
    viewPlate_ = plateChoice(view);
    markPlate_ = plateChoice(mark);
    minDist_ = minDist;
}

void Zrl_DstvPointInfo::setDrillFullHole(bool on, bool thicknessBased, double radius) {
    drill_ = on;
    thicknessBased_ = thicknessBased;
    radius_ = radius;
}

bool Zrl_DstvPointInfo::operator==(const Zrl_DstvPointInfo& o) const {
    return name_.equal(o.name_, true) && extent_ == o.extent_ && side1_ == o.side1_ &&
           side2_ == o.side2_ && inters_ == o.inters_ && intersMid_ == o.intersMid_ &&
           startDir_ == o.startDir_ && viewPlate_ == o.viewPlate_ &&
           markPlate_ == o.markPlate_ && minDist_ == o.minDist_ && drill_ == o.drill_ &&
           thicknessBased_ == o.thicknessBased_ && radius_ == o.radius_;
}
