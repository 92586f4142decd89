// UTF-8 of the sheet files under the engine's former names; the engine
// itself uses platform/text/utf.h. Kept for the callers outside the engine
// that still name these.
#pragma once

#include "platform/text/utf.h"

namespace spread::detail {

using zrltext::toUtf8;
// False when `bytes` is not well-formed UTF-8.
inline bool fromUtf8(std::string_view bytes, std::wstring& out) {
    return zrltext::fromUtf8Strict(bytes, out);
}

} // namespace spread::detail
