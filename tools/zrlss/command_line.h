// Parsing the command line and running the chosen subcommand.
#pragma once

#include "command.h"

#include <functional>

namespace zrlss {

// Reads the shared options and the subcommand's, calls `prepare` once they
// are read (with whether the job needs the module; it may throw to stop),
// then runs the job, which sets `exitStatus`. Returns -1 when the job ran,
// or the exit status when the command stopped before it (help, a bad
// argument, a failed preparation), after printing why.
int runCommandLine(int argc, char** argv, SharedOptions& shared,
                   const std::function<void(bool needsModule)>& prepare, int& exitStatus);

} // namespace zrlss
