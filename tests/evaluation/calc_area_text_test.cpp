// The whole-word replacement of names: variable names by cell addresses,
// general variable names by their values.
#include "standards/calc_area_text.h"

#include <gtest/gtest.h>

using namespace calc_area;

namespace {

Zrl_String replaced(const WordReplacer& r, const wchar_t* text, bool skipQuoted = true) {
    Zrl_String s(text);
    r.apply(s, skipQuoted);
    return s;
}

} // namespace

TEST(WordReplacer, OnlyWholeWords) {
    WordReplacer r;
    r.add(L"A", L"B2");
    r.add(L"AB", L"B3");
    EXPECT_EQ(replaced(r, L"A+AB*A_1-A1+(A)"), L"B2+B3*A_1-A1+(B2)");
    EXPECT_EQ(replaced(r, L"a*2"), L"B2*2"); // names without case
    EXPECT_EQ(replaced(r, L"1E+5"), L"1E+5");
}

TEST(WordReplacer, PutInTextIsNeverReplacedAgain) {
    // Variable A lives in H1; a variable named H1 lives in C4.
    WordReplacer r;
    r.add(L"A", L"H1");
    r.add(L"H1", L"C4");
    EXPECT_EQ(replaced(r, L"A+H1"), L"H1+C4");
}

TEST(WordReplacer, LongestNameWinsAndQuotedTextStays) {
    WordReplacer r;
    r.add(L"P", L"B2");
    r.add(L"P.Name", L"B3");
    r.add(L"Steel", L"B4");
    EXPECT_EQ(replaced(r, L"P.Name&P"), L"B3&B2");
    EXPECT_EQ(replaced(r, L"IF(Steel=\"Steel\",1,2)"), L"IF(B4=\"Steel\",1,2)");
    EXPECT_EQ(replaced(r, L"\"Steel\"&Steel", false), L"\"B4\"&B4");
    // The first text given for a name stays.
    r.add(L"steel", L"Z9");
    EXPECT_EQ(replaced(r, L"Steel"), L"B4");
}
