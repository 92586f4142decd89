// CSV import and export of sheets (RFC 4180: comma separated, fields with
// comma, quote or line break in double quotes, quotes doubled; CR LF or LF
// line ends; UTF-8, a leading byte-order mark is skipped).
#pragma once

#include "platform/spread/spread_api.h"

#include <string>
#include <string_view>

namespace spread {

class Sheet;

// Reads CSV into `sheet`, which must be fresh. The sheet gets as many rows as
// records and as many columns as the longest record. A field that starts
// with "=" is a formula, one that reads as a number a number, anything else
// text; a quoted field starting with an apostrophe is the text after it; a
// formula that does not parse keeps its text and computes to #NAME?.
// False with a reason (unterminated quote, stray quote, too many rows or
// columns).
ZRLSPREAD_API bool readCsv(Sheet& sheet, std::string_view text, std::wstring* error = nullptr);

// The value texts of the used range (rows 1..lastUsedRow, columns
// 1..lastUsedCol, within the sheet's size), one record per row, CR LF line
// ends. Empty rows and columns past the last value are not written.
ZRLSPREAD_API std::string writeCsv(const Sheet& sheet);

} // namespace spread
