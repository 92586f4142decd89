// Formulas set again from kept programs: a kept program must be the one a
// fresh parse builds, and must never share state with the formulas handed out.
#include "formula_test_host.h"
#include "platform/spread/formula_cache.h"
#include "platform/spread/sheet.h"

#include <gtest/gtest.h>

namespace spread::testing {
namespace {

// The text and references of a formula as (re)built, and of a fresh parse.
struct Parsed {
    bool ok = false;
    std::wstring text, error;
    std::vector<CellRange> refs;
};

Parsed parseAt(std::wstring_view text, RefStyle style, int col, int row) {
    Parsed out;
    auto f = Formula::parse(text, style, col, row, &out.error);
    out.ok = f != nullptr;
    if (f) {
        out.text = f->text(RefStyle::A1, col, row) + L" | " + f->text(RefStyle::R1C1, col, row);
        f->references(out.refs);
    }
    return out;
}

void expectAsFresh(std::wstring_view text, RefStyle style, int col, int row) {
    Parsed kept = parseAt(text, style, col, row);
    clearFormulaCache();
    Parsed fresh = parseAt(text, style, col, row);
    EXPECT_EQ(kept.ok, fresh.ok) << std::wstring(text);
    EXPECT_EQ(kept.text, fresh.text) << std::wstring(text);
    EXPECT_EQ(kept.error, fresh.error) << std::wstring(text);
    EXPECT_TRUE(kept.refs == fresh.refs) << std::wstring(text);
}

TEST(FormulaCache, KeptProgramsAreThoseOfTheirCellAndStyle) {
    clearFormulaCache();
    // A relative R1C1 reference is another cell from each cell.
    const wchar_t* relative = L"SUM(R[-1]C, RC[-1]) + IF(R1C1>0, 1, 2)";
    parseAt(relative, RefStyle::R1C1, 3, 3);
    expectAsFresh(relative, RefStyle::R1C1, 5, 9);
    expectAsFresh(relative, RefStyle::R1C1, 3, 3);
    // Pushed off the sheet from the first row: refused there, fine below.
    EXPECT_FALSE(parseAt(relative, RefStyle::R1C1, 3, 1).ok);
    EXPECT_TRUE(parseAt(relative, RefStyle::R1C1, 3, 2).ok);
    // The same text in the other style means something else or nothing.
    parseAt(L"MAX(A1:B2, 3)", RefStyle::A1, 4, 4);
    expectAsFresh(L"MAX(A1:B2, 3)", RefStyle::R1C1, 4, 4);
    parseAt(L"MAX(R1C1, 3)", RefStyle::R1C1, 4, 4);
    expectAsFresh(L"MAX(R1C1, 3)", RefStyle::A1, 4, 4);
    // Blocks written corner last, whole columns, texts and custom calls.
    const wchar_t* mixed = L"SUM(C3:A1)+SUM($B:B)+LEN(\"a\"\"b\")+MINE(A1)";
    parseAt(mixed, RefStyle::A1, 2, 2);
    expectAsFresh(mixed, RefStyle::A1, 2, 2);
    EXPECT_TRUE(Formula::parse(mixed, RefStyle::A1, 2, 2)->isVolatile());
    // Refused texts keep their reason every time.
    expectAsFresh(L"SUM(1,", RefStyle::A1, 1, 1);
    EXPECT_FALSE(parseAt(L"SUM(1,", RefStyle::A1, 1, 1).ok);
}

TEST(FormulaCache, FormulasHandedOutAreIndependentCopies) {
    clearFormulaCache();
    const wchar_t* text = L"IF(A5>0, A5*2, \"none\")";
    auto first = Formula::parse(text, RefStyle::A1, 2, 10);
    ASSERT_TRUE(first);
    first->adjustRows(1, 3); // the sheet got rows above
    first.reset();
    auto again = Formula::parse(text, RefStyle::A1, 2, 10);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->text(RefStyle::A1, 2, 10), L"IF(A5>0,A5*2,\"none\")");
    MapHost host;
    host.set(1, 5, Value(4));
    EXPECT_EQ(again->evaluate(host, 2, 10), Value(8));
}

TEST(FormulaCache, ManyTextsStayRightWhenSlotsAreReused) {
    clearFormulaCache();
    const int count = static_cast<int>(kFormulaCacheSlots) * 3;
    MapHost host;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            std::wstring text = L"MAX(" + std::to_wstring(i) + L", 0)";
            ASSERT_EQ(evalIn(host, text, 1 + i % 7, 1 + i % 5), Value(i)) << text;
        }
    // Longer texts than the cache keeps still parse.
    std::wstring longText = L"LEN(\"" + std::wstring(kFormulaCacheTextLimit, L'x') + L"\")";
    EXPECT_EQ(evalIn(host, longText), Value(static_cast<double>(kFormulaCacheTextLimit)));
    EXPECT_EQ(evalIn(host, longText), Value(static_cast<double>(kFormulaCacheTextLimit)));
}

TEST(FormulaCache, EditedSheetComputesAgainFromItsCells) {
    Sheet sheet;
    ASSERT_TRUE(sheet.setMaxCols(3) && sheet.setMaxRows(3));
    sheet.setNumber(1, 1, 2);
    ASSERT_TRUE(sheet.setFormula(2, 1, L"=IF(A1>1, A1*10, -1)"));
    EXPECT_EQ(sheet.value(2, 1), Value(20));
    sheet.setNumber(1, 1, 0);
    ASSERT_TRUE(sheet.setFormula(2, 1, L"=IF(A1>1, A1*10, -1)"));
    EXPECT_EQ(sheet.value(2, 1), Value(-1));
    // Rows inserted above move the formula and what it reads; the same text
    // set in its new cell reads from there.
    ASSERT_TRUE(sheet.insertRows(1, 1));
    EXPECT_EQ(sheet.formula(2, 2), L"IF(A2>1,A2*10,-1)");
    sheet.setNumber(1, 1, 7);
    ASSERT_TRUE(sheet.setFormula(2, 1, L"=IF(A1>1, A1*10, -1)"));
    EXPECT_EQ(sheet.value(2, 1), Value(70));
    EXPECT_EQ(sheet.value(2, 2), Value(-1));
}

} // namespace
} // namespace spread::testing
