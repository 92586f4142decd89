#include "frame/control_scale.h"

#include "platform/win/dialog_template.h"

namespace zrlss {

namespace {

// A standard control (a one-line edit) is 14 dialog units high.
double& scale() {
    static double value = win::dialogUnitsToPixelsY(14) / 20.0;
    return value;
}

} // namespace

double controlScale() {
    return scale();
}

void setControlScale(double value) {
    if (value > 0) scale() = value;
}

} // namespace zrlss
