// The zip archive under a workbook, looked at before the parser opens it:
// the parser inflates each part whole into memory, so an archive that
// declares more than the limits allow is refused before a byte is inflated.
// Private to the workbook reader.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace spread::detail {

// False with a one-line reason when `bytes` is a zip archive whose central
// directory declares more than kMaxWorkbookUnpacked bytes in all or more
// than kMaxWorkbookParts parts, a part packed larger than the whole file, or
// a part whose own header disagrees with the directory. Bytes that are no
// zip archive pass: the parser refuses them with its own reason.
bool checkWorkbookArchive(std::string_view bytes, std::wstring* error);

// The unpacked bytes of the part `name` (e.g. "xl/workbook.xml"); false when
// the archive has no such part or it cannot be inflated. `out` has room for
// `spare` bytes more. Call only after checkWorkbookArchive accepted the bytes.
bool readArchivePart(std::string_view bytes, const char* name, std::string& out,
                     size_t spare = 0);

// liborcus 0.17's SAX parser stops the process (a failed assertion) on a
// character reference beyond U+10FFFF, reads a sign or other text after
// "&#" as part of the number, and reads past the end of its text when an
// attribute's "&" finds its ";" only beyond the closing quote. So every "&"
// of a part must begin a well-formed reference ("&amp;", "&#10;",
// "&#x41;"; a bare "&" is no XML either) before the parser sees it: raises
// WorkbookRefused (workbook_import.h) otherwise.
void checkXmlReferences(std::string_view xml);

// checkXmlReferences on every XML part of the archive (".xml", ".rels")
// but those `checked` names.
void checkArchiveXml(std::string_view bytes, const std::set<std::string>& checked);

// False when `bytes` is a zip archive without the part `name`; true when it
// holds it or is no archive minizip can list (the parser then says why).
bool archiveMayHold(std::string_view bytes, const char* name);

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
// name (UTF-8). Each worksheet part read is checked by checkXmlReferences
// and its name added to `checked`.
std::map<std::string, std::vector<XlsxTypedCell>> xlsxTypedCells(std::string_view bytes,
                                                                 std::set<std::string>* checked);

} // namespace spread::detail
