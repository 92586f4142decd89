// zrlss dialog: opens one of the module's dialogs with a record in JSON,
// plays an action script as the user, and prints what the dialog returned.
//
//   zrlss dialog --list
//   zrlss dialog NAME [--in RECORD.json] [--script ACTIONS.txt | --script -]
//                     [--out RECORD.json] [--json] [--sheet FILE]
//                     [--png OUT.png [--scale N]]
//   zrlss dialog NAME [--in RECORD.json] --gui
//   zrlss dialog --all-png DIR [--samples DIR] [--scale N]
//
// --png draws the first dialog of the run as it stands when it closes.
// --all-png draws every registered dialog opened with its sample record
// (SAMPLES/NAME.json, else the first SAMPLES/NAME@CASE.json, else its
// default record; a "# options: --sheet FILE" line of the sample's script
// gives its sheet) and ended at once, as DIR/NAME.png, with the samples
// folder as working folder and empty settings for each. --gui opens the
// dialog as a window (Qt) that a person works in; the record comes back
// when it closes.
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
#include "gui.h"
#include "platform/core/files.h"
#include "platform/host/module_loader.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>

namespace zrlss {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kDialogsLibrary = "libzrlss_dialogs.so";

struct DialogArgs {
    std::string name;
    std::string in, script, out, sheet;
    std::string png, allPng, samples;
    int scale = 1;
    bool gui = false;
    bool list = false;
    bool json = false;
};

std::string readText(const std::string& path, const char* option) {
    std::string bytes;
    if (path == "-" && std::string(option) == "--script") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
        return bytes;
    }
    std::string why;
    if (!readFileBytes(path, bytes, &why)) throw Failure{std::string(option) + ": " + why};
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

// What a picture shows amiss, one line each on standard error; the run
// still succeeds.
void reportFaults(const std::string& name, const json& reply) {
    for (const json& fault : reply.value("faults", json::array()))
        if (fault.is_string())
            std::cerr << "zrlss dialog: " << name << ": " << fault.get<std::string>() << "\n";
}

std::string resultText(const json& result) {
    return result.is_string() ? result.get<std::string>() : result.dump();
}

std::string readAll(const fs::path& path) {
    std::string bytes;
    return readFileBytes(path.string(), bytes) ? bytes : std::string();
}

// The sample of a dialog for its picture: record and options. Its file
// names stay as the sample gives them, relative to the samples folder (the
// working folder of the picture run), so that the pictures do not show
// where the checkout lives.
json sampleRequest(const std::string& name, const fs::path& samples) {
    json request = {{"name", name}};
    std::error_code ec;
    fs::path record = samples / (name + ".json");
    if (!fs::exists(record, ec)) {
        std::vector<fs::path> cases;
        for (const auto& e : fs::directory_iterator(samples, ec))
            if (e.path().extension() == ".json" && e.path().stem().string().starts_with(name + "@"))
                cases.push_back(e.path());
        std::sort(cases.begin(), cases.end());
        record = cases.empty() ? fs::path() : cases.front();
    }
    if (record.empty()) return request;
    request["record"] = readAll(record);
    const std::string script = readAll(fs::path(record).replace_extension(".txt"));
    const std::string tag = "# options: --sheet ";
    if (const size_t at = script.find(tag); at != std::string::npos) {
        const size_t start = at + tag.size();
        const std::string sheet = script.substr(start, script.find_first_of(" \n", start) - start);
        request["sheet"] = sheet;
    }
    return request;
}

// The working folder changed for a while, and an empty folder of our own
// for what the dialogs remember, so that each picture shows a first use.
class PictureRun {
public:
    explicit PictureRun(const fs::path& samples) {
        std::error_code ec;
        previous_ = fs::current_path(ec);
        const fs::path temp = fs::temp_directory_path(ec);
        settings_ = (ec ? fs::path("/tmp") : temp) / ("zrlss-pictures-" + std::to_string(::getpid()));
        fs::current_path(samples, ec);
        if (ec) throw Failure{"--samples: cannot work in " + samples.string()};
    }
    ~PictureRun() {
        std::error_code ec;
        fs::current_path(previous_, ec);
        fs::remove_all(settings_, ec);
    }
    PictureRun(const PictureRun&) = delete;
    PictureRun& operator=(const PictureRun&) = delete;
    // An empty settings folder for the next dialog.
    std::string freshSettings() const {
        std::error_code ec;
        fs::remove_all(settings_, ec);
        fs::create_directories(settings_, ec);
        return settings_.string();
    }

private:
    fs::path previous_, settings_;
};

int drawAll(const DialogArgs& args) {
    const fs::path dir = fs::absolute(args.allPng);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) throw Failure{"--all-png: cannot make the folder " + args.allPng};
    const fs::path samples = args.samples.empty()
                                 ? fs::path(ZRLSS_EXAMPLE_LIBRARY).parent_path() / "dialogs"
                                 : fs::absolute(args.samples);
    int status = 0;
    const json list = callDriver({{"list", true}});
    const PictureRun run(samples);
    for (const json& d : list.at("dialogs")) {
        const std::string name = d.at("name");
        json request = sampleRequest(name, samples);
        const fs::path out = dir / (name + ".png");
        request["png"] = out.string();
        request["scale"] = args.scale;
        request["settings"] = run.freshSettings();
        const json reply = callDriver(request);
        if (reply.value("status", 1) != 0) {
            std::cerr << "zrlss dialog: " << name << ": " << reply.value("message", "failed") << "\n";
            status = 3;
            continue;
        }
        reportFaults(name, reply);
        std::cout << out.string() << "\n";
    }
    return status;
}

int runDialog(const DialogArgs& args) {
    if (args.list) return listDialogs();
    if (!args.allPng.empty()) return drawAll(args);
    if (args.name.empty()) throw Failure{"name a dialog (zrlss dialog --list names them)"};

    json request = {{"name", args.name}};
    if (!args.in.empty()) {
        request["record"] = readText(args.in, "--in");
        request["base"] = fs::absolute(args.in).parent_path().string();
    }
    if (!args.script.empty()) request["script"] = readText(args.script, "--script");
    if (!args.sheet.empty()) request["sheet"] = fs::absolute(args.sheet).string();
    if (!args.png.empty()) {
        request["png"] = fs::absolute(args.png).string();
        request["scale"] = args.scale;
    }

    // With --gui the dialogs open as windows until the person closes them.
    std::unique_ptr<GuiSession> gui;
    if (args.gui) {
        if (!args.script.empty()) throw Failure{"--gui: the person plays the dialog; no --script"};
        gui = startGui();
    }
    const json reply = callDriver(request);
    gui.reset();
    const int status = reply.value("status", 1);
    if (status != 0) {
        std::cerr << "zrlss dialog: " << reply.value("message", "failed") << "\n";
        return status;
    }
    reportFaults(args.name, reply);
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
        .option("--png", args->png, "draw the dialog as it stands when it closes to this PNG file")
        .option("--all-png", args->allPng,
                "draw every dialog with its sample record into this folder (NAME.png)")
        .option("--samples", args->samples,
                "the folder of the sample records for --all-png (default: examples/dialogs)")
        .flag("--gui", args->gui, "open the dialog as a window to work in (needs a display)")
        .option("--scale", args->scale, "pixels per pixel of the pictures, 1 to 4 (default 1)")
        .run([args] { return runDialog(*args); });
}

const Registrar registrar(setupDialog);

} // namespace

} // namespace zrlss
