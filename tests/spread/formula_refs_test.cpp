// Formulas that move with their cell, and references that follow rows and
// columns being inserted and deleted.
#include "formula_test_host.h"

#include <gtest/gtest.h>

namespace spread::testing {
namespace {

std::unique_ptr<Formula> at(std::wstring_view text, int col, int row) {
    auto f = Formula::parse(text, RefStyle::A1, col, row);
    EXPECT_TRUE(f) << std::wstring(text).size();
    return f;
}

TEST(FormulaRefs, MovedShiftsRelativePartsOnly) {
    auto f = at(L"A1+$A1+A$1+$A$1+SUM(A1:$B$2)+SUM(B:B)+SUM($3:3)", 3, 3);
    auto g = f->moved(2, 1); // C3 -> E4
    ASSERT_TRUE(g);
    // A block whose relative corner passes its absolute one turns around.
    EXPECT_EQ(g->text(RefStyle::A1, 5, 4), L"C2+$A2+C$1+$A$1+SUM($B2:C$2)+SUM(D:D)+SUM($3:4)");
    EXPECT_EQ(f->text(RefStyle::A1, 3, 3), L"A1+$A1+A$1+$A$1+SUM(A1:$B$2)+SUM(B:B)+SUM($3:3)");
    // R1C1 text is the same from either cell.
    auto h = at(L"A1+$A1+SUM(B:B)+SUM(B2:C3)", 3, 3);
    EXPECT_EQ(h->moved(4, 7)->text(RefStyle::R1C1, 7, 10), h->text(RefStyle::R1C1, 3, 3));
    // Texts, names and custom calls go with the copy, which outlives the original.
    auto words = at(L"IF(A1>0,\"yes\",\"no \"\"x\"\"\")&LEN(ZZZ)&MINE(\"a\")", 3, 3);
    auto copy = words->moved(1, 1);
    words.reset();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text(RefStyle::A1, 4, 4),
              L"IF(B2>0,\"yes\",\"no \"\"x\"\"\")&LEN(ZZZ)&MINE(\"a\")");
    EXPECT_TRUE(copy->isVolatile());
}

TEST(FormulaRefs, MovingOffTheSheetGivesRefErrors) {
    MapHost host;
    host.set(1, 1, Value(5));
    auto f = at(L"A1+1", 2, 2);
    auto g = f->moved(-1, -1); // A1 would read column 0, row 0
    ASSERT_TRUE(g);
    EXPECT_EQ(g->text(RefStyle::A1, 1, 1), L"#REF!+1");
    EXPECT_EQ(g->evaluate(host, 1, 1), Value::error(ErrorKind::Ref));
    std::vector<CellRange> refs;
    g->references(refs);
    EXPECT_TRUE(refs.empty());
    auto h = at(L"SUM(A1:B2)", 3, 3)->moved(0, kMaxSheetRows);
    EXPECT_EQ(h->text(RefStyle::A1, 3, 3), L"SUM(#REF!)");
    // Absolute references go anywhere unharmed.
    EXPECT_EQ(at(L"$A$1", 2, 2)->moved(-1, -1)->evaluate(host, 1, 1), Value(5));
}

TEST(FormulaRefs, InsertedRowsPushReferencesDown) {
    auto f = at(L"A1+A5+$A$9+SUM(A2:A6)+SUM(A:A)+SUM(5:5)", 2, 10);
    f->adjustRows(5, 2); // two rows before row 5
    EXPECT_EQ(f->text(RefStyle::A1, 2, 12), L"A1+A7+$A$11+SUM(A2:A8)+SUM(A:A)+SUM(7:7)");
    auto g = at(L"A5", 1, 1);
    g->adjustRows(1, kMaxSheetRows); // pushed off the bottom
    EXPECT_EQ(g->text(RefStyle::A1, 1, 1), L"#REF!");
}

TEST(FormulaRefs, DeletedRowsShrinkBlocksAndBreakCells) {
    auto f = at(L"A1+A5+A7+SUM(A4:A8)+SUM(A5:A6)+SUM(A2:A5)", 3, 20);
    f->adjustRows(5, -2); // rows 5 and 6 go
    EXPECT_EQ(f->text(RefStyle::A1, 3, 18), L"A1+#REF!+A5+SUM(A4:A6)+SUM(#REF!)+SUM(A2:A4)");
    MapHost host;
    EXPECT_EQ(f->evaluate(host, 3, 18), Value::error(ErrorKind::Ref));
    std::vector<CellRange> refs;
    f->references(refs);
    EXPECT_EQ(refs.size(), 4u);
}

TEST(FormulaRefs, ColumnsFollowTheSameRules) {
    auto f = at(L"A1+C1+SUM(B1:D1)+SUM(C:C)+SUM(1:1)", 10, 1);
    f->adjustCols(2, 1); // a column before B
    EXPECT_EQ(f->text(RefStyle::A1, 11, 1), L"A1+D1+SUM(C1:E1)+SUM(D:D)+SUM(1:1)");
    f->adjustCols(4, -1); // D goes
    EXPECT_EQ(f->text(RefStyle::A1, 10, 1), L"A1+#REF!+SUM(C1:D1)+SUM(#REF!)+SUM(1:1)");
}

TEST(FormulaRefs, AdjustedFormulasStillComputeFromNumbers) {
    // Arithmetic formulas take a faster path; a broken reference must not
    // confuse it.
    MapHost host;
    host.set(1, 3, Value(4));
    auto f = at(L"A2*2+A3", 2, 5);
    EXPECT_EQ(f->evaluate(host, 2, 5), Value(4));
    f->adjustRows(2, -1);
    EXPECT_EQ(f->text(RefStyle::A1, 2, 4), L"#REF!*2+A2");
    EXPECT_EQ(f->evaluate(host, 2, 4), Value::error(ErrorKind::Ref));
}

} // namespace
} // namespace spread::testing
