// FROMTABLE in its argument forms, its results by cell type, nested look-ups
// and the look-ups that give no result.
#include "formulas_fixture.h"
#include "sheettools/calling_sheet.h"
#include "sheettools/from_table.h"

namespace formulas_test {
namespace {

class FromTableTest : public FormulasTest {
protected:
    void SetUp() override {
        FormulasTest::SetUp();
        // A table with typed columns: A integers, B numbers, C texts, and a
        // header row of titles.
        table = writeSheet("table.vks", 3, 3, [](spread::Sheet& s) {
            s.setData(1, 0, L"Id");
            s.setData(2, 0, L"Width");
            s.setData(3, 0, L"Name");
            s.setCellTypeRange(1, 1, 1, 3, spread::CellType::integer());
            s.setCellTypeRange(2, 1, 2, 3, spread::CellType::number(2));
            const wchar_t* names[] = {L"plate", L"angle", L"channel"};
            for (int r = 1; r <= 3; ++r) {
                s.setData(1, r, std::to_wstring(r * 10));
                s.setData(2, r, std::to_wstring(r) + L".5");
                s.setData(3, r, names[r - 1]);
            }
        });
        registerFromTable(bench.grid);
    }

    // Sets `formula` into cell (6, 6) of the bench and gives its value text.
    std::wstring compute(const std::wstring& formula) {
        EXPECT_TRUE(bench.grid.setFormula(6, 6, Zrl_String(formula))) << formula;
        return bench.value(6, 6);
    }

    std::wstring quoted(const std::wstring& path) const { return L"\"" + path + L"\""; }
    // FROMTABLE on the table with the further arguments `rest`.
    std::wstring lookUp(const std::wstring& rest) {
        return compute(L"FROMTABLE(" + quoted(table) + L", " + rest + L")");
    }

    std::wstring table;
    HiddenGrid bench{6, 6};
};

TEST_F(FromTableTest, CellReferenceFormGivesValueByCellType) {
    EXPECT_EQ(lookUp(L"A2"), L"20");
    EXPECT_EQ(compute(L"FROMTABLE(" + quoted(table) + L", B3)*2"), L"7");
    EXPECT_EQ(lookUp(L"C1"), L"plate");
    // Each result is printed after the sheet was loaded (the engine may
    // compute a new formula more than once).
    const std::wstring out = printedText();
    const size_t loaded = out.find(L"Loading spreadsheet:" + table + L"\n");
    const size_t asLong = out.find(L"Result is long: 20\n");
    const size_t asDouble = out.find(L"Result is double: 3.500000\n");
    const size_t asText = out.find(L"Result is string: plate\n");
    EXPECT_LT(loaded, asLong);
    EXPECT_LT(asLong, asDouble);
    EXPECT_LT(asDouble, asText);
    EXPECT_NE(asText, std::wstring::npos);
}

TEST_F(FromTableTest, TitleAndKeyFormFindsRowByKeyColumn) {
    EXPECT_EQ(lookUp(L"\"Id\", \"Name\", 30"), L"channel");
    EXPECT_EQ(lookUp(L"\"Name\", \"Width\", \"angle\""), L"2.5");
    // Titles and key taken from cells of the calling sheet.
    bench.grid.setCellData(2, 2, L"Name");
    bench.grid.setCellData(3, 2, L"Id");
    bench.grid.setCellData(4, 2, L"plate");
    EXPECT_EQ(lookUp(L"B2, C2, D2"), L"10");
}

TEST_F(FromTableTest, ThreeArgumentFormWritesTextIntoCallingSheet) {
    bench.grid.setCellData(3, 3, L"before");
    EXPECT_EQ(lookUp(L"C2, C3"), L"");
    EXPECT_EQ(bench.grid.getData(3, 3), L"angle");
    // The written text is the cell's shown text.
    lookUp(L"B1, D4");
    EXPECT_EQ(bench.grid.getData(4, 4), L"1.50");
    EXPECT_EQ(printedText().find(L"Result is"), std::wstring::npos);
}

TEST_F(FromTableTest, FailedLookUpsGiveNoResultAndLeaveCellsAlone) {
    bench.grid.setCellData(3, 3, L"kept");
    const std::wstring missing = quoted((dir / "missing.vks").wstring());
    const std::wstring cases[] = {
        L"FROMTABLE(" + missing + L", A1)",
        L"FROMTABLE(" + missing + L", A1, C3)",
        L"FROMTABLE(" + quoted(table) + L", E3)",
        L"FROMTABLE(" + quoted(table) + L", E3, C3)",
        L"FROMTABLE(" + quoted(table) + L", \"Grade\", \"Name\", 10)",
        L"FROMTABLE(" + quoted(table) + L", \"Id\", \"Name\", 99)",
        L"FROMTABLE(12, A1)",
        L"FROMTABLE(" + quoted(table) + L", 5)",
        L"FROMTABLE(" + quoted(table) + L", A1, 5)",
    };
    for (const std::wstring& formula : cases)
        EXPECT_EQ(compute(formula), L"") << formula;
    EXPECT_EQ(bench.grid.getData(3, 3), L"kept");
}

TEST_F(FromTableTest, NestedLookUpWritesIntoOuterCallingSheetAndRestoresIt) {
    // inner.vks looks its A1 up in the table; outer.vks looks up inner's A1.
    const std::wstring inner = writeSheet("inner.vks", 2, 2, [&](spread::Sheet& s) {
        s.setData(1, 1, L"=FROMTABLE(" + quoted(table) + L", C3)");
    });
    const std::wstring outer = writeSheet("outer.vks", 2, 2, [&](spread::Sheet& s) {
        s.setData(1, 1, L"=FROMTABLE(" + quoted(inner) + L", A1)");
    });
    {
        CallingSheetScope scope(&bench.grid);
        EXPECT_EQ(compute(L"FROMTABLE(" + quoted(outer) + L", A1)"), L"channel");
        EXPECT_EQ(compute(L"FROMTABLE(" + quoted(inner) + L", A1, E5)"), L"");
        EXPECT_EQ(bench.grid.getData(5, 5), L"channel");
        EXPECT_EQ(callingSheet(), &bench.grid);
    }
    EXPECT_EQ(callingSheet(), nullptr);
}

TEST_F(FromTableTest, SheetThatLooksItselfUpEndsWithoutResult) {
    const std::filesystem::path self = dir / "self.vks";
    const std::wstring selfPath = writeSheet("self.vks", 2, 2, [&](spread::Sheet& s) {
        s.setData(1, 1, L"=FROMTABLE(" + quoted(self.wstring()) + L", A1)");
        s.setData(2, 1, L"=FROMTABLE(" + quoted(self.wstring()) + L", B1)");
    });
    EXPECT_EQ(compute(L"FROMTABLE(" + quoted(selfPath) + L", A1)"), L"");
    EXPECT_EQ(compute(L"FROMTABLE(" + quoted(selfPath) + L", B1, C1)"), L"");
    EXPECT_TRUE(win::script().shown().errors.empty());
}

TEST_F(FromTableTest, ArgumentsOfOtherKindsAreRefused) {
    spread::Sheet calling;
    calling.setMaxCols(2);
    calling.setMaxRows(2);
    calling.setData(1, 1, L"Width");
    spread::CalcValue args[4];
    const uint8_t types[] = {spread::kCalcText, spread::kCalcCell, spread::kCalcDouble,
                             spread::kCalcInt};
    for (int i = 0; i < 4; ++i) {
        args[i].status = spread::kCalcValue;
        args[i].type = types[i];
    }
    args[0].v.text = spread::allocTextBlock(L"\"t.vks\"");
    args[1].v.cell = {1, 1};
    args[2].v.d = 2.5;
    args[3].v.i = 7;
    FromTableLookUp lookUp;
    ASSERT_TRUE(readFromTableArguments(calling, args, 4, lookUp));
    EXPECT_EQ(lookUp.fileName, L"t.vks");
    EXPECT_EQ(lookUp.keyTitle, L"Width");
    EXPECT_EQ(lookUp.valueTitle, L"2.5");
    EXPECT_EQ(lookUp.key, L"7");

    args[3].type = spread::kCalcRange;
    EXPECT_FALSE(readFromTableArguments(calling, args, 4, lookUp));
    args[3].type = spread::kCalcInt;
    args[2].status = spread::kCalcEmpty;
    EXPECT_FALSE(readFromTableArguments(calling, args, 4, lookUp));
    EXPECT_FALSE(readFromTableArguments(calling, args, 1, lookUp));
    EXPECT_FALSE(readFromTableArguments(calling, args, 5, lookUp));
    spread::freeTextBlock(args[0].v.text);
}

} // namespace
} // namespace formulas_test
