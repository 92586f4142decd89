#include "platform/text/fold.h"

#include <algorithm>

namespace zrltext {

namespace {

// Latin Extended-A pairs upper and lower case as even and odd, shifted by
// one in 0x139..0x148 and 0x179..0x17E; a few letters have no pair there.
bool shiftedPair(wchar_t ch) {
    return (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
}

bool unpaired(wchar_t ch) {
    return ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F;
}

} // namespace

wchar_t lowerCaseWide(wchar_t ch) {
    if (ch < 0x80) return foldCase(ch);
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return static_cast<wchar_t>(ch + 32);
    // Y with diaeresis has its lower case in Latin-1, not beside it.
    if (ch == 0x178) return static_cast<wchar_t>(0xFF);
    if (ch >= 0x100 && ch <= 0x17F) {
        if (unpaired(ch)) return ch;
        if (shiftedPair(ch)) return (ch % 2 == 1) ? static_cast<wchar_t>(ch + 1) : ch;
        return (ch % 2 == 0) ? static_cast<wchar_t>(ch + 1) : ch;
    }
    if (ch >= 0x391 && ch <= 0x3AB && ch != 0x3A2) return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x410 && ch <= 0x42F) return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x400 && ch <= 0x40F) return static_cast<wchar_t>(ch + 80);
    return ch;
}

wchar_t upperCaseWide(wchar_t ch) {
    if (ch < 0x80) return upperCase(ch);
    if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return static_cast<wchar_t>(ch - 32);
    if (ch == 0xFF) return static_cast<wchar_t>(0x178);
    if (ch >= 0x100 && ch <= 0x17F) {
        if (unpaired(ch)) return ch;
        if (shiftedPair(ch)) return (ch % 2 == 0) ? static_cast<wchar_t>(ch - 1) : ch;
        return (ch % 2 == 1) ? static_cast<wchar_t>(ch - 1) : ch;
    }
    if (ch >= 0x3B1 && ch <= 0x3CB && ch != 0x3C2) return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x430 && ch <= 0x44F) return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x450 && ch <= 0x45F) return static_cast<wchar_t>(ch - 80);
    return ch;
}

int compareNoCase(std::wstring_view a, std::wstring_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        const wchar_t x = foldCase(a[i]), y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

bool startsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && equalNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace zrltext
