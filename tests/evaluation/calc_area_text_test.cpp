// The text rules of a standards sheet: section bounds, equations, child-call arguments and the
// whole-word replacement.
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

TEST(Sections, EndOnTheRowOfTheNextTitle) {
    // Input title on row 1, Output on 5, Local missing, Calc on 9; 20 rows.
    const int starts[] = {2, 6, 0, 10};
    EXPECT_EQ(sectionEndRow(starts, 4, 0, 20), 5);
    EXPECT_EQ(sectionEndRow(starts, 4, 1, 20), 9);
    EXPECT_EQ(sectionEndRow(starts, 4, 3, 20), 20);
    // Titles in any order: Output above Input.
    const int swapped[] = {8, 3, 12, 0};
    EXPECT_EQ(sectionEndRow(swapped, 4, 1, 30), 7);
    EXPECT_EQ(sectionEndRow(swapped, 4, 0, 30), 11);
    EXPECT_EQ(sectionEndRow(swapped, 4, 2, 30), 30);
    // A title on the last row: its section is empty and capped.
    const int last[] = {2, 11, 0, 0};
    EXPECT_EQ(sectionEndRow(last, 4, 1, 10), 10);
}

TEST(Equation, SplitAtTheFirstEqualsSignAndTrimmed) {
    Equation eq = splitEquation(L"  Width = IF(a>=b, 1, 2) ");
    EXPECT_TRUE(eq.assignment);
    EXPECT_EQ(eq.name, L"Width");
    EXPECT_EQ(eq.expression, L"IF(a>=b, 1, 2)");
    eq = splitEquation(L" CallChild(\"c.vks\", a) ");
    EXPECT_FALSE(eq.assignment);
    EXPECT_TRUE(eq.name.isEmpty());
    EXPECT_EQ(eq.expression, L"CallChild(\"c.vks\", a)");
}

TEST(ChildCallText, ArgumentsAndRefusals) {
    Zrl_String file;
    Zrl_StringArray vars;
    ASSERT_TRUE(parseChildCall(L"CallChild( \"Childs\\bolt.vks\" , a, b )", file, vars));
    EXPECT_EQ(file, L"Childs\\bolt.vks");
    ASSERT_EQ(vars.length(), 2);
    EXPECT_EQ(vars[0], L"a");
    EXPECT_EQ(vars[1], L"b");
    EXPECT_FALSE(parseChildCall(L"CallChild(\"c.vks\")", file, vars));   // no variable
    EXPECT_FALSE(parseChildCall(L"CallChild \"c.vks\", a", file, vars)); // no parentheses
    EXPECT_FALSE(parseChildCall(L"CallChild(\"c.vks\", a", file, vars)); // not closed
    EXPECT_FALSE(parseChildCall(L"Child(\"c.vks\", a)", file, vars));
}

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

TEST(GenVarLiteral, NumbersBareTextsQuoted) {
    EXPECT_EQ(genVarLiteral(L"12.5"), L"12.5");
    EXPECT_EQ(genVarLiteral(L"-3"), L"-3");
    EXPECT_EQ(genVarLiteral(L"Steel"), L"\"Steel\"");
    EXPECT_EQ(genVarLiteral(L""), L"\"\"");
    EXPECT_EQ(genVarLiteral(L"5\"x"), L"\"5\"\"x\"");
}
