// The zrlss mapping command on a copy of the example library: the mapping
// under a key, a change saved under a new key that an evaluation then uses,
// and its one-line failures. Skipped when the command has not been built.
#include "eval_fixture.h"
#include "support/command_run.h"
#include "test_paths.h"

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CmdMapping : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(std::string(ZRLSS_BIN_DIR) + "/zrlss") ||
            !fs::exists(std::string(ZRLSS_LIB_DIR) + "/libzrlss.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        lib_ = testsupport::scratchDir("zrlss-cmdmap");
        fs::copy(ZRLSS_EXAMPLE_LIBRARY, lib_, fs::copy_options::recursive);
        macro_ = "'" + (lib_ / "Macros" / "End Plate.json").string() + "'";
        base_ = "--lib '" + lib_.string() + "' mapping 'End Plate' --macro " + macro_ + " ";
    }
    void TearDown() override {
        std::error_code ec;
        if (!lib_.empty()) fs::remove_all(lib_, ec);
    }
    testsupport::CommandRun run(const std::string& args) {
        return testsupport::runZrlss(args, ZRLSS_BIN_DIR, (lib_ / "err.txt").string());
    }
    fs::path mapFile() const { return lib_ / "Connection Standards" / "End Plate.map"; }

    fs::path lib_;
    std::string macro_, base_;
};

TEST_F(CmdMapping, ShowsChangesAndTheEvaluationUsesTheNewKey) {
    auto r = run(base_ + "--key EndPlateFlushDefault0001");
    ASSERT_EQ(r.status, 0) << readAll(lib_ / "err.txt");
    EXPECT_EQ(r.out.rfind("Input String Beam = Prof0.PrPlName\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Output Double PlateWidth = EndPlate.Width\n"), std::string::npos);
    EXPECT_NE(r.out.find("Output String BoltRows = EndPlate.Pattern1.PatternNrBolts1\n"),
              std::string::npos);

    r = run(base_ + "--key EndPlateFlushDefault0001 --candidates BoltRows");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("EndPlate.Pattern1.PatternNrBolts1\n"), std::string::npos);
    EXPECT_EQ(r.out.find("EndPlate.Width\n"), std::string::npos); // a Double

    // Nothing to change: the key stays and the file is not touched.
    const std::string before = readAll(mapFile());
    r = run(base_ + "--key EndPlateFlushDefault0001 --set PlateWidth=EndPlate.Width");
    EXPECT_EQ(r.out, "key=EndPlateFlushDefault0001 unchanged\n");

    const fs::path out = lib_ / "changed.json";
    r = run(base_ + "--key EndPlateFlushDefault0001 --set PlateWidth=EndPlate.BoltGrade --write '" +
            out.string() + "'");
    ASSERT_EQ(r.status, 0) << readAll(lib_ / "err.txt");
    ASSERT_EQ(r.out.size(), 4 + 24 + 1) << r.out;
    const std::string key = r.out.substr(4, 24);
    EXPECT_EQ(readAll(mapFile()).substr(0, before.size()), before);
    const auto saved = nlohmann::json::parse(readAll(out));
    EXPECT_EQ(saved["standards"][0]["key"], key);

    // The evaluation under the new key writes PlateWidth into the bolt grade.
    const fs::path evaluated = lib_ / "evaluated.json";
    r = run("--lib '" + lib_.string() + "' evaluate 'End Plate' --macro '" + out.string() +
            "' --key " + key + " --write '" + evaluated.string() + "'");
    ASSERT_EQ(r.status, 0) << readAll(lib_ / "err.txt");
    const size_t at = r.out.find("PlateWidth=");
    ASSERT_NE(at, std::string::npos) << r.out;
    const double width = std::stod(r.out.substr(at + 11));
    double grade = -1;
    const auto written = nlohmann::json::parse(readAll(evaluated));
    for (const auto& v : written["modules"][0]["dialogVariables"])
        if (v["name"] == "BoltGrade") grade = v["value"];
    EXPECT_DOUBLE_EQ(grade, width);
}

TEST_F(CmdMapping, EachFailureExitsOneWithOneLine) {
    fs::create_directories(lib_ / "Connection Standards" / "Locked.map");
    fs::copy_file(lib_ / "Connection Standards" / "End Plate.vks",
                  lib_ / "Connection Standards" / "Locked.vks");
    const std::string key = " --key EndPlateFlushDefault0001";
    const std::string tail = " --macro " + macro_ + key;
    const std::string lib = "--lib '" + lib_.string() + "' mapping ";
    const struct {
        std::string args, reason;
    } cases[] = {
        {lib + "Missing" + tail, "sheet not found"},
        {lib + "'End Plate' --macro nowhere.json" + key, "cannot read nowhere.json"},
        {lib + "'End Plate'" + tail + " --candidates Nobody", "no input or output named Nobody"},
        {lib + "'End Plate'" + tail + " --set PlateWidth=Nowhere.Width", "is not offered"},
        {lib + "'End Plate'" + tail + " --set BoltRows=EndPlate.Width", "is not offered"},
        {lib + "'End Plate' --macro " + macro_ + " --key Module.EndPlate", "module-group"},
        {lib + "Locked" + tail + " --set PlateWidth=EndPlate.Height", "cannot write"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        const std::string err = readAll(lib_ / "err.txt");
        EXPECT_NE(err.find(c.reason), std::string::npos) << c.args << "\n" << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_TRUE(fs::is_directory(lib_ / "Connection Standards" / "Locked.map"));
}

} // namespace
