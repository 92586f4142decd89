// The module-wide control scale: one twentieth of the height of a standard
// control, measured when a macro dialog opens. The dialog designer sizes the
// controls it draws with it.
#pragma once

namespace zrlss {

// The scale in pixels (before any macro dialog opened: the scale of a
// standard control of the default dialog font).
double controlScale();
void setControlScale(double scale);

} // namespace zrlss
