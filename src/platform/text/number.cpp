#include "platform/text/number.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace zrltext {

namespace {

// The blanks the C library skips before a number in the "C" locale.
bool isBlank(wchar_t ch) {
    return ch == L' ' || (ch >= L'\t' && ch <= L'\r');
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool isHexDigit(char ch) {
    return isDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// Characters that may be part of a number's text ("nan(...)" included).
bool mayBeInNumber(wchar_t ch) {
    return (ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') ||
           ch == L'.' || ch == L'+' || ch == L'-' || ch == L'(' || ch == L')' || ch == L'_';
}

// For a number text [b, e) that lies outside the range of double: true when
// it is beyond it (too large) rather than below it (too small). The first
// non-zero digit's place plus the exponent tells.
bool tooLarge(const char* b, const char* e, bool hex) {
    auto digit = [hex](char ch) { return hex ? isHexDigit(ch) : isDigit(ch); };
    long long place = 0; // of the first non-zero digit, counted from the point
    bool found = false;
    const char* p = b;
    for (; p < e && digit(*p); ++p) {
        if (*p != '0') found = true;
        if (found) ++place;
    }
    if (p < e && *p == '.') {
        for (++p; p < e && digit(*p); ++p) {
            if (found) continue;
            if (*p != '0')
                found = true;
            else
                --place;
        }
    }
    long long exponent = 0;
    if (p < e && (hex ? (*p == 'p' || *p == 'P') : (*p == 'e' || *p == 'E'))) {
        ++p;
        const bool negative = p < e && *p == '-';
        if (p < e && (*p == '-' || *p == '+')) ++p;
        for (; p < e && isDigit(*p); ++p)
            exponent = std::min<long long>(exponent * 10 + (*p - '0'), 1'000'000'000);
        if (negative) exponent = -exponent;
    }
    // A hexadecimal digit counts four binary places.
    return (hex ? 4 * place : place) + exponent > 0;
}

// Reads the narrow number text [b, e) (no blanks, no sign); false when it
// does not start with a number.
bool readUnsigned(const char* b, const char* e, double& value) {
    if (b == e || *b == '-' || *b == '+') return false;
    bool hex = false;
    std::from_chars_result r;
    if (e - b > 2 && b[0] == '0' && (b[1] == 'x' || b[1] == 'X') &&
        (isHexDigit(b[2]) || (b[2] == '.' && e - b > 3 && isHexDigit(b[3])))) {
        hex = true;
        b += 2;
        r = std::from_chars(b, e, value, std::chars_format::hex);
    } else {
        r = std::from_chars(b, e, value);
    }
    if (r.ec == std::errc::result_out_of_range) {
        value = tooLarge(b, r.ptr, hex) ? HUGE_VAL : 0.0;
        return true;
    }
    return r.ec == std::errc();
}

// Room for the text of any double with up to 17 decimals or digits.
constexpr int kTextRoom = 512;

std::wstring printed(double value, std::chars_format format, int precision) {
    char buf[kTextRoom];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, format, precision);
    return std::wstring(buf, r.ec == std::errc() ? r.ptr : buf);
}

} // namespace

double leadingDouble(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    size_t end = i;
    while (end < text.size() && mayBeInNumber(text[end]))
        ++end;
    // Narrow copy; the heap only for long texts.
    char small[64];
    std::string large;
    char* bytes = small;
    if (end - i > sizeof small) {
        large.resize(end - i);
        bytes = large.data();
    }
    for (size_t k = i; k < end; ++k)
        bytes[k - i] = static_cast<char>(text[k]);
    double value = 0;
    if (!readUnsigned(bytes, bytes + (end - i), value)) return 0.0;
    return negative ? -value : value;
}

long long leadingInteger(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    const unsigned long long limit =
        negative ? static_cast<unsigned long long>(LLONG_MAX) + 1 : LLONG_MAX;
    unsigned long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        const auto digit = static_cast<unsigned>(text[i] - L'0');
        if (value > (limit - digit) / 10) return negative ? LLONG_MIN : LLONG_MAX;
        value = value * 10 + digit;
    }
    if (!negative) return static_cast<long long>(value);
    return value == limit ? LLONG_MIN : -static_cast<long long>(value);
}

std::wstring fixedText(double value, int decimals) {
    return printed(value, std::chars_format::fixed, std::clamp(decimals, 0, 100));
}

std::wstring generalText(double value, int precision) {
    return printed(value, std::chars_format::general, std::clamp(precision, 0, 100));
}

} // namespace zrltext
