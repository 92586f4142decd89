// Whole evaluations through StartDlgStandardsSS: mode 1 with its positional
// pairing, general variables, the calculation area's reports, and failures
// that must leave the caller's record as it was.
#include "eval_fixture.h"
#include "frame/ss_dlgs_mgr.h"
#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"
#include "platform/host/transactions.h"
#include "standards/dlg_ss_standards.h"
#include "standards/standards_eval.h"
#include "standards/standards_eval_report.h"

using namespace evaltest;

namespace {

// Inputs Height, Width, Grade; outputs Area, Label; local Half.
std::vector<Cell> plateCells(std::vector<Cell> extra = {}) {
    std::vector<Cell> cells = {
        {1, 1, L"Input"},
        {1, 2, L"Double Height"},
        {2, 2, L"Double Width"},
        {3, 2, L"String Grade"},
        {1, 3, L"Output"},
        {1, 4, L"Double Area"},
        {2, 4, L"String Label"},
        {1, 5, L"Local"},
        {1, 6, L"Double Half"},
        {1, 7, L"Calc"},
        {1, 8, L"Half = Height / 2"},
        {1, 9, L"Area = Half * Width * 2"},
        {1, 10, L"Label = Grade & \"-\" & Area"},
    };
    cells.insert(cells.end(), extra.begin(), extra.end());
    return cells;
}

// The caller's list for the plate sheet, named unlike the sheet's variables:
// pairing goes by position.
VkDlgStandardsData plateRecord(const Zrl_String& file) {
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = file;
    data.varCells.append(var(L"p1", VkCellInput, L"10"));
    data.varCells.append(var(L"p2", VkCellInput, L"3"));
    data.varCells.append(var(L"p3", VkCellInput, L"S235", VkValueString));
    data.varCells.append(var(L"p4", VkCellOutput, L"0"));
    data.varCells.append(var(L"p5", VkCellOutput, L"", VkValueString));
    return data;
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
    // A sheet that does not exist.
    data = plateRecord(L"nosuchsheet");
    EXPECT_FALSE(StartDlgStandardsSS(data));
    // Neither failure keeps a window handed out.
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
    sheet("gen", {{1, 1, L"Input"},
                  {1, 2, L"Double In"},
                  {1, 3, L"Output"},
                  {1, 4, L"Double Twice"},
                  {2, 4, L"String Mat"},
                  {3, 4, L"Double Same"},
                  {1, 5, L"Calc"},
                  {1, 6, L"Twice = gen_Len * 2 + In"},
                  {1, 7, L"Mat = gen_Mat & gen_Len_x"},
                  {1, 8, L"Same = IF(gen_Mat = \"Steel\", 1, 0)"}});
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = L"gen";
    data.genVarNames = {L"gen_Len", L"gen_Mat", L"gen_Len_x"};
    data.genVarValues = {L"12.5", L"Steel", L"-A"};
    data.varCells.append(var(L"In", VkCellInput, L"1"));
    data.varCells.append(var(L"Twice", VkCellOutput));
    data.varCells.append(var(L"Mat", VkCellOutput, L"", VkValueString));
    data.varCells.append(var(L"Same", VkCellOutput));
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
    VkDlgStandardsData data = plateRecord(L"dup");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(boxes().size(), 1u);
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
    sheet("grade", {{1, 1, L"Input"},
                    {1, 2, L"String Grade"},
                    {1, 3, L"Output"},
                    {1, 4, L"String Label"},
                    {1, 5, L"Calc"},
                    {1, 6, L"Label = Grade & \"!\""}});
    curDocSettings().standardsDiagnostics = true;
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = L"grade";
    data.varCells.append(var(L"Grade", VkCellInput, L"Calc", VkValueString));
    data.varCells.append(var(L"Label", VkCellOutput, L"", VkValueString));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"Calc!");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Evaluation, MissingCalcTitleFailsTheRun) {
    auto cells = plateCells();
    cells[9].text = L"Calculation";
    sheet("nocalc", cells);
    VkDlgStandardsData data = plateRecord(L"nocalc");
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"0");
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
    sheet("plate", {{1, 1, L"Input"},
                    {1, 2, L"Double Height"},
                    {2, 2, L"Double gen.Length"},
                    {1, 3, L"Output"},
                    {1, 4, L"Double Width"},
                    {1, 5, L"Calc"},
                    {1, 6, L"Width = Height + gen.Length"}});
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
    sheet("dupout", {{1, 1, L"Input"},
                     {1, 2, L"Double X"},
                     {2, 2, L"Double Y"},
                     {1, 3, L"Output"},
                     {1, 4, L"Double X"},
                     {2, 4, L"Double Z"},
                     {1, 5, L"Calc"},
                     {1, 6, L"Z = X + Y"}});
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = L"dupout";
    data.varCells.append(var(L"X", VkCellInput, L"1"));
    data.varCells.append(var(L"Y", VkCellInput, L"2"));
    data.varCells.append(var(L"p3", VkCellOutput, L"keep"));
    data.varCells.append(var(L"p4", VkCellOutput));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[3].value, L"3");
    EXPECT_EQ(data.varCells[2].value, L"keep");
}
