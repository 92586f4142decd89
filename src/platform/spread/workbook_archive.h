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
// "&#x41;"; a bare "&" is no XML either), outside any "<?...?>" (whose
// unended quoted value with a reference runs the parser past its text too),
// before the parser sees it: raises WorkbookRefused (workbook_import.h)
// otherwise.
void checkXmlReferences(std::string_view xml);

// The same parser reads on past the end of its text when an attribute value
// holds "&" with its ";" beyond the closing quote and no quote follows: it
// skips the closing quote it never found. A part's text is parsed followed
// by this many bytes that stop it at once ('!' begins no name: the parse
// fails with a reason).
constexpr size_t kParserGuard = 16;

// Calls `parse(text, size)` on the XML part `xml` once checkXmlReferences
// accepted it, with kParserGuard stopping bytes after its `size` bytes
// (room for them is best reserved when the part is read).
template <class Parse> void parseXmlPart(std::string& xml, Parse&& parse) {
    checkXmlReferences(xml);
    const size_t size = xml.size();
    xml.append(kParserGuard, '!');
    parse(static_cast<const char*>(xml.data()), size);
    xml.resize(size);
}

// checkXmlReferences on every XML part of the archive (".xml", ".rels")
// but those `checked` names.
void checkArchiveXml(std::string_view bytes, const std::set<std::string>& checked);

// False when `bytes` is a zip archive without the part `name`; true when it
// holds it or is no archive minizip can list (the parser then says why).
bool archiveMayHold(std::string_view bytes, const char* name);

} // namespace spread::detail
