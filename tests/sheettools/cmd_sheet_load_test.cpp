// The sheet commands recalc, convert and read on a sheet with a formula that
// does not parse among good ones: each prints the cell on standard error and
// goes on; with --strict the cell fails the command and nothing is written.
#include "support/command_run.h"
#include "support/scratch_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SheetCommands, LoadWarningsGoToStandardErrorAndStrictFails) {
    if (!fs::exists(fs::path(ZRLSS_BIN_DIR) / "zrlss")) GTEST_SKIP() << "zrlss is not built";
    const fs::path dir = testsupport::scratchDir("sheetcmd");
    std::ofstream(dir / "bad.csv") << "Title\n2,\"=SUM(A2 A3)\",=A2*3\n";
    const std::string in = (dir / "bad.csv").string();
    struct Job {
        const char* name;
        const char* out; // the file it writes, or "" for standard output
        const char* printed; // what standard output holds
    } jobs[] = {{"recalc", "out.csv", ""}, {"convert", "out.xlsx", ""}, {"read", "", "6"}};
    for (const Job& job : jobs) {
        for (const bool strict : {false, true}) {
            SCOPED_TRACE(std::string(job.name) + (strict ? " --strict" : ""));
            const fs::path out = dir / job.out;
            if (*job.out) fs::remove(out);
            const fs::path err = dir / "stderr.txt";
            const testsupport::CommandRun r = testsupport::runZrlss(
                std::string("--quiet ") + job.name + " " + in + (*job.out ? " " + out.string() : "") +
                    (strict ? " --strict" : ""),
                ZRLSS_BIN_DIR, err.string());
            const std::string said = readAll(err);
            EXPECT_EQ(r.status, strict ? 1 : 0) << said;
            EXPECT_NE(said.find(std::string("zrlss ") + job.name + (strict ? ": error: " : ": warning: ") +
                                "B2  =SUM(A2 A3)  does not parse"),
                      std::string::npos)
                << said;
            if (*job.out) {
                EXPECT_EQ(fs::exists(out), !strict);
            }
            EXPECT_EQ(r.out.find(job.printed) != std::string::npos, !strict || !*job.printed) << r.out;
        }
    }
}

} // namespace
