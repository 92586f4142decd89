// The docked sheets manager: one bar at a time, its grids and its menus.
// The format asked for and Escape are dialog cases.
#include "platform/host/host_windows.h"
#include "workshop/dlg_sheets_mgr.h"
#include "workshop/settings_ids.h"
#include "workshop_fixture.h"

namespace workshop_test {
namespace {

class SheetsMgr : public WorkshopTest {
protected:
    void SetUp() override {
        WorkshopTest::SetUp();
        acedGetAcadFrame()->setRect({0, 0, 1200, 800});
        VkSheetsMgrDlgData::clearFormatRequests();
        data.append(VkSheetEntry(L"Sheet 1", {L"Beam B1", L"Plate P1"}));
        data.append(VkSheetEntry(L"Sheet 2", {}));
    }
    void TearDown() override {
        EndModelessDlgSheetsMgr();
        WorkshopTest::TearDown();
    }
    VkSheetsMgrDlgData data;
};

TEST_F(SheetsMgr, OneBarKeepsItsFirstData) {
    EXPECT_FALSE(EndModelessDlgSheetsMgr()); // none open
    ASSERT_TRUE(StartModelessDlgSheetsMgr(data));
    CDlgSheetsMgr* first = openSheetsMgr();
    ASSERT_NE(first, nullptr);
    VkSheetsMgrDlgData other;
    other.append(VkSheetEntry(L"Other", {}));
    EXPECT_TRUE(StartModelessDlgSheetsMgr(other));
    EXPECT_EQ(openSheetsMgr(), first);
    EXPECT_EQ(first->record().length(), 2);

    // Rows: a sheet, its parts as children; a sheet without parts alone.
    VkTreeSpread& upper = first->upperGrid();
    const struct {
        int row, level;
        const wchar_t* name;
    } rows[] = {{1, 1, L"Sheet 1"}, {2, 2, L"Beam B1"}, {3, 2, L"Plate P1"}, {4, 1, L"Sheet 2"}};
    ASSERT_EQ(upper.getMaxRows(), 4);
    for (const auto& r : rows) {
        Zrl_String text;
        EXPECT_EQ(upper.getLevel(r.row), r.level) << r.row;
        upper.getCellText(upper.gridColumn(2), r.row, text);
        EXPECT_EQ(text, r.name) << r.row;
    }
    EXPECT_FALSE(upper.hasChildren(4));
    EXPECT_EQ(first->lowerGrid().getMaxRows(), 4);

    EXPECT_TRUE(EndModelessDlgSheetsMgr());
    EXPECT_EQ(openSheetsMgr(), nullptr);
    EXPECT_FALSE(EndModelessDlgSheetsMgr());
}

TEST_F(SheetsMgr, EveryMenuItemPrintsItsLine) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(data));
    CDlgSheetsMgr* dlg = openSheetsMgr();
    ASSERT_NE(dlg, nullptr);
    std::wstring expected;
    // Every upper item, "Properties..." (the eleventh) included.
    for (int i = 0; i < dlg->upperItems().length(); ++i) {
        win::script().queueMenuChoice(dlg->upperItems()[i].str());
        ASSERT_TRUE(dlg->upperGrid().scriptRightClick(1, 1)) << i;
        expected += L"\nMenu item \"" + dlg->upperItems()[i].str() + L"\" pressed.";
    }
    win::script().queueMenuChoice(L"Show all sheets of this part");
    ASSERT_TRUE(dlg->lowerGrid().scriptRightClick(1, 2));
    expected += L"\nMenu item \"Show all sheets of this part\" pressed.";
    win::script().queueMenuChoice(L"Generate .dxf files");
    ASSERT_TRUE(dlg->click(IDC_SM_OUTPUT));
    expected += L"\nMenu item \"Generate .dxf files\" pressed.";
    EXPECT_EQ(printed->text(), expected);
}

TEST_F(SheetsMgr, ClosingTheBarEndsItAndTheNextStartMakesANewOne) {
    ASSERT_TRUE(StartModelessDlgSheetsMgr(data));
    win::Window* bar = openSheetsMgr()->parent();
    bar->sendMessage(win::WM_CLOSE);
    EXPECT_EQ(openSheetsMgr(), nullptr);
    EXPECT_FALSE(EndModelessDlgSheetsMgr());
    ASSERT_TRUE(StartModelessDlgSheetsMgr(data));
    EXPECT_NE(openSheetsMgr(), nullptr);
    EXPECT_TRUE(openSheetsMgr()->isRunning());
}

} // namespace
} // namespace workshop_test
