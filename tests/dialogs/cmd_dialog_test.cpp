// The zrlss dialog command: its exit statuses and one-line reasons, and
// --out, which only a successful run writes. Skipped when the command has
// not been built.
#include "platform/host/module_exports.h"
#include "platform/win/bitmap.h"
#include "support/command_run.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include "support/scratch_dir.h"
#include "test_paths.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

class CmdDialog : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(ZRLSS_BIN_DIR) / "zrlss") ||
            !fs::exists(fs::path(ZRLSS_LIB_DIR) / "libzrlss_dialogs.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        dir = testsupport::scratchDir("zrlss-cmd-dialog");
        writeFile(dir / "good.json", R"({"drawing": [{"name": "A", "value": "1"}]})");
        writeFile(dir / "ok.txt", "dialog next\n  click OK\nend\n");
    }
    void TearDown() override { fs::remove_all(dir); }

    testsupport::CommandRun run(const std::string& args) {
        return testsupport::runZrlss("dialog " + args, ZRLSS_BIN_DIR, (dir / "err.txt").string());
    }
    std::string path(const char* name) const { return "'" + (dir / name).string() + "'"; }
    std::string error() const { return readAll(dir / "err.txt"); }

    fs::path dir;
};

TEST_F(CmdDialog, FailuresLeaveOutUntouched) {
    writeFile(dir / "bad.json", R"({"drawing": [{"name": 5}]})");
    writeFile(dir / "broken.json", R"({"drawing": [)");
    writeFile(dir / "bad.txt", "dialog next\n  press OK\nend\n");
    writeFile(dir / "check.txt", "dialog next\n  expect-disabled 1003\nend\n");
    const struct {
        std::string args;
        int status;
        std::string error;
    } cases[] = {
        {"nosuch", 1, "zrlss dialog: no dialog named \"nosuch\"\n"},
        {"genvars --in " + path("bad.json"), 1, "zrlss dialog: drawing[0].name: expected a text\n"},
        {"genvars --in " + path("broken.json"), 1, ""},
        {"genvars --in " + path("missing.json"), 1, ""},
        {"genvars --script " + path("bad.txt"), 2,
         "zrlss dialog: line 2: unknown action \"press\"\n"},
        {"genvars --script " + path("check.txt"), 3, ""},
        {"genvars --sheet " + path("good.json"), 1,
         "zrlss dialog: --sheet: this dialog works on no sheet\n"},
        {"genvars --png " + path("p.png") + " --scale 9", 1,
         "zrlss dialog: --scale: a whole number from 1 to 4\n"},
        {"genvars --png " + path("no/such/folder/p.png"), 3, ""},
    };
    for (const auto& c : cases) {
        writeFile(dir / "out.json", "untouched");
        const auto r = run(c.args + " --out " + path("out.json"));
        EXPECT_EQ(r.status, c.status) << c.args << ": " << error();
        if (!c.error.empty()) {
            EXPECT_EQ(error(), c.error) << c.args;
        }
        const std::string reason = error();
        EXPECT_EQ(std::count(reason.begin(), reason.end(), '\n'), 1) << c.args << ": " << reason;
        EXPECT_EQ(readAll(dir / "out.json"), "untouched") << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args << ": " << r.out;
    }
}

// Every dialog of --list gets its picture, with no button text cut; --scale
// multiplies its size.
TEST_F(CmdDialog, AllPngDrawsEveryDialog) {
    auto r = run("--all-png " + path("pictures"));
    ASSERT_EQ(r.status, 0) << error();
    EXPECT_EQ(error(), "") << "a push button too narrow for its text";
    const auto list = run("--list");
    const size_t dialogs = static_cast<size_t>(std::count(list.out.begin(), list.out.end(), '\n'));
    EXPECT_EQ(static_cast<size_t>(std::count(r.out.begin(), r.out.end(), '\n')), dialogs);
    auto size = [](const std::string& png) {
        const std::string bytes = readAll(png);
        const auto b = win::Bitmap::fromBytes({bytes.begin(), bytes.end()});
        return b ? b->size() : win::Size{};
    };
    const win::Size one = size((dir / "pictures" / "levels.png").string());
    EXPECT_GT(one.cx, 100);
    r = run("levels --png " + path("levels2.png") + " --scale 2");
    ASSERT_EQ(r.status, 0) << error();
    EXPECT_EQ(size((dir / "levels2.png").string()), (win::Size{one.cx * 2, one.cy * 2}));
}

TEST_F(CmdDialog, SuccessPrintsResultAndRecordOrWritesOut) {
    auto r = run("genvars --in " + path("good.json") + " --script " + path("ok.txt"));
    ASSERT_EQ(r.status, 0) << error();
    EXPECT_EQ(r.out.substr(0, 13), "result: true\n");
    EXPECT_NE(r.out.find("\"name\": \"A\""), std::string::npos) << r.out;

    r = run("genvars --in " + path("good.json") + " --out " + path("out.json"));
    ASSERT_EQ(r.status, 0) << error();
    EXPECT_EQ(r.out, "result: false\n");
    EXPECT_NE(readAll(dir / "out.json").find("\"value\": \"1\""), std::string::npos);

    r = run("genvars --json --script - < " + path("ok.txt"));
    ASSERT_EQ(r.status, 0) << error();
    EXPECT_NE(r.out.find("\"shown\": [\n    {\n      \"dialog\": \"Automatic standards\""),
              std::string::npos)
        << r.out;
}

// Every sample of examples/dialogs runs to its end from its own folder; a
// script line "# options: ..." gives the options it needs besides the two
// files.
TEST_F(CmdDialog, EverySampleRunsToItsEnd) {
    const fs::path samples = fs::path(ZRLSS_EXAMPLE_LIBRARY).parent_path() / "dialogs";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(samples)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string stem = entry.path().stem().string();
        const std::string script = readAll(entry.path());
        std::string options;
        if (const size_t at = script.find("# options: "); at != std::string::npos)
            options = script.substr(at + 11, script.find('\n', at) - at - 11);
        const std::string args = "dialog " + stem.substr(0, stem.find('@')) + " --in '" + stem +
                                 ".json' --script '" + stem + ".txt' " + options;
        const auto r = testsupport::runZrlss(
            args, "cd '" + samples.string() + "' && " ZRLSS_BIN_DIR, (dir / "err.txt").string());
        EXPECT_EQ(r.status, 0) << args << ": " << error();
        ++count;
    }
    EXPECT_GE(count, 5);
}

// The dialogs library carries the whole module, yet lets out only the host's
// entry protocol and the driver's entry.
TEST_F(CmdDialog, DialogsLibraryExportsOnlyItsEntries) {
    std::string error;
    std::vector<std::string> names =
        host::listModuleExports((fs::path(ZRLSS_LIB_DIR) / "libzrlss_dialogs.so").string(), error);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"DllMain", "acrxEntryPoint", "acrxGetApiVersion",
                                               "zrlssFreeReply", "zrlssRunDialog"}))
        << error;
}

TEST_F(CmdDialog, ListNamesEveryDialogWithItsStarter) {
    const auto r = run("--list");
    ASSERT_EQ(r.status, 0) << error();
    for (const char* line :
         {"genvars            StartDlgGenVars: ", "formulas           ReadSSFile: ", "sheet-size ",
          "find-replace ", "formulas-evaluate "})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
}

} // namespace
