// The clipboard, and wide text as clipboard bytes.
#include "platform/win/clipboard.h"

#include "platform/win/detail_state.h"
#include "platform/win/detail_text.h"
#include "platform/win/detail_wide.h"

namespace win {

namespace detail {

std::vector<std::uint8_t> wideToBytes(const std::wstring& text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    auto put = [&out](std::uint32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    };
    for (wchar_t ch : text) {
        auto cp = static_cast<std::uint32_t>(ch);
        if (cp > 0x10FFFF) cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::wstring bytesToWide(const std::vector<std::uint8_t>& bytes) {
    std::wstring out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = bytes[i] | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low =
                bytes[i + 2] | (static_cast<std::uint32_t>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(
                    static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            out.push_back(static_cast<wchar_t>(0xFFFD));
        else
            out.push_back(static_cast<wchar_t>(unit));
    }
    return out;
}

} // namespace detail

UINT registerClipboardFormat(const std::wstring& name) {
    if (name.empty()) return 0;
    auto& names = detail::state().clipboardFormats;
    for (size_t i = 0; i < names.size(); ++i)
        if (detail::equalNoCase(names[i], name)) return static_cast<UINT>(0xC000 + i);
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
}

void setClipboardText(const std::wstring& text) {
    emptyClipboard();
    detail::state().clipboard[CF_UNICODETEXT] = detail::wideToBytes(text);
}

std::optional<std::wstring> getClipboardText() {
    const auto& clip = detail::state().clipboard;
    if (auto it = clip.find(CF_UNICODETEXT); it != clip.end())
        return detail::bytesToWide(it->second);
    if (auto it = clip.find(CF_TEXT); it != clip.end())
        return detail::fromUtf8(std::string(it->second.begin(), it->second.end()));
    return std::nullopt;
}

bool setClipboardData(UINT format, std::vector<std::uint8_t> bytes) {
    if (format == 0) return false;
    detail::state().clipboard[format] = std::move(bytes);
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
