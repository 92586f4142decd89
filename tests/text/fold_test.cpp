// The one case rule: which characters have a case, and comparisons by it
// whatever the process locale.
#include "platform/text/fold.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

TEST(Fold, UpperAndLowerPairs) {
    const struct {
        wchar_t upper, lower;
    } pairs[] = {
        {L'A', L'a'},           {L'Z', L'z'},           {0xC0, 0xE0} /* À */,
        {0xDE, 0xFE} /* Þ */,   {0x178, 0xFF} /* Ÿ */,  {0x100, 0x101} /* Ā */,
        {0x139, 0x13A} /* Ĺ */, {0x17D, 0x17E} /* Ž */, {0x391, 0x3B1} /* Α */,
        {0x3A3, 0x3C3} /* Σ */, {0x401, 0x451} /* Ё */, {0x416, 0x436} /* Ж */,
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(zrltext::foldCase(p.upper), p.lower) << int(p.upper);
        EXPECT_EQ(zrltext::foldCase(p.lower), p.lower) << int(p.lower);
        EXPECT_EQ(zrltext::upperCase(p.lower), p.upper) << int(p.lower);
        EXPECT_EQ(zrltext::upperCase(p.upper), p.upper) << int(p.upper);
    }
    // No case: signs, sharp s, the multiplication sign, dotted and dotless i.
    for (wchar_t ch : {L'1', L'_', wchar_t(0xDF), wchar_t(0xD7), wchar_t(0xF7), wchar_t(0x130),
                       wchar_t(0x131), wchar_t(0x3C2), wchar_t(0x4E00)}) {
        EXPECT_EQ(zrltext::foldCase(ch), ch) << int(ch);
        EXPECT_EQ(zrltext::upperCase(ch), ch) << int(ch);
    }
}

TEST(Fold, ComparisonsIgnoreCaseAndTheProcessLocale) {
    const char* set = std::setlocale(LC_ALL, "tr_TR.UTF-8");
    EXPECT_TRUE(zrltext::equalNoCase(L"Straße ÄÖÜ Ÿ Žluť Σ Ж", L"straße äöü ÿ žluť σ ж"));
    EXPECT_TRUE(zrltext::equalNoCase(L"INFO", L"info"));
    EXPECT_FALSE(zrltext::equalNoCase(L"abc", L"abcd"));
    EXPECT_LT(zrltext::compareNoCase(L"abc", L"ABD"), 0);
    EXPECT_GT(zrltext::compareNoCase(L"abd", L"ABC"), 0);
    EXPECT_LT(zrltext::compareNoCase(L"AB", L"abc"), 0);
    EXPECT_EQ(zrltext::compareNoCase(L"ÀB", L"àb"), 0);
    EXPECT_TRUE(zrltext::startsWithNoCase(L"Connection Standards", L"CONNECTION"));
    EXPECT_FALSE(zrltext::startsWithNoCase(L"Conn", L"Connection"));
    if (set) std::setlocale(LC_ALL, "C");
}

} // namespace
