// Numbers read and written alike whatever the process locale: under a locale
// whose decimal mark is a comma, "3.14" still reads as 3.14, numbers are
// still written with ".", sheets load their numbers, and a standard computes
// what it computes under the "C" locale.
#include "example_fixture.h"
#include "platform/spread/sheet.h"
#include "sheettools/simple_props_list.h"
#include "test_paths.h"

#include <clocale>
#include <locale>
#include <stdexcept>

using namespace examples;

namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Sets the global C and C++ locale; false when it is not installed.
bool useLocale(const char* name) {
    try {
        std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
        return false;
    }
    return std::setlocale(LC_ALL, name) != nullptr;
}

class CommaLocale : public ExampleTest {
protected:
    void SetUp() override {
        if (!useLocale(kCommaLocale))
            GTEST_SKIP() << "the locale " << kCommaLocale
                         << " is not installed (scripts/setup.sh generates it)";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        ExampleTest::SetUp();
    }
    void TearDown() override {
        ExampleTest::TearDown();
        useLocale("C");
    }

    // The output texts of a run of the End Plate, in declaration order.
    std::vector<std::wstring> endPlateOutputs() {
        const std::vector<Given> inputs = {{L"Beam", L"IPE 300", VkValueString},
                                           {L"Column", L"HEB 240", VkValueString},
                                           {L"Shear", L"150.5"},
                                           {L"BoltGrade", L"8.8"},
                                           {L"SteelFy", L"235"}};
        const std::vector<Given> outputs =
            outputsOf({L"PlateWidth", L"PlateHeight", L"PlateThickness", L"BoltDiameter",
                       L"HoleClearance", L"HoleDiameter", L"BoltRows", L"BoltColumns", L"Gauge",
                       L"Pitch", L"TopEdge", L"SideEdge", L"WebWeld", L"FlangeWeld", L"BoltShearRd",
                       L"BoltTensionRd", L"ShearRd", L"Utilisation", L"LayoutOK"},
                      {L"BoltRows", L"BoltColumns"});
        std::vector<std::wstring> texts;
        if (!runList(L"End Plate", inputs, outputs)) return texts;
        for (const Given& g : outputs)
            texts.push_back(text(g.name));
        return texts;
    }
};

} // namespace

TEST_F(CommaLocale, KeyValueNumbersReadAndWriteWithAPoint) {
    using Value = Zrl_SimplePropsList::Value;
    const struct {
        const wchar_t* text;
        double number;
        const wchar_t* written;
    } rows[] = {
        {L"3.14", 3.14, L"3.14"},
        {L" -0.5mm", -0.5, L"-0.50"},
        {L"1e3", 1000, L"1000.00"},
        {L"2,5", 2, L"2.00"}, // the comma ends the number, as in the "C" locale
    };
    for (const auto& r : rows) {
        const Value v = Value::fromText(Zrl_SimplePropsList::kDouble, r.text);
        EXPECT_DOUBLE_EQ(v.number, r.number) << Zrl_String(r.text).toUtf8();
        EXPECT_EQ(v.toText(), r.written) << Zrl_String(r.text).toUtf8();
    }
}

TEST_F(CommaLocale, SheetFilesLoadTheirNumbers) {
    spread::Sheet vks;
    ASSERT_TRUE(vks.load(ZRLSS_TEST_DATA "/sheets/example.vks"));
    EXPECT_EQ(vks.valueText(1, 1), L"1.5");
    EXPECT_DOUBLE_EQ(vks.valueAt(3, 1).number(), 1239.068);

    const std::filesystem::path csv = std::filesystem::path(::testing::TempDir()) / "comma.csv";
    {
        std::ofstream out(csv);
        out << "2.5,0.25,=A1*B1\n";
    }
    spread::Sheet sheet;
    ASSERT_TRUE(sheet.load(csv));
    sheet.recalc();
    EXPECT_EQ(sheet.valueText(3, 1), L"0.625");
}

TEST_F(CommaLocale, StandardComputesAsUnderTheCLocale) {
    ASSERT_TRUE(useLocale("C"));
    const std::vector<std::wstring> expected = endPlateOutputs();
    ASSERT_FALSE(expected.empty());
    ASSERT_TRUE(useLocale(kCommaLocale));
    EXPECT_EQ(endPlateOutputs(), expected);
    EXPECT_TRUE(reports().empty()) << reports().front();
    // Grade 8.8 (not 8): 0.6 x 800 x 245 / 1.25 = 94.08 kN per bolt.
    EXPECT_NEAR(Zrl_String(text(L"BoltShearRd")).toDouble(), 94.08, 0.05);
}
