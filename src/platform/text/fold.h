// The one case rule of the project, independent of the process locale.
//
// Simple one-to-one case mapping of ASCII, Latin-1, Latin Extended-A, Greek
// and Cyrillic; other characters have no case. Texts compare without case by
// comparing their characters folded to lower case.
#pragma once

#include <string_view>

namespace zrltext {

wchar_t lowerCaseWide(wchar_t ch);
wchar_t upperCaseWide(wchar_t ch);

// One character folded for comparisons without case (its lower case).
// ASCII, by far the most common, is folded here.
inline wchar_t foldCase(wchar_t ch) {
    if (ch < 0x80) return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
    return lowerCaseWide(ch);
}

inline wchar_t upperCase(wchar_t ch) {
    if (ch < 0x80) return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - 32) : ch;
    return upperCaseWide(ch);
}

// Compares without case, character by character: <0, 0, >0; a text that
// is the start of the other comes first.
int compareNoCase(std::wstring_view a, std::wstring_view b);
bool equalNoCase(std::wstring_view a, std::wstring_view b);
bool startsWithNoCase(std::wstring_view text, std::wstring_view prefix);

} // namespace zrltext
