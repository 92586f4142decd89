// zrlss recalc IN OUT.csv: loads a sheet (native or CSV), computes every
// formula and writes the value text of every cell as CSV.
#include "command.h"
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"

#include <iostream>
#include <memory>
#include <string>

namespace zrlss {

namespace {

std::string narrow(const std::wstring& w) {
    std::string out;
    for (wchar_t c : w)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

struct RecalcArgs {
    std::string in, out;
};

void setupRecalc(CLI::App& app, const SharedOptions&, int& exitStatus) {
    auto args = std::make_shared<RecalcArgs>();
    CLI::App* cmd = app.add_subcommand(
        "recalc", "Load a sheet, recalculate it and write every cell's value as CSV");
    cmd->add_option("IN", args->in, "sheet file (.vks or any native sheet, or .csv)")->required();
    cmd->add_option("OUT", args->out, "CSV file to write")->required();
    cmd->callback([args, &exitStatus] {
        spread::Sheet sheet;
        std::wstring why;
        if (!sheet.load(args->in, &why)) {
            std::cerr << "zrlss recalc: cannot load " << args->in << ": " << narrow(why) << "\n";
            exitStatus = 1;
            return;
        }
        sheet.recalc();
        if (!spread::writeFileAtomically(args->out, spread::writeCsv(sheet), &why)) {
            std::cerr << "zrlss recalc: " << narrow(why) << "\n";
            exitStatus = 1;
            return;
        }
        exitStatus = 0;
    });
}

const Registrar registrar(setupRecalc);

} // namespace

} // namespace zrlss
