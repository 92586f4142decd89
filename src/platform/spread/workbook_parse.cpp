// Workbooks parsed through liborcus into the engine's sheets. Part of the
// workbook formats plug-in.
#include "platform/spread/workbook_archive.h"
#include "platform/spread/ods_read.h"
#include "platform/spread/workbook_import.h"
#include "platform/spread/workbook_parse.h"
#include "platform/spread/workbook_xlsx_cells.h"
#include "platform/text/utf.h"

#include <orcus/orcus_xlsx.hpp>

#include <algorithm>
#include <exception>
#include <new>
#include <set>

namespace spread {

namespace {

// One line of the parser's reason.
std::wstring reasonOf(const char* what) {
    std::string line(what ? what : "");
    for (char& ch : line)
        if (ch == '\n' || ch == '\r') ch = ' ';
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    std::wstring w;
    if (line.empty() || !zrltext::fromUtf8Strict(line, w)) w = L"malformed";
    return w;
}

std::wstring nameList(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& n : names) {
        if (!list.empty()) list += L", ";
        list += n;
    }
    return list;
}

} // namespace

namespace detail {

bool parseWorkbook(std::string_view bytes, SheetFormat format, std::wstring_view only,
                   bool firstOnly, std::vector<WorkbookSheet>& sheets,
                   std::vector<std::wstring>* names, std::wstring* error) {
    auto fail = [&](std::wstring why) {
        sheets.clear();
        if (error) *error = std::move(why);
        return false;
    };
    if (format != SheetFormat::Xlsx && format != SheetFormat::Ods)
        return fail(L"not a workbook format");
    const bool xlsx = format == SheetFormat::Xlsx;
    std::wstring refused;
    if (!checkWorkbookArchive(bytes, &refused))
        return fail((xlsx ? L"not a readable .xlsx workbook: " : L"not a readable .ods workbook: ") +
                    refused);
    // The .ods parser reports a missing content part on standard error
    // before it fails; say it here instead.
    if (!xlsx && !archiveMayHold(bytes, "content.xml"))
        return fail(L"not a readable .ods workbook: the archive has no content.xml");
    try {
        WorkbookImport book(xlsx ? FormulaDialect::Ooxml : FormulaDialect::Odf, only, firstOnly);
        if (xlsx) {
            // Every XML part is checked before the parser sees it; the
            // worksheets as their typed cells are listed.
            std::set<std::string> checked;
            const auto typed = xlsxTypedCells(bytes, &checked);
            checkArchiveXml(bytes, checked);
            book.setSheetIds(xlsxSheetIds(bytes));
            orcus::orcus_xlsx filter(&book);
            filter.read_stream(bytes);
            book.addTypedCells(typed);
        } else {
            readOds(bytes, book);
        }
        if (names) *names = book.names();
        if (book.names().empty()) return fail(L"the workbook has no sheets");
        if (!only.empty() && std::find(book.names().begin(), book.names().end(), only) ==
                                 book.names().end())
            return fail(L"no sheet named \"" + std::wstring(only) +
                        L"\"; the sheets are: " + nameList(book.names()));
        sheets.clear();
        book.finish(sheets);
        return true;
    } catch (const std::bad_alloc&) {
        return fail(L"out of memory while reading the workbook");
    } catch (const std::exception& e) {
        return fail(std::wstring(xlsx ? L"not a readable .xlsx workbook: "
                                      : L"not a readable .ods workbook: ") +
                    reasonOf(e.what()));
    } catch (...) {
        return fail(L"the workbook could not be read");
    }
}

} // namespace detail

} // namespace spread
