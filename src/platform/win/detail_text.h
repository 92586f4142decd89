// Internal: text helpers of the windowing layer (UTF-8 conversion, case-less
// comparison). Not part of the interface.
#pragma once

#include <string>

namespace win::detail {

std::string toUtf8(const std::wstring& text);
// Invalid bytes become U+FFFD.
std::wstring fromUtf8(const std::string& text);
wchar_t foldCase(wchar_t ch);
bool equalNoCase(const std::wstring& a, const std::wstring& b);
// <0, 0, >0 comparing without case.
int compareNoCase(const std::wstring& a, const std::wstring& b);
bool startsWithNoCase(const std::wstring& text, const std::wstring& prefix);

} // namespace win::detail
