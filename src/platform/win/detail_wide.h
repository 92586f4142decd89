// Internal: wide text as clipboard bytes (UTF-16, little-endian, no
// terminator). Not part of the interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace win::detail {

std::vector<std::uint8_t> wideToBytes(const std::wstring& text);
std::wstring bytesToWide(const std::vector<std::uint8_t>& bytes);

} // namespace win::detail
