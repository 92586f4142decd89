// zrlss convert IN OUT: converts a sheet between the native format and CSV,
// each file's format chosen by its extension (.csv CSV, else native).
#include "command.h"
#include "platform/spread/sheet.h"

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

struct ConvertArgs {
    std::string in, out;
};

void setupConvert(CLI::App& app, const SharedOptions&, int& exitStatus) {
    auto args = std::make_shared<ConvertArgs>();
    CLI::App* cmd = app.add_subcommand(
        "convert", "Convert a sheet between the native format (.vks) and CSV (.csv)");
    cmd->add_option("IN", args->in, "sheet to read")->required();
    cmd->add_option("OUT", args->out, "sheet to write")->required();
    cmd->callback([args, &exitStatus] {
        spread::Sheet sheet;
        std::wstring why;
        if (!sheet.load(args->in, &why)) {
            std::cerr << "zrlss convert: cannot load " << args->in << ": " << narrow(why) << "\n";
            exitStatus = 1;
            return;
        }
        if (!sheet.save(args->out, &why)) {
            std::cerr << "zrlss convert: " << narrow(why) << "\n";
            exitStatus = 1;
            return;
        }
        exitStatus = 0;
    });
}

const Registrar registrar(setupConvert);

} // namespace

} // namespace zrlss
