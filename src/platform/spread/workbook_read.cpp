// Reading workbooks through liborcus, and the names a formula uses that
// nothing defines.
#include "platform/spread/formula_impl.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_load.h"
#include "platform/spread/workbook.h"
#include "platform/spread/workbook_archive.h"
#include "platform/spread/workbook_import.h"
#include "platform/text/utf.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>

#include <algorithm>
#include <exception>
#include <new>

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

bool readWorkbookSheets(std::string_view bytes, SheetFormat format, std::wstring_view only,
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
            book.setSheetIds(xlsxSheetIds(bytes));
            orcus::orcus_xlsx filter(&book);
            filter.read_stream(bytes);
            book.addTypedCells(xlsxTypedCells(bytes));
        } else {
            orcus::orcus_ods filter(&book);
            filter.read_stream(bytes);
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

void unknownNameWarnings(const Sheet& sheet, const std::wstring& sheetName,
                         std::vector<LoadWarning>& out) {
    const SheetContent& c = sheet.internals().content;
    for (const FormulaNode& node : c.nodes) {
        if (!node.formula) continue;
        CellKey key = c.cells.keyAt(node.cell);
        std::vector<std::wstring> unknown =
            unknownNames(sheet, keyCol(key), keyRow(key));
        if (unknown.empty()) continue;
        out.push_back({sheetName, keyCol(key), keyRow(key),
                       L"=" + sheet.formula(keyCol(key), keyRow(key)),
                       L"unknown name: " + unknown.front() + L", computes to #NAME?"});
    }
}

} // namespace detail

std::vector<std::wstring> unknownNames(const Sheet& sheet, int col, int row) {
    std::vector<std::wstring> out;
    const SheetContent& c = sheet.internals().content;
    auto it = c.cells.find(cellKey(col, row));
    if (it == c.cells.end() || it->second.formula == kNone) return out;
    const auto* f =
        dynamic_cast<const CompiledFormula*>(c.nodes[it->second.formula].formula.get());
    if (!f) return out;
    const Program& p = f->program();
    for (const Instr& in : p.code()) {
        if (in.op == Op::Name ||
            (in.op == Op::Custom && !sheet.internals().functions.find(p.texts[in.aux])))
            out.push_back(p.texts[in.aux]);
    }
    return out;
}

bool readWorkbook(std::string_view bytes, SheetFormat format, std::wstring_view only,
                  std::vector<WorkbookSheet>& sheets, std::vector<std::wstring>* names,
                  std::wstring* error) {
    return detail::readWorkbookSheets(bytes, format, only, false, sheets, names, error);
}

void splitSheetPath(const std::filesystem::path& path, std::filesystem::path& file,
                    std::wstring& sheet) {
    file = path;
    sheet.clear();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return;
    const std::string& s = path.native();
    size_t hash = s.rfind('#');
    if (hash == std::string::npos || s.find('/', hash) != std::string::npos) return;
    std::wstring name;
    if (!zrltext::fromUtf8Strict(s.substr(hash + 1), name)) return;
    file = s.substr(0, hash);
    sheet = std::move(name);
}

} // namespace spread
