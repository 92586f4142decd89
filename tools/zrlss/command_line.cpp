// The command line of zrlss: the one file that knows the parser (CLI11).
// Subcommands describe their options through zrlss::Subcommand.
#include "command.h"
#include "command_line.h"
#include "platform/host/module_loader.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <map>
#include <new>
#include <vector>

namespace zrlss {

std::vector<SetupFn>& subcommands() {
    static std::vector<SetupFn> list;
    return list;
}

namespace {
// The library of each subcommand that does not load libzrlss.so (empty:
// none).
std::map<const CLI::App*, std::string>& otherModules() {
    static std::map<const CLI::App*, std::string> modules;
    return modules;
}
} // namespace

std::string moduleToLoad(const CLI::App& app) {
    for (const CLI::App* sub : app.get_subcommands()) {
        const auto it = otherModules().find(sub);
        return it == otherModules().end() ? std::string("libzrlss.so") : it->second;
    }
    return {};
}

host::LoadedModule* spreadsheetModule() {
    for (host::LoadedModule* m : host::loadedModules()) {
        if (m->path().ends_with("/libzrlss.so")) return m;
    }
    return nullptr;
}

Subcommand& Subcommand::option(const char* names, std::string& into, const char* help) {
    last_ = app_->add_option(names, into, help);
    return *this;
}

Subcommand& Subcommand::option(const char* names, int& into, const char* help) {
    last_ = app_->add_option(names, into, help);
    return *this;
}

Subcommand& Subcommand::option(const char* names, std::vector<std::string>& into,
                               const char* help, char delimiter) {
    last_ = app_->add_option(names, into, help);
    if (delimiter != '\0') last_->delimiter(delimiter);
    return *this;
}

Subcommand& Subcommand::option(const char* names, std::vector<int>& into, const char* help,
                               char delimiter) {
    last_ = app_->add_option(names, into, help);
    if (delimiter != '\0') last_->delimiter(delimiter);
    return *this;
}

Subcommand& Subcommand::flag(const char* names, bool& into, const char* help) {
    last_ = app_->add_flag(names, into, help);
    return *this;
}

Subcommand& Subcommand::required() {
    if (last_) last_->required();
    return *this;
}

Subcommand& Subcommand::hidden() {
    if (last_) last_->group("");
    return *this;
}

Subcommand& Subcommand::withoutModule() {
    otherModules()[app_] = std::string();
    return *this;
}

Subcommand& Subcommand::withModule(const char* fileName) {
    otherModules()[app_] = fileName;
    return *this;
}

void (*testing::onDoing)(const std::string& what) = nullptr;

namespace {

std::vector<std::string>& doingNow() {
    static std::vector<std::string> doing;
    return doing;
}

} // namespace

Doing::Doing(std::string what) : unwinding_(std::uncaught_exceptions()) {
    doingNow().push_back(std::move(what));
    if (testing::onDoing) testing::onDoing(doingNow().back());
}

Doing::~Doing() {
    // Left by an exception, it stays to be named in the report.
    if (std::uncaught_exceptions() == unwinding_) doingNow().pop_back();
}

std::string outOfMemory() {
    std::vector<std::string>& doing = doingNow();
    std::string report = "out of memory";
    if (!doing.empty()) report += " while " + doing.back();
    doing.clear();
    doing.shrink_to_fit();
    return report;
}

void Subcommand::run(std::function<int()> job) {
    app_->callback([job = std::move(job), name = name_, status = exitStatus_] {
        try {
            *status = job();
        } catch (const std::bad_alloc&) {
            std::cerr << "zrlss " << name << ": " << outOfMemory() << "\n";
            *status = 1;
        } catch (const Failure& f) {
            std::cerr << "zrlss " << name << ": " << f.reason << "\n";
            *status = 1;
        } catch (const std::exception& e) {
            std::cerr << "zrlss " << name << ": " << e.what() << "\n";
            *status = 1;
        }
    });
}

Subcommand CommandLine::add(const char* name, const char* description) {
    return Subcommand(app_.add_subcommand(name, description), name, exitStatus_);
}

int runCommandLine(int argc, char** argv, SharedOptions& shared,
                   const std::function<void(const std::string& module)>& prepare, int& exitStatus) {
    CLI::App app{"Runs the jobs of the spreadsheet module from the shell.", "zrlss"};
    app.add_option("--lib", shared.libDir,
                   "library folder (default: the embedded examples/library)");
    app.add_option("--lang", shared.language, "work language, e.g. English");
    app.add_flag("--diagnostics", shared.diagnostics,
                 "show the standards diagnostics; message boxes go to standard error");
    app.add_flag("--quiet", shared.quiet, "print only what the job must print");
    app.require_subcommand(1);
    app.fallthrough();
    CommandLine cli(app, exitStatus);
    for (SetupFn setup : subcommands())
        setup(cli, shared);

    // The options apply, and the module is loaded when the job needs it,
    // before the subcommand runs.
    app.parse_complete_callback([&] { prepare(moduleToLoad(app)); });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "zrlss: " << e.what() << "\n";
        return e.get_exit_code() != 0 ? e.get_exit_code() : 2;
    } catch (const std::bad_alloc&) {
        std::cerr << "zrlss: " << outOfMemory() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "zrlss: " << e.what() << "\n";
        return 1;
    }
    return -1;
}

} // namespace zrlss
