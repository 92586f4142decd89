// Number texts of number cells: rounding to decimals and fixed-point text.
#pragma once

#include <cstddef>
#include <string>

namespace spread::detail {

// Room for any number text written below.
constexpr size_t kNumberTextMax = 448;

// `x` rounded to `decimals` (0..15) places as its decimal text would show it.
double roundToDecimals(double x, int decimals);
// "1234.50", or with the separator "1,234.50"; locale-free. The Chars form
// writes into `out` and returns the length.
std::wstring formatFixed(double x, int decimals, bool separator);
size_t formatFixedChars(double x, int decimals, bool separator, char (&out)[kNumberTextMax]);

} // namespace spread::detail
