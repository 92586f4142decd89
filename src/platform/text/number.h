// Numbers read from and written to text, independent of the process locale:
// "." is the decimal point whatever LC_NUMERIC says.
#pragma once

#include <string>
#include <string_view>

namespace zrltext {

// The number at the start of `text`, read as the C library's strtod reads it
// in the "C" locale: blanks (space, tab, line ends) skipped, an optional
// sign, then decimal digits with an optional "." and exponent, hexadecimal
// digits after "0x" with an optional binary exponent, "inf", "infinity" or
// "nan". Whatever follows is ignored. 0 when the text does not start with a
// number; +-HUGE_VAL beyond the range of double, 0 below it.
double leadingDouble(std::wstring_view text);

// The whole number at the start of `text`, read as the C library's strtoll
// reads it with base 10: blanks skipped, an optional sign, decimal digits.
// 0 when the text does not start with one; clamped to the range of long long.
long long leadingInteger(std::wstring_view text);

// printf's "%.*f" and "%.*g" in the "C" locale ("3.14", "1e+20", "nan").
std::wstring fixedText(double value, int decimals);
std::wstring generalText(double value, int precision);

} // namespace zrltext
