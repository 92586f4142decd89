// The sheet commands recalc, convert and read on a sheet with a formula that
// does not parse among good ones: each prints the cell on standard error and
// goes on; with --strict the cell fails the command and nothing is written.
// And convert with the engine alone, without its workbook formats plug-in.
#include "support/command_run.h"
#include "support/scratch_dir.h"
#include "test_paths.h"

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

// The engine without its workbook formats plug-in beside it: native and CSV
// sheets work as before; reading or writing a workbook fails with the reason
// and writes nothing.
TEST(SheetCommands, WorkbooksWithoutTheFormatsPlugIn) {
    if (!fs::exists(fs::path(ZRLSS_BIN_DIR) / "zrlss")) GTEST_SKIP() << "zrlss is not built";
    const fs::path dir = testsupport::scratchDir("noformats");
    fs::create_directories(dir / "lib");
    fs::copy_file(fs::path(ZRLSS_LIB_DIR) / "libzrlspread.so", dir / "lib" / "libzrlspread.so",
                  fs::copy_options::overwrite_existing);
    std::ofstream(dir / "in.csv") << "2,=A1*3\n";
    std::ofstream(dir / "in.xlsx") << "not read";
    const std::string engineAlone =
        "LD_LIBRARY_PATH='" + (dir / "lib").string() + "' " + ZRLSS_BIN_DIR;
    const struct {
        const char* in;
        const char* out;
        bool works;
    } jobs[] = {{"in.csv", "out.csv", true},
                {"in.csv", "out.vks", true},
                {"in.csv", "out.xlsx", false},
                {"in.csv", "out.ods", false},
                {"in.xlsx", "out.csv", false}};
    for (const auto& job : jobs) {
        SCOPED_TRACE(std::string(job.in) + " to " + job.out);
        fs::remove(dir / job.out);
        const testsupport::CommandRun r = testsupport::runZrlss(
            "--quiet convert '" + (dir / job.in).string() + "' '" + (dir / job.out).string() + "'",
            engineAlone);
        EXPECT_EQ(r.status, job.works ? 0 : 1) << r.out;
        EXPECT_EQ(fs::exists(dir / job.out), job.works);
        EXPECT_EQ(r.out.find("cannot load the workbook formats: ") != std::string::npos, !job.works)
            << r.out;
    }
}

} // namespace
