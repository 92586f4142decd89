// The lines a batch's parent and its workers exchange: fields separated by
// tabs, each field's backslash, tab, CR and LF written as \\, \t, \r and \n,
// so that a field holds any bytes and a line no line break of its own. It is
// the command's own protocol between its processes, no file format: compact
// to write and to read, since a batch passes one request and one answer per
// case.
//
// A request: the case's number (from 1), then for each input its place in
// the variable list and its text. An answer: "1" when the evaluation ran
// (else "0"), the number of outputs, the outputs in declaration order, then
// four fields per fault: file, line, equation, reason.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrlss {

// A line being written, field by field.
class FieldLine {
public:
    void add(std::string_view text);
    void add(long number);
    void clear() {
        text_.clear();
        fields_ = 0;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    size_t fields_ = 0;
};

// The fields of `line`, unescaped, into `fields` (its strings are reused);
// false when a backslash starts no known escape.
bool splitFields(std::string_view line, std::vector<std::string>& fields);

// A field that is a whole number in decimal digits (a leading "-" allowed).
bool fieldNumber(const std::string& field, long& number);

} // namespace zrlss
