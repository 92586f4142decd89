// OpenDocument spreadsheets (.ods) read in one pass over their parts with
// liborcus's SAX parser, straight into the engine's sheets. Private to the
// workbook reader.
#pragma once

#include <string_view>

namespace spread::detail {

class WorkbookImport;

// Reads the archive `bytes` (checked by checkWorkbookArchive) into `book`:
// the styles of styles.xml, then content.xml's styles and tables. Only the
// sheets `book` wants are built; the others are skipped unread but for
// their names. Raises WorkbookRefused beyond the reader's limits and
// liborcus's exceptions for malformed XML.
void readOds(std::string_view bytes, WorkbookImport& book);

// The same from the parts' XML text (`stylesXml` may be empty), each
// followed by a few bytes while it is parsed.
void readOdsParts(std::string& stylesXml, std::string& contentXml, WorkbookImport& book);

} // namespace spread::detail
