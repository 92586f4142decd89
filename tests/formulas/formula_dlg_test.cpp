// The formulas bench: evaluation mode, its file buttons, automatic
// calculation and the reference styles.
#include "formulas_fixture.h"
#include "sheettools/calling_sheet.h"
#include "sheettools/formula_dlg.h"

namespace formulas_test {
namespace {

class FormulaDlgTest : public FormulasTest {
protected:
    // Runs the bench modally in `mode` on `file`; `play` is the user.
    void runBench(int mode, const std::wstring& file, std::function<void(CFormula&)> play) {
        win::script().onNextModal([play](win::Dialog& dlg) {
            auto* bench = dynamic_cast<CFormula*>(&dlg);
            ASSERT_NE(bench, nullptr);
            play(*bench);
        });
        zrlss::ResourceScope resources;
        CFormula dlg;
        dlg.mode = mode;
        dlg.fileName = Zrl_String(file);
        dlg.evalColumn = 2;
        dlg.evalRow = 1;
        dlg.doModal();
        result = dlg.result;
        EXPECT_TRUE(win::script().shown().errors.empty());
    }
    Zrl_String result;
};

TEST_F(FormulaDlgTest, EvaluationModeKeepsTheCellTextAndRestoresCallingSheet) {
    const std::wstring file = writeSheet("calc.vks", 3, 3, [](spread::Sheet& s) {
        s.setData(1, 1, L"4");
        s.setData(2, 1, L"=A1*3");
    });
    bool sawGrid = false;
    runBench(CFormula::kModeEvaluate, file, [&](CFormula& bench) {
        sawGrid = bench.spread().isCreated();
        // The evaluation is over once the user has the dialog.
        EXPECT_EQ(callingSheet(), nullptr);
        EXPECT_EQ(bench.getItemText(CFormula::kFileNameId), file);
        EXPECT_EQ(bench.isChecked(CFormula::kAutoCalcId), win::BST_UNCHECKED);
        EXPECT_EQ(bench.isChecked(CFormula::kStyleDefaultId), win::BST_CHECKED);
    });
    EXPECT_TRUE(sawGrid);
    EXPECT_EQ(result, L"12");
}

TEST_F(FormulaDlgTest, LoadAndSaveButtonsReportFailuresAndKeepTheSheet) {
    const std::wstring file =
        writeSheet("start.vks", 2, 2, [](spread::Sheet& s) { s.setData(1, 1, L"start"); });
    const std::wstring saved = (dir / "saved.vks").wstring();
    runBench(CFormula::kModeEvaluate, file, [&](CFormula& bench) {
        printed->clear();
        bench.type(CFormula::kFileNameId, (dir / "missing.vks").wstring());
        bench.click(CFormula::kLoadId);
        EXPECT_EQ(printedText(), L"Load failed\n");
        EXPECT_EQ(bench.spread().getData(1, 1), L"start");

        printed->clear();
        bench.type(CFormula::kFileNameId, (dir / "no-such-folder" / "x.vks").wstring());
        bench.click(CFormula::kSaveId);
        EXPECT_EQ(printedText(), L"Save failed\n");

        printed->clear();
        bench.type(CFormula::kFileNameId, saved);
        bench.click(CFormula::kSaveId);
        bench.spread().setCellData(1, 1, L"changed");
        bench.click(CFormula::kLoadId);
        EXPECT_EQ(printedText(), L"");
        EXPECT_EQ(bench.spread().getData(1, 1), L"start");
        // FROMTABLE is still known after a load.
        EXPECT_TRUE(bench.spread().setFormula(2, 2, L"FROMTABLE(\"" + file + L"\", A1)"));
        EXPECT_EQ(bench.spread().getValue(2, 2), L"start");
    });
}

TEST_F(FormulaDlgTest, AutoCalculateSwitchesGridAndRecalculateButton) {
    runBench(CFormula::kModeEvaluate, L"", [](CFormula& bench) {
        Zrl_Spread& grid = bench.spread();
        EXPECT_FALSE(grid.getBool(7));
        EXPECT_TRUE(grid.getBool(12));
        EXPECT_EQ(grid.getCellType(6, 6), 14);

        grid.setCellData(1, 1, L"2");
        grid.setFormula(2, 1, L"A1+1");
        grid.setCellData(1, 1, L"5");
        EXPECT_EQ(grid.getValue(2, 1), L"3");
        bench.click(CFormula::kRecalcId);
        EXPECT_EQ(grid.getValue(2, 1), L"6");

        bench.click(CFormula::kAutoCalcId);
        EXPECT_TRUE(grid.getBool(7));
        EXPECT_FALSE(bench.item(CFormula::kRecalcId)->isEnabled());
        grid.setCellData(1, 1, L"7");
        EXPECT_EQ(grid.getValue(2, 1), L"8");
        bench.click(CFormula::kAutoCalcId);
        EXPECT_FALSE(grid.getBool(7));
        EXPECT_TRUE(bench.item(CFormula::kRecalcId)->isEnabled());
    });
}

TEST_F(FormulaDlgTest, ReferenceStylesShowColumnFourFormulasInColumnOne) {
    runBench(CFormula::kModeEvaluate, L"", [](CFormula& bench) {
        Zrl_Spread& grid = bench.spread();
        grid.setFormula(4, 1, L"B1+C2");
        grid.setFormula(4, 2, L"SUM(B1:B3)");
        grid.setCellData(1, 5, L"77");
        bench.click(CFormula::kStyleR1C1Id);
        const std::wstring r1c1 = grid.getData(1, 1);
        EXPECT_NE(r1c1.find(L"R"), std::wstring::npos) << r1c1;
        EXPECT_EQ(r1c1, grid.getFormula(4, 1));
        bench.click(CFormula::kStyleA1Id);
        EXPECT_EQ(grid.getData(1, 1), L"B1+C2");
        EXPECT_EQ(grid.getData(1, 2), L"SUM(B1:B3)");
        EXPECT_EQ(grid.getData(1, 3), L"");
        // Row 5 is copied only when column 4 holds a formula there.
        EXPECT_EQ(grid.getData(1, 5), L"77.00");
        grid.setFormula(4, 5, L"A1");
        bench.click(CFormula::kStyleDefaultId);
        EXPECT_EQ(grid.getData(1, 5), L"A1");
    });
}

} // namespace
} // namespace formulas_test
