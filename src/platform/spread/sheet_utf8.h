// UTF-8 for the sheet files: wide text (UTF-32 on this platform) to bytes
// and back, strictly (no overlong forms, no surrogates, nothing past U+10FFFF).
#pragma once

#include <string>
#include <string_view>

namespace spread::detail {

// Characters that cannot be written (lone surrogates, values past U+10FFFF)
// become U+FFFD.
std::string toUtf8(std::wstring_view text);
// False when `bytes` is not well-formed UTF-8.
bool fromUtf8(std::string_view bytes, std::wstring& out);

} // namespace spread::detail
