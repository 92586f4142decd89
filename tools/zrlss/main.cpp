// zrlss: a stand-in host for the spreadsheet module. It loads libzrlss.so
// the way the CAD host does (load, attach, initialise message ... unload
// message, detach, unload), applies the shared options and runs one
// subcommand. The module is looked up next to the command:
// <folder of the executable>/../lib/libzrlss.so.
//
// Errors: one line on standard error ("zrlss: <reason>") and a non-zero
// exit status.
#include "command.h"
#include "platform/core/settings.h"
#include "platform/host/command_line.h"
#include "platform/host/module_loader.h"
#include "platform/win/script.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace zrlss {

std::vector<SetupFn>& subcommands() {
    static std::vector<SetupFn> list;
    return list;
}

namespace {
std::vector<const CLI::App*>& standalone() {
    static std::vector<const CLI::App*> list;
    return list;
}
} // namespace

void runsWithoutModule(const CLI::App* subcommand) {
    standalone().push_back(subcommand);
}

bool needsModule(const CLI::App& app) {
    for (const CLI::App* sub : app.get_subcommands()) {
        if (std::find(standalone().begin(), standalone().end(), sub) == standalone().end())
            return true;
    }
    return false;
}

} // namespace zrlss

namespace {

namespace fs = std::filesystem;

// A reason to stop before the subcommand runs.
struct StartError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

fs::path modulePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw StartError("cannot find the command's own folder: " + ec.message());
    return (exe.parent_path() / ".." / "lib" / "libzrlss.so").lexically_normal();
}

void applyOptions(const zrlss::SharedOptions& shared) {
    if (!shared.libDir.empty()) {
        std::error_code ec;
        if (!fs::is_directory(shared.libDir, ec)) {
            throw StartError("library folder not found: " + shared.libDir);
        }
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(fs::absolute(shared.libDir).string()));
    }
    if (!shared.language.empty()) {
        Zrl_Settings::setWorkLanguage(Zrl_String::fromUtf8(shared.language));
    }
    if (shared.diagnostics) {
        curDocSettings().standardsDiagnostics = true;
        win::script().setMessageBoxObserver([](const win::MessageBoxRecord& box) {
            std::cerr << Zrl_String(box.caption).toUtf8() << ": " << Zrl_String(box.text).toUtf8()
                      << "\n";
        });
    }
    if (shared.quiet) host::setPrintSink([](std::wstring_view) {});
}

std::unique_ptr<host::LoadedModule> loadModule() {
    const fs::path path = modulePath();
    std::string error;
    auto module = host::LoadedModule::load(path.string(), error);
    if (!module) throw StartError(error);
    return module;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Runs the jobs of the spreadsheet module from the shell.", "zrlss"};
    zrlss::SharedOptions shared;
    int exitStatus = 0;
    app.add_option("--lib", shared.libDir,
                   "library folder (default: the embedded examples/library)");
    app.add_option("--lang", shared.language, "work language, e.g. English");
    app.add_flag("--diagnostics", shared.diagnostics,
                 "show the standards diagnostics; message boxes go to standard error");
    app.add_flag("--quiet", shared.quiet, "print only what the job must print");
    app.require_subcommand(1);
    app.fallthrough();
    for (zrlss::SetupFn setup : zrlss::subcommands())
        setup(app, shared, exitStatus);

    // The options apply, and the module is loaded when the job needs it,
    // before the subcommand runs.
    std::unique_ptr<host::LoadedModule> module;
    app.parse_complete_callback([&] {
        applyOptions(shared);
        if (zrlss::needsModule(app)) module = loadModule();
    });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "zrlss: " << e.what() << "\n";
        return e.get_exit_code() != 0 ? e.get_exit_code() : 2;
    } catch (const StartError& e) {
        std::cerr << "zrlss: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "zrlss: " << e.what() << "\n";
        return 1;
    }

    if (module) {
        std::string error;
        if (!module->unload(error)) {
            std::cerr << "zrlss: " << error << "\n";
            if (exitStatus == 0) exitStatus = 1;
        }
    }
    return exitStatus;
}
