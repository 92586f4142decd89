// Whole evaluations through StartDlgStandardsSS: mode 1 with its positional
// pairing, general variables, the calculation area's reports, and failures
// that must leave the caller's record as it was.
#include "eval_fixture.h"
#include "standards/ss_dlgs_mgr.h"
#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"
#include "platform/host/transactions.h"
#include "standards/dlg_ss_standards.h"
#include "standards/standards_eval.h"
#include "standards/standards_eval_report.h"

#include <chrono>
#include <thread>

using namespace evaltest;

namespace {

// Inputs Height, Width, Grade; outputs Area, Label; local Half.
std::vector<Cell> plateCells(std::vector<Cell> extra = {}) {
    std::vector<Cell> cells =
        rows({L"Input", L"Double Height|Double Width|String Grade", L"Output",
              L"Double Area|String Label", L"Local", L"Double Half", L"Calc", L"Half = Height / 2",
              L"Area = Half * Width * 2", L"Label = Grade & \"-\" & Area"});
    cells.insert(cells.end(), extra.begin(), extra.end());
    return cells;
}

// The caller's list for the plate sheet, named unlike the sheet's variables:
// pairing goes by position.
VkDlgStandardsData plateRecord(const Zrl_String& file) {
    return listRecord(file, {var(L"p1", VkCellInput, L"10"), var(L"p2", VkCellInput, L"3"),
                             var(L"p3", VkCellInput, L"S235", VkValueString),
                             var(L"p4", VkCellOutput, L"0"),
                             var(L"p5", VkCellOutput, L"", VkValueString)});
}

} // namespace

class Evaluation : public EvalTest {};

TEST_F(Evaluation, ListModePairsByPositionAndFillsOutputs) {
    const Zrl_String file = sheet("plate", plateCells());
    VkDlgStandardsData data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"30");
    EXPECT_EQ(data.varCells[4].value, L"S235-30");
    // Inputs and names stay as given; the sheet's path is resolved only
    // inside the run.
    EXPECT_EQ(data.varCells[0].value, L"10");
    EXPECT_EQ(data.varCells[3].name, L"p4");
    EXPECT_EQ(data.sheetFile, L"plate");
    EXPECT_TRUE(boxes().empty());
    // The window went back to the pool.
    EXPECT_FALSE(gSSDlgsMgr.isHandedOut(0));
}

TEST_F(Evaluation, ASheetEditedBetweenRunsIsReadAgain) {
    sheet("plate", plateCells());
    VkDlgStandardsData data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    auto cells = plateCells();
    cells[11].text = L"Area = Half * Width * 3";
    sheet("plate", cells);
    data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"45");
}

TEST_F(Evaluation, ListModeFailuresLeaveTheRecordAsItWas) {
    sheet("plate", plateCells());
    // One entry short of the sheet's inputs and outputs.
    VkDlgStandardsData data = plateRecord(L"plate");
    data.varCells.removeAt(4);
    const VkDlgStandardsData before = data;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells, before.varCells);
    // An output of the sheet paired with an input of the caller.
    data = plateRecord(L"plate");
    data.varCells[3].cellType = VkCellInput;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"0");
    // A sheet that does not exist, and one without its "Calc" title.
    data = plateRecord(L"nosuchsheet");
    EXPECT_FALSE(StartDlgStandardsSS(data));
    auto cells = plateCells();
    cells[9].text = L"Calculation";
    sheet("nocalc", cells);
    data = plateRecord(L"nocalc");
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"0");
    // No failure keeps a window handed out.
    for (int i = 0; i < gSSDlgsMgr.count(); ++i)
        EXPECT_FALSE(gSSDlgsMgr.isHandedOut(i));
}

TEST_F(Evaluation, LocalsStartEmpty) {
    // Without the clearing the local's cell would still hold "Double Half".
    auto cells = plateCells();
    cells[10].text = L"Area = 1"; // Half is never assigned
    cells.push_back({1, 11, L"Label = Half & \"|\""});
    sheet("plate", cells);
    VkDlgStandardsData data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[4].value, L"|");
}

TEST_F(Evaluation, GeneralVariablesAsNumbersOrQuotedTexts) {
    sheet("gen", rows({L"Input", L"Double In", L"Output", L"Double Twice|String Mat|Double Same",
                       L"Calc", L"Twice = gen_Len * 2 + In", L"Mat = gen_Mat & gen_Len_x",
                       L"Same = IF(gen_Mat = \"Steel\", 1, 0)"}));
    VkDlgStandardsData data = listRecord(
        L"gen", {var(L"In", VkCellInput, L"1"), var(L"Twice", VkCellOutput),
                 var(L"Mat", VkCellOutput, L"", VkValueString), var(L"Same", VkCellOutput)});
    data.genVarNames = {L"gen_Len", L"gen_Mat", L"gen_Len_x"};
    data.genVarValues = {L"12.5", L"Steel", L"-A"};
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"26");
    EXPECT_EQ(data.varCells[2].value, L"Steel-A");
    EXPECT_EQ(data.varCells[3].value, L"1");
}

TEST_F(Evaluation, FailedEquationsAreReportedOnlyWithDiagnostics) {
    const Zrl_String file = sheet(
        "plate",
        plateCells({{1, 11, L"Bogus + 1"}, {2, 11, L"Unknown = 5"}, {3, 11, L"Area2 = Area +"}}));
    VkDlgStandardsData data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(data.varCells[3].value, L"30"); // the good equations still ran

    curDocSettings().standardsDiagnostics = true;
    data = plateRecord(L"plate");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[0].text,
              L"The following equation failed:\nBogus + 1\nSpreadsheet : " + file.str() +
                  L" (line: 11)\nHere's a tip for finding the cause :\nIf this equation contains "
                  L"variable names, then the translator does not know the value of the variable. "
                  L"Make sure the variable exists either in input, output, local declarations or "
                  L"among the gen_ variables.");
    EXPECT_EQ(boxes()[1].text.substr(0, 43), L"The following equation failed:\nUnknown = 5\n");
    EXPECT_NE(boxes()[0].style & win::MB_ICONEXCLAMATION, 0u);
    EXPECT_EQ(data.varCells[3].value, L"30");
}

TEST_F(Evaluation, AnErrorResultIsAFailedEquationNotAValue) {
    // Dividing by zero must not hand "#DIV/0!" back as the output's value.
    auto cells = plateCells();
    cells[11].text = L"Area = Width / (Height - 10)";
    sheet("plate", cells);
    curDocSettings().standardsDiagnostics = true;
    VkDlgStandardsData data = plateRecord(L"plate");
    data.varCells[3].value = L"7";
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"7");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find(L"Area = Width / (Height - 10)"), std::wstring::npos);
}

TEST_F(Evaluation, DuplicateNamesAreAlwaysReportedAndTheFirstKept) {
    auto cells = plateCells({{2, 6, L"Double height"}, {3, 6, L"Double Half"}});
    const Zrl_String file = sheet("dup", cells);
    // Old enough to be remembered, with what the first run learnt of it.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    VkDlgStandardsData data = plateRecord(L"dup");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    VkDlgStandardsData again = plateRecord(L"dup");
    ASSERT_TRUE(StartDlgStandardsSS(again));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, boxes()[0].text);
    EXPECT_EQ(again.varCells[3].value, L"30");
    EXPECT_EQ(boxes()[0].caption, L"Variable names must be unique");
    EXPECT_EQ(boxes()[0].text,
              L"There were duplicate variable names found in the standards file " + file.str() +
                  L".\nThe duplicates will be ignored. Please correct this file.\nDuplicate "
                  L"variable names:\n\nheight\nHalf");
    // The input Height (declared first) still takes the caller's value.
    EXPECT_EQ(data.varCells[3].value, L"30");
}

TEST_F(Evaluation, AnInputValueCannotMoveTheCalculationArea) {
    // The value "Calc" lands above the title: the equations still start
    // below the title, so no declaration is computed as an equation.
    sheet("grade", rows({L"Input", L"String Grade", L"Output", L"String Label", L"Calc",
                         L"Label = Grade & \"!\""}));
    curDocSettings().standardsDiagnostics = true;
    VkDlgStandardsData data =
        listRecord(L"grade", {var(L"Grade", VkCellInput, L"Calc", VkValueString),
                              var(L"Label", VkCellOutput, L"", VkValueString)});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"Calc!");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Evaluation, MacroModeNeedsATransactionBeforeReadingDeclarations) {
    sheet("plate", plateCells());
    auto* idle = static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg());
    ASSERT_NE(idle, nullptr);
    idle->sheet.varCells.resetVarCells();
    gSSDlgsMgr.releaseDlg(idle);
    Zrl_DbMacro macro;
    MacroData macroData;
    VkDlgStandardsData data;
    ASSERT_EQ(data.initialize(&macro, L"plate", L"Module.Base", &macroData), Acad::eOk);
    EXPECT_FALSE(StartDlgStandardsSS(data));
    // The window the run used is idle again and never read the declarations.
    auto* dlg = static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->sheet.varCells.length(), 0);
    EXPECT_TRUE(dlg->sheet.fileName.endsWith(L"plate.vks", true));
    gSSDlgsMgr.releaseDlg(dlg);
}

TEST_F(Evaluation, MacroModeReadsAndWritesTheMacro) {
    sheet("plate", rows({L"Input", L"Double Height|Double gen.Length", L"Output", L"Double Width",
                         L"Calc", L"Width = Height + gen.Length"}));
    Zrl_DbMacro macro;
    Zrl_MacroModule module;
    module.name = L"Plate1";
    module.group = L"Base";
    module.dialogVariables.append({L"Height", 200.0});
    module.dialogVariables.append({L"Width", 0.0});
    macro.macro.modules.append(module);
    macro.macro.generalVariables.append({L"gen_Length", 50.0});
    MacroData macroData;
    MacroTabData tab;
    tab.name = L"Base";
    macroData.tabs.append(tab);
    VkDlgStandardsData data;
    ASSERT_EQ(data.initialize(&macro, L"plate", L"Module.Base", &macroData), Acad::eOk);
    data.transaction = acdbTransactionManager()->startTransaction();
    const bool ok = StartDlgStandardsSS(data);
    acdbTransactionManager()->endTransaction();
    ASSERT_TRUE(ok);
    EXPECT_EQ(macro.macro.modules[0].dialogVariables[1].value, 250.0);
    // The record comes back with the sheet's whole list.
    ASSERT_EQ(data.varCells.length(), 3);
    EXPECT_EQ(data.varCells[2].value, L"250");
}

TEST_F(Evaluation, ListModeKeepsItsPairsWhenDuplicatesAreDropped) {
    // The output X repeats the input X and is dropped before the equations
    // run; Z must still reach the entry it was paired with.
    sheet("dupout", rows({L"Input", L"Double X|Double Y", L"Output", L"Double X|Double Z", L"Calc",
                          L"Z = X + Y"}));
    VkDlgStandardsData data =
        listRecord(L"dupout", {var(L"X", VkCellInput, L"1"), var(L"Y", VkCellInput, L"2"),
                               var(L"p3", VkCellOutput, L"keep"), var(L"p4", VkCellOutput)});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"3");
    EXPECT_EQ(data.varCells[2].value, L"keep");
}
