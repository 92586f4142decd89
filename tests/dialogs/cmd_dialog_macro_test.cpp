// zrlss dialog macro end to end: the sample record with a property-list
// folder of its own, a script that edits, saves and closes; the record back
// holds the edited value, the drawing's macro changed and the list exists.
#include "support/command_run.h"
#include "test_paths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CmdDialogMacro : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(ZRLSS_BIN_DIR) / "zrlss") ||
            !fs::exists(fs::path(ZRLSS_LIB_DIR) / "libzrlss_dialogs.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        dir = fs::temp_directory_path() / ("zrlss-cmd-dialog-macro-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "lists");
        const fs::path examples = fs::path(ZRLSS_EXAMPLE_LIBRARY).parent_path();
        fs::copy(examples / "library" / "Property Lists" / "End Plate", dir / "lists");
        nlohmann::json record =
            nlohmann::json::parse(readAll(examples / "dialogs" / "macro@end-plate.json"));
        record["dialog"]["propertyLists"]["folder"] = "lists/";
        std::ofstream(dir / "record.json") << record.dump(2);
    }
    void TearDown() override {
        if (!dir.empty()) fs::remove_all(dir);
    }
    testsupport::CommandRun run(const std::string& script) {
        std::ofstream(dir / "script.txt") << script;
        return testsupport::runZrlss("dialog macro --in record.json --script script.txt --out out.json",
                                     "cd '" + dir.string() + "' && " ZRLSS_BIN_DIR,
                                     (dir / "err.txt").string());
    }
    fs::path dir;
};

} // namespace

TEST_F(CmdDialogMacro, EditsTheMacroAndWritesTheList) {
    const auto r = run("dialog macro\n"
                       "  cell 1001 2 1 \"220\"\n"
                       "  click 1302\n"
                       "  dialog open-save\n"
                       "    type 1043 \"Mine\"\n"
                       "    click OK\n"
                       "  end\n"
                       "  click OK\n"
                       "end\n");
    ASSERT_EQ(r.status, 0) << readAll(dir / "err.txt");
    const nlohmann::json out = nlohmann::json::parse(readAll(dir / "out.json"));
    EXPECT_EQ(out["dialog"]["tabs"][0]["values"][0]["value"], "220");
    EXPECT_EQ(out["dialog"]["drawing"][0]["tabs"][0]["values"][0]["value"], "220");
    EXPECT_NE(readAll(dir / "lists" / "Mine.mpl").find("Plate/value/Height\ts\t220"),
              std::string::npos);
}

TEST_F(CmdDialogMacro, TheSampleLoadsTheStandardListAndLeavesNoListBehind) {
    const fs::path examples = fs::path(ZRLSS_EXAMPLE_LIBRARY).parent_path();
    const auto r = run(readAll(examples / "dialogs" / "macro@end-plate.txt"));
    ASSERT_EQ(r.status, 0) << readAll(dir / "err.txt");
    const nlohmann::json out = nlohmann::json::parse(readAll(dir / "out.json"));
    const nlohmann::json& bolts = out["dialog"]["drawing"][0]["tabs"][1];
    EXPECT_EQ(bolts["values"][0]["value"], "45");
    EXPECT_EQ(bolts["boltData"]["assembly"], "10.9");
    EXPECT_FALSE(fs::exists(dir / "lists" / "Sample run.mpl"));
    EXPECT_TRUE(fs::exists(dir / "lists" / "Standard.mpl"));
}
