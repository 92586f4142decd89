// Numbers read and written as the C library does in the "C" locale, also
// when the process runs under a locale with a decimal comma.
#include "platform/text/number.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>

namespace {

// Runs each case once in the "C" locale and, where it can be had, once in a
// locale with a decimal comma.
class TextNumber : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        try {
            std::locale::global(std::locale(GetParam()));
        } catch (const std::runtime_error&) {
            GTEST_SKIP() << "the locale " << GetParam()
                         << " is not installed (scripts/setup.sh generates de_DE.UTF-8)";
        }
        std::setlocale(LC_ALL, GetParam());
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(TextNumber, LeadingDoubleReadsAsStrtodInTheCLocale) {
    const struct {
        const wchar_t* text;
        double value;
    } rows[] = {
        {L"3.14", 3.14},
        {L"  -2.5e3mm", -2500},
        {L"+.5", 0.5},
        {L"7.", 7},
        {L"1,5", 1},
        {L"1e", 1},
        {L"1e+", 1},
        {L"0x1A", 26},
        {L"0x1p4", 16},
        {L"0x", 0},
        {L"0xg", 0},
        {L"-0x.8", -0.5},
        {L"", 0},
        {L"abc", 0},
        {L"--5", 0},
        {L"+-5", 0},
        {L"\t\n\v\f\r 12", 12},
        {L"\u00a012", 0},
        {L"1e-400", 0},
        {L"1.5\u00e9", 1.5},
        {L"2e308", HUGE_VAL},
        {L"-1e999999999999", -HUGE_VAL},
        {L"0.000000000000000000000000000000000000000000000000000000000000000000000000000000001e-"
         L"300",
         0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(zrltext::leadingDouble(r.text), r.value)
            << testing::PrintToString(std::wstring(r.text));
    EXPECT_TRUE(std::isinf(zrltext::leadingDouble(L"-Infinity")));
    EXPECT_TRUE(std::isnan(zrltext::leadingDouble(L"nan(1)")));
}

TEST_P(TextNumber, LeadingIntegerReadsAsStrtollWithBase10) {
    const struct {
        const wchar_t* text;
        long long value;
    } rows[] = {
        {L"42", 42},
        {L"  -17px", -17},
        {L"+8", 8},
        {L"3.9", 3},
        {L"x1", 0},
        {L"- 1", 0},
        {L"9223372036854775807", 9223372036854775807LL},
        {L"9223372036854775808", 9223372036854775807LL},
        {L"-9223372036854775808", -9223372036854775807LL - 1},
        {L"-99999999999999999999999", -9223372036854775807LL - 1},
    };
    for (const auto& r : rows)
        EXPECT_EQ(zrltext::leadingInteger(r.text), r.value)
            << testing::PrintToString(std::wstring(r.text));
}

TEST_P(TextNumber, FixedAndGeneralTextAsPrintfInTheCLocale) {
    EXPECT_EQ(zrltext::fixedText(3.14159, 2), L"3.14");
    EXPECT_EQ(zrltext::fixedText(2.345, 2), L"2.35");
    EXPECT_EQ(zrltext::fixedText(-0.001, 2), L"-0.00");
    EXPECT_EQ(zrltext::fixedText(1234567.5, 0), L"1234568");
    EXPECT_EQ(zrltext::fixedText(1.5, 6), L"1.500000");
    EXPECT_EQ(zrltext::fixedText(1e300, 2).size(), 304u);
    EXPECT_EQ(zrltext::fixedText(HUGE_VAL, 2), L"inf");
    EXPECT_EQ(zrltext::generalText(0.1, 15), L"0.1");
    EXPECT_EQ(zrltext::generalText(1.0 / 3, 15), L"0.333333333333333");
    EXPECT_EQ(zrltext::generalText(1e20, 15), L"1e+20");
    EXPECT_EQ(zrltext::generalText(123456, 15), L"123456");
    EXPECT_EQ(zrltext::generalText(-2.5e-7, 15), L"-2.5e-07");
}

INSTANTIATE_TEST_SUITE_P(Locales, TextNumber, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) {
                             return std::string(info.param == std::string("C") ? "C"
                                                                               : "DecimalComma");
                         });

} // namespace
