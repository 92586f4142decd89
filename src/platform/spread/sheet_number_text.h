// Number texts of number cells: rounding to decimals and fixed-point text.
#pragma once

#include <string>

namespace spread::detail {

// `x` rounded to `decimals` (0..15) places as its decimal text would show it.
double roundToDecimals(double x, int decimals);
// "1234.50", or with the separator "1,234.50"; locale-free.
std::wstring formatFixed(double x, int decimals, bool separator);

} // namespace spread::detail
