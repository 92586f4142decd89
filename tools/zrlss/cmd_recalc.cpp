// zrlss recalc IN OUT.csv: loads a sheet (native or CSV), computes every
// formula and writes the value text of every cell as CSV.
#include "command.h"
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "sheet_io.h"

#include <iostream>
#include <memory>
#include <string>

namespace zrlss {

namespace {

struct RecalcArgs {
    std::string in, out;
};

void setupRecalc(CLI::App& app, const SharedOptions&, int& exitStatus) {
    auto args = std::make_shared<RecalcArgs>();
    CLI::App* cmd = app.add_subcommand(
        "recalc", "Load a sheet, recalculate it and write every cell's value as CSV");
    runsWithoutModule(cmd);
    cmd->add_option("IN", args->in, "sheet file (.vks or any native sheet, or .csv)")->required();
    cmd->add_option("OUT", args->out, "CSV file to write")->required();
    cmd->callback([args, &exitStatus] {
        spread::Sheet sheet;
        if (!loadSheetOrSay(sheet, args->in, "recalc")) {
            exitStatus = 1;
            return;
        }
        std::wstring why;
        sheet.recalc();
        if (!spread::writeFileAtomically(args->out, spread::writeCsv(sheet), &why)) {
            std::cerr << "zrlss recalc: " << utf8(why) << "\n";
            exitStatus = 1;
            return;
        }
        exitStatus = 0;
    });
}

const Registrar registrar(setupRecalc);

} // namespace

} // namespace zrlss
