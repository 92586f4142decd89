// The zrlss evaluate command: a mode-1 run from the shell, its JSON form,
// its timing report and its one-line failures. Skipped when the command has
// not been built.
#include "eval_fixture.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

using namespace evaltest;

namespace {

struct Result {
    int status = -1;
    std::string out;
};

// Runs the command with `args`; standard error goes to `errFile`.
Result runCommand(const std::string& args, const std::filesystem::path& errFile) {
    const std::string cmd =
        std::string(ZRLSS_BIN_DIR) + "/zrlss " + args + " 2>" + errFile.string();
    Result r;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr) return r;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), static_cast<int>(buf.size()), pipe) != nullptr)
        r.out += buf.data();
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

class CmdEvaluate : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        if (!std::filesystem::exists(std::string(ZRLSS_BIN_DIR) + "/zrlss") ||
            !std::filesystem::exists(std::string(ZRLSS_LIB_DIR) + "/libzrlss.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        sheet("area", {{1, 1, L"Input"},
                       {1, 2, L"Double Height"},
                       {2, 2, L"Double Width"},
                       {1, 3, L"Output"},
                       {1, 4, L"Double Area"},
                       {2, 4, L"String Text"},
                       {1, 5, L"Local"},
                       {1, 6, L"Double Half"},
                       {1, 7, L"Calc"},
                       {1, 8, L"Half = Height / 2"},
                       {1, 9, L"Area = Half * Width"},
                       {1, 10, L"Text = \"A=\" & Area"}});
        lib = "--lib " + lib_.string() + " ";
        err = lib_ / "stderr.txt";
    }
    std::string lib;
    std::filesystem::path err;
};

TEST_F(CmdEvaluate, PrintsEveryOutput) {
    Result r = runCommand(lib + "evaluate area --set Height=10 --set width=3", err);
    EXPECT_EQ(r.status, 0) << readAll(err);
    EXPECT_EQ(r.out, "Area=15\nText=A=15\n");
    r = runCommand(lib + "evaluate area --set Height=4 --set Width=2 --json --repeat 3", err);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\n  \"outputs\": {\n    \"Area\": \"4\",\n    \"Text\": \"A=4\"\n  }\n}\n");
    const std::string report = readAll(err);
    EXPECT_NE(report.find("runs: 3"), std::string::npos);
    EXPECT_NE(report.find("gLoadFile: 3 calls"), std::string::npos);
}

TEST_F(CmdEvaluate, FailuresGiveOneLineAndNonZeroStatus) {
    Result r = runCommand(lib + "evaluate nosuch", err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: sheet not found: nosuch\n");
    r = runCommand(lib + "evaluate area --set Depth=1", err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: the sheet has no input named Depth\n");
    EXPECT_TRUE(r.out.empty());
}
