#include "platform/text/utf.h"

#include <iterator>
#include <utf8cpp/utf8.h>

namespace zrltext {

namespace {

bool isScalar(std::uint32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

void appendUtf8(std::string& out, std::wstring_view text) {
    out.reserve(out.size() + text.size());
    for (wchar_t ch : text)
        appendUtf8(out, static_cast<char32_t>(ch));
}

std::string toUtf8(std::wstring_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

bool fromUtf8Strict(std::string_view bytes, std::wstring& out) {
    out.clear();
    out.reserve(bytes.size());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        size_t length;
        std::uint32_t c, least;
        if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (length > n - i) return false;
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || !isScalar(c)) return false;
        out += static_cast<wchar_t>(c);
        i += length;
    }
    return true;
}

std::wstring fromUtf8(std::string_view bytes) {
    std::wstring out;
    if (fromUtf8Strict(bytes, out)) return out;
    // Rare: the faulty sequences are replaced first, each by one U+FFFD, and
    // the now well-formed text is read again.
    std::string valid;
    valid.reserve(bytes.size() + 8);
    utf8::replace_invalid(bytes.begin(), bytes.end(), std::back_inserter(valid), 0xFFFD);
    fromUtf8Strict(valid, out);
    return out;
}

std::string toUtf16Bytes(std::wstring_view text, bool littleEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&out, littleEndian](std::uint32_t unit) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>((unit >> 8) & 0xFF);
        out += littleEndian ? low : high;
        out += littleEndian ? high : low;
    };
    for (wchar_t ch : text) {
        auto c = static_cast<std::uint32_t>(ch);
        if (!isScalar(c)) c = 0xFFFD;
        if (c >= 0x10000) {
            c -= 0x10000;
            put(0xD800 + (c >> 10));
            put(0xDC00 + (c & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

std::wstring fromUtf16Bytes(std::string_view bytes, bool littleEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> std::uint32_t {
        const auto low = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
        const auto high = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
        return static_cast<std::uint32_t>(low | (high << 8));
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t v = unit(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        out += static_cast<wchar_t>(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    return out;
}

} // namespace zrltext
