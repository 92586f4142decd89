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
    decimals = clampDecimals(decimals);
    // Round the number as its 15 significant digits read, half away from
    // zero, the way a spreadsheet shows it: 1.005 -> 1.01, 0.125 -> 0.13.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    if (r.ec != std::errc()) return x;
    std::string digits;
    const char* p = buf;
    for (; p != r.ptr && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int exponent = 0;
    if (p != r.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, exponent);
    // digits[0] has weight 10^exponent; keep those down to 10^-decimals.
    int keep = exponent + decimals + 1;
    if (keep >= static_cast<int>(digits.size())) return x;
    if (keep < 0) return 0.0;
    bool up = digits[static_cast<size_t>(keep)] >= '5';
    std::string kept = digits.substr(0, static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && kept[static_cast<size_t>(i)] == '9'; --i)
            kept[static_cast<size_t>(i)] = '0';
        if (i >= 0)
            ++kept[static_cast<size_t>(i)];
        else {
            kept.insert(kept.begin(), '1');
            ++exponent;
        }
    }
    if (kept.empty()) return 0.0;
    std::string text = kept + "e" + std::to_string(exponent - static_cast<int>(kept.size()) + 1);
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    if (out == 0) return 0.0; // no "-0"
    return x < 0 ? -out : out;
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
