// zrlss convert IN OUT: converts a sheet between the native format and CSV,
// each file's format chosen by its extension (.csv CSV, else native).
#include "command.h"
#include "platform/spread/sheet.h"
#include "sheet_io.h"

#include <iostream>
#include <memory>
#include <string>

namespace zrlss {

namespace {

struct ConvertArgs {
    std::string in, out;
};

void setupConvert(CLI::App& app, const SharedOptions&, int& exitStatus) {
    auto args = std::make_shared<ConvertArgs>();
    CLI::App* cmd = app.add_subcommand(
        "convert", "Convert a sheet between the native format (.vks) and CSV (.csv)");
    runsWithoutModule(cmd);
    cmd->add_option("IN", args->in, "sheet to read")->required();
    cmd->add_option("OUT", args->out, "sheet to write")->required();
    cmd->callback([args, &exitStatus] {
        spread::Sheet sheet;
        if (!loadSheetOrSay(sheet, args->in, "convert")) {
            exitStatus = 1;
            return;
        }
        std::wstring why;
        if (!sheet.save(args->out, &why)) {
            std::cerr << "zrlss convert: " << utf8(why) << "\n";
            exitStatus = 1;
            return;
        }
        exitStatus = 0;
    });
}

const Registrar registrar(setupConvert);

} // namespace

} // namespace zrlss
