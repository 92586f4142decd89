// Writing sheets as OpenDocument spreadsheets (.ods). Private to the
// workbook formats plug-in: Sheet::save writes a .ods path through it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace spread {
class Sheet;
}

namespace spread::detail {

// The formula of (col, row) in A1 style without "=", whatever the sheet's
// reference style: the text the workbook writers put in their files. ""
// without a formula.
std::wstring formulaA1(const Sheet& sheet, int col, int row);

// The engine's formula text (A1 style, without "=") as an ODF formula:
// "of:=SUM([.A1:.B2];2)".
std::wstring odfFormula(std::wstring_view formula);

// The content part of the sheet's .ods archive: values, formulas with their
// values, column widths, row heights, hidden rows and merged cells.
std::string odsContent(const Sheet& sheet);

// The archive written to `path`, replaced atomically.
bool saveOds(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error);

} // namespace spread::detail
