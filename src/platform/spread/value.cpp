// Value texts: error names, number text both ways.
#include "platform/spread/value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace spread {

namespace {

constexpr std::array<std::wstring_view, 10> kErrorNames = {
    L"#NULL!", L"#DIV/0!", L"#VALUE!", L"#REF!",   L"#NAME?",
    L"#NUM!",  L"#N/A",    L"#CYCLE!", L"#SPILL!", L"#CALC!",
};

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// The text of a number (not whole, below 1e15 in size) that a decimal of at
// most four places reads back as exactly: "48.4", "-0.05". Such a decimal
// has at most 15 significant digits, and no other decimal that short reads
// back as the same number, so it is the shortest text. Written at `first`
// (room for 22 characters); null when there is none.
char* shortDecimal(double number, char* first) {
    static constexpr double kTens[] = {1, 10, 100, 1000, 10000};
    static constexpr uint64_t kWholeTens[] = {1, 10, 100, 1000, 10000};
    const double mag = std::fabs(number);
    for (int k = 1; k <= 4; ++k) {
        const double n = std::nearbyint(mag * kTens[k]);
        if (n >= 1e15) return nullptr;
        // One division of exact numbers: the double nearest to n / 10^k.
        if (n / kTens[k] != mag) continue;
        // The first places that fit end in a non-zero digit.
        const auto digits = static_cast<uint64_t>(n);
        char* out = first;
        if (number < 0) *out++ = '-';
        out = std::to_chars(out, out + 16, digits / kWholeTens[k]).ptr;
        *out++ = '.';
        uint64_t part = digits % kWholeTens[k];
        for (int i = k; i-- > 0; part /= 10)
            out[i] = static_cast<char>('0' + part % 10);
        return out + k;
    }
    return nullptr;
}

} // namespace

std::wstring_view errorName(ErrorKind kind) {
    auto i = static_cast<size_t>(kind);
    return i < kErrorNames.size() ? kErrorNames[i] : kErrorNames[2];
}

bool parseErrorName(std::wstring_view text, ErrorKind& kind) {
    for (size_t i = 0; i < kErrorNames.size(); ++i) {
        const auto& name = kErrorNames[i];
        if (name.size() != text.size()) continue;
        bool same = true;
        for (size_t k = 0; k < name.size() && same; ++k) {
            wchar_t c = text[k];
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
            same = c == name[k];
        }
        if (same) {
            kind = static_cast<ErrorKind>(i);
            return true;
        }
    }
    return false;
}

char* numberChars(double number, char* first, char* last) {
    static constexpr char kNum[] = "#NUM!";
    if (std::isnan(number) || std::isinf(number)) return std::copy(kNum, kNum + 5, first);
    if (number == 0) { // also -0
        *first = '0';
        return first + 1;
    }
    double mag = std::fabs(number);
    // Whole numbers below 2^53 are their integer's digits, found without
    // the shortest-digits search.
    if (mag < 9007199254740992.0 && number == std::trunc(number) && last - first >= 20)
        return std::to_chars(first, last, static_cast<int64_t>(number)).ptr;
    if (mag < 1e15 && last - first >= 22)
        if (char* end = shortDecimal(number, first)) return end;
    char buf[400];
    std::to_chars_result r;
    bool scientific = mag >= 1e21 || mag < 1e-9;
    if (scientific)
        r = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::scientific);
    else
        r = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::fixed);
    char* out = first;
    for (const char* p = buf; p != r.ptr && out != last; ++p) {
        char c = *p;
        if (c == 'e') {
            *out++ = 'E';
            // Exponent always signed, as in "1E+21" and "1E-10".
            if (p + 1 != r.ptr && p[1] != '-' && p[1] != '+' && out != last) *out++ = '+';
            continue;
        }
        *out++ = c;
    }
    return out;
}

std::wstring numberToText(double number) {
    char buf[400];
    char* end = numberChars(number, buf, buf + sizeof buf);
    return std::wstring(buf, end);
}

bool textToNumber(std::wstring_view text, double& number) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    bool percent = false;
    if (e > b && text[e - 1] == L'%') {
        percent = true;
        --e;
        while (e > b && isBlank(text[e - 1]))
            --e;
    }
    if (b == e || e - b > 350) return false;
    // Validate the shape by hand (no "inf", "nan", hex or locale forms), and
    // copy to narrow characters for the conversion.
    char buf[360];
    size_t n = 0, i = b;
    bool negative = false;
    if (text[i] == L'+' || text[i] == L'-') {
        negative = text[i] == L'-';
        ++i;
    }
    size_t digits = 0;
    while (i < e && text[i] >= L'0' && text[i] <= L'9') {
        buf[n++] = static_cast<char>(text[i++]);
        ++digits;
    }
    if (i < e && text[i] == L'.') {
        buf[n++] = '.';
        ++i;
        while (i < e && text[i] >= L'0' && text[i] <= L'9') {
            buf[n++] = static_cast<char>(text[i++]);
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < e && (text[i] == L'e' || text[i] == L'E')) {
        buf[n++] = 'e';
        ++i;
        if (i < e && (text[i] == L'+' || text[i] == L'-')) buf[n++] = static_cast<char>(text[i++]);
        size_t expDigits = 0;
        while (i < e && text[i] >= L'0' && text[i] <= L'9') {
            buf[n++] = static_cast<char>(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != e) return false;
    double v = 0;
    auto r = std::from_chars(buf, buf + n, v);
    if (r.ec != std::errc() || r.ptr != buf + n || !std::isfinite(v)) return false;
    if (negative) v = -v;
    if (percent) v /= 100;
    number = v;
    return true;
}

std::wstring Value::toText() const {
    std::wstring out;
    textInto(out);
    return out;
}

void Value::textInto(std::wstring& out) const {
    switch (type()) {
    case Type::Empty:
        out.clear();
        return;
    case Type::Number: {
        char buf[400];
        char* end = numberChars(number(), buf, buf + sizeof buf);
        // Widened straight into out's storage: assigning the narrow range
        // would build a temporary wide text first.
        out.resize(static_cast<size_t>(end - buf));
        std::copy(buf, end, out.begin());
        return;
    }
    case Type::Text:
        out.assign(text());
        return;
    case Type::Logical:
        out.assign(logicalValue() ? L"1" : L"0");
        return;
    case Type::Error:
        out.assign(errorName(errorKind()));
        return;
    }
}

} // namespace spread
