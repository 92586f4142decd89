// Numbers read from and written to text, independent of the process locale:
// "." is the decimal point whatever LC_NUMERIC says.
#pragma once

#include <string>
#include <string_view>

namespace zrltext {

// The number at the start of `text`, read the same on every host, whatever
// the process's locale: blanks (space, tab, line ends) skipped, an optional
// sign, then decimal digits with an optional "." and exponent, hexadecimal
// digits after "0x" with an optional binary exponent, "inf", "infinity" or
// "nan". Whatever follows is ignored. 0 when the text does not start with a
// number; +-HUGE_VAL beyond the range of double, 0 below it.
double leadingDouble(std::wstring_view text);

// The whole number at the start of `text`, read the same on every host: blanks skipped, an optional sign, decimal digits.
// 0 when the text does not start with one; clamped to the range of long long.
long long leadingInteger(std::wstring_view text);

// A number as text with a point for decimals on every host: fixedText with
// `decimals` after the point, generalText with `precision` significant digits
// in the shorter of plain and exponent form ("3.14", "1e+20", "nan").
std::wstring fixedText(double value, int decimals);
std::wstring generalText(double value, int precision);

} // namespace zrltext
