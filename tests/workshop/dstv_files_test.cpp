// DSTV point group files: the format, all-or-nothing reading, names, the
// standard group and the refusals of the command's JSON.
#include "platform/core/record_json.h"
#include "platform/core/record_workshop.h"
#include "workshop_fixture.h"

#include <limits>

namespace workshop_test {
namespace {

using DstvFiles = WorkshopTest;

Zrl_DstvPointInfo sample(const wchar_t* name) {
    Zrl_DstvPointInfo p(name);
    p.setSelectGeomExtent(false, kDstvSideBack, kDstvSideBottom);
    p.setSelectIntersGeom(true, false, kDstvSideTop);
    p.setPlateSelection(3, 4, 0.1);
    p.setDrillFullHole(true, true, 17.25);
    return p;
}

TEST_F(DstvFiles, WrittenGroupsReadBackExactly) {
    Zrl_DstvPointList points;
    points.append(sample(L"Tab\there, back\\slash"));
    points.append(Zrl_DstvPointInfo(L"Default"));
    points.append(Zrl_DstvPointInfo(L""));
    ASSERT_TRUE(DlgDstvPoints::writeToFile(L"Group A", points));
    EXPECT_EQ(readBytes(groupFile("Group A")).substr(0, 14), "DSTV points 1\n");

    Zrl_DstvPointList read;
    ASSERT_TRUE(DlgDstvPoints::readFromFile(L"group a", read)); // names ignore case
    ASSERT_EQ(read.length(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(read[i] == points[i]) << i;

    // A file without lines is an empty group; so is a header alone.
    writeGroupFile("Empty", "");
    ASSERT_TRUE(DlgDstvPoints::readFromFile(L"Empty", read));
    EXPECT_EQ(read.length(), 0);

    // A number that could not be read back is never written.
    points[0].setDrillFullHole(true, false, std::numeric_limits<double>::infinity());
    const std::string before = readBytes(groupFile("Group A"));
    EXPECT_FALSE(DlgDstvPoints::writeToFile(L"Group A", points));
    EXPECT_EQ(readBytes(groupFile("Group A")), before);
}

TEST_F(DstvFiles, DamagedFilesAreRefusedWholeWithTheirLine) {
    const std::string good = "P\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n";
    const struct {
        std::string body;
        const char* error;
    } rows[] = {
        {"DSTV points 2\n", "line 1: not a DSTV points file (expected \"DSTV points 1\")"},
        {"DSTV points 1\n" + good + "P\t1\t0\t2\n", "line 3: expected 13 cells, found 4"},
        {"DSTV points 1\n" + good + "\n", "line 3: expected 13 cells, found 0"},
        {"DSTV points 1\nP\t2\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: extent flag: expected 0 or 1"},
        {"DSTV points 1\nP\t1\t4\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: side 1: expected 0 to 3"},
        {"DSTV points 1\nP\t1\t0\t-1\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: side 2: expected 0 to 3"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t7\t0\t0\t50\t0\t0\t16\n", "line 2: start side: expected 0 to 3"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t5\t0\t50\t0\t0\t16\n", "line 2: view plate: expected 0 to 4"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t01\t50\t0\t0\t16\n", "line 2: mark plate: expected 0 to 4"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t0\t5x\t0\t0\t16\n", "line 2: minimum distance: expected a finite number"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t0\tinf\t0\t0\t16\n", "line 2: minimum distance: expected a finite number"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\tnan\n", "line 2: hole size: expected a finite number"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t1e999\n", "line 2: hole size: expected a finite number"},
        {"DSTV points 1\nP\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\tyes\t16\n", "line 2: thickness-based flag: expected 0 or 1"},
    };
    for (const auto& row : rows) {
        writeGroupFile("Bad", row.body);
        Zrl_DstvPointList points;
        points.append(Zrl_DstvPointInfo(L"kept"));
        DstvReadError error;
        EXPECT_FALSE(DlgDstvPoints::readFromFile(L"Bad", points, &error)) << row.error;
        EXPECT_EQ(error.text().toUtf8(), row.error);
        ASSERT_EQ(points.length(), 1);
        EXPECT_EQ(points[0].name(), L"kept");
    }
    DstvReadError error;
    Zrl_DstvPointList points;
    EXPECT_FALSE(DlgDstvPoints::readFromFile(L"Missing", points, &error));
    EXPECT_EQ(error.text(), L"cannot be read");
}

TEST_F(DstvFiles, GroupNamesMustBeFileNames) {
    const struct {
        const wchar_t* name;
        bool valid;
    } rows[] = {
        {L"Weld points", true}, {L"Gr.oep-1", true},  {L"", false},       {L"   ", false},
        {L"..\\..\\x", false},  {L"a/b", false},      {L"a:b", false},    {L"..", false},
        {L"name.", false},      {L"name ", false},    {L"CON", false},    {L"nul.txt", false},
        {L"com1", false},       {L"LPT9", false},     {L"COM10", true},   {L"tab\there", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(isValidDstvGroupName(row.name), row.valid) << Zrl_String(row.name).toUtf8();
    // Nothing is written outside the folder.
    EXPECT_FALSE(DlgDstvPoints::writeToFile(L"..\\outside", Zrl_DstvPointList()));
    EXPECT_FALSE(fs::exists(lib / "outside.dat"));
}

TEST_F(DstvFiles, GroupsListInNaturalOrderWithTheStandardKept) {
    for (const char* name : {"Group10", "group2", "Alpha"})
        writeGroupFile(name, "");
    writeGroupFile("notes", "");
    fs::rename(groupFile("notes"), lib / "DSTV Points" / "notes.txt");
    EXPECT_EQ(groups(), (Zrl_StringArray{L"Alpha", L"group2", L"Group10"}));

    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(L"group2"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"group2");
    EXPECT_EQ(groups().length(), 3); // Standard.txt is no group

    // No folder yet: no groups, and a write makes the folder.
    fs::remove_all(lib / "DSTV Points");
    EXPECT_EQ(groups().length(), 0);
    EXPECT_TRUE(DlgDstvPoints::writeToFile(L"New", Zrl_DstvPointList()));
    EXPECT_EQ(groups(), (Zrl_StringArray{L"New"}));
}

// The round trip runs through the command's tests (write, then show --json).
TEST(DstvJson, PointsAreCheckedWhole) {
    const struct {
        const char* json;
        const char* error;
    } rows[] = {
        {R"({"points": [{"side1": 4}]})", "points[0].side1: expected 0 to 3"},
        {R"({"points": [{"viewPlate": -1}]})", "points[0].viewPlate: expected 0 to 4"},
        {R"({"points": [{"name": "a"}, {"drill": 1}]})", "points[1].drill: expected true or false"},
        {R"({"points": [{"hole": 1}]})", "points[0].hole: unknown field"},
        {R"({"group": "G", "extra": 1})", "extra: unknown field"},
    };
    for (const auto& row : rows) {
        Zrl_String group;
        Zrl_DstvPointList read;
        read.append(Zrl_DstvPointInfo(L"kept"));
        std::string error;
        EXPECT_FALSE(readDstvPointsJson(nlohmann::json::parse(row.json), group, read, error));
        EXPECT_EQ(error, row.error) << row.json;
        EXPECT_EQ(read.length(), 1); // unchanged
    }
}

} // namespace
} // namespace workshop_test
