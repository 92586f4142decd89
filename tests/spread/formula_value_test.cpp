// Value texts: what the module reads out of a cell, typed input read back
// as numbers, and numbers at the 15 digits people see.
#include "platform/spread/formula_values.h"
#include "platform/spread/value.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace spread {
namespace {

TEST(FormulaValue, TextOfEachKind) {
    EXPECT_EQ(Value::logical(true).toText(), L"1");
    EXPECT_EQ(Value::logical(false).toText(), L"0");
    EXPECT_EQ(Value::error(ErrorKind::Div0).toText(), L"#DIV/0!");
    EXPECT_EQ(Value::error(ErrorKind::NA).toText(), L"#N/A");
    EXPECT_EQ(Value::error(ErrorKind::Cycle).toText(), L"#CYCLE!");
    // Written over what the text held before, longer or shorter.
    std::wstring out = L"a text longer than any number's";
    for (double x : {48.400000000000006, -0.05, 12.0, 1e21, 2.5e-12}) {
        Value(x).textInto(out);
        EXPECT_EQ(out, numberToText(x));
    }
}

TEST(FormulaValue, NumbersReadBackExactly) {
    EXPECT_EQ(numberToText(12), L"12");
    EXPECT_EQ(numberToText(-0.0), L"0");
    EXPECT_EQ(numberToText(0.1), L"0.1");
    EXPECT_EQ(numberToText(0.1 + 0.2), L"0.30000000000000004");
    EXPECT_EQ(numberToText(1e20), L"100000000000000000000");
    EXPECT_EQ(numberToText(1e21), L"1E+21");
    EXPECT_EQ(numberToText(-2.5e-12), L"-2.5E-12");
    EXPECT_EQ(numberToText(123456.789), L"123456.789");
    for (double x : {1.0 / 3, -7.9, 6.02214076e23, 5e-324, 1.7976931348623157e308, 1234.5678}) {
        double back = 0;
        ASSERT_TRUE(textToNumber(numberToText(x), back)) << x;
        EXPECT_EQ(back, x);
    }
}

// Short decimals are written without the general shortest-digits search:
// the text must be the one that search gives, for them and for the numbers
// next to them.
TEST(FormulaValue, NumberTextsAgreeWithTheShortestDigits) {
    auto shortest = [](double x) {
        char buf[400];
        auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
        return std::wstring(buf, r.ptr);
    };
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<long long> whole(1, 99999999999999);
    std::uniform_int_distribution<int> places(1, 7);
    for (int i = 0; i < 20000; ++i) {
        const double x = static_cast<double>(whole(rng) >> (i % 40)) / std::pow(10.0, places(rng));
        for (double y : {x, -x, std::nextafter(x, 0.0), std::nextafter(x, 1e300), x * 1.1, x / 3}) {
            if (y != 0 && std::fabs(y) < 1e21 && std::fabs(y) >= 1e-9) {
                ASSERT_EQ(numberToText(y), shortest(y)) << y;
            }
        }
    }
    for (double x : {0.05, -48.4, 48.400000000000006, 0.1 + 0.2, 99999999999999.9, 0.0001, 0.00015,
                     12345.6789, 1e-5})
        EXPECT_EQ(numberToText(x), shortest(x)) << x;
}

TEST(FormulaValue, TypedInputAsNumbers) {
    double x = 0;
    EXPECT_TRUE(textToNumber(L"  12 ", x));
    EXPECT_EQ(x, 12);
    EXPECT_TRUE(textToNumber(L"-.5", x));
    EXPECT_EQ(x, -0.5);
    EXPECT_TRUE(textToNumber(L"+1.5E3", x));
    EXPECT_EQ(x, 1500);
    EXPECT_TRUE(textToNumber(L"12.5 %", x));
    EXPECT_EQ(x, 0.125);
    x = 42;
    for (const wchar_t* bad : {L"", L" ", L"abc", L"1,5", L"1e", L"1e+", L".", L"--1", L"inf",
                               L"nan", L"0x10", L"1 2", L"%", L"1e999", L"12a"}) {
        EXPECT_FALSE(textToNumber(bad, x)) << std::wstring(bad).size();
        EXPECT_EQ(x, 42); // untouched on failure
    }
}

// The quick reckoning of a number's 15 significant digits against their
// decimal text: random magnitudes, short decimals, the noise of arithmetic
// on them, and values a hair either side of a 15-digit half.
TEST(FormulaValue, FifteenDigitsAgreeWithTheDecimalText) {
    auto byText = [](double x) {
        char buf[40];
        auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
        double y = 0;
        std::from_chars(buf, r.ptr, y);
        return y;
    };
    int quick = 0, total = 0;
    auto check = [&](double x) {
        ++total;
        const double want = byText(x);
        ASSERT_EQ(visible(x), want) << x;
        double digits = 0, y = 0;
        int scale = 0;
        if (!fifteenDigits(x, digits, scale)) return;
        ++quick;
        ASSERT_TRUE(digits >= 1e14 && digits <= 1e15 && digits == std::trunc(digits)) << x;
        ASSERT_TRUE(nearestDecimal(digits, scale, y));
        ASSERT_EQ(x < 0 ? -y : y, want) << x;
    };
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> exponent(-10, 17);
    std::uniform_int_distribution<int> decimals(0, 9);
    std::uniform_int_distribution<long long> whole(1, 999999999);
    for (int i = 0; i < 20000; ++i) {
        check(std::pow(10.0, exponent(rng)));
        const double a = static_cast<double>(whole(rng)) / std::pow(10.0, decimals(rng));
        const double b = static_cast<double>(whole(rng) % 1000) / std::pow(10.0, decimals(rng));
        check(a);
        check(-a * b);
        check(a / (b + 1));
        // 15 digits and a half, then the doubles around it.
        const double half = (static_cast<double>(whole(rng) % 100000 + 100000) * 1e9 + 0.5) /
                            std::pow(10.0, decimals(rng) + 5);
        check(half);
        check(std::nextafter(half, 0.0));
        check(std::nextafter(half, 1e300));
    }
    for (double x : {1e-8, 9.9999999999999982, 99999.999999999993, 999999999999999.9, 1e15 - 0.5,
                     0.1 + 0.2, 2.675, 1.005, -1.0000000000000002})
        check(x);
    // The quick way is taken by all but the values near a half and those
    // outside its range.
    EXPECT_GT(quick, total / 2);
}

TEST(FormulaValue, ErrorNamesBothWays) {
    for (int k = 0; k <= static_cast<int>(ErrorKind::Cycle); ++k) {
        ErrorKind back = ErrorKind::Null;
        auto kind = static_cast<ErrorKind>(k);
        ASSERT_TRUE(parseErrorName(errorName(kind), back));
        EXPECT_EQ(back, kind);
    }
    ErrorKind e;
    EXPECT_TRUE(parseErrorName(L"#div/0!", e));
    EXPECT_EQ(e, ErrorKind::Div0);
    EXPECT_FALSE(parseErrorName(L"#DIV/0", e));
    EXPECT_FALSE(parseErrorName(L"", e));
}

} // namespace
} // namespace spread
