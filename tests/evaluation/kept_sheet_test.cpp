// A pooled window keeps the sheet of a remembered file from one evaluation
// to the next instead of loading it again: the second run of each case must
// give what a run on a freshly loaded sheet gives.
#include "eval_fixture.h"
#include "standards/dlg_ss_standards.h"
#include "standards/ss_dlgs_mgr.h"
#include "standards/standards_eval.h"

#include <chrono>
#include <thread>

using namespace evaltest;

namespace {

using Names = std::vector<std::pair<const wchar_t*, const wchar_t*>>;

struct Run {
    std::vector<VkVarCell> list;
    Names genVars;
};

struct Case {
    const char* sheet;
    Run first, second;
    // The idle window's sheet is written between the runs.
    bool touched = false;
    std::vector<std::wstring> expected; // the second run's list
};

VkDlgStandardsData recordOf(const char* sheet, const Run& run) {
    VkDlgStandardsData data = listRecord(Zrl_String::fromUtf8(sheet), run.list);
    for (const auto& [name, value] : run.genVars) {
        data.genVarNames.append(name);
        data.genVarValues.append(value);
    }
    return data;
}

std::vector<VkVarCell> xy(const wchar_t* x, const wchar_t* z = nullptr) {
    std::vector<VkVarCell> list{var(L"X", VkCellInput, x), var(L"Y", VkCellOutput, L"-")};
    if (z) list.push_back(var(L"Z", VkCellOutput, z));
    return list;
}

} // namespace

class KeptSheet : public EvalTest {};

TEST_F(KeptSheet, SecondRunsGiveWhatAFreshSheetGives) {
    const std::vector<Cell> plate =
        rows({L"Input", L"Double H|Double W", L"Output", L"Double A|String L", L"Local",
              L"Double Half|2", L"Calc", L"Half = H / 2", L"A = Half * W * B6", L"L = \"a\" & A"});
    sheet("plate", plate);
    // Y reads the cell of the equation below it, which holds its text until
    // that equation is computed.
    sheet("below", rows({L"Input", L"Double X", L"Output", L"Double Y|Double Z", L"Calc",
                         L"Y = A7 + 1", L"Z = X * 2"}));
    sheet("factor", rows({L"Input", L"Double X", L"Output", L"Double Y", L"Calc",
                          L"Y = X * Factor"}));
    sheet("times3", rows({L"Input", L"Double x", L"Output", L"Double y", L"Calc", L"y = x * 3"}));
    sheet("parent", rows({L"Input", L"Double X", L"Output", L"Double Y", L"Calc",
                          L"CallChild(\"times3.vks\", X, Y)", L"Y = Y + 1"}));
    // Old enough to be remembered.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));

    const auto hw = [](const wchar_t* h, const wchar_t* w) {
        return std::vector<VkVarCell>{var(L"H", VkCellInput, h), var(L"W", VkCellInput, w),
                                      var(L"A", VkCellOutput),
                                      var(L"L", VkCellOutput, L"", VkValueString)};
    };
    const Case cases[] = {
        {"plate", {hw(L"10", L"3")}, {hw(L"4", L"5")}, false, {L"4", L"5", L"20", L"a20"}},
        {"plate", {hw(L"10", L"3")}, {hw(L"4", L"5")}, true, {L"4", L"5", L"20", L"a20"}},
        // A first run that fails half way: its list is too short.
        {"plate", {{var(L"H", VkCellInput, L"1")}}, {hw(L"2", L"2")}, false,
         {L"2", L"2", L"4", L"a4"}},
        {"below", {xy(L"1", L"")}, {xy(L"5", L"")}, false, {L"5", L"-", L"10"}},
        {"factor", {xy(L"4")}, {xy(L"4"), {{L"Factor", L"3"}}}, false, {L"4", L"12"}},
        {"factor", {xy(L"4"), {{L"Factor", L"2"}}}, {xy(L"4"), {{L"factor", L"5"}}}, false,
         {L"4", L"20"}},
        {"parent", {xy(L"1")}, {xy(L"5")}, false, {L"5", L"16"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sheet) + (c.touched ? ", touched" : ""));
        VkDlgStandardsData first = recordOf(c.sheet, c.first);
        StartDlgStandardsSS(first);
        if (c.touched) {
            auto* idle = static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg());
            ASSERT_NE(idle, nullptr);
            idle->sheet.setCellData(2, 6, L"100");
            gSSDlgsMgr.releaseDlg(idle);
        }
        VkDlgStandardsData second = recordOf(c.sheet, c.second);
        ASSERT_TRUE(StartDlgStandardsSS(second));
        ASSERT_EQ(second.varCells.length(), static_cast<int>(c.expected.size()));
        for (int i = 0; i < second.varCells.length(); ++i)
            EXPECT_EQ(second.varCells[i].value.str(), c.expected[static_cast<size_t>(i)]) << i;
    }
}
