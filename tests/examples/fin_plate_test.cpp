// The fin plate of the example library with its two child sheets (the bolt
// group and the bolt resistances), checked against hand calculations.
#include "example_fixture.h"

using namespace examples;

namespace {

const std::vector<Given> kOutputs =
    outputsOf({L"BoltRows", L"Pitch", L"EndDistance", L"PlateDepth", L"PlateWidth",
               L"PlateThickness", L"HoleDiameter", L"BoltLine", L"PlateEdge", L"Weld",
               L"BoltShearRd", L"BoltTensionRd", L"ShearRd", L"Utilisation", L"DepthOK"},
              {L"BoltRows"});

std::vector<Given> inputs(const wchar_t* beam, const wchar_t* shear, const wchar_t* diameter,
                          const wchar_t* grade, const wchar_t* fy) {
    return {{L"Beam", beam, VkValueString},
            {L"Shear", shear},
            {L"BoltDiameter", diameter},
            {L"BoltGrade", grade},
            {L"SteelFy", fy}};
}

} // namespace

class FinPlate : public ExampleTest {};

TEST_F(FinPlate, Ipe300WithM20) {
    ASSERT_TRUE(runList(L"Fin Plate", inputs(L"IPE 300", L"120", L"20", L"8.8", L"235"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // Bolt group: web between the root radii 300 - 2 (10.7 + 15) = 248.6; pitch
    // ceil10(3.5 x 20) = 70, end distance ceil5(2 x 20) = 40;
    // rows floor((248.6 - 80) / 70) + 1 = 3; plate depth 2 x 70 + 80 = 220.
    EXPECT_EQ(text(L"BoltRows"), L"3");
    expectOutputs({
        {L"Pitch", 70},
        {L"EndDistance", 40},
        {L"PlateDepth", 220},
        {L"DepthOK", 1}, // 220 >= 0.6 x 300
        // Thickness d / 2 = 10 is stocked; width: gap 10 + 2 x 40 = 90 -> the 100 mm flat.
        {L"PlateThickness", 10},
        {L"PlateWidth", 100},
        {L"BoltLine", 50},  // 10 + 40
        {L"PlateEdge", 50}, // 100 - 50
        {L"HoleDiameter", 22},
        {L"Weld", 5}, // ceil(0.46 x 10)
        // Bolt shear 94.1; plate bearing 2.5 x (40 / 66) x 360 x 20 x 10 / 1.25 = 87.3;
        // web bearing 2.5 x (70 / 66 - 0.25) x 360 x 20 x 7.1 / 1.25 = 82.9 governs.
        {L"BoltShearRd", 94.1},
        // Eccentricity 50 on 3 rows at 70: sqrt(1 + (6 x 50 / (4 x 70))^2) = 1.4656;
        // 3 x 82.9 / 1.4656 = 169.7 kN; 120 / 169.7 = 0.707.
        {L"ShearRd", 169.7},
        {L"Utilisation", 0.71},
    });
}

TEST_F(FinPlate, Ipe400WithM24HighStrength) {
    ASSERT_TRUE(runList(L"Fin Plate", inputs(L"IPE400", L"250", L"24", L"10.9", L"355"), kOutputs));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // Web 400 - 2 (13.5 + 21) = 331; pitch ceil10(84) = 90, end ceil5(48) = 50;
    // rows floor(231 / 90) + 1 = 3; depth 180 + 100 = 280.
    EXPECT_EQ(text(L"BoltRows"), L"3");
    expectOutputs({
        {L"Pitch", 90},
        {L"PlateDepth", 280},
        // Thickness 12; width target 10 + 50 + 50 = 110 between the 100 and 120 flats of
        // 12 mm: nothing below is allowed, so 120.
        {L"PlateThickness", 12},
        {L"PlateWidth", 120},
        {L"PlateEdge", 60},
        {L"Weld", 7}, // ceil(0.55 x 12 = 6.6)
        // Bolt shear 0.5 x 1000 x 353 / 1.25 = 141.2 governs over bearing (188.3, 190.3).
        // sqrt(1 + (6 x 60 / (4 x 90))^2) = sqrt 2; 3 x 141.2 / 1.4142 = 299.5.
        {L"ShearRd", 299.5},
        {L"Utilisation", 0.83}, // 250 / 299.5
    });
}

TEST_F(FinPlate, MacroTakesTheSheetsResultsThroughTheMappingFile) {
    ASSERT_TRUE(runMacro(L"Fin Plate", L"Fin Plate.json", L"FinPlateSingleLine000001"));
    EXPECT_TRUE(reports().empty()) << reports().front();
    // The macro is the first case: IPE 300, 120 kN, M20 from its bolt data, 8.8, S235.
    expectDialog(L"FinPlate", {{L"Depth", 220},
                               {L"Width", 100},
                               {L"Thickness", 10},
                               {L"Pitch", 70},
                               {L"EndDistance", 40},
                               {L"BoltLine", 50},
                               {L"Weld", 5}});
    expectGeneral({{L"gen_ShearRd", 169.7}, {L"gen_Utilisation", 0.71}, {L"gen_DepthOK", 1}});
    EXPECT_EQ(boltCount(L"FinPlate", L"Line", true), L"3");
}
