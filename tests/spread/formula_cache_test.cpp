// Formulas set again from kept programs: a kept program must be the one a
// fresh parse builds, and must share nothing with the formulas handed out.
#include "formula_test_host.h"
#include "platform/spread/formula_cache.h"
#include "platform/spread/sheet.h"

#include <gtest/gtest.h>

namespace spread::testing {
namespace {

// The formula's text in both styles and its references, or its refusal.
std::wstring parsed(std::wstring_view text, RefStyle style, int col, int row) {
    std::wstring error;
    auto f = Formula::parse(text, style, col, row, &error);
    if (!f) return L"refused: " + error;
    std::vector<CellRange> refs;
    f->references(refs);
    return f->text(RefStyle::A1, col, row) + L" | " + f->text(RefStyle::R1C1, col, row) + L" | " +
           std::to_wstring(refs.size()) + (f->isVolatile() ? L" volatile" : L"");
}

TEST(FormulaCache, KeptProgramsAreThoseOfTheirTextStyleAndCell) {
    const std::wstring relative = L"SUM(R[-1]C, RC[-1]) + IF(R1C1>0, 1, 2)";
    const std::wstring mixed = L"SUM(C3:A1)+SUM($B:B)+LEN(\"a\"\"b\")+MINE(A1)";
    const struct {
        std::wstring_view text;
        RefStyle style;
        int col, row;
    } cases[] = {
        {relative, RefStyle::R1C1, 3, 3},
        {relative, RefStyle::R1C1, 5, 9},
        {relative, RefStyle::R1C1, 3, 1}, // reads above the sheet: refused
        {L"MAX(A1:B2, 3)", RefStyle::A1, 4, 4},
        {L"MAX(A1:B2, 3)", RefStyle::R1C1, 4, 4},
        {L"MAX(R1C1, 3)", RefStyle::R1C1, 4, 4},
        {L"MAX(R1C1, 3)", RefStyle::A1, 4, 4},
        {mixed, RefStyle::A1, 2, 2},
        {L"SUM(1,", RefStyle::A1, 1, 1},
    };
    clearFormulaCache();
    std::vector<std::wstring> fresh;
    for (const auto& c : cases) {
        fresh.push_back(parsed(c.text, c.style, c.col, c.row));
        clearFormulaCache();
    }
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(parsed(cases[i].text, cases[i].style, cases[i].col, cases[i].row), fresh[i])
                << i;
}

TEST(FormulaCache, FormulasHandedOutAreIndependentCopies) {
    clearFormulaCache();
    const wchar_t* text = L"IF(A5>0, A5*2, \"none\")";
    Formula::parse(text, RefStyle::A1, 2, 10)->adjustRows(1, 3); // rows inserted above
    auto again = Formula::parse(text, RefStyle::A1, 2, 10);
    EXPECT_EQ(again->text(RefStyle::A1, 2, 10), L"IF(A5>0,A5*2,\"none\")");
    // Slots reused by many texts, and texts too long to keep, still compute.
    MapHost host;
    for (int i = 0; i < static_cast<int>(kFormulaCacheSlots) * 3; ++i)
        ASSERT_EQ(evalIn(host, L"MAX(" + std::to_wstring(i) + L", 0)", 1 + i % 7), Value(i));
    const std::wstring longText = L"LEN(\"" + std::wstring(kFormulaCacheTextLimit, L'x') + L"\")";
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(evalIn(host, longText), Value(static_cast<double>(kFormulaCacheTextLimit)));
}

// The equations of one calculation sheet, set at every run, must all stay
// kept: two of them that hash alike may not push each other out each time.
TEST(FormulaCache, EveryFormulaOfOneSheetStaysKept) {
    clearFormulaCache();
    std::vector<std::wstring> texts;
    for (int i = 1; i <= 96; ++i)
        texts.push_back(L"IF(A" + std::to_wstring(i) + L">0, ROUND(B" + std::to_wstring(i) +
                        L" * 1.5, 2), NA())");
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < texts.size(); ++i)
            ASSERT_TRUE(Formula::parse(texts[i], RefStyle::A1, 3, static_cast<int>(i) + 1));
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_TRUE(cachedFormula(texts[i], RefStyle::A1, 3, static_cast<int>(i) + 1)) << i;
}

TEST(FormulaCache, EditedSheetComputesAgainFromItsCells) {
    Sheet sheet;
    ASSERT_TRUE(sheet.setMaxCols(3) && sheet.setMaxRows(3));
    const wchar_t* text = L"=IF(A1>1, A1*10, -1)";
    sheet.setNumber(1, 1, 2);
    ASSERT_TRUE(sheet.setFormula(2, 1, text));
    sheet.setNumber(1, 1, 0);
    ASSERT_TRUE(sheet.setFormula(2, 1, text));
    EXPECT_EQ(sheet.value(2, 1), Value(-1));
    // The formula moved down with its row; set again in row 1 it reads row 1.
    ASSERT_TRUE(sheet.insertRows(1, 1));
    EXPECT_EQ(sheet.formula(2, 2), L"IF(A2>1,A2*10,-1)");
    sheet.setNumber(1, 1, 7);
    ASSERT_TRUE(sheet.setFormula(2, 1, text));
    EXPECT_EQ(sheet.value(2, 1), Value(70));
    EXPECT_EQ(sheet.value(2, 2), Value(-1));
}

} // namespace
} // namespace spread::testing
