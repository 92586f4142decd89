// zrlss diff BOOK [--sheet NAME] [--json] [--tolerance T]: recomputes every
// formula cell of a workbook (.xlsx, .ods) and compares it with the value
// the program that saved the workbook stored.
//
//   Sheet!B7  =FORMULA  saved: X  computed: Y     one line per disagreement
//   Sheet!C2  =FORMULA  not computed: REASON      cells the engine cannot compute
//   N formula cells: A agree, D differ, U not computed
//
// Numbers agree within the relative tolerance (of the larger of the two and
// 1), texts exactly, logicals by value, errors by kind. A formula cell saved
// without a value agrees with any computed error.
// Exit status 0 when none differ, 1 when some do, 2 when the file cannot be
// read.
#include "command.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"
#include "sheet_io.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zrlss {

namespace {

struct DiffArgs {
    std::string book, sheet, tolerance = "1e-9";
    bool json = false;
};

struct CellResult {
    std::string sheet, cell, formula, saved, computed, reason;
};

std::string shown(const spread::Value& v) {
    if (v.isEmpty()) return "#error";
    if (v.isText()) return "\"" + utf8(v.text()) + "\"";
    if (v.isLogical()) return v.logicalValue() ? "TRUE" : "FALSE";
    return utf8(v.toText());
}

bool agree(const spread::Value& saved, const spread::Value& computed, double tolerance) {
    // A saved value the file does not hold.
    if (saved.isEmpty()) return computed.isError();
    if (saved.isNumber() && computed.isNumber()) {
        double a = saved.number(), b = computed.number();
        double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
        return std::fabs(a - b) <= tolerance * scale;
    }
    return saved == computed;
}

int runDiff(const DiffArgs& args) {
    double tolerance = 0;
    if (!spread::textToNumber(std::wstring(args.tolerance.begin(), args.tolerance.end()),
                              tolerance) ||
        tolerance < 0)
        throw Failure{"--tolerance is not a number: " + args.tolerance};
    const spread::SheetFormat format = spread::sheetFormatFor(args.book);
    std::string bytes;
    std::wstring why;
    std::vector<spread::WorkbookSheet> sheets;
    bool read = false;
    if (format != spread::SheetFormat::Xlsx && format != spread::SheetFormat::Ods)
        why = L"not a workbook (.xlsx or .ods)";
    else if (spread::readWholeFile(args.book, bytes, &why))
        read = spread::readWorkbook(bytes, format, Zrl_String::fromUtf8(args.sheet).str(), sheets,
                                    nullptr, &why);
    if (!read) {
        std::cerr << "zrlss diff: cannot read " << args.book << ": " << utf8(why) << "\n";
        return 2;
    }

    size_t cells = 0, agreeing = 0;
    std::vector<CellResult> differ, unsupported;
    for (spread::WorkbookSheet& ws : sheets) {
        ws.sheet.recalc();
        const std::string name = utf8(ws.name);
        for (const spread::SavedValue& saved : ws.saved) {
            ++cells;
            CellResult r{name, utf8(spread::columnName(saved.col) + std::to_wstring(saved.row)),
                         "", shown(saved.value), "", ""};
            const bool formula = ws.sheet.hasFormula(saved.col, saved.row);
            r.formula = formula ? "=" + utf8(ws.sheet.formula(saved.col, saved.row))
                                : utf8(ws.sheet.data(saved.col, saved.row));
            std::vector<std::wstring> unknown = spread::unknownNames(ws.sheet, saved.col, saved.row);
            if (!saved.unsupported.empty() || !formula || !unknown.empty()) {
                r.reason = !saved.unsupported.empty() ? utf8(saved.unsupported)
                           : !unknown.empty()          ? "unknown name " + utf8(unknown.front())
                                                       : "no formula";
                unsupported.push_back(std::move(r));
                continue;
            }
            const spread::Value& computed = ws.sheet.valueAt(saved.col, saved.row);
            if (agree(saved.value, computed, tolerance)) {
                ++agreeing;
                continue;
            }
            r.computed = shown(computed);
            differ.push_back(std::move(r));
        }
    }

    if (args.json) {
        nlohmann::json out = {{"cells", cells}, {"agree", agreeing}};
        out["differ"] = nlohmann::json::array();
        for (const CellResult& r : differ)
            out["differ"].push_back({{"sheet", r.sheet},
                                     {"cell", r.cell},
                                     {"formula", r.formula},
                                     {"saved", r.saved},
                                     {"computed", r.computed}});
        out["unsupported"] = nlohmann::json::array();
        for (const CellResult& r : unsupported)
            out["unsupported"].push_back(
                {{"sheet", r.sheet}, {"cell", r.cell}, {"formula", r.formula}, {"reason", r.reason}});
        std::cout << out.dump(2) << "\n";
    } else {
        for (const CellResult& r : differ)
            std::cout << r.sheet << "!" << r.cell << "  " << r.formula << "  saved: " << r.saved
                      << "  computed: " << r.computed << "\n";
        if (!unsupported.empty()) std::cout << "not computed:\n";
        for (const CellResult& r : unsupported)
            std::cout << r.sheet << "!" << r.cell << "  " << r.formula << "  " << r.reason << "\n";
        std::cout << cells << " formula cells: " << agreeing << " agree, " << differ.size()
                  << " differ, " << unsupported.size() << " not computed\n";
    }
    return differ.empty() ? 0 : 1;
}

void setupDiff(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<DiffArgs>();
    cli.add("diff", "Recompute a workbook and compare with the values its program saved")
        .withoutModule()
        .option("BOOK", args->book, "workbook (.xlsx or .ods)")
        .required()
        .option("--sheet", args->sheet, "only this sheet")
        .flag("--json", args->json, "the result as one JSON object")
        .option("--tolerance", args->tolerance, "relative tolerance of numbers (default 1e-9)")
        .run([args] { return runDiff(*args); });
}

const Registrar registrar(setupDiff);

} // namespace

} // namespace zrlss
