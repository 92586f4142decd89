// The zrlss command's subcommands. Each subcommand lives in a file of its own
// (cmd_<name>.cpp) and adds itself to the command through a static Registrar,
// so that main.cpp never lists them.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace zrlss {

// Options shared by every subcommand.
struct SharedOptions {
    std::string libDir;       // --lib: library folder (default: the embedded examples/library)
    std::string language;     // --lang: work language
    bool diagnostics = false; // --diagnostics: standards diagnostics; message boxes to stderr
    bool quiet = false;       // --quiet
};

// Adds one subcommand to `app`. The subcommand's callback returns the process
// exit status through `exitStatus` (0 success; non-zero after printing a
// one-line reason to standard error).
using SetupFn = void (*)(CLI::App& app, const SharedOptions& shared, int& exitStatus);

std::vector<SetupFn>& subcommands();

// Marks a subcommand that works on sheet files alone, so the command does not
// load the module for it (loading costs more than a small job itself).
void runsWithoutModule(const CLI::App* subcommand);
// True when every subcommand given on the command line needs the module.
bool needsModule(const CLI::App& app);

struct Registrar {
    explicit Registrar(SetupFn fn) { subcommands().push_back(fn); }
};

} // namespace zrlss
