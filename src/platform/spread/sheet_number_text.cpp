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
    // Whole numbers below 10^15 read exactly in 15 digits: nothing to round
    // (and no "-0").
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) return x == 0 ? 0.0 : x;
    decimals = clampDecimals(decimals);
    // Round the number as its 15 significant digits read, half away from
    // zero, the way a spreadsheet shows it: 1.005 -> 1.01, 0.125 -> 0.13.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    if (r.ec != std::errc()) return x;
    // One spare place in front for a carry into a new leading digit.
    char digits[40];
    int count = 1;
    const char* p = buf;
    for (; p != r.ptr && *p != 'e'; ++p)
        if (*p != '.') digits[count++] = *p;
    int exponent = 0;
    if (p != r.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, exponent);
    // digits[1] has weight 10^exponent; keep those down to 10^-decimals.
    int keep = exponent + decimals + 1;
    if (keep >= count - 1) return x;
    if (keep < 0) return 0.0;
    int first = 1;
    if (digits[1 + keep] >= '5') {
        int i = keep;
        for (; i >= 1 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 1) {
            ++digits[i];
        } else {
            digits[0] = '1';
            first = 0;
            ++exponent;
            ++keep;
        }
    }
    if (keep == 0) return 0.0;
    // The kept digits as an integer times a power of ten.
    char text[64];
    char* end = std::copy(digits + first, digits + first + keep, text);
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, exponent - keep + 1).ptr;
    double out = 0;
    std::from_chars(text, end, out);
    if (out == 0) return 0.0; // no "-0"
    return x < 0 ? -out : out;
}

size_t formatFixedChars(double x, int decimals, bool separator, char (&out)[kNumberTextMax]) {
    static constexpr char kNum[] = "#NUM!";
    if (std::isfinite(x)) {
        char buf[400];
        auto r = std::to_chars(buf, buf + sizeof buf, roundToDecimals(x, decimals),
                               std::chars_format::fixed, clampDecimals(decimals));
        if (r.ec == std::errc()) {
            const size_t n = static_cast<size_t>(r.ptr - buf);
            const size_t sign = buf[0] == '-' ? 1 : 0;
            const char* dot = std::find(buf, r.ptr, '.');
            const size_t whole = static_cast<size_t>(dot - buf) - sign;
            size_t at = 0;
            for (size_t i = 0; i < n; ++i) {
                // A comma before every group of three whole digits but the first.
                const size_t left = whole + sign - i; // whole digits from here on
                if (separator && i > sign && i < whole + sign && left % 3 == 0) out[at++] = ',';
                out[at++] = buf[i];
            }
            return at;
        }
    }
    std::copy(kNum, kNum + 5, out);
    return 5;
}

std::wstring formatFixed(double x, int decimals, bool separator) {
    char buf[kNumberTextMax];
    const size_t n = formatFixedChars(x, decimals, separator, buf);
    return std::wstring(buf, buf + n);
}

} // namespace spread::detail
