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

void setupConvert(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<ConvertArgs>();
    cli.add("convert", "Convert a sheet between the native format (.vks) and CSV (.csv)")
        .withoutModule()
        .option("IN", args->in, "sheet to read")
        .required()
        .option("OUT", args->out, "sheet to write")
        .required()
        .run([args] {
            spread::Sheet sheet;
            if (!loadSheetOrSay(sheet, args->in, "convert")) return 1;
            std::wstring why;
            if (!sheet.save(args->out, &why)) throw Failure{utf8(why)};
            return 0;
        });
}

const Registrar registrar(setupConvert);

} // namespace

} // namespace zrlss
