// UTF-8 and UTF-16 of wide strings, independent of the process locale.
//
// A wide string holds one character per wchar_t: UTF-32, as wchar_t has 32
// bits on this platform. Characters that cannot be encoded (lone surrogates,
// values past U+10FFFF) are written as U+FFFD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zrltext {

// Appends one character as UTF-8.
inline void appendUtf8(std::string& out, char32_t ch) {
    auto c = static_cast<std::uint32_t>(ch);
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
    } else {
        if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        }
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// Appends the text as UTF-8.
void appendUtf8(std::string& out, std::wstring_view text);
std::string toUtf8(std::wstring_view text);

// Strict reading: false when `bytes` is not well-formed UTF-8 (a bad or
// missing continuation byte, an overlong form, a surrogate, a value past
// U+10FFFF); `out` then holds the characters before the fault.
bool fromUtf8Strict(std::string_view bytes, std::wstring& out);
// Lenient reading: each ill-formed sequence becomes one U+FFFD, the rest
// reads as in fromUtf8Strict.
std::wstring fromUtf8(std::string_view bytes);

// UTF-16 as bytes, two per unit, little- or big-endian; characters past
// U+FFFF as surrogate pairs. No byte order mark is written or expected.
std::string toUtf16Bytes(std::wstring_view text, bool littleEndian);
// A lone surrogate becomes U+FFFD; an odd last byte is left out.
std::wstring fromUtf16Bytes(std::string_view bytes, bool littleEndian);

} // namespace zrltext
