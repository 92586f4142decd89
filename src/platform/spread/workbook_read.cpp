// Workbooks read through the formats plug-in, the names a formula uses that
// nothing defines, and the sheet named at the end of a path.
#include "platform/spread/formula_impl.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_load.h"
#include "platform/spread/workbook.h"
#include "platform/text/utf.h"

namespace spread {

namespace detail {

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
            (in.op == Op::Custom && !sheet.internals().functions.find(p.texts[in.aux].text())))
            out.push_back(p.texts[in.aux].text());
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
