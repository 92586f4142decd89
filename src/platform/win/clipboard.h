// The clipboard: text and private formats registered by name.
//
// The clipboard holds one set of data, each under a format number. Setting
// text or calling emptyClipboard first empties it; setClipboardData adds a
// format to what is there (put several formats on it by emptying once and
// setting each).
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win {

inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_BITMAP = 2;
inline constexpr UINT CF_UNICODETEXT = 13;
// Files dropped from elsewhere (DataObject::setFiles).
inline constexpr UINT CF_HDROP = 15;

// The number of a private format: the same name (without case) always gets
// the same number, from 0xC000 up. 0 for an empty name.
ZRLWIN_API UINT registerClipboardFormat(const std::wstring& name);
// Name of a registered format; empty for others.
ZRLWIN_API std::wstring clipboardFormatName(UINT format);

ZRLWIN_API void emptyClipboard();
// Empties the clipboard and puts the text on it (CF_UNICODETEXT).
ZRLWIN_API void setClipboardText(const std::wstring& text);
// The text, nullopt when the clipboard holds none.
ZRLWIN_API std::optional<std::wstring> getClipboardText();
// Adds (or replaces) one format. False for format 0.
ZRLWIN_API bool setClipboardData(UINT format, std::vector<std::uint8_t> bytes);
ZRLWIN_API std::optional<std::vector<std::uint8_t>> getClipboardData(UINT format);
ZRLWIN_API bool isClipboardFormatAvailable(UINT format);

} // namespace win
