#include "platform/core/zrl_string.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwchar>
#include <utf8cpp/utf8.h>

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n';
}

// Rounds the plain decimal text `digits` ("-12.3456") to `decimals` places,
// halves away from zero, and pads with zeros.
std::string roundDecimalText(std::string text, int decimals) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    size_t dot = text.find('.');
    std::string whole = dot == std::string::npos ? text : text.substr(0, dot);
    std::string frac = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (static_cast<int>(frac.size()) > decimals) {
        bool up = frac[decimals] >= '5';
        frac.resize(decimals);
        if (up) {
            std::string all = whole + frac;
            int i = static_cast<int>(all.size()) - 1;
            for (; i >= 0; --i) {
                if (all[i] == '9') {
                    all[i] = '0';
                } else {
                    ++all[i];
                    break;
                }
            }
            if (i < 0) all.insert(all.begin(), '1');
            whole = all.substr(0, all.size() - decimals);
            frac = all.substr(all.size() - decimals);
        }
    }
    frac.append(decimals - frac.size(), '0');
    std::string out = whole.empty() ? "0" : whole;
    if (decimals > 0) out += "." + frac;
    bool zero = std::all_of(out.begin(), out.end(), [](char c) { return c == '0' || c == '.'; });
    if (negative && !zero) out.insert(out.begin(), '-');
    return out;
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
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string text(buf, res.ptr);
    std::string rounded = roundDecimalText(text, decimals);
    s_.assign(rounded.begin(), rounded.end());
}

Zrl_String Zrl_String::fromUtf8(std::string_view utf8) {
    std::string valid;
    utf8::replace_invalid(utf8.begin(), utf8.end(), std::back_inserter(valid), 0xFFFD);
    std::wstring out;
    utf8::utf8to32(valid.begin(), valid.end(), std::back_inserter(out));
    return Zrl_String(std::move(out));
}

std::string Zrl_String::toUtf8() const {
    std::string out;
    for (wchar_t ch : s_) {
        auto cp = static_cast<uint32_t>(ch);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        utf8::append(static_cast<char32_t>(cp), std::back_inserter(out));
    }
    return out;
}

wchar_t Zrl_String::foldCase(wchar_t ch) {
    if (ch < 0x80) return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
    if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)) return static_cast<wchar_t>(ch + 32);
    // Y with diaeresis has its lower case in Latin-1, not beside it.
    if (ch == 0x178) return static_cast<wchar_t>(0xFF);
    if (ch >= 0x100 && ch <= 0x17F) {
        // Latin Extended-A pairs upper/lower as even/odd, with a shift of one
        // in 0x139..0x148 and 0x179..0x17E.
        bool shifted = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
        if (shifted) return (ch % 2 == 1) ? static_cast<wchar_t>(ch + 1) : ch;
        if (ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F) return ch;
        return (ch % 2 == 0) ? static_cast<wchar_t>(ch + 1) : ch;
    }
    if (ch >= 0x391 && ch <= 0x3AB && ch != 0x3A2) return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x410 && ch <= 0x42F) return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x400 && ch <= 0x40F) return static_cast<wchar_t>(ch + 80);
    return ch;
}

wchar_t Zrl_String::upperCase(wchar_t ch) {
    if (ch < 0x80) return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - 32) : ch;
    if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return static_cast<wchar_t>(ch - 32);
    if (ch == 0xFF) return static_cast<wchar_t>(0x178);
    if (ch >= 0x100 && ch <= 0x17F) {
        bool shifted = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
        if (shifted) return (ch % 2 == 0) ? static_cast<wchar_t>(ch - 1) : ch;
        if (ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F) return ch;
        return (ch % 2 == 1) ? static_cast<wchar_t>(ch - 1) : ch;
    }
    if (ch >= 0x3B1 && ch <= 0x3CB && ch != 0x3C2) return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x430 && ch <= 0x44F) return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x450 && ch <= 0x45F) return static_cast<wchar_t>(ch - 80);
    return ch;
}

int Zrl_String::compareNoCase(std::wstring_view a, std::wstring_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        wchar_t x = foldCase(a[i]), y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool Zrl_String::equal(const Zrl_String& other, bool caseSensitive) const {
    if (caseSensitive) return s_ == other.s_;
    return s_.size() == other.s_.size() && compareNoCase(s_, other.s_) == 0;
}

bool Zrl_String::startsWith(const Zrl_String& prefix, bool caseSensitive) const {
    if (prefix.length() > length()) return false;
    return getSubStringAt(0, prefix.length()).equal(prefix, caseSensitive);
}

bool Zrl_String::endsWith(const Zrl_String& suffix, bool caseSensitive) const {
    if (suffix.length() > length()) return false;
    return right(suffix.length()).equal(suffix, caseSensitive);
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
        ch = upperCase(ch);
    return Zrl_String(std::move(out));
}

Zrl_String Zrl_String::toLower() const {
    std::wstring out = s_;
    for (wchar_t& ch : out)
        ch = foldCase(ch);
    return Zrl_String(std::move(out));
}

int Zrl_String::toInt(bool* ok) const {
    std::string text = trimmed().toUtf8();
    int value = 0;
    const char* b = text.data();
    // One optional sign: "+5" is a number, "+-5" is not.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') ++b;
    auto res = std::from_chars(b, text.data() + text.size(), value);
    bool good = !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size();
    if (ok) *ok = good;
    return good ? value : 0;
}

double Zrl_String::toDouble(bool* ok) const {
    std::string text = trimmed().toUtf8();
    double value = 0;
    const char* b = text.data();
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') ++b;
    auto res = std::from_chars(b, text.data() + text.size(), value);
    bool good = !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size() &&
                std::isfinite(value);
    if (ok) *ok = good;
    return good ? value : 0.0;
}
