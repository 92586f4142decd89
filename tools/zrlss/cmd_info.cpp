// zrlss info: shows the loaded module (its file and the version of its
// handshake), the library folder in use and the names the module exports.
#include "command.h"
#include "platform/core/settings.h"
#include "platform/host/module_exports.h"
#include "platform/host/module_loader.h"

#include <iostream>

namespace zrlss {

namespace {

// The module's folders end in a backslash; the shell shows them with a slash.
std::string displayFolder(std::string folder) {
    if (!folder.empty() && folder.back() == '\\') folder.back() = '/';
    return folder;
}

int runInfo(const SharedOptions& shared) {
    host::LoadedModule* module = spreadsheetModule();
    if (!module) {
        std::cerr << "zrlss info: the module is not loaded\n";
        return 1;
    }
    auto version = module->function<AcRxGetApiVersionFn>("acrxGetApiVersion");
    if (!version || version() != AcRx::kApiVersion) {
        std::cerr << "zrlss info: the module's version handshake does not match this host\n";
        return 1;
    }
    std::string error;
    const std::vector<std::string> exports = host::listModuleExports(module->path(), error);
    if (!error.empty()) {
        std::cerr << "zrlss info: " << error << "\n";
        return 1;
    }
    std::cout << "module   " << module->path() << "\n"
              << "version  " << version() << "\n"
              << "library  " << displayFolder(Zrl_Settings::libDir().toUtf8()) << "\n"
              << "language " << Zrl_Settings::workLanguage().toUtf8() << "\n"
              << "exports  " << exports.size() << "\n";
    if (!shared.quiet) {
        for (const std::string& name : exports)
            std::cout << "  " << name << "\n";
    }
    return 0;
}

void setupInfo(CommandLine& cli, const SharedOptions& shared) {
    cli.add("info", "Load the module, check its version handshake, list its exports and the "
                    "library folder in use")
        .run([&shared] { return runInfo(shared); });
}

const Registrar registrar(setupInfo);

} // namespace

} // namespace zrlss
