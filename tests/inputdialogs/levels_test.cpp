// The levels record's operations and what the levels dialog must never do:
// add a level under a refused name, or keep what it shows into a level it
// does not belong to.
#include "dialogs/dlg_levels.h"
#include "input_fixture.h"
#include "platform/core/number_text.h"

#include <cmath>
#include <limits>

namespace inputtest {
namespace {

VkLevelsDlgData building() {
    VkLevelsDlgData data;
    data.levels() = {{L"Ground", L"", 0}, {L"First", L"ground", 3600}, {L"Roof", L"First", 3000}};
    return data;
}

TEST(LevelsRecord, OperationsRefuseWhatWouldBreakTheLevels) {
    VkLevelsDlgData data = building();
    int index = -1;
    EXPECT_FALSE(data.deleteLevel(0)); // First refers to it (without case)
    EXPECT_FALSE(data.deleteLevel(3));
    EXPECT_FALSE(data.deleteLevel(-1));
    EXPECT_FALSE(data.addLevel(L"ROOF", index)); // taken, without case
    EXPECT_FALSE(data.addLevel(L"", index));
    EXPECT_FALSE(data.updateLevel(1, Zrl_String(L"FIRST"))); // its own name
    EXPECT_FALSE(data.updateLevel(5, 1.0));
    EXPECT_EQ(data, building());
    EXPECT_TRUE(data.addLevel(L"Parapet", index));
    EXPECT_EQ(index, 3);
    EXPECT_TRUE(data.deleteLevel(2));
    EXPECT_EQ(data.findLevel(L"parapet"), 2);
}

TEST(LevelsRecord, AbsoluteHeightsFollowReferences) {
    VkLevelsDlgData data = building();
    EXPECT_EQ(data.absoluteHeights(), (std::vector<double>{0, 3600, 6600}));
    // A loop ends after as many steps as there are levels; a reference to
    // no level counts 0.
    data.levels() = {{L"A", L"B", 1}, {L"B", L"A", 10}, {L"C", L"gone", 5}};
    EXPECT_EQ(data.absoluteHeights(), (std::vector<double>{1 + 10 + 1 + 10, 10 + 1 + 10 + 1, 5}));
    Zrl_String name, ref;
    double value = -1, absolute = -1;
    EXPECT_FALSE(data.getLevelData(3, name, ref, value, absolute));
    EXPECT_EQ(value, -1);
}

TEST(LevelsRecord, InitializeAndWriteBackThroughTheDrawing) {
    drawingLevels() = building().levels();
    VkLevelsDlgData data;
    ASSERT_TRUE(data.initialize(nullptr));
    EXPECT_EQ(data, building());
    data.updateLevel(2, 2800.0);
    EXPECT_EQ(drawingLevels()[2].value, 3000);
    data.setRealLevels();
    EXPECT_EQ(drawingLevels()[2].value, 2800);
    drawingLevels().clear();
}

TEST(FieldNumbers, ReadAsTheCLibraryWouldButSafely) {
    const struct {
        const wchar_t* text;
        double number;
        int count;
    } rows[] = {
        {L"12.5", 12.5, 12},
        {L"  -3e2mm", -300, -3},
        {L"abc", 0, 0},
        {L"", 0, 0},
        {L"nan", 0, 0},
        {L"inf", 0, 0},
        {L"-infinity", 0, 0},
        {L"1e999", 0, 1},
        {L"99999999999", 99999999999.0, std::numeric_limits<int>::max()},
        {L"-99999999999", -99999999999.0, std::numeric_limits<int>::min()},
        {L"x1", 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fieldDouble(row.text), row.number) << Zrl_String(row.text).toUtf8();
        EXPECT_EQ(fieldInt(row.text), row.count) << Zrl_String(row.text).toUtf8();
    }
}

using LevelsDialog = InputTest;

// A prompt block that enters `name` and confirms.
std::string asked(const std::string& name) {
    return "  dialog prompt\n    type 1001 \"" + name + "\"\n    click OK\n  end\n";
}

TEST_F(LevelsDialog, TwentyRefusedNamesAddNothing) {
    std::string script = "dialog \"Levels\"\n";
    for (int i = 0; i < 20; ++i)
        script += asked(i % 2 ? "Roof" : "wcs");
    script += "  click 1088\n  expect 1000 \"Ground\"\n  click OK\nend\n";
    VkLevelsDlgData data = building();
    bool ok = false;
    play(script, [&] { ok = StartDlgLevels(data); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(data, building());
    EXPECT_EQ(win::script().shown().messageBoxes.size(), 20u);
}

} // namespace
} // namespace inputtest
