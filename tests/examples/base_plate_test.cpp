// The column base plate of the example library, driven through a module
// group: its names say which part of the group they mean.
#include "example_fixture.h"

using namespace examples;

namespace {

const std::vector<Given> kOutputs = outputsOf(
    {L"Length", L"Width", L"Thickness", L"AnchorSpacing", L"AnchorGauge", L"Anchor.HoleOffset",
     L"Anchors.NrBolts1", L"Anchors.NrBolts2", L"gen.BearingUtilisation"},
    {L"Anchors.NrBolts1", L"Anchors.NrBolts2"});

std::vector<Given> inputs(const wchar_t* column, const wchar_t* material, const wchar_t* load,
                          const wchar_t* fck, const wchar_t* anchor) {
    return {{L"Column.Name", column, VkValueString},
            {L"BasePlate.Material", material, VkValueString},
            {L"gen.AxialLoad", load},
            {L"Fck", fck},
            {L"Anchor.Diameter", anchor}};
}

} // namespace

class BasePlate : public ExampleTest {};

TEST_F(BasePlate, Heb240Carrying1200kN) {
    ASSERT_TRUE(
        runList(L"Base Plate", inputs(L"HEB 240", L"S235", L"1200", L"25", L"24"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // fjd = 2/3 x 25 = 16.67. Outline of HEB 240 (h 240, b 240, tw 10, tf 17):
    // 240 x 240 - 230 x 206 = 10220 mm2, growing by 2 (480 + 480 - 10 - 34) = 1832 per mm.
    // Reach needed (1200000 / 16.67 - 10220) / 1832 = 33.7; thickness 33.7 x sqrt(3 x 16.67 /
    // 235) = 15.6, at least tf 17 -> 20.
    expectOutputs({
        {L"Thickness", 20},
        // M24 in 6 mm oversize holes: d0 30, edge ceil5(45) = 45, face clearance ceil5(36) = 40.
        {L"Anchor.HoleOffset", 6},
        {L"Length", 410},        // 240 + 2 (40 + 45)
        {L"Width", 310},         // ceil10(240 + 2 x 33.7)
        {L"AnchorSpacing", 320}, // 410 - 90
        {L"AnchorGauge", 220},   // 310 - 90
        // Reach of 20 mm plate 43.4, cut to the plate's side (310 - 240) / 2 = 35:
        // 16.67 x (10220 + 1832 x 35) = 1239 kN; 1200 / 1239 = 0.968.
        {L"gen.BearingUtilisation", 0.97},
    });
    EXPECT_EQ(text(L"Anchors.NrBolts1"), L"2");
    EXPECT_EQ(text(L"Anchors.NrBolts2"), L"2");
}

TEST_F(BasePlate, LightlyLoadedHea200KeepsTheSmallestPlate) {
    ASSERT_TRUE(runList(L"Base Plate", inputs(L"HEA200", L"S355", L"300", L"30", L"20"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // fjd 20; outline 200 x 190 - 193.5 x 170 = 5105, growth 1507 per mm; reach needed
    // (15000 - 5105) / 1507 = 6.6, thickness 2.7: the flange's 10 mm decide.
    expectOutputs({
        {L"Thickness", 10},
        // M20: oversize 4, d0 24, edge ceil5(36) = 40, face clearance 30.
        {L"Length", 330}, // 190 + 2 (30 + 40)
        {L"Width", 240},  // 200 + 2 x 20 at least
        {L"AnchorSpacing", 250},
        {L"AnchorGauge", 160},
        // Reach 10 x sqrt(355 / 60) = 24.3, cut to 20: 20 x (5105 + 1507 x 20) = 704.9 kN.
        {L"gen.BearingUtilisation", 0.43}, // 300 / 704.9
    });
}

TEST_F(BasePlate, MacroGroupTakesTheResultsByTheirNames) {
    ASSERT_TRUE(runMacro(L"Base Plate", L"Base Plate.json", L"Module.BasePlate"));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // The macro is the first case: column placement HEB 240, plate placement S235,
    // gen_AxialLoad 1200, Fck 25, anchors M24 from the group's bolt data.
    expectDialog(L"Plate", {{L"Length", 410},
                            {L"Width", 310},
                            {L"Thickness", 20},
                            {L"AnchorSpacing", 320},
                            {L"AnchorGauge", 220}});
    expectGeneral({{L"gen_BearingUtilisation", 0.97}, {L"gen_AxialLoad", 1200}});
    MacroTabData* group = tab(L"BasePlate");
    ASSERT_NE(group, nullptr);
    EXPECT_NEAR(group->boltData.holeOffset.toDouble(), 6, 1e-6); // was 2
    EXPECT_NEAR(group->boltData.diameter.toDouble(), 24, 1e-6);
    EXPECT_EQ(boltCount(L"BasePlate", L"Anchors", true), L"2");
    EXPECT_EQ(boltCount(L"BasePlate", L"Anchors", false), L"2");
}

TEST_F(BasePlate, UnknownSteelGradeGivesNoSizes) {
    // Without the plate's yield strength nothing can be sized: every sized
    // output stays as the caller gave it instead of being computed from zero.
    ASSERT_TRUE(
        runList(L"Base Plate", inputs(L"HEB 240", L"S999", L"1200", L"25", L"24"), kOutputs));
    EXPECT_FALSE(reports().empty());
    for (const wchar_t* name : {L"Length", L"Width", L"Thickness", L"AnchorSpacing", L"AnchorGauge",
                                L"Anchor.HoleOffset", L"gen.BearingUtilisation"})
        EXPECT_EQ(text(name), L"") << name;
}
