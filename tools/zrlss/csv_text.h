// CSV text for the subcommands that read or write tables: comma separated,
// double quotes around fields holding a comma, quote or line break, quotes
// doubled; LF or CR LF line ends; UTF-8.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <string>
#include <string_view>
#include <vector>

namespace zrlss {

// Splits CSV text into records of UTF-8 fields. Empty lines are skipped (a
// line holding only "" is a record of one empty field). A malformed text
// throws Failure with its line.
std::vector<std::vector<std::string>> csvRecords(std::string_view text);

// One field, quoted when it needs to be.
std::string csvField(const std::string& text);
// The fields as one line (without its line end).
std::string csvLine(const Zrl_StringArray& fields);

} // namespace zrlss
