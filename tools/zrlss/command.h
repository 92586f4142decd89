// The zrlss command's subcommands. Each subcommand lives in a file of its own
// (cmd_<name>.cpp) and adds itself to the command through a static Registrar,
// so that main.cpp never lists them.
//
// Subcommands describe their options through Subcommand below; the
// command-line parser behind it is known to command_line.cpp alone, which
// keeps its large header out of every subcommand's file.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace host {
class LoadedModule;
}

namespace zrlss {

// Options shared by every subcommand.
struct SharedOptions {
    std::string libDir;       // --lib: library folder (default: the embedded examples/library)
    std::string language;     // --lang: work language
    bool diagnostics = false; // --diagnostics: standards diagnostics; message boxes to stderr
    bool quiet = false;       // --quiet
};

// A reason a job stops: printed as "zrlss NAME: reason", exit status 1.
struct Failure {
    std::string reason;
};

// What the running job is doing ("reading ROWS.csv"), named when memory runs
// out there: "zrlss NAME: out of memory while reading ROWS.csv". Scoped; the
// innermost counts. An exception leaving the scope keeps it for the report.
class Doing {
public:
    explicit Doing(std::string what);
    ~Doing();
    Doing(const Doing&) = delete;
    Doing& operator=(const Doing&) = delete;

private:
    int unwinding_;
};

// Called as each Doing begins, with what it names; null in the shipped
// command. The command's test build sets it (tools/test_seams/), to make
// memory run out there, which no sanitizer lets a real allocation do.
namespace testing {
extern void (*onDoing)(const std::string& what);
}

// The report of running out of memory, with what was being done; forgets it.
std::string outOfMemory();

// One subcommand's options and job. Positional arguments are named without
// dashes ("SHEET"), options with them ("-o,--out").
class Subcommand {
public:
    Subcommand(CLI::App* app, std::string name, int& exitStatus)
        : app_(app), name_(std::move(name)), exitStatus_(&exitStatus) {}

    Subcommand& option(const char* names, std::string& into, const char* help);
    Subcommand& option(const char* names, int& into, const char* help);
    // A list option; with a delimiter, one argument may hold several values.
    Subcommand& option(const char* names, std::vector<std::string>& into, const char* help,
                       char delimiter = '\0');
    Subcommand& option(const char* names, std::vector<int>& into, const char* help,
                       char delimiter = '\0');
    Subcommand& flag(const char* names, bool& into, const char* help);
    // The option added last must be given.
    Subcommand& required();
    // The option added last is left out of the help (options for tests).
    Subcommand& hidden();
    // The subcommand works on files alone: the command does not load the
    // module for it (loading costs more than a small job itself).
    Subcommand& withoutModule();
    // The subcommand loads another library of the module's build instead of
    // libzrlss.so (a file name in the same folder).
    Subcommand& withModule(const char* fileName);
    // The job, run after the options are read (and the module loaded when
    // needed); it returns the exit status. A Failure or another exception it
    // lets out is printed as one line, "zrlss NAME: reason", and gives 1.
    void run(std::function<int()> job);

private:
    CLI::App* app_;
    CLI::Option* last_ = nullptr;
    std::string name_;
    int* exitStatus_;
};

// The command line the subcommands add themselves to.
class CommandLine {
public:
    CommandLine(CLI::App& app, int& exitStatus) : app_(app), exitStatus_(exitStatus) {}
    Subcommand add(const char* name, const char* description);

private:
    CLI::App& app_;
    int& exitStatus_;
};

using SetupFn = void (*)(CommandLine& cli, const SharedOptions& shared);

std::vector<SetupFn>& subcommands();

// The library the subcommand given on the command line loads: libzrlss.so
// unless it named another; empty when it loads none.
std::string moduleToLoad(const CLI::App& app);

// The loaded libzrlss.so, or null when the command did not load it.
host::LoadedModule* spreadsheetModule();

struct Registrar {
    explicit Registrar(SetupFn fn) { subcommands().push_back(fn); }
};

} // namespace zrlss
