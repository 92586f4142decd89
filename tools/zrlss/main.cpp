// zrlss: a stand-in host for the spreadsheet module. It loads libzrlss.so
// the way the CAD host does (load, attach, initialise message ... unload
// message, detach, unload), applies the shared options and runs one
// subcommand. The module is looked up next to the command:
// <folder of the executable>/../lib/libzrlss.so (or the library a subcommand
// names instead, such as libzrlss_dialogs.so).
//
// Errors: one line on standard error ("zrlss: <reason>") and a non-zero
// exit status.
#include "command_line.h"
#include "platform/core/settings.h"
#include "platform/host/command_line.h"
#include "platform/host/module_loader.h"
#include "platform/win/script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

// A reason to stop before the subcommand runs.
struct StartError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

fs::path modulePath(const std::string& fileName) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw StartError("cannot find the command's own folder: " + ec.message());
    return (exe.parent_path() / ".." / "lib" / fileName).lexically_normal();
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

std::unique_ptr<host::LoadedModule> loadModule(const std::string& fileName) {
    const fs::path path = modulePath(fileName);
    std::string error;
    auto module = host::LoadedModule::load(path.string(), error);
    if (!module) throw StartError(error);
    return module;
}

// Standard output carries the job's result: when any of it could not be
// written (a full disk, /dev/full, a closed pipe) the job has failed. Every
// subcommand's output ends here, flushed, with the one line that says so.
bool outputWritten() {
    std::cout.flush();
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::cout.good() && !std::ferror(stdout)) return true;
    std::cerr << "zrlss: cannot write the output: "
              << (error != 0 ? std::strerror(error) : "a write failed") << "\n";
    return false;
}

} // namespace

int main(int argc, char** argv) {
    zrlss::SharedOptions shared;
    int exitStatus = 0;
    std::unique_ptr<host::LoadedModule> module;
    const int stopped = zrlss::runCommandLine(
        argc, argv, shared,
        [&](const std::string& moduleFile) {
            applyOptions(shared);
            if (!moduleFile.empty()) module = loadModule(moduleFile);
        },
        exitStatus);
    if (stopped >= 0) return stopped;

    if (module) {
        std::string error;
        if (!module->unload(error)) {
            std::cerr << "zrlss: " << error << "\n";
            if (exitStatus == 0) exitStatus = 1;
        }
    }
    if (!outputWritten()) exitStatus = 1;
    return exitStatus;
}
