// The clipboard, and wide text as clipboard bytes.
#include "platform/win/clipboard.h"

#include "platform/text/fold.h"
#include "platform/text/utf.h"
#include "platform/win/backend.h"
#include "platform/win/detail_state.h"
#include "platform/win/detail_wide.h"

namespace win {

namespace detail {

std::vector<std::uint8_t> wideToBytes(const std::wstring& text) {
    const std::string bytes = zrltext::toUtf16Bytes(text, true);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::wstring bytesToWide(const std::vector<std::uint8_t>& bytes) {
    return zrltext::fromUtf16Bytes(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), true);
}

} // namespace detail

UINT registerClipboardFormat(const std::wstring& name) {
    if (name.empty()) return 0;
    auto& names = detail::state().clipboardFormats;
    for (size_t i = 0; i < names.size(); ++i)
        if (zrltext::equalNoCase(names[i], name)) return static_cast<UINT>(0xC000 + i);
    names.push_back(name);
    return static_cast<UINT>(0xC000 + names.size() - 1);
}

std::wstring clipboardFormatName(UINT format) {
    const auto& names = detail::state().clipboardFormats;
    if (format < 0xC000 || format - 0xC000 >= names.size()) return {};
    return names[format - 0xC000];
}

void emptyClipboard() {
    detail::state().clipboard.clear();
    backend().clipboardChanged();
}

void setClipboardText(const std::wstring& text) {
    detail::state().clipboard.clear();
    detail::state().clipboard[CF_UNICODETEXT] = detail::wideToBytes(text);
    backend().clipboardChanged();
}

std::optional<std::wstring> getClipboardText() {
    const auto& clip = detail::state().clipboard;
    if (auto it = clip.find(CF_UNICODETEXT); it != clip.end())
        return detail::bytesToWide(it->second);
    if (auto it = clip.find(CF_TEXT); it != clip.end())
        return zrltext::fromUtf8(std::string(it->second.begin(), it->second.end()));
    return std::nullopt;
}

bool setClipboardData(UINT format, std::vector<std::uint8_t> bytes) {
    if (format == 0) return false;
    detail::state().clipboard[format] = std::move(bytes);
    backend().clipboardChanged();
    return true;
}

std::optional<std::vector<std::uint8_t>> getClipboardData(UINT format) {
    const auto& clip = detail::state().clipboard;
    auto it = clip.find(format);
    if (it == clip.end()) return std::nullopt;
    return it->second;
}

bool isClipboardFormatAvailable(UINT format) {
    return detail::state().clipboard.count(format) != 0;
}

} // namespace win
