// zrlss template, run as a command on a copy of the example library's
// templates. Skipped when the command is not built.
#include "support/command_run.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include "support/scratch_dir.h"
#include "test_paths.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CmdTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(ZRLSS_BIN_DIR) / "zrlss") ||
            !fs::exists(fs::path(ZRLSS_LIB_DIR) / "libzrlss_dialogs.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        lib = testsupport::scratchDir("zrlss-cmd-template");
        fs::copy(fs::path(ZRLSS_EXAMPLE_LIBRARY) / "Dialog Templates", lib / "Dialog Templates",
                 fs::copy_options::recursive);
        root = lib / "Dialog Templates" / "Dialog Design";
    }
    void TearDown() override {
        if (!lib.empty()) fs::remove_all(lib);
    }
    testsupport::CommandRun run(const std::string& args) {
        return testsupport::runZrlss("--lib '" + lib.string() + "' " + args, ZRLSS_BIN_DIR,
                                     (lib / "err.txt").string());
    }
    std::string error() const { return readAll(lib / "err.txt"); }
    std::string quoted(const fs::path& p) const { return "'" + p.string() + "'"; }

    fs::path lib;
    fs::path root;
};

TEST_F(CmdTemplate, ListsShowsAndChecksTheExamples) {
    auto r = run("template --list");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Bases\\Base Plate\nEnd Plate\n");

    r = run("template 'Bases/Base Plate' --names");
    EXPECT_EQ(r.out, "PlateWidth\nPlateLength\nPlateThickness\nAnchorDiameter\n");
    r = run("template 'End Plate' --check");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "ok: 15 controls\n");

    r = run("template 'End Plate'");
    ASSERT_EQ(r.status, 0);
    // Index, type, pixels, tab order, contents, list.
    EXPECT_NE(r.out.find("1\t2\t150,288,210,300\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\tFlush\tEnds;Flush end plate;1;\n"), std::string::npos);

    ASSERT_EQ(run("template 'End Plate' --render " + quoted(lib / "out.bmp")).status, 0);
    EXPECT_TRUE(fs::exists(lib / "out.bmp"));
}

TEST_F(CmdTemplate, JsonRoundTripsThroughFromJson) {
    auto r = run("template 'End Plate' --json");
    ASSERT_EQ(r.status, 0);
    const auto original = nlohmann::json::parse(r.out);
    EXPECT_EQ(original["picture"]["width"], 400);
    std::ofstream(lib / "plate.json") << r.out;
    r = run("template 'Sub/Copy' --from-json " + quoted(lib / "plate.json") + " --picture " +
            quoted(root / "End Plate.bmp"));
    ASSERT_EQ(r.status, 0) << error();
    r = run("template 'Sub\\Copy' --json");
    auto copy = nlohmann::json::parse(r.out);
    EXPECT_EQ(copy["controls"], original["controls"]);
    EXPECT_EQ(copy["picture"], original["picture"]);
}

TEST_F(CmdTemplate, FailuresSayWhyAndWriteNothing) {
    std::ofstream(lib / "bad.json") << R"({"controls": [{"type": "x"}]})";
    std::ofstream(root / "Broken.txt") << "no template here\n";
    std::ofstream(root / "Hollow.txt") << "nrOfControls\ti\t100000\n";
    std::ofstream(root / "Odd.txt") << "nrOfControls\ti\t2\ntype0\ti\t44\ntype1\ti\t2\n"
                                       "topLeftX1\td\t0.5\ntopLeftY1\td\t0.5\n"
                                       "bottomRightX1\td\t0.2\nbottomRightY1\td\t0.9\n";
    const struct {
        std::string args;
        std::string expected; // a part of the output or the error
    } cases[] = {
        {"template Nope", "zrlss template: no such template"},
        {"template Broken", "zrlss template: unreadable template"},
        {"template " + quoted(lib / "x.txt"), "not under the designer folder"},
        {"template New --from-json " + quoted(lib / "bad.json"), "controls[0].type"},
        {"template New --from-json " + quoted(lib / "missing.json"), "cannot read"},
        {"template New --from-json " + quoted(lib / "bad.json") + " --picture " +
             quoted(lib / "bad.json"),
         "--picture: not a readable picture"},
        {"template Broken --check", "unreadable"},
        {"template Hollow --check", "100000 controls declared, 1 entries held"},
        {"template Odd --check", "control 0: unknown type 44"},
        {"template Odd --check", "control 1: inverted rectangle"},
        {"template Odd --check", "control 0: missing topLeftX"},
        {"template Odd --check", "no picture beside the template"},
        {"template Odd --render " + quoted(lib / "odd.bmp"), "has no picture"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE((r.out + error()).find(c.expected), std::string::npos) << r.out << error();
    }
    EXPECT_FALSE(fs::exists(root / "New.txt"));
    EXPECT_FALSE(fs::exists(lib / "odd.bmp"));
}

} // namespace
