#include "platform/core/zrl_string.h"

#include "platform/core/text_lines.h"

#include "platform/text/utf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cwchar>

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n';
}

// Room for a number's fixed text: 309 whole digits of the largest double,
// or the 326 characters of the smallest, with sign and dot.
constexpr int kNumberTextRoom = 512;

// Rounds the plain decimal text [begin, end) ("-12.3456") to `decimals`
// places (0..15), halves away from zero, pads with zeros and writes the
// result to `out` (kNumberTextRoom characters); returns its length. Numbers
// are formatted for every macro value read, so no heap is touched.
int roundDecimalText(const char* begin, const char* end, int decimals, char* out) {
    const bool negative = begin < end && *begin == '-';
    if (negative) ++begin;
    const char* dot = std::find(begin, end, '.');
    const char* frac = dot == end ? end : dot + 1;
    const int fracLength = static_cast<int>(end - frac);

    // The whole digits and the kept decimals, behind a slot for a carry out
    // of the whole part.
    char digits[kNumberTextRoom];
    int n = 0;
    digits[n++] = '0';
    for (const char* p = begin; p < dot; ++p)
        digits[n++] = *p;
    const int kept = std::min(fracLength, decimals);
    for (int i = 0; i < kept; ++i)
        digits[n++] = frac[i];
    if (fracLength > decimals && frac[decimals] >= '5') {
        for (int i = n - 1; i >= 0; --i) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
        }
    }
    for (int i = kept; i < decimals; ++i)
        digits[n++] = '0';

    const int wholeEnd = n - decimals;
    const int first = digits[0] == '0' ? 1 : 0;
    const bool zero = std::all_of(digits, digits + n, [](char c) { return c == '0'; });
    int length = 0;
    if (negative && !zero) out[length++] = '-';
    if (first >= wholeEnd) out[length++] = '0';
    for (int i = first; i < wholeEnd; ++i)
        out[length++] = digits[i];
    if (decimals > 0) {
        out[length++] = '.';
        for (int i = wholeEnd; i < n; ++i)
            out[length++] = digits[i];
    }
    return length;
}

} // namespace

Zrl_String::Zrl_String(int value) : s_(std::to_wstring(value)) {}

Zrl_String::Zrl_String(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 15);
    if (std::isnan(value)) {
        s_ = L"nan";
        return;
    }
    if (std::isinf(value)) {
        s_ = value < 0 ? L"-inf" : L"inf";
        return;
    }
    char buf[kNumberTextRoom];
    char* end = buf;
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        // Whole numbers, the most common macro values, are their integer's
        // digits: the shortest-digits search is not needed for them.
        end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value)).ptr;
    } else {
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed).ptr;
    }
    char rounded[kNumberTextRoom];
    const int length = roundDecimalText(buf, end, decimals, rounded);
    s_.assign(rounded, rounded + length);
}

Zrl_String Zrl_String::fromUtf8(std::string_view utf8) {
    return Zrl_String(zrltext::fromUtf8(utf8));
}

std::string Zrl_String::toUtf8() const {
    return zrltext::toUtf8(s_);
}

size_t Zrl_String::hashNoCase(std::wstring_view text) {
    // FNV-1a over the folded characters.
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t ch : text) {
        hash ^= static_cast<uint32_t>(zrltext::foldCase(ch));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool Zrl_String::equal(const Zrl_String& other, bool caseSensitive) const {
    if (s_.size() != other.s_.size()) return false;
    // Names are mostly spelled alike: the block comparison settles those.
    if (s_ == other.s_) return true;
    return !caseSensitive && compareNoCase(s_, other.s_) == 0;
}

namespace {

bool sameText(std::wstring_view a, std::wstring_view b, bool caseSensitive) {
    return caseSensitive ? a == b : Zrl_String::compareNoCase(a, b) == 0;
}

} // namespace

bool Zrl_String::startsWith(const Zrl_String& prefix, bool caseSensitive) const {
    if (prefix.length() > length()) return false;
    return sameText(std::wstring_view(s_).substr(0, prefix.s_.size()), prefix.s_, caseSensitive);
}

bool Zrl_String::endsWith(const Zrl_String& suffix, bool caseSensitive) const {
    if (suffix.length() > length()) return false;
    return sameText(std::wstring_view(s_).substr(s_.size() - suffix.s_.size()), suffix.s_,
                    caseSensitive);
}

int Zrl_String::findFirstFrom(const Zrl_String& what, int from, bool caseSensitive) const {
    if (from < 0) from = 0;
    if (what.isEmpty() || from > length() || what.length() > length() - from) return -1;
    if (caseSensitive) {
        size_t pos = s_.find(what.s_, static_cast<size_t>(from));
        return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
    }
    const int last = length() - what.length();
    for (int i = from; i <= last; ++i) {
        if (compareNoCase(std::wstring_view(s_).substr(i, what.length()), what.s_) == 0) return i;
    }
    return -1;
}

int Zrl_String::findLast(const Zrl_String& what, bool caseSensitive) const {
    if (what.isEmpty() || what.length() > length()) return -1;
    for (int i = length() - what.length(); i >= 0; --i) {
        std::wstring_view piece = std::wstring_view(s_).substr(i, what.length());
        if (caseSensitive ? piece == what.s_ : compareNoCase(piece, what.s_) == 0) return i;
    }
    return -1;
}

int Zrl_String::replaceSubString(const Zrl_String& what, const Zrl_String& with,
                                 bool caseSensitive) {
    if (what.isEmpty()) return 0;
    int count = 0;
    std::wstring out;
    int pos = 0;
    for (;;) {
        int hit = findFirstFrom(what, pos, caseSensitive);
        if (hit < 0) break;
        out.append(s_, pos, hit - pos);
        out += with.s_;
        pos = hit + what.length();
        ++count;
    }
    if (count == 0) return 0;
    out.append(s_, pos, std::wstring::npos);
    s_ = std::move(out);
    return count;
}

Zrl_String& Zrl_String::removeAt(int pos, int count) {
    if (pos < 0 || pos >= length() || count <= 0) return *this;
    s_.erase(static_cast<size_t>(pos), static_cast<size_t>(std::min(count, length() - pos)));
    return *this;
}

Zrl_String& Zrl_String::insertAt(int pos, const Zrl_String& text) {
    pos = std::clamp(pos, 0, length());
    s_.insert(static_cast<size_t>(pos), text.s_);
    return *this;
}

Zrl_String Zrl_String::getSubStringAt(int pos, int count) const {
    if (pos < 0) {
        // A range that starts before the text keeps only its part inside;
        // one that ends before the text is empty.
        if (count >= 0) {
            count += pos;
            if (count <= 0) return Zrl_String();
        }
        pos = 0;
    }
    if (pos >= length() || count == 0) return Zrl_String();
    if (count < 0 || count > length() - pos) count = length() - pos;
    return Zrl_String(s_.substr(static_cast<size_t>(pos), static_cast<size_t>(count)));
}

Zrl_String Zrl_String::right(int count) const {
    if (count <= 0) return Zrl_String();
    if (count >= length()) return *this;
    return getSubStringAt(length() - count, count);
}

Zrl_String Zrl_String::trimmed() const {
    size_t b = 0, e = s_.size();
    while (b < e && isBlank(s_[b]))
        ++b;
    while (e > b && isBlank(s_[e - 1]))
        --e;
    return Zrl_String(s_.substr(b, e - b));
}

Zrl_String Zrl_String::toUpper() const {
    std::wstring out = s_;
    for (wchar_t& ch : out)
        ch = zrltext::upperCase(ch);
    return Zrl_String(std::move(out));
}

Zrl_String Zrl_String::toLower() const {
    std::wstring out = s_;
    for (wchar_t& ch : out)
        ch = zrltext::foldCase(ch);
    return Zrl_String(std::move(out));
}

namespace {

// Parses the whole text, blanks around it allowed, with one optional sign
// ("+5" is a number, "+-5" is not). A text with a character beyond ASCII is
// no number.
template <class T> bool parseNumber(std::wstring_view text, T& value) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty()) return false;
    char small[64];
    std::string large;
    char* bytes = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        bytes = large.data();
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0 || text[i] >= 0x80) return false;
        bytes[i] = static_cast<char>(text[i]);
    }
    const char* end = bytes + text.size();
    const char* begin = bytes;
    if (text.size() > 1 && bytes[0] == '+' && bytes[1] != '-') ++begin;
    auto res = std::from_chars(begin, end, value);
    return res.ec == std::errc() && res.ptr == end;
}

} // namespace

bool parseIntText(std::wstring_view text, int& value) {
    int read = 0;
    if (!parseNumber(text, read)) return false;
    value = read;
    return true;
}

bool parseDoubleText(std::wstring_view text, double& value) {
    double read = 0;
    if (!parseNumber(text, read) || !std::isfinite(read)) return false;
    value = read;
    return true;
}

int Zrl_String::toInt(bool* ok) const {
    int value = 0;
    const bool good = parseIntText(s_, value);
    if (ok) *ok = good;
    return value;
}

double Zrl_String::toDouble(bool* ok) const {
    double value = 0;
    const bool good = parseDoubleText(s_, value);
    if (ok) *ok = good;
    return value;
}
