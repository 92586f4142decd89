// Parsing the command line and running the chosen subcommand.
#pragma once

#include "command.h"

#include <functional>
#include <string>

namespace zrlss {

// Reads the shared options and the subcommand's, calls `prepare` once they
// are read (with the library the job loads, empty when none; it may throw
// to stop),
// then runs the job, which sets `exitStatus`. Returns -1 when the job ran,
// or the exit status when the command stopped before it (help, a bad
// argument, a failed preparation), after printing why.
int runCommandLine(int argc, char** argv, SharedOptions& shared,
                   const std::function<void(const std::string& module)>& prepare, int& exitStatus);

} // namespace zrlss
