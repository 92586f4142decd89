// zrlss dialog: opens one of the module's dialogs with a record in JSON,
// plays an action script as the user, and prints what the dialog returned.
//
//   zrlss dialog --list
//   zrlss dialog NAME [--in RECORD.json] [--script ACTIONS.txt | --script -]
//                     [--out RECORD.json] [--json] [--sheet FILE]
//
// The dialogs run in libzrlss_dialogs.so (the module with the dialog
// driver), loaded instead of libzrlss.so. Output: "result: R" and the
// record's JSON (the record to --out when given, written atomically); with
// --json one object {"result", "record", "shown"}. Exit status: 0 done;
// 1 a bad record, option or dialog name; 2 a bad script or an action that
// could not be done; 3 a failed check or actions left unused. On failure
// nothing is written and one line says why.
#include "command.h"
#include "dialog_driver_api.h"
#include "platform/core/files.h"
#include "platform/host/module_loader.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace zrlss {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kDialogsLibrary = "libzrlss_dialogs.so";

struct DialogArgs {
    std::string name;
    std::string in, script, out, sheet;
    bool list = false;
    bool json = false;
};

std::string readText(const std::string& path, const char* option) {
    std::string bytes;
    if (path == "-" && std::string(option) == "--script") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
        return bytes;
    }
    if (!readFileBytes(path, bytes)) throw Failure{std::string(option) + ": cannot read " + path};
    return bytes;
}

// One request to the driver; the reply parsed.
json callDriver(const json& request) {
    host::LoadedModule* module = nullptr;
    for (host::LoadedModule* m : host::loadedModules())
        if (m->path().ends_with(std::string("/") + kDialogsLibrary)) module = m;
    const auto run = module ? module->function<ZrlssRunDialogFn>(kRunDialogSymbol) : nullptr;
    const auto release = module ? module->function<ZrlssFreeReplyFn>(kFreeReplySymbol) : nullptr;
    if (!run || !release) throw Failure{std::string(kDialogsLibrary) + " offers no dialog driver"};
    char* reply = nullptr;
    run(request.dump().c_str(), &reply);
    const std::unique_ptr<char, ZrlssFreeReplyFn> owned(reply, release);
    json parsed = json::parse(reply ? reply : "", nullptr, false);
    if (!parsed.is_object()) throw Failure{"the dialog driver gave no reply"};
    return parsed;
}

int listDialogs() {
    const json reply = callDriver({{"list", true}});
    size_t width = 0;
    for (const json& d : reply.at("dialogs"))
        width = std::max(width, d.at("name").get<std::string>().size());
    for (const json& d : reply.at("dialogs")) {
        const std::string name = d.at("name");
        std::cout << name << std::string(width + 2 - name.size(), ' ')
                  << d.at("starter").get<std::string>() << ": "
                  << d.at("description").get<std::string>() << "\n";
    }
    return 0;
}

std::string resultText(const json& result) {
    return result.is_string() ? result.get<std::string>() : result.dump();
}

int runDialog(const DialogArgs& args) {
    if (args.list) return listDialogs();
    if (args.name.empty()) throw Failure{"name a dialog (zrlss dialog --list names them)"};

    json request = {{"name", args.name}};
    if (!args.in.empty()) {
        request["record"] = readText(args.in, "--in");
        request["base"] = fs::absolute(args.in).parent_path().string();
    }
    if (!args.script.empty()) request["script"] = readText(args.script, "--script");
    if (!args.sheet.empty()) request["sheet"] = fs::absolute(args.sheet).string();

    const json reply = callDriver(request);
    const int status = reply.value("status", 1);
    if (status != 0) {
        std::cerr << "zrlss dialog: " << reply.value("message", "failed") << "\n";
        return status;
    }
    const std::string record =
        reply.at("record").dump(2, ' ', false, json::error_handler_t::replace) + "\n";
    if (!args.out.empty() && !writeFileAtomically(args.out, record))
        throw Failure{"--out: cannot write " + args.out};
    if (args.json) {
        const json out = {{"result", reply.at("result")},
                          {"record", reply.at("record")},
                          {"shown", reply.at("shown")}};
        std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    } else {
        std::cout << "result: " << resultText(reply.at("result")) << "\n";
        if (args.out.empty()) std::cout << record;
    }
    return 0;
}

void setupDialog(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<DialogArgs>();
    cli.add("dialog", "Open a dialog with a record in JSON and play an action script as its user")
        .withModule(kDialogsLibrary)
        .option("NAME", args->name, "the dialog's name (see --list)")
        .flag("--list", args->list, "list the dialogs: name, starter, description")
        .option("--in", args->in, "the record to start from (JSON); default: the dialog's own")
        .option("--script", args->script, "the action script (- reads standard input)")
        .option("--out", args->out, "write the returned record here instead of printing it")
        .flag("--json", args->json, "print one JSON object: result, record, shown")
        .option("--sheet", args->sheet, "the sheet file of the dialogs that work on a sheet")
        .run([args] { return runDialog(*args); });
}

const Registrar registrar(setupDialog);

} // namespace

} // namespace zrlss
