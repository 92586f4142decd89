// JSON text written straight into a buffer that is handed to a file whenever
// it fills: a sheet of a million cells is saved without building its text
// (or a document tree) in memory.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace spread::detail {

class JsonOut {
public:
    // Into `file` (flushed as the buffer fills), or into memory when null.
    explicit JsonOut(FILE* file = nullptr);

    JsonOut& raw(std::string_view text) {
        buf_.append(text);
        if (buf_.size() >= kFlushAt) flush();
        return *this;
    }
    JsonOut& raw(char ch) {
        buf_ += ch;
        return *this;
    }
    // A JSON string: UTF-8 with the characters JSON requires escaped; a
    // character that cannot be written in UTF-8 (a lone surrogate, a value
    // past U+10FFFF) becomes U+FFFD.
    JsonOut& text(std::wstring_view text);
    JsonOut& text(std::string_view ascii); // plain ASCII, no escaping needed
    JsonOut& integer(long long v);
    // The shortest text that reads back as the same number.
    JsonOut& number(double v);
    // "0xXXXXXXXX"
    JsonOut& color(unsigned v);
    // `"name":` preceded by a comma unless it is the first field of an object.
    JsonOut& key(std::string_view name, bool first = false);

    // Hands what is buffered to the file; false once a write failed.
    bool flush();
    bool good() const { return good_; }
    // The text written, when writing into memory.
    std::string& str() { return buf_; }

private:
    static constexpr size_t kFlushAt = 1 << 20;
    FILE* file_;
    std::string buf_;
    bool good_ = true;
};

} // namespace spread::detail
