#include "platform/win/detail_text.h"

#include <cwctype>
#include <utf8cpp/utf8.h>

namespace win::detail {

std::string toUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        auto cp = static_cast<std::uint32_t>(ch);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        utf8::append(static_cast<char32_t>(cp), std::back_inserter(out));
    }
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    const std::string valid = utf8::replace_invalid(text, 0xFFFD);
    std::wstring out;
    out.reserve(valid.size());
    for (auto it = valid.begin(); it != valid.end();)
        out.push_back(static_cast<wchar_t>(utf8::next(it, valid.end())));
    return out;
}

wchar_t foldCase(wchar_t ch) {
    // Locale-independent folding of ASCII and Latin-1; others stay.
    if (ch >= L'A' && ch <= L'Z') return static_cast<wchar_t>(ch + 32);
    if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)) return static_cast<wchar_t>(ch + 32);
    return ch;
}

bool equalNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

int compareNoCase(const std::wstring& a, const std::wstring& b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = foldCase(a[i]);
        const wchar_t y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool startsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && equalNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace win::detail
