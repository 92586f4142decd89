// zrlss dstv on a library folder of the test's own.
#include "support/command_run.h"
#include "workshop_fixture.h"

#include <nlohmann/json.hpp>

namespace workshop_test {
namespace {

class CmdDstv : public WorkshopTest {
protected:
    testsupport::CommandRun dstv(const std::string& args) {
        return testsupport::runZrlss("--lib '" + lib.string() + "' dstv " + args);
    }
};

TEST_F(CmdDstv, WriteThenShowRoundTrips) {
    const std::string points =
        R"({"group": "G", "points": [{"name": "Corner", "extent": true, "side1": 1, "side2": 3,)"
        R"( "intersection": false, "middle": true, "startSide": 0, "viewPlate": 2,)"
        R"( "markPlate": 4, "minDistance": 12.5, "drill": true, "thicknessBased": false,)"
        R"( "holeSize": 0.1}]})";
    ASSERT_TRUE(writeFileAtomically(lib / "points.json", points));
    auto r = dstv("write Holes '" + (lib / "points.json").string() + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    r = dstv("show holes --json");
    ASSERT_EQ(r.status, 0) << r.out;
    nlohmann::json shown = nlohmann::json::parse(r.out);
    nlohmann::json given = nlohmann::json::parse(points);
    given["group"] = "Holes";
    EXPECT_EQ(shown, given);

    r = dstv("show Holes");
    EXPECT_EQ(r.out.substr(r.out.find('\n') + 1), "Corner\t1\t1\t3\t0\t1\t0\t2\t4\t12.5\t1\t0\t0.1\n");
    r = dstv("check '" + groupFile("Holes").string() + "'");
    EXPECT_EQ(r.out, groupFile("Holes").string() + ": 1 points\n");
}

TEST_F(CmdDstv, ListAddRemoveAndUse) {
    EXPECT_EQ(dstv("add Beta").status, 0);
    EXPECT_EQ(dstv("add alpha").status, 0);
    EXPECT_EQ(dstv("use BETA").status, 0);
    EXPECT_EQ(dstv("list").out, "  alpha\n* Beta\n");
    EXPECT_EQ(nlohmann::json::parse(dstv("list --json").out),
              nlohmann::json::parse(R"({"groups": ["alpha", "Beta"], "standard": "Beta"})"));
    EXPECT_EQ(dstv("remove Alpha").status, 0);
    EXPECT_EQ(dstv("list").out, "* Beta\n");
}

TEST_F(CmdDstv, FailuresWriteNothingAndSayWhyOnOneLine) {
    writeGroupFile("Taken", "");
    writeGroupFile("Bad", "DSTV points 1\nP\t1\t0\t2\n");
    ASSERT_TRUE(writeFileAtomically(lib / "bad.json", R"({"points": [{"side1": 7}]})"));
    const std::string badFile = groupFile("Bad").string();
    const struct {
        std::string args;
        std::string message;
    } rows[] = {
        {"add taken", "zrlss dstv: a group taken exists already\n"},
        {"add '..\\..\\x'", "zrlss dstv: not a valid group name: \"..\\..\\x\"\n"},
        {"remove Missing", "zrlss dstv: no group Missing\n"},
        {"check '" + badFile + "'", "zrlss dstv: " + badFile + ": line 2: expected 13 cells, found 4\n"},
        {"show Bad", "zrlss dstv: " + badFile + ": line 2: expected 13 cells, found 4\n"},
        {"write New '" + (lib / "bad.json").string() + "'",
         "zrlss dstv: " + (lib / "bad.json").string() + ": points[0].side1: expected 0 to 3\n"},
        {"frobnicate", "zrlss dstv: unknown action frobnicate (list, show, add, remove, use, "
                       "write, check)\n"},
    };
    for (const auto& row : rows) {
        const auto r = dstv(row.args);
        EXPECT_EQ(r.status, 1) << row.args;
        EXPECT_EQ(r.out, row.message) << row.args;
    }
    EXPECT_EQ(groups(), (Zrl_StringArray{L"Bad", L"Taken"}));
}

} // namespace
} // namespace workshop_test
