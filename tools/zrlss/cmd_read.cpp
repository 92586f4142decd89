// zrlss read SHEET: reads a sheet file as a table through the module's
// exported ReadSSFile and prints its title, its column titles and its rows.
//
//   (default)  CSV: the title on the first line, the column titles on the
//              second, then one line per row; fields with a comma, a double
//              quote or a line break are quoted.
//   --json     {"title": ..., "columns": [...], "rows": [[...], ...]}
//
// What the module prints on the host's command line while it reads goes to
// standard error (nothing with --quiet), so that standard output holds only
// the table. So do the cells the load kept but not as the file meant them
// (a formula that does not parse, an unknown function, another sheet), as
// `recalc` and `convert` print them; with --strict they fail the command.
#include "command.h"
#include "csv_text.h"
#include "platform/core/paths.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/command_line.h"
#include "platform/host/module_loader.h"
#include "platform/spread/sheet.h"
#include "sheet_io.h"

#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

using ReadFn = void (*)(const Zrl_String&, Zrl_String&, Zrl_StringArray&,
                        Zrl_Array<Zrl_StringArray>&);
// ReadSSFile(Zrl_String const&, Zrl_String&, Zrl_StringArray&, Zrl_Array<Zrl_StringArray>&)
constexpr const char* kReadSymbol =
    "_Z10ReadSSFileRK10Zrl_StringRS_R15Zrl_StringArrayR9Zrl_ArrayIS3_E";

struct ReadArgs {
    std::string sheet;
    bool json = false;
    bool strict = false;
};

nlohmann::json jsonList(const Zrl_StringArray& fields) {
    nlohmann::json list = nlohmann::json::array();
    for (int i = 0; i < fields.length(); ++i)
        list.push_back(fields[i].toUtf8());
    return list;
}

int runRead(const ReadArgs& args, const SharedOptions& shared) {
    const Zrl_String name = Zrl_String::fromUtf8(args.sheet);
    std::error_code ec;
    if (!fs::is_regular_file(resolvePath(name), ec)) {
        std::cerr << "zrlss read: sheet not found: " << args.sheet << "\n";
        return 1;
    }
    {
        spread::Sheet probe;
        if (!loadSheetOrSay(probe, resolvePath(name).string(), "read", args.strict)) return 1;
    }
    host::LoadedModule* module = spreadsheetModule();
    const ReadFn read = module ? module->function<ReadFn>(kReadSymbol) : nullptr;
    if (read == nullptr) {
        std::cerr << "zrlss read: the module does not export ReadSSFile\n";
        return 1;
    }

    Zrl_String title;
    Zrl_StringArray columns;
    Zrl_Array<Zrl_StringArray> rows;
    std::wstring printed;
    {
        host::PrintCapture capture;
        read(name, title, columns, rows);
        printed = capture.text();
    }
    if (!shared.quiet && !printed.empty()) std::cerr << Zrl_String(printed).toUtf8();

    if (args.json) {
        nlohmann::json out;
        out["title"] = title.toUtf8();
        out["columns"] = jsonList(columns);
        out["rows"] = nlohmann::json::array();
        for (int r = 0; r < rows.length(); ++r)
            out["rows"].push_back(jsonList(rows[r]));
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    std::cout << csvField(title.toUtf8()) << "\n" << csvLine(columns) << "\n";
    for (int r = 0; r < rows.length(); ++r)
        std::cout << csvLine(rows[r]) << "\n";
    return 0;
}

void setupRead(CommandLine& cli, const SharedOptions& shared) {
    auto args = std::make_shared<ReadArgs>();
    cli.add("read", "Read a sheet file as a table: its title, column titles and rows")
        .option("SHEET", args->sheet, "the sheet file")
        .required()
        .flag("--json", args->json, "print JSON instead of CSV")
        .flag("--strict", args->strict, "a formula the load cannot keep as written is an error")
        .run([args, &shared] { return runRead(*args, shared); });
}

const Registrar registrar(setupRead);

} // namespace

} // namespace zrlss
