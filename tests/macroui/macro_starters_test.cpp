// The macro dialog's starters: the modal copy-back, the modeless table
// (indexes, postponed ends on the virtual clock, read-out), and unloading.
#include "entry/entry_point.h"
#include "macro_fixture.h"
#include "platform/host/host_windows.h"
#include "platform/win/timers.h"

using namespace macrotest;

TEST_F(MacroDlgTest, StartDlgMacroCopiesTheRecordBackAfterEscapeToo) {
    run([](CDlgMacro& dlg) {
        general(dlg, 0).grid().typeInCell(2, 1, L"222");
        dlg.pressKey(win::VK_ESCAPE);
    });
    EXPECT_EQ(record.tabs[0].values[0].value, L"222");
}

TEST_F(MacroDlgTest, ModelessIndexesAreReusedHighestFirst) {
    int a = -1, b = -1, c = -1, d = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, record, a));
    ASSERT_TRUE(StartDlgMacroModeless(false, record, b));
    ASSERT_TRUE(StartDlgMacroModeless(true, record, c));
    EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_TRUE(EndDlgMacroModeless(1));
    ASSERT_TRUE(StartDlgMacroModeless(true, record, d));
    EXPECT_EQ(d, 1);
    MacroData out;
    EXPECT_TRUE(GetDlgMacroData(1, out));
    EXPECT_EQ(out.objectIds, record.objectIds);
    for (int index : {-1, 0, 3})
        EXPECT_FALSE(GetDlgMacroData(index, out)) << index;
    DestroyAllMacroDlgs();
    macroui::flushClosedMacroDlgs();
    EXPECT_EQ(macroui::modelessTableSize(), 0);
}

TEST_F(MacroDlgTest, APostponedEndIsRetriedUntilTheRecordAllowsIt) {
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, record, index));
    CDlgMacro* dlg = macroui::modelessMacroDlg(index);
    ASSERT_NE(dlg, nullptr);
    dlg->record().postponeClose = true;
    dlg->click(win::IDOK); // the dialog asks the table to end it
    EXPECT_TRUE(dlg->isClosing());
    win::advanceClock(120);
    ASSERT_EQ(macroui::modelessMacroDlg(index), dlg);
    dlg->record().postponeClose = false;
    win::advanceClock(60);
    EXPECT_EQ(macroui::modelessMacroDlg(index), nullptr);
    macroui::flushClosedMacroDlgs();
    // The view was reset before the end was asked for.
    EXPECT_EQ(host::countCalls("changeView"), 1);
}

TEST_F(MacroDlgTest, UnloadingClosesEveryModelessDialog) {
    int index = -1;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(StartDlgMacroModeless(true, record, index));
    acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
    macroui::flushClosedMacroDlgs();
    EXPECT_EQ(macroui::modelessTableSize(), 0);
    EXPECT_EQ(host::countCalls("clashDlgClosed"), 3);
}
