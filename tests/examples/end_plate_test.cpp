// The flush end plate of the example library, checked against hand
// calculations: from a list of values, and against its macro through the
// sheet's mapping file.
#include "example_fixture.h"

using namespace examples;

namespace {

// The sheet's outputs in declaration order.
const std::vector<Given> kOutputs =
    outputsOf({L"PlateWidth", L"PlateHeight", L"PlateThickness", L"BoltDiameter", L"HoleClearance",
               L"HoleDiameter", L"BoltRows", L"BoltColumns", L"Gauge", L"Pitch", L"TopEdge",
               L"SideEdge", L"WebWeld", L"FlangeWeld", L"BoltShearRd", L"BoltTensionRd", L"ShearRd",
               L"Utilisation", L"LayoutOK"},
              {L"BoltRows", L"BoltColumns"});

std::vector<Given> inputs(const wchar_t* beam, const wchar_t* column, const wchar_t* shear,
                          const wchar_t* grade, const wchar_t* fy) {
    return {{L"Beam", beam, VkValueString},
            {L"Column", column, VkValueString},
            {L"Shear", shear},
            {L"BoltGrade", grade},
            {L"SteelFy", fy}};
}

} // namespace

class EndPlate : public ExampleTest {};

TEST_F(EndPlate, Ipe300OnHeb240WithTwoRowsOfM20) {
    ASSERT_TRUE(
        runList(L"End Plate", inputs(L"IPE 300", L"HEB 240", L"150", L"8.8", L"235"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // IPE 300: h 300, b 150, tw 7.1, tf 10.7, r 15; row of the data file: M20, 3 rows, gauge 90.
    expectOutputs({
        {L"BoltDiameter", 20},
        {L"HoleClearance", 2}, // normal clearance of M16..M24
        {L"HoleDiameter", 22}, // 20 + 2
        {L"Gauge", 90},
        {L"PlateHeight", 320}, // 300 + 2 x 10
        {L"PlateWidth", 170},  // min(150 + 2 x 10, 240)
        {L"SideEdge", 40},     // (170 - 90) / 2
        // 0.36 x 20 x sqrt(800 / 235) = 13.28: the standard plate below it is 12.
        {L"PlateThickness", 12},
        // Child: As 245; 0.6 x 800 x 245 / 1.25 = 94.08 kN; 0.9 x 800 x 245 / 1.25 = 141.12 kN.
        {L"BoltShearRd", 94.1},
        {L"BoltTensionRd", 141.1},
        // First row at ceil5(10 + 10.7 + 15 + 22) = 60 leaves 320 - 120 = 200 mm, but rows
        // are no further apart than floor5(min(14 x 12, 200)) = 165; the group is centred.
        {L"Pitch", 165},
        {L"TopEdge", 77.5},    // (320 - 165) / 2
        {L"WebWeld", 4},       // ceil(0.46 x 7.1 = 3.27)
        {L"FlangeWeld", 5},    // ceil(0.46 x 10.7 = 4.92)
        {L"ShearRd", 376.4},   // 2 rows x 2 bolts x 94.1
        {L"Utilisation", 0.4}, // 150 / 376.4 = 0.399
        {L"LayoutOK", 1},      // 40, 77.5 >= 30; 90 >= 52.8; 165 >= 48.4
    });
    // Bearing: k1 = 2.5, alpha_b = 60 / 66 = 0.909;
    // 2.5 x 0.909 x 360 x 20 x 12 / 1.25 = 157.1 kN > 94.1, bolt shear governs.
    // Rows: 150 / (2 x 94.1) = 0.8 -> 1, at least 2.
    EXPECT_EQ(text(L"BoltRows"), L"2");
    EXPECT_EQ(text(L"BoltColumns"), L"2");
}

TEST_F(EndPlate, Ipe360InHighStrengthBoltsNeedsThreeRows) {
    ASSERT_TRUE(
        runList(L"End Plate", inputs(L"IPE360", L"HEB300", L"600", L"10.9", L"355"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // IPE 360: h 360, b 170, tw 8, tf 12.7, r 18; data: M24, 4 rows, gauge 110; d0 = 26.
    expectOutputs({
        {L"HoleDiameter", 26},
        {L"PlateWidth", 190}, // 170 + 20, HEB 300 is 300 wide
        {L"PlateHeight", 380},
        // 0.36 x 24 x sqrt(1000 / 355) = 14.50: 15 is nearer but above the limit, so 12.
        {L"PlateThickness", 12},
        // Class 10.9: alpha_v 0.5; As 353: 0.5 x 1000 x 353 / 1.25 = 141.2 kN.
        {L"BoltShearRd", 141.2},
        {L"BoltTensionRd", 254.2}, // 0.9 x 1000 x 353 / 1.25 = 254.16
        // First row at ceil5(10 + 12.7 + 18 + 26) = 70: 380 - 140 = 240 over 2 gaps.
        {L"Pitch", 120},
        {L"TopEdge", 70},
        {L"WebWeld", 5},        // ceil(0.55 x 8 = 4.4)
        {L"FlangeWeld", 7},     // ceil(0.55 x 12.7 = 6.99)
        {L"ShearRd", 847.2},    // 3 x 2 x 141.2
        {L"Utilisation", 0.71}, // 600 / 847.2 = 0.708
        {L"LayoutOK", 1},
    });
    // 600 / (2 x 141.2) = 2.12 -> 3 rows (at most 4 fit).
    EXPECT_EQ(text(L"BoltRows"), L"3");
}

TEST_F(EndPlate, MacroTakesTheSheetsResultsThroughTheMappingFile) {
    ASSERT_TRUE(runMacro(L"End Plate", L"End Plate.json", L"EndPlateFlushDefault0001"));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // The macro is the first case again: IPE 300 on HEB 240, 150 kN, 8.8, S235.
    // Its inputs (the bolt grade, gen_Shear) stay as they were.
    expectDialog(L"Endplate", {{L"Width", 170},
                               {L"Height", 320},
                               {L"Thickness", 12},
                               {L"Pitch", 165},
                               {L"TopEdge", 77.5},
                               {L"Gauge", 90},
                               {L"FlangeWeld", 5},
                               {L"BoltGrade", 8.8}});
    // Resistances land in general variables.
    expectGeneral({{L"gen_Shear", 150},
                   {L"gen_BoltShearRd", 94.1},
                   {L"gen_ShearRd", 376.4},
                   {L"gen_Utilisation", 0.4},
                   {L"gen_LayoutOK", 1}});
    // Bolt data and the pattern's counts of the dialog's tab.
    MacroTabData* endPlate = tab(L"EndPlate");
    ASSERT_NE(endPlate, nullptr);
    EXPECT_NEAR(endPlate->boltData.diameter.toDouble(), 20, 1e-6); // was 16
    EXPECT_EQ(boltCount(L"EndPlate", L"Pattern1", true), L"2");
    EXPECT_EQ(boltCount(L"EndPlate", L"Pattern1", false), L"2");
}

TEST_F(EndPlate, UnknownBeamIsReportedAndLeavesTheMacroAsItWas) {
    // A channel has no row in the bolt table: the sheet must not hand back
    // sizes computed from empty dimensions.
    ASSERT_TRUE(
        runMacro(L"End Plate", L"End Plate.json", L"EndPlateFlushDefault0001",
                 [](std::string& json) { json.replace(json.find("IPE 300"), 7, "UPN 200"); }));
    EXPECT_FALSE(reports().empty());
    expectDialog(
        L"Endplate",
        {{L"Width", 150}, {L"Height", 300}, {L"Thickness", 10}, {L"Pitch", 100}, {L"WebWeld", 4}});
    expectGeneral({{L"gen_ShearRd", 0}, {L"gen_LayoutOK", 0}});
    EXPECT_EQ(tab(L"EndPlate")->boltData.diameter, L"16");
    EXPECT_EQ(boltCount(L"EndPlate", L"Pattern1", true), L"2");
}
