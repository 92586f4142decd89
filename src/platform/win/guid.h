// Globally unique identifiers (class, interface and type library ids) and
// their registry text: "{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}", 38
// characters, upper-case hexadecimal in braces, the groups of 8-4-4-4-12
// digits separated by hyphens.
//
// Reading accepts exactly that form (hexadecimal digits of either case) and
// refuses anything else: missing braces or hyphens, a wrong length, other
// characters, surrounding space. Fixed identifiers are written with guid(),
// which checks them while compiling.
#pragma once

#include "platform/win/types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace win {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

    // The registry text (38 characters).
    ZRLWIN_API std::wstring toText() const;

    // The identifier a registry text names; nullopt when the text is not
    // exactly of the registry form.
    static constexpr std::optional<Guid> fromText(std::wstring_view text);
};

namespace guid_detail {

// The value of a hexadecimal digit, -1 for any other character.
constexpr int hexValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits from `text` at `pos`; false when any is
// not one.
constexpr bool readHex(std::wstring_view text, size_t pos, size_t digits, std::uint64_t& out) {
    out = 0;
    for (size_t i = 0; i < digits; ++i) {
        const int v = hexValue(text[pos + i]);
        if (v < 0) return false;
        out = out * 16 + static_cast<std::uint64_t>(v);
    }
    return true;
}

} // namespace guid_detail

constexpr std::optional<Guid> Guid::fromText(std::wstring_view text) {
    if (text.size() != 38 || text.front() != L'{' || text.back() != L'}') return std::nullopt;
    for (size_t hyphen : {9u, 14u, 19u, 24u})
        if (text[hyphen] != L'-') return std::nullopt;
    Guid g;
    std::uint64_t v = 0;
    if (!guid_detail::readHex(text, 1, 8, v)) return std::nullopt;
    g.data1 = static_cast<std::uint32_t>(v);
    if (!guid_detail::readHex(text, 10, 4, v)) return std::nullopt;
    g.data2 = static_cast<std::uint16_t>(v);
    if (!guid_detail::readHex(text, 15, 4, v)) return std::nullopt;
    g.data3 = static_cast<std::uint16_t>(v);
    // The last two groups hold the eight bytes of data4: two, then six.
    constexpr std::array<size_t, 8> kBytePos = {20, 22, 25, 27, 29, 31, 33, 35};
    for (size_t i = 0; i < kBytePos.size(); ++i) {
        if (!guid_detail::readHex(text, kBytePos[i], 2, v)) return std::nullopt;
        g.data4[i] = static_cast<std::uint8_t>(v);
    }
    return g;
}

// A fixed identifier from its registry text, checked while compiling.
consteval Guid guid(std::wstring_view text) {
    const std::optional<Guid> g = Guid::fromText(text);
    if (!g) throw "malformed identifier text"; // not a constant: compiling stops here
    return *g;
}

} // namespace win
