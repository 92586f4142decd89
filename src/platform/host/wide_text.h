// Wide text to UTF-8 and back for the host's terminal and loader messages.
#pragma once

#include "platform/host/host_api.h"

#include <string>
#include <string_view>

namespace host {

// Invalid code points (lone surrogates, values past U+10FFFF) become U+FFFD.
ZRLHOST_API std::string toUtf8(std::wstring_view text);
// Invalid UTF-8 bytes become U+FFFD.
ZRLHOST_API std::wstring fromUtf8(std::string_view text);

} // namespace host
