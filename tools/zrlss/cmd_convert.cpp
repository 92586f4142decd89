// zrlss convert IN OUT: converts a sheet between the native format, CSV,
// .xlsx and .ods, each file's format chosen by its extension (.csv CSV, .xlsx
// and .ods workbooks, else native).
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
    bool strict = false;
};

void setupConvert(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<ConvertArgs>();
    cli.add("convert", "Convert a sheet between the native format (.vks), .csv, .xlsx and .ods")
        .withoutModule()
        .option("IN", args->in, "sheet to read")
        .required()
        .option("OUT", args->out, "sheet to write")
        .required()
        .flag("--strict", args->strict, "a formula the load cannot keep as written is an error")
        .run([args] {
            spread::Sheet sheet;
            if (!loadSheetOrSay(sheet, args->in, "convert", args->strict)) return 1;
            Doing writing("writing " + args->out);
            std::wstring why;
            if (!sheet.save(args->out, &why)) throw Failure{utf8(why)};
            return 0;
        });
}

const Registrar registrar(setupConvert);

} // namespace

} // namespace zrlss
