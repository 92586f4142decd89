// The zip archive under a workbook, looked at before the parser opens it:
// the parser inflates each part whole into memory, so an archive that
// declares more than the limits allow is refused before a byte is inflated.
// Private to the workbook reader.
#pragma once

#include <string>
#include <string_view>

namespace spread::detail {

// False with a one-line reason when `bytes` is a zip archive whose central
// directory declares more than kMaxWorkbookUnpacked bytes in all or more
// than kMaxWorkbookParts parts, a part packed larger than the whole file, or
// a part whose own header disagrees with the directory. Bytes that are no
// zip archive pass: the parser refuses them with its own reason.
bool checkWorkbookArchive(std::string_view bytes, std::wstring* error);

} // namespace spread::detail
