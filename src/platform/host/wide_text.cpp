#include "platform/host/wide_text.h"

#include <iterator>
#include <utf8.h>

namespace host {

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto cp = static_cast<std::uint32_t>(wc);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        utf8::unchecked::append(cp, std::back_inserter(out));
    }
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    std::string valid;
    utf8::replace_invalid(text.begin(), text.end(), std::back_inserter(valid));
    std::wstring out;
    auto it = valid.begin();
    while (it != valid.end())
        out.push_back(static_cast<wchar_t>(utf8::unchecked::next(it)));
    return out;
}

} // namespace host
