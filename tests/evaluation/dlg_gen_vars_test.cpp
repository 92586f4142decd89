// The general-variables dialog, played by the scripted user: filling and
// reading back the seven lists, row operations, the filter choice limited
// to the "Macros\" folder, Cancel, and the size kept across runs.
#include "eval_fixture.h"
#include "standards/dlg_gen_vars.h"

#include <fstream>

using namespace evaltest;

namespace {

using Play = std::function<void(CDlgGenVars&)>;

bool run(VkAutoStandardsData& data, Play play) {
    win::script().onNextModal([play](win::Dialog& d) { play(static_cast<CDlgGenVars&>(d)); });
    return StartDlgGenVars(data);
}

std::vector<std::wstring> texts(const Zrl_StringArray& list) {
    std::vector<std::wstring> out;
    for (int i = 0; i < list.length(); ++i)
        out.push_back(list[i].str());
    return out;
}

using Texts = std::vector<std::wstring>;

} // namespace

class GenVars : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((lib_ / "config").string()));
    }
};

TEST_F(GenVars, EmptyListsShowOneEmptyRowEach) {
    VkAutoStandardsData data;
    ASSERT_TRUE(run(data, [](CDlgGenVars& dlg) {
        EXPECT_EQ(dlg.drawingGrid().getMaxRows(), 1);
        dlg.click(win::IDOK);
    }));
    for (const Zrl_StringArray* list :
         {&data.dwgGenVars(), &data.dwgGenValues(), &data.dwgGenFilters(), &data.stdGenVars(),
          &data.stdGenValues(), &data.stdGenOverrides(), &data.stdGenFilters()})
        EXPECT_EQ(texts(*list), Texts{L""});
}

TEST_F(GenVars, RowsRoundTripWithSpansOfEqualNames) {
    VkAutoStandardsData data;
    data.dwgGenVars() = {L"gen_A", L"gen_A", L"gen_B"};
    data.dwgGenValues() = {L"1", L"2", L"3"};
    data.dwgGenFilters() = {L"x.dwg", L"y", L""};
    ASSERT_TRUE(run(data, [](CDlgGenVars& dlg) {
        Zrl_Spread& grid = dlg.drawingGrid();
        EXPECT_EQ(grid.sheet().spans().size(), 1u); // gen_A over two rows
        // Move gen_B up between the two gen_A rows: no span is left.
        grid.setActiveCell(1, 3);
        dlg.click(IDC_GENVARS_DWG_UP);
        EXPECT_TRUE(grid.sheet().spans().empty());
        // A new row at the active row.
        grid.setSelection(1, 1, 1, 1);
        dlg.click(IDC_GENVARS_DWG_ADD);
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(texts(data.dwgGenVars()), (Texts{L"", L"gen_A", L"gen_B", L"gen_A"}));
    EXPECT_EQ(texts(data.dwgGenValues()), (Texts{L"", L"1", L"3", L"2"}));
    EXPECT_EQ(texts(data.dwgGenFilters()), (Texts{L"", L"x.dwg", L"", L"y"}));
}

TEST_F(GenVars, CancelLeavesTheRecordAlone) {
    VkAutoStandardsData data;
    data.stdGenVars() = {L"gen_A", L"gen_B"};
    data.stdGenValues() = {L"1", L"2"};
    data.stdGenOverrides() = {L"", L""};
    data.stdGenFilters() = {L"", L""};
    const VkAutoStandardsData before = data;
    EXPECT_FALSE(run(data, [](CDlgGenVars& dlg) {
        dlg.standardGrid().setActiveCell(1, 1);
        dlg.click(IDC_GENVARS_STD_DOWN);
        dlg.click(IDC_GENVARS_STD_REMOVE);
        dlg.click(win::IDCANCEL);
    }));
    EXPECT_EQ(data, before);
}

TEST_F(GenVars, FilterChoiceKeepsOnlyPathsInTheMacrosFolder) {
    const auto macros = lib_ / "Macros";
    std::filesystem::create_directories(macros / "Sub");
    std::ofstream(macros / "Sub" / "a.dwg") << "x";
    std::ofstream(macros / "b.dwg") << "x";
    std::ofstream(lib_ / "outside.dwg") << "x";
    const std::wstring folder = CDlgGenVars::filterFolder().str();
    win::script().queueFileDialog({folder + L"Sub\\a.dwg",
                                   Zrl_String::fromUtf8((lib_ / "outside.dwg").string()).str(),
                                   folder + L"b.dwg"});
    win::script().queueFileDialog({Zrl_String::fromUtf8((lib_ / "outside.dwg").string()).str()});
    VkAutoStandardsData data;
    data.stdGenVars() = {L"gen_A"};
    data.stdGenValues() = {L"1"};
    data.stdGenOverrides() = {L"0"};
    data.stdGenFilters() = {L"old.dwg"};
    ASSERT_TRUE(run(data, [](CDlgGenVars& dlg) {
        dlg.standardGrid().clickCell(5, 1);
        dlg.drawingGrid().clickCell(4, 1);
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(texts(data.stdGenFilters()), Texts{L"old.dwg;Sub\\a.dwg;b.dwg"});
    EXPECT_EQ(texts(data.dwgGenFilters()), Texts{L""});
    EXPECT_EQ(win::script().pendingFileDialogs(), 0);
}

TEST_F(GenVars, ReopensAtItsLastSizeAndNeverSmallerThanItsFirst) {
    VkAutoStandardsData data;
    int width = 0, height = 0;
    run(data, [&](CDlgGenVars& dlg) {
        const win::Rect r = dlg.rect();
        width = r.width() + 120;
        height = r.height() + 80;
        dlg.setRect({r.left, r.top, r.left + width, r.top + height});
        // The bottom grid follows the dialog's bottom edge.
        EXPECT_GT(dlg.standardGrid().rect().bottom, r.height() - 60);
        dlg.click(win::IDCANCEL);
    });
    run(data, [&](CDlgGenVars& dlg) {
        EXPECT_EQ(dlg.rect().width(), width);
        EXPECT_EQ(dlg.rect().height(), height);
        const win::Rect r = dlg.rect();
        dlg.setRect({r.left, r.top, r.left + 20, r.top + 20});
        EXPECT_GE(dlg.rect().width(), dlg.minWidth());
        EXPECT_GE(dlg.rect().height(), dlg.minHeight());
        dlg.click(win::IDCANCEL);
    });
}
