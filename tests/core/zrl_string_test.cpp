#include "core_test_support.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_string_index.h"

#include <clocale>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(ZrlString, NumberTextRoundsHalvesAwayFromZeroOnTheVisibleDecimals) {
    // Binary 2.67499999... still rounds up; no "-0.00"; negative decimals clamp to 0.
    const std::vector<std::tuple<double, int, std::wstring>> rows = {
        {2.675, 2, L"2.68"},
        {0.125, 2, L"0.13"},
        {2.5, 0, L"3"},
        {-2.5, 0, L"-3"},
        {9.995, 2, L"10.00"},
        {-0.004, 2, L"0.00"},
        {1.0, 6, L"1.000000"},
        {123456789.0, 0, L"123456789"},
        {1.5, -3, L"2"},
        {1e-20, 15, L"0.000000000000000"},
        {-999.96, 1, L"-1000.0"},
        {1e22, 0, L"1" + std::wstring(22, L'0')},
        {5e-324, 15, L"0.000000000000000"}};
    for (const auto& [value, decimals, text] : rows)
        EXPECT_EQ(Zrl_String(value, decimals), text) << value << " to " << decimals;
}

TEST(ZrlString, NumberTextIgnoresTheProcessLocale) {
    const char* set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(Zrl_String(1.25, 2), L"1.25");
    bool ok = false;
    EXPECT_DOUBLE_EQ(Zrl_String(L"1.25").toDouble(&ok), 1.25);
    EXPECT_TRUE(ok);
    if (set) std::setlocale(LC_NUMERIC, "C");
}

TEST(ZrlString, CaseFlagSetIsSensitiveClearedIgnoresCase) {
    Zrl_String s(L"Straße ÄÖÜ Ÿ Žluť Σ Ж");
    EXPECT_FALSE(s.equal(L"straße äöü ÿ žluť σ ж", true));
    EXPECT_TRUE(s.equal(L"straße äöü ÿ žluť σ ж", false));
    EXPECT_TRUE(s.startsWith(L"STR", false));
    EXPECT_FALSE(s.startsWith(L"STR", true));
    EXPECT_TRUE(s.endsWith(L"ж", false));
    EXPECT_EQ(s.findFirst(L"äö", false), 7);
    EXPECT_EQ(s.findFirst(L"äö", true), -1);
    EXPECT_EQ(Zrl_String(L"ÿ").toUpper(), L"Ÿ");
    EXPECT_EQ(Zrl_String(L"Ÿ").toLower(), L"ÿ");
    EXPECT_EQ(Zrl_String(L"ĹĽŹ").toLower(), L"ĺľź");
    EXPECT_EQ(Zrl_String(L"ĺľź").toUpper(), L"ĹĽŹ");
    EXPECT_LT(Zrl_String::compareNoCase(L"abc", L"ABD"), 0);
    EXPECT_EQ(Zrl_String::compareNoCase(L"ÀB", L"àb"), 0);
}

TEST(ZrlString, PositionsOutsideTheTextAreClamped) {
    Zrl_String s(L"abcdef");
    EXPECT_EQ(s.getSubStringAt(4, 10), L"ef");
    EXPECT_EQ(s.getSubStringAt(-2, 4), L"ab");
    EXPECT_EQ(s.getSubStringAt(-5, 2), L""); // ends before the text
    EXPECT_EQ(s.getSubStringAt(-1, -1), L"abcdef");
    EXPECT_EQ(s.getSubStringAt(6), L"");
    EXPECT_EQ(s.left(-1), L"");
    EXPECT_EQ(s.right(99), L"abcdef");
    EXPECT_EQ(s.at(-1), L'\0');
    EXPECT_EQ(s.at(6), L'\0');
    EXPECT_EQ(Zrl_String(s).removeAt(4, 99), L"abcd");
    EXPECT_EQ(Zrl_String(s).removeAt(-1, 2), L"abcdef");
    EXPECT_EQ(Zrl_String(s).insertAt(99, L"!"), L"abcdef!");
    EXPECT_EQ(Zrl_String(s).insertAt(-3, L"!"), L"!abcdef");
    EXPECT_EQ(s.findFirstFrom(L"a", 99, true), -1);
    EXPECT_EQ(s.findFirstFrom(L"a", -5, true), 0);
    EXPECT_EQ(s.findLast(L"", true), -1);
    EXPECT_EQ(Zrl_String(L'x', -2), L"");
}

TEST(ZrlString, ReplaceSubStringReplacesEveryOccurrenceOnce) {
    Zrl_String s(L"aAaA");
    EXPECT_EQ(s.replaceSubString(L"a", L"aa", true), 2); // no re-scan of inserted text
    EXPECT_EQ(s, L"aaAaaA");
    Zrl_String t(L"Width*WIDTH+width");
    EXPECT_EQ(t.replaceSubString(L"width", L"B2", false), 3);
    EXPECT_EQ(t, L"B2*B2+B2");
    Zrl_String u(L"aaaa");
    EXPECT_EQ(u.replaceSubString(L"aa", L"b", true), 2); // not overlapping
    EXPECT_EQ(u, L"bb");
    EXPECT_EQ(u.replaceSubString(L"", L"x", true), 0);
    EXPECT_EQ(u.replaceSubString(L"zz", L"x", true), 0);
    EXPECT_EQ(u, L"bb");
}

TEST(ZrlString, WholeTextNumberConversions) {
    bool ok = false;
    EXPECT_EQ(Zrl_String(L" 42 ").toInt(&ok), 42);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Zrl_String(L"+7").toInt(&ok), 7);
    EXPECT_TRUE(ok);
    for (const wchar_t* bad : {L"", L"+", L"+-5", L"-+5", L"4x", L"1.5", L"99999999999", L"--1"}) {
        EXPECT_EQ(Zrl_String(bad).toInt(&ok), 0) << Zrl_String(bad).toUtf8();
        EXPECT_FALSE(ok) << Zrl_String(bad).toUtf8();
    }
    EXPECT_DOUBLE_EQ(Zrl_String(L"-1.5e3").toDouble(&ok), -1500.0);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(Zrl_String(L".5").toDouble(&ok), 0.5);
    EXPECT_TRUE(ok);
    // Digits past any short buffer still read; a character beyond ASCII never does.
    EXPECT_DOUBLE_EQ(Zrl_String(L"0." + std::wstring(80, L'0') + L"1").toDouble(&ok), 1e-81);
    EXPECT_TRUE(ok);
    for (const wchar_t* bad : {L"", L"1,5", L"inf", L"nan", L"1e999", L"+-1", L"0x10", L"1.5m",
                               L"1\u00B2", L"\u0661", L"1\uFFFD"}) {
        EXPECT_EQ(Zrl_String(bad).toDouble(&ok), 0.0) << Zrl_String(bad).toUtf8();
        EXPECT_FALSE(ok) << Zrl_String(bad).toUtf8();
    }
}

// The index must answer as a search from the front: names that differ only in
// case (ASCII, Latin-1, Greek) share a slot and the earliest accepted wins.
TEST(ZrlNameIndex, FirstAcceptedMatchAsASearchFromTheFront) {
    const std::vector<Zrl_String> names = {L"Width",  L"WIDTH",  L"h",      L"width", L"\u00C4",
                                           L"\u00E4", L"\u03A3", L"\u03C3", L"",      L"Widt"};
    Zrl_NameIndex index;
    const auto nameOf = [&](int i) -> const Zrl_String& { return names[i]; };
    index.build(static_cast<int>(names.size()), nameOf, [](int i) { return i != 3; });
    for (const Zrl_String& query : {Zrl_String(L"wIDTH"), Zrl_String(L"\u00E4"),
                                    Zrl_String(L"\u03C3"), Zrl_String(L""), Zrl_String(L"x")}) {
        for (int parity = 0; parity < 2; ++parity) {
            const auto accept = [parity](int i) { return i % 2 == parity; };
            int expected = -1;
            for (int i = 0; i < static_cast<int>(names.size()) && expected < 0; ++i) {
                if (i != 3 && accept(i) && names[i].equal(query, false)) expected = i;
            }
            EXPECT_EQ(index.findFirst(query, nameOf, accept), expected)
                << query.toUtf8() << " parity " << parity;
        }
    }
}
