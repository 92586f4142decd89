// Runs the built zrlss command as a shell would and keeps what it printed.
#pragma once

#include "test_paths.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace testsupport {

struct CommandRun {
    int status = -1; // exit status; -1 when the command did not end normally
    std::string out; // what the command printed
};

// Runs "<binDir>/zrlss ARGS" through the shell. Standard error joins the
// output, or goes to the file `errorFile` when one is named. The command's
// test build, with the seams of tools/test_seams, is program "zrlss-test".
inline CommandRun runZrlss(const std::string& args,
                           const std::string& binDir = std::string(ZRLSS_BIN_DIR),
                           const std::string& errorFile = {},
                           const std::string& program = "zrlss") {
    CommandRun r;
    const std::string cmd = binDir + "/" + program + " " + args +
                            (errorFile.empty() ? " 2>&1" : " 2>'" + errorFile + "'");
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 256> buf{};
    while (std::fgets(buf.data(), static_cast<int>(buf.size()), pipe))
        r.out += buf.data();
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

} // namespace testsupport
