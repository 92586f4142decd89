// Formula text as other spreadsheet programs save it, rewritten in the
// engine's own syntax. Private to the engine's workbook readers.
#pragma once

#include <string>
#include <string_view>

namespace spread::detail {

enum class FormulaDialect {
    Ooxml, // .xlsx: "SUM(A1:B2)", "_xlfn.IFS(...)", "'Other sheet'!A1"
    Odf,   // .ods: "of:=SUM([.A1:.B2]; 2)", "[$Other.A1]"
};

struct DialectText {
    std::wstring text;           // the engine's formula text, without "="
    bool otherSheet = false;     // a reference to another sheet or workbook became #REF!
};

// Rewrites `formula` (UTF-8, as stored in the file) for the sheet named
// `sheetName`: references qualified with that sheet's own name lose the
// qualifier, references to any other sheet or workbook become #REF!, the
// prefixes that mark newer functions are dropped and, for ODF, bracketed
// references and ";" separators become the engine's. Strings are copied as
// they are. False when the text is not UTF-8.
bool translateFormula(std::string_view formula, FormulaDialect dialect,
                      std::wstring_view sheetName, DialectText& out);

} // namespace spread::detail
