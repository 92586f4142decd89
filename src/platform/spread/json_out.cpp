// Streaming JSON text.
#include "platform/spread/json_out.h"

#include "platform/text/utf.h"

#include <charconv>
#include <cstdint>

namespace spread::detail {

JsonOut::JsonOut(FILE* file) : file_(file) {
    if (file_) buf_.reserve(kFlushAt + 4096);
}

bool JsonOut::flush() {
    if (!file_ || buf_.empty()) return good_;
    if (good_ && std::fwrite(buf_.data(), 1, buf_.size(), file_) != buf_.size()) good_ = false;
    buf_.clear();
    return good_;
}

JsonOut& JsonOut::text(std::wstring_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    buf_ += '"';
    for (wchar_t wc : text) {
        auto c = static_cast<uint32_t>(wc);
        if (c >= 0x20 && c < 0x80) {
            if (c == '"' || c == '\\') buf_ += '\\';
            buf_ += static_cast<char>(c);
        } else if (c < 0x20) {
            switch (c) {
            case '\b':
                buf_ += "\\b";
                break;
            case '\f':
                buf_ += "\\f";
                break;
            case '\n':
                buf_ += "\\n";
                break;
            case '\r':
                buf_ += "\\r";
                break;
            case '\t':
                buf_ += "\\t";
                break;
            default:
                buf_ += "\\u00";
                buf_ += kHex[c >> 4];
                buf_ += kHex[c & 15];
            }
        } else {
            zrltext::appendUtf8(buf_, static_cast<char32_t>(c));
        }
    }
    buf_ += '"';
    if (buf_.size() >= kFlushAt) flush();
    return *this;
}

JsonOut& JsonOut::text(std::string_view ascii) {
    buf_ += '"';
    buf_.append(ascii);
    buf_ += '"';
    return *this;
}

JsonOut& JsonOut::integer(long long v) {
    char tmp[24];
    auto r = std::to_chars(tmp, tmp + sizeof tmp, v);
    buf_.append(tmp, r.ptr);
    return *this;
}

JsonOut& JsonOut::number(double v) {
    char tmp[32];
    auto r = std::to_chars(tmp, tmp + sizeof tmp, v);
    buf_.append(tmp, r.ptr);
    return *this;
}

JsonOut& JsonOut::color(unsigned v) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char tmp[12] = {'"', '0', 'x'};
    for (int i = 0; i < 8; ++i)
        tmp[3 + i] = kHex[(v >> (28 - 4 * i)) & 15];
    tmp[11] = '"';
    buf_.append(tmp, sizeof tmp);
    return *this;
}

JsonOut& JsonOut::key(std::string_view name, bool first) {
    if (!first) buf_ += ',';
    buf_ += '"';
    buf_.append(name);
    buf_ += "\":";
    return *this;
}

} // namespace spread::detail
