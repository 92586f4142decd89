// CSV text as the zrlss subcommands read and write it: comma separated,
// double quotes around fields holding a comma, quote or line break, quotes
// doubled; LF or CR LF line ends; UTF-8 (a leading byte-order mark skipped).
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <string>
#include <string_view>
#include <vector>

namespace zrlss {

// Splits CSV text into records of UTF-8 fields. Empty lines are skipped, or
// with `keepEmptyLines` kept as records without fields (a line end after the
// last record makes no extra one). Throws Failure with the line of a
// misplaced quote or an unclosed one. `lines`, when given, gets the line each
// record starts on.
std::vector<std::vector<std::string>> csvRecords(std::string_view text,
                                                 bool keepEmptyLines = false,
                                                 std::vector<size_t>* lines = nullptr);

// The first line (from 1) that is not UTF-8 text, or 0 when all are; a
// leading byte-order mark is skipped.
size_t firstLineNotUtf8(std::string_view text);

// One field, quoted when it holds a comma, a quote or a line break, or
// starts with a byte-order mark.
std::string csvField(const std::string& text);
// The same, appended to `out`.
void appendCsvField(std::string& out, std::string_view text);
// The fields as one CSV line (without its line end).
std::string csvLine(const Zrl_StringArray& fields);

} // namespace zrlss
