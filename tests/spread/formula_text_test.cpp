// Formula text: reading both reference styles, writing each back as seen
// from the formula's cell, and refusing what is not a formula.
#include "formula_test_host.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace spread::testing {
namespace {

std::wstring roundTrip(std::wstring_view text, RefStyle in, RefStyle out, int col = 3,
                       int row = 5) {
    std::wstring why;
    auto f = Formula::parse(text, in, col, row, &why);
    if (!f) return L"refused: " + why;
    return f->text(out, col, row);
}

TEST(FormulaText, A1ReferencesWriteBackInBothStyles) {
    // Seen from C5.
    EXPECT_EQ(roundTrip(L"=a1+$B$2*C$3-$D4", RefStyle::A1, RefStyle::A1), L"A1+$B$2*C$3-$D4");
    EXPECT_EQ(roundTrip(L"A1+$B$2*C$3-$D4", RefStyle::A1, RefStyle::R1C1),
              L"R[-4]C[-2]+R2C2*R3C-R[-1]C4");
    EXPECT_EQ(roundTrip(L"SUM(B3:A1,A:C,$2:3)", RefStyle::A1, RefStyle::A1),
              L"SUM(A1:B3,A:C,$2:3)");
    EXPECT_EQ(roundTrip(L"SUM(A1:B3,A:C,$2:3)", RefStyle::A1, RefStyle::R1C1),
              L"SUM(R[-4]C[-2]:R[-2]C[-1],C[-2]:C,R2:R[-2])");
    EXPECT_EQ(roundTrip(L"XFD1048576+AA10", RefStyle::A1, RefStyle::A1), L"XFD1048576+AA10");
}

TEST(FormulaText, R1C1ReferencesReadRelativeToTheCell) {
    EXPECT_EQ(roundTrip(L"R[-1]C[2]+RC+R1C1+r2c[-1]", RefStyle::R1C1, RefStyle::A1),
              L"E4+C5+$A$1+B$2");
    EXPECT_EQ(roundTrip(L"SUM(C2:C[1],R:R[1])", RefStyle::R1C1, RefStyle::A1), L"SUM($B:D,5:6)");
    EXPECT_EQ(roundTrip(L"R[-1]C[2]", RefStyle::R1C1, RefStyle::R1C1), L"R[-1]C[2]");
    // Names that begin like references stay names and calls.
    EXPECT_EQ(roundTrip(L"ROUND(RC,0)+RADIANS(C1)+rate", RefStyle::R1C1, RefStyle::A1),
              L"ROUND(C5,0)+RADIANS($A:$A)+rate");
    // A reference in the wrong style would be a name that changes meaning
    // once written in the other style: refused.
    EXPECT_EQ(roundTrip(L"A1+1", RefStyle::R1C1, RefStyle::A1).substr(0, 8), L"refused:");
    EXPECT_EQ(roundTrip(L"1+R1C1", RefStyle::A1, RefStyle::A1).substr(0, 8), L"refused:");
    EXPECT_EQ(roundTrip(L"C", RefStyle::A1, RefStyle::A1).substr(0, 8), L"refused:");
    MapHost host;
    EXPECT_EQ(evalIn(host, L"rate*2"), Value::error(ErrorKind::Name));
    // Off the sheet as seen from the cell: refused.
    EXPECT_EQ(roundTrip(L"R[-5]C", RefStyle::R1C1, RefStyle::A1, 3, 5).substr(0, 8), L"refused:");
    EXPECT_EQ(roundTrip(L"R1C16385", RefStyle::R1C1, RefStyle::A1).substr(0, 8), L"refused:");
}

TEST(FormulaText, WrittenFormKeepsStructureAndLiterals) {
    EXPECT_EQ(roundTrip(L"((1+2))*-+3%", RefStyle::A1, RefStyle::A1), L"((1+2))*-+3%");
    EXPECT_EQ(roundTrip(L"\"a\"\"b\"&\"\"", RefStyle::A1, RefStyle::A1), L"\"a\"\"b\"&\"\"");
    EXPECT_EQ(roundTrip(L"if( a1 >= 2 , true , #n/a )", RefStyle::A1, RefStyle::A1),
              L"IF(A1>=2,TRUE,#N/A)");
    EXPECT_EQ(roundTrip(L"IF(A1,,)+myfunc()+MyFunc(1,,2)", RefStyle::A1, RefStyle::A1),
              L"IF(A1,,)+MYFUNC()+MYFUNC(1,,2)");
    EXPECT_EQ(roundTrip(L"1.50+1e22+0.1e-9", RefStyle::A1, RefStyle::A1), L"1.5+1E+22+1E-10");
}

TEST(FormulaText, RefusesWithAReason) {
    std::wstring why;
    EXPECT_FALSE(Formula::parse(L"ROUND(1)", RefStyle::A1, 1, 1, &why));
    EXPECT_NE(why.find(L"ROUND"), std::wstring::npos);
    for (const wchar_t* bad : {L"", L"=", L"1+", L"(1", L"1)", L"SUM(1,2", L"\"open", L"1 2",
                               L"A1:", L"$", L"#BAD!", L"1;2", L"A1 B1", L"{1;}", L"Sheet1!A1"}) {
        why.clear();
        EXPECT_FALSE(Formula::parse(bad, RefStyle::A1, 1, 1, &why)) << std::wstring(bad).size();
        EXPECT_FALSE(why.empty());
    }
    EXPECT_FALSE(Formula::parse(L"1", RefStyle::A1, 0, 1));
}

TEST(FormulaText, NestingIsCappedInsteadOfOverflowingTheStack) {
    std::wstring ok = std::wstring(256, L'(') + L"1" + std::wstring(256, L')');
    EXPECT_TRUE(Formula::parse(ok, RefStyle::A1, 1, 1));
    std::wstring deep = std::wstring(10000, L'(') + L"1" + std::wstring(10000, L')');
    std::wstring why;
    EXPECT_FALSE(Formula::parse(deep, RefStyle::A1, 1, 1, &why));
    EXPECT_NE(why.find(L"nested"), std::wstring::npos);
    std::wstring calls;
    for (int i = 0; i < 300; ++i)
        calls += L"ABS(";
    calls += L"1" + std::wstring(300, L')');
    EXPECT_FALSE(Formula::parse(calls, RefStyle::A1, 1, 1));
    // Long flat expressions and sign runs need no depth at all.
    std::wstring flat = L"1";
    for (int i = 0; i < 20000; ++i)
        flat += L"+1";
    auto f = Formula::parse(flat, RefStyle::A1, 1, 1);
    ASSERT_TRUE(f);
    MapHost host;
    EXPECT_EQ(f->evaluate(host, 1, 1), Value(20001));
    EXPECT_EQ(f->text(RefStyle::A1, 1, 1), flat);
    auto signs = Formula::parse(std::wstring(5000, L'-') + L"2", RefStyle::A1, 1, 1);
    ASSERT_TRUE(signs);
    EXPECT_EQ(signs->evaluate(host, 1, 1), Value(2));
}

TEST(FormulaText, ReferencesAndVolatility) {
    auto f = Formula::parse(L"A1+SUM(B2:C3)+D:D+COUNT(4:4)", RefStyle::A1, 9, 9);
    ASSERT_TRUE(f);
    std::vector<CellRange> refs;
    f->references(refs);
    ASSERT_EQ(refs.size(), 4u);
    EXPECT_EQ(refs[0], (CellRange{1, 1, 1, 1}));
    EXPECT_EQ(refs[1], (CellRange{2, 2, 3, 3}));
    EXPECT_EQ(refs[2], (CellRange{4, 1, 4, kMaxSheetRows}));
    EXPECT_EQ(refs[3], (CellRange{1, 4, kMaxSheetCols, 4}));
    EXPECT_FALSE(f->isVolatile());
    EXPECT_TRUE(Formula::parse(L"1+MINE(A1)", RefStyle::A1, 1, 2)->isVolatile());
}

TEST(FormulaText, NumberLiteralsReadAsTheNearestDouble) {
    MapHost host;
    for (const char* lit : {"0.1", "1.0001", "123456789.123456", "0.000123456789012345",
                            "999999999999999", "9999999999999999", "1.7976931348623157e308",
                            "4.9e-324", "2.2250738585072014e-308", "0.30000000000000004"}) {
        std::wstring text(lit, lit + std::strlen(lit));
        EXPECT_EQ(evalIn(host, text), Value(std::strtod(lit, nullptr))) << lit;
    }
    EXPECT_EQ(evalIn(host, L"1e309"), Value(L"<refused>"));
}

// Simple formulas (cells and numbers joined by + - * /) take a quicker way
// through the reader; a trailing blank sends the same text the long way. Both
// must give the same formula: the same text in either style, the same value
// and the same references.
TEST(FormulaText, SimpleFormulasReadTheSameEitherWay) {
    MapHost host;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 4; ++col)
            host.set(col, row, Value(col * 10.0 + row * 0.25 - 1));
    auto same = [&](const std::wstring& text) {
        std::wstring whyQuick, whyLong;
        auto quick = Formula::parse(text, RefStyle::A1, 5, 6, &whyQuick);
        auto slow = Formula::parse(text + L" ", RefStyle::A1, 5, 6, &whyLong);
        ASSERT_EQ(!quick, !slow) << std::string(text.begin(), text.end());
        if (!quick) return;
        EXPECT_EQ(quick->text(RefStyle::A1, 5, 6), slow->text(RefStyle::A1, 5, 6));
        EXPECT_EQ(quick->text(RefStyle::R1C1, 5, 6), slow->text(RefStyle::R1C1, 5, 6));
        EXPECT_EQ(quick->evaluate(host, 5, 6), slow->evaluate(host, 5, 6));
        std::vector<CellRange> a, b;
        quick->references(a);
        slow->references(b);
        EXPECT_EQ(a, b);
    };
    std::srand(11);
    const wchar_t* ops = L"+-*/";
    const wchar_t* numbers[] = {L"1", L"0.5", L"1.0001", L"007", L"2.", L"123456789012345"};
    for (int i = 0; i < 400; ++i) {
        std::wstring text;
        int operands = 1 + std::rand() % 6;
        for (int k = 0; k < operands; ++k) {
            if (k > 0) text += ops[std::rand() % 4];
            if (std::rand() % 2) {
                text += numbers[std::rand() % 6];
                continue;
            }
            if (std::rand() % 3 == 0) text += L'$';
            text += static_cast<wchar_t>(L'A' + std::rand() % 4);
            if (std::rand() % 3 == 0) text += L'$';
            text += std::to_wstring(1 + std::rand() % 9);
        }
        same(text);
    }
    // Near misses that must go the long way (or be refused the same way).
    for (const wchar_t* text : {L"a1*b2",      L"1e5+A1",
                                L"A1:B2+1",    L"A1B+1",
                                L"1.2.3",      L"A1+",
                                L"+A1",        L"A1*-2",
                                L"A1^2",       L"XFD1048576+1",
                                L"XFE1+1",     L"A0+1",
                                L"A1048577*2", L"1234567890123456+A1",
                                L"1/0",        L"A1%",
                                L"1:3",        L"TRUE+1",
                                L"A1(2)",      L"SUM(A1)*2",
                                L"A1&B1",      L"A1<>2",
                                L".5+A1"})
        same(text);
}

TEST(FormulaText, ColumnNames) {
    for (const auto& [col, name] : std::vector<std::pair<int, std::wstring>>{
             {1, L"A"}, {26, L"Z"}, {27, L"AA"}, {702, L"ZZ"}, {703, L"AAA"}, {0, L""}})
        EXPECT_EQ(columnName(col), name) << col;
}

} // namespace
} // namespace spread::testing
