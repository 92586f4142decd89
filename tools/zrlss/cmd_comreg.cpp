// zrlss comreg: registers the product's automation server, removes its
// registration, prints its identifiers and shows its keys, through the
// module's three exports.
//
//   zrlss comreg register|cleanup|print|show [--registry FILE]
//                [--module-dir DIR] [--dry-run]
//
//   register   "registered 1 type library, 19 classes, 14 interfaces: PATH";
//              with --dry-run the registration goes into an empty scratch
//              registry and its .reg text is printed (the registry in use is
//              not touched)
//   cleanup    "removed N of 34 keys" (N: the trees present before)
//   print      the 19 class declarations, one a line; the path of
//              "RegistryIDs.dat" on standard error unless --quiet
//   show       the .reg text of the product's keys in the registry
//
// --registry: the registry file (default: the stand-in's usual file).
// --module-dir: the folder the host reports as the module's own, where
// "zrlreg.arx" is looked for and "RegistryIDs.dat" written (default: the
// folder of libzrlss.so). Failures: exit 1 and one line.
#include "command.h"
#include "comreg/com_ids.h"
#include "platform/host/acadstatus.h"
#include "platform/host/command_line.h"
#include "platform/host/module_loader.h"
#include "platform/host/rxentry.h"
#include "platform/text/utf.h"
#include "platform/win/module_file.h"
#include "platform/win/registry.h"
#include "platform/win/registry_export.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <string>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

using ComRegFn = Acad::ErrorStatus (*)();
// The exports, by their mangled names.
constexpr const char* kRegisterSymbol = "_Z19SSregisterOpmCLSIDsv";
constexpr const char* kCleanupSymbol = "_Z20SScleanupComRegistryv";
constexpr const char* kPrintSymbol = "_Z13SSprintCLSIDsv";

struct ComRegArgs {
    std::string action;
    std::string registry;
    std::string moduleDir;
    bool dryRun = false;
};

std::string utf8(const std::wstring& text) {
    return zrltext::toUtf8(text);
}

ComRegFn exported(const char* symbol) {
    host::LoadedModule* module = spreadsheetModule();
    const ComRegFn fn = module ? module->function<ComRegFn>(symbol) : nullptr;
    if (!fn) throw Failure{std::string("the module does not export ") + symbol};
    return fn;
}

// The folder the module reports as its own, with a final separator.
fs::path moduleFolder() {
    host::LoadedModule* module = spreadsheetModule();
    if (!module) throw Failure{"the module is not loaded"};
    return fs::path(win::moduleFileName(host::instanceModule(module->instance()))).parent_path();
}

std::string registryTrouble() {
    return "registry not writable: " + utf8(win::registryError());
}

// Registers into the registry in use; fails with the reason.
void registerServer() {
    if (exported(kRegisterSymbol)() == Acad::eOk) return;
    const fs::path server = moduleFolder() / utf8(std::wstring(comreg::kServerFileName));
    std::error_code ec;
    if (!fs::is_regular_file(server, ec)) throw Failure{"server not found: " + server.string()};
    if (!win::registryError().empty()) throw Failure{registryTrouble()};
    throw Failure{"registration failed"};
}

// The server path the registration wrote (from the first class's key).
std::string registeredServer() {
    const std::wstring key = comreg::treePath(comreg::kClassRoot, comreg::kClasses[0].clsid);
    return utf8(win::regGetString(win::HKEY_CLASSES_ROOT, key + L"\\InProcServer32", L"")
                    .value_or(std::wstring()));
}

// An empty registry in a folder of its own for the dry run, removed after.
class ScratchRegistry {
public:
    explicit ScratchRegistry(std::wstring inUse) : inUse_(std::move(inUse)) {
        std::random_device random;
        folder_ = fs::temp_directory_path() /
                  ("zrlss-comreg-" + std::to_string(random()) + std::to_string(random()));
        std::error_code ec;
        if (!fs::create_directory(folder_, ec))
            throw Failure{"cannot make a scratch registry in " + folder_.parent_path().string()};
        win::setRegistryPath((folder_ / "registry.json").wstring());
    }
    ~ScratchRegistry() {
        win::setRegistryPath(inUse_);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

private:
    std::wstring inUse_;
    fs::path folder_;
};

int runRegister(const ComRegArgs& args, const std::wstring& registryInUse) {
    if (args.dryRun) {
        ScratchRegistry scratch(registryInUse);
        registerServer();
        std::cout << win::regExportText(win::HKEY_CLASSES_ROOT, comreg::productTrees());
        return 0;
    }
    registerServer();
    std::cout << "registered 1 type library, " << comreg::kClasses.size() << " classes, "
              << comreg::kInterfaceCount << " interfaces: " << registeredServer() << "\n";
    return 0;
}

int runCleanup() {
    const std::vector<std::wstring> trees = comreg::productTrees();
    size_t present = 0;
    for (const std::wstring& tree : trees)
        present += win::regKeyExists(win::HKEY_CLASSES_ROOT, tree) ? 1 : 0;
    if (exported(kCleanupSymbol)() != Acad::eOk) {
        if (!win::registryError().empty()) throw Failure{registryTrouble()};
        throw Failure{"clean-up failed"};
    }
    std::cout << "removed " << present << " of " << trees.size() << " keys\n";
    return 0;
}

int runPrint(const SharedOptions& shared) {
    const fs::path file = moduleFolder() / utf8(std::wstring(comreg::kIdsFileName));
    std::wstring printed;
    Acad::ErrorStatus status;
    {
        host::PrintCapture capture;
        status = exported(kPrintSymbol)();
        printed = capture.text();
    }
    if (status != Acad::eOk) throw Failure{"cannot write " + file.string()};
    // Each declaration comes after a line break.
    if (!printed.empty() && printed.front() == L'\n') printed.erase(0, 1);
    std::cout << utf8(printed) << "\n";
    if (!shared.quiet) std::cerr << file.string() << "\n";
    return 0;
}

int runShow() {
    if (!win::reloadRegistry())
        throw Failure{"registry not readable: " + utf8(win::registryError())};
    std::cout << win::regExportText(win::HKEY_CLASSES_ROOT, comreg::productTrees());
    return 0;
}

int runComReg(const ComRegArgs& args, const SharedOptions& shared) {
    std::wstring registryInUse;
    if (!args.registry.empty()) {
        registryInUse = fs::absolute(args.registry).wstring();
        win::setRegistryPath(registryInUse);
    }
    if (!args.moduleDir.empty()) {
        host::LoadedModule* module = spreadsheetModule();
        if (!module) throw Failure{"the module is not loaded"};
        const fs::path file = fs::absolute(args.moduleDir) / "libzrlss.so";
        win::setModuleFileName(host::instanceModule(module->instance()), file.wstring());
    }
    if (args.dryRun && args.action != "register")
        throw Failure{"--dry-run goes with register only"};
    if (args.action == "register") return runRegister(args, registryInUse);
    if (args.action == "cleanup") return runCleanup();
    if (args.action == "print") return runPrint(shared);
    if (args.action == "show") return runShow();
    throw Failure{"unknown action: " + args.action + " (register, cleanup, print or show)"};
}

void setupComReg(CommandLine& cli, const SharedOptions& shared) {
    auto args = std::make_shared<ComRegArgs>();
    cli.add("comreg", "Register, clean up, print or show the automation server's identifiers")
        .option("ACTION", args->action, "register, cleanup, print or show")
        .required()
        .option("--registry", args->registry, "the registry file to use")
        .option("--module-dir", args->moduleDir,
                "the folder reported as the module's own (default: that of libzrlss.so)")
        .flag("--dry-run", args->dryRun,
              "register into an empty scratch registry and print its .reg text")
        .run([args, &shared] { return runComReg(*args, shared); });
}

const Registrar registrar(setupComReg);

} // namespace

} // namespace zrlss
