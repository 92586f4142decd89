// zrlss recalc IN OUT.csv: loads a sheet (native, CSV, .xlsx or .ods), computes every
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
    bool strict = false;
};

void setupRecalc(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<RecalcArgs>();
    cli.add("recalc", "Load a sheet, recalculate it and write every cell's value as CSV")
        .withoutModule()
        .option("IN", args->in, "sheet file (.vks or any native sheet, .csv, .xlsx or .ods; a workbook's sheet as BOOK#NAME)")
        .required()
        .option("OUT", args->out, "CSV file to write")
        .required()
        .flag("--strict", args->strict, "a formula the load cannot keep as written is an error")
        .run([args] {
            spread::Sheet sheet;
            if (!loadSheetOrSay(sheet, args->in, "recalc", args->strict)) return 1;
            std::wstring why;
            Doing computing("recalculating " + args->in);
            sheet.recalc();
            Doing writing("writing " + args->out);
            if (!spread::writeFileAtomically(args->out, spread::writeCsv(sheet), &why))
                throw Failure{utf8(why)};
            return 0;
        });
}

const Registrar registrar(setupRecalc);

} // namespace

} // namespace zrlss
