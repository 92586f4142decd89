// What liborcus 0.17 does not hand on from an .xlsx workbook, read from its
// parts with our own handlers over liborcus's SAX parser. Private to the
// workbook reader.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace spread::detail {

// The sheet ids of an .xlsx workbook's xl/workbook.xml: each sheet's name
// (UTF-8, entities decoded) by its sheetId less one. liborcus hands formulas
// on by that number, which is not the sheet's place in the book once sheets
// were moved or deleted. Empty when the part is missing or unreadable.
std::map<long, std::string> xlsxSheetIds(std::string_view bytes);

// A logical, error or inline text cell of an .xlsx worksheet as the file
// stores it. liborcus 0.17 hands on neither the saved logicals of formula
// cells, nor error cells, nor texts written in the cell (t="inlineStr"), so
// they are read from the worksheet parts on their own.
struct XlsxTypedCell {
    std::string address; // "B7"
    bool error = false;  // else a logical, or a text when `inlineText`
    bool inlineText = false;
    bool formula = false;
    std::string formulaText; // empty for a cell of a shared formula
    long shared = -1;        // the shared formula's group, if any
    std::string value;       // "1"/"0", the error's name, or the text
};

// The logical, error and inline text cells of every worksheet, by sheet
// name (UTF-8). Each part read (the book, its relationships, the worksheets)
// is checked by checkXmlReferences and its name added to `checked`. Raises
// WorkbookRefused or liborcus's exceptions for malformed XML.
std::map<std::string, std::vector<XlsxTypedCell>> xlsxTypedCells(std::string_view bytes,
                                                                 std::set<std::string>* checked);

} // namespace spread::detail
