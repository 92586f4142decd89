// Text files taken apart in place: the decoded text of a file, its lines as
// pieces of it, and numbers read from such pieces. For readers of large files
// that would otherwise copy every line (and every number) into a string of
// its own first.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The text of file bytes as ObjectExportReadFile decodes them.
std::wstring decodeText(std::string_view bytes);
// Calls fn(line) for each line of `text` (without its end) in order, the
// lines ObjectExportReadFile gives.
void forEachTextLine(std::wstring_view text, const std::function<void(std::wstring_view)>& fn);
// How many lines forEachTextLine finds at most (room to reserve).
size_t countTextLines(std::wstring_view text);

// A whole piece of text as a number, as Zrl_String::toInt and toDouble read
// it; false (value unchanged) when it is none.
bool parseIntText(std::wstring_view text, int& value);
bool parseDoubleText(std::wstring_view text, double& value);
