// Fixed-point number texts, independent of the locale.
#include "platform/spread/sheet_number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spread::detail {

namespace {

int clampDecimals(int decimals) {
    return std::clamp(decimals, 0, 15);
}

} // namespace

double roundToDecimals(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    char buf[400];
    auto r =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, clampDecimals(decimals));
    if (r.ec != std::errc()) return x;
    double out = x;
    std::from_chars(buf, r.ptr, out);
    return out == 0 ? 0.0 : out; // no "-0"
}

std::wstring formatFixed(double x, int decimals, bool separator) {
    if (!std::isfinite(x)) return L"#NUM!";
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, roundToDecimals(x, decimals),
                           std::chars_format::fixed, clampDecimals(decimals));
    if (r.ec != std::errc()) return L"#NUM!";
    std::string text(buf, r.ptr);
    if (separator) {
        size_t start = text[0] == '-' ? 1 : 0;
        size_t end = text.find('.');
        if (end == std::string::npos) end = text.size();
        for (size_t i = end; i > start + 3; i -= 3)
            text.insert(i - 3, 1, ',');
    }
    return std::wstring(text.begin(), text.end());
}

} // namespace spread::detail
