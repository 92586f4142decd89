// Number format codes as the TEXT function reads them: digit placeholders
// (0 # ?), thousands separators and scaling commas, decimals, percent,
// scientific notation, literal text ("..." \x _x), up to four sections
// (positive; negative; zero; text), colours and conditions skipped, "General",
// and date and time codes (y m d h s AM/PM [h]). Private to the engine.
#pragma once

#include <string>
#include <string_view>

namespace spread {

// `x` written with `format`; false when the format cannot be read.
bool formatNumber(double x, std::wstring_view format, std::wstring& out);
// A text through the format's text section ("@" stands for the text).
std::wstring formatText(const std::wstring& text, std::wstring_view format);
// The General format: at most 11 characters besides the sign, in
// scientific notation when that shows more of the number.
std::wstring generalText(double x);

} // namespace spread
