// Child calls: positional pairing of the arguments with the child's
// variables, the search for the child's file, the refusal of sheets whose
// evaluation is still in progress (the sheet itself and cycles through other
// sheets), and one pooled window per nesting level.
#include "eval_fixture.h"
#include "standards/ss_dlgs_mgr.h"
#include "standards/calc_ss.h"
#include "standards/child_call.h"
#include "standards/child_call_chain.h"
#include "standards/standards_eval.h"

using namespace evaltest;

namespace {

// A child: input x, output y = x * factor.
std::vector<Cell> timesChild(const wchar_t* factor) {
    std::vector<Cell> cells = rows({L"Input", L"Double x", L"Output", L"Double y", L"Calc"});
    cells.push_back({1, 6, std::wstring(L"y = x * ") + factor});
    return cells;
}

// A parent with input a, output b, local c, and the given equations below
// "Calc" in rows 7, 8, ...
std::vector<Cell> parent(std::vector<std::wstring> equations) {
    std::vector<Cell> cells =
        rows({L"Input", L"Double a", L"Output", L"Double b", L"Local", L"Double c|Calc"});
    int row = 7;
    for (auto& e : equations)
        cells.push_back({1, row++, e});
    return cells;
}

VkDlgStandardsData callOn(const Zrl_String& file, const wchar_t* a) {
    return listRecord(file, {var(L"a", VkCellInput, a), var(L"b", VkCellOutput)});
}

} // namespace

class ChildCall : public EvalTest {};

TEST_F(ChildCall, ArgumentsPairByPositionAndOutputsFeedLaterEquations) {
    // c and b stand for the child's x and y by their places alone.
    sheet("times3", timesChild(L"3"));
    sheet("p", parent({L"c = a + 1", L"CallChild(\"times3.vks\", c, b)", L"b = b * 10"}));
    VkDlgStandardsData data = callOn(L"p", L"1");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"60");
}

TEST_F(ChildCall, ChildFileIsSearchedBesideTheSheetThenInTheLibrary) {
    const auto childs = standards() / "Childs";
    writeSheet(childs / "twice.vks", timesChild(L"2"));
    writeSheet(lib_ / "sub" / "beside.vks", timesChild(L"7"));
    writeSheet(lib_ / "sub" / "p.vks", parent({L"CallChild(\"beside.vks\", a, b)"}));
    const Zrl_String subParent = Zrl_String::fromUtf8((lib_ / "sub" / "p.vks").string());
    VkDlgStandardsData data = callOn(subParent, L"2");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"14");

    sheet("p", parent({L"CallChild(\"twice.vks\", a, b)"}));
    data = callOn(L"p", L"4");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"8");

    EXPECT_TRUE(resolveChildFile(L"x", L"nowhere.vks").isEmpty());
}

TEST_F(ChildCall, RefusalsAreFailedEquations) {
    curDocSettings().standardsDiagnostics = true;
    sheet("times3", timesChild(L"3"));
    // The sheet's own file, a missing child, a missing variable, too few
    // arguments, and an output that would overwrite an input of the caller.
    sheet("p", parent({L"CallChild(\"p.vks\", a, b)", L"CallChild(\"none.vks\", a, b)",
                       L"CallChild(\"times3.vks\", a, nosuch)", L"CallChild(\"times3.vks\")",
                       L"CallChild(\"times3.vks\", b, a)", L"b = 1"}));
    VkDlgStandardsData data = callOn(L"p", L"5");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"1");
    EXPECT_EQ(boxes().size(), 5u);
    EXPECT_EQ(child_call::depth(), 0);
}

TEST_F(ChildCall, SheetsCallingEachOtherAreRefused) {
    // A calls B, B calls A: the inner call of A is refused, so B computes
    // its own fallback and A finishes.
    curDocSettings().standardsDiagnostics = true;
    sheet("A", parent({L"CallChild(\"B.vks\", a, b)"}));
    sheet("B", parent({L"b = 100", L"CallChild(\"A.vks\", a, b)"}));
    VkDlgStandardsData data = callOn(L"A", L"1");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"100");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find(L"B.vks (line: 8)"), std::wstring::npos);
    // A longer ring through a third sheet, and a sheet reached under
    // another spelling of its path.
    sheet("C", parent({L"CallChild(\"A.vks\", a, b)"}));
    sheet("B", parent({L"CallChild(\"C.vks\", a, b)"}));
    data = callOn(L"A", L"1");
    EXPECT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(child_call::depth(), 0);
    {
        const child_call::OpenSheet open(Zrl_String::fromUtf8((standards() / "A.vks").string()));
        EXPECT_TRUE(child_call::isOpen(Zrl_String::fromUtf8(
            (standards() / ".." / "Connection Standards" / "a.VKS").string())));
        EXPECT_FALSE(child_call::isOpen(Zrl_String::fromUtf8((standards() / "B.vks").string())));
    }
    for (int i = 0; i < gSSDlgsMgr.count(); ++i)
        EXPECT_FALSE(gSSDlgsMgr.isHandedOut(i));
}

TEST_F(ChildCall, OneWindowPerNestingLevel) {
    // Two child calls, each nesting a further child.
    gSSDlgsMgr.destroyAll();
    sheet("leaf", timesChild(L"2"));
    sheet("mid", parent({L"CallChild(\"leaf.vks\", a, b)"}));
    sheet("top", parent({L"CallChild(\"mid.vks\", a, b)", L"CallChild(\"mid.vks\", b, b)"}));
    VkDlgStandardsData data = callOn(L"top", L"3");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value, L"12");
    EXPECT_EQ(gSSDlgsMgr.count(), 3);
}
