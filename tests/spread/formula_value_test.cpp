// Value texts: what the module reads out of a cell, and typed input read
// back as numbers.
#include "platform/spread/value.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace spread {
namespace {

TEST(FormulaValue, TextOfEachKind) {
    EXPECT_EQ(Value::logical(true).toText(), L"1");
    EXPECT_EQ(Value::logical(false).toText(), L"0");
    EXPECT_EQ(Value::error(ErrorKind::Div0).toText(), L"#DIV/0!");
    EXPECT_EQ(Value::error(ErrorKind::NA).toText(), L"#N/A");
    EXPECT_EQ(Value::error(ErrorKind::Cycle).toText(), L"#CYCLE!");
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
