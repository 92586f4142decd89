// The macro dialog: size keys and fitting, filters and rebuilds, the host
// and core calls of its commands, property lists, and the cell edits of its
// pages (the profile page's controls: a dialog case).
#include "macro_fixture.h"
#include "dialogs/dlg_open_save.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/host/command_line.h"
#include "platform/win/combo_box.h"
#include "platform/win/tab_control.h"

#include <fstream>

using namespace macrotest;

TEST_F(MacroDlgTest, SizeIsKeptUnderTheKeyOfItsMacros) {
    struct Case {
        std::initializer_list<int> ids;
        int group;
        const wchar_t* key;
    } cases[] = {
        {{1}, 0, L"DLG_MACRO_EDITVARS_End plate"},
        {{1, 2, 3}, 0, L"DLG_MACRO_EDITVARS_3_MACROS"},
        {{1, 2}, 2, L"DLG_MACRO_EDITVARS_GROUP_Bolts"},
    };
    for (const Case& c : cases) {
        record = selecting(c.ids);
        record.firstFilter.selection = c.group;
        UpdateAllFilterModified(record, true);
        run([&](CDlgMacro& dlg) {
            EXPECT_EQ(dlg.sizeKey(), c.key);
            dlg.click(win::IDOK);
        });
        int w = 0, h = 0;
        EXPECT_TRUE(readStoredDlgSize(c.key, w, h)) << Zrl_String(c.key).toUtf8();
    }
}

TEST_F(MacroDlgTest, FitsItsLargestPageAndCannotBeDraggedSmaller) {
    // Many rows: the grid counts at most 20 of them.
    for (int i = 0; i < 40; ++i)
        gMacroDrawing.macros[0].tabs[0].values.append({L"V" + Zrl_String(i), L"1"});
    record = selecting({1});
    run([](CDlgMacro& dlg) {
        int needW = 0, needH = 0;
        for (int i = 0; i < dlg.pageCount(); ++i) {
            needW = std::max(needW, dlg.page(i)->neededSize().cx);
            needH = std::max(needH, dlg.page(i)->neededSize().cy);
        }
        const win::Rect r = dlg.rect();
        EXPECT_GE(r.width(), needW + CDlgMacro::kFrameWidth);
        EXPECT_GE(r.height(), needH + CDlgMacro::kFrameHeight);
        EXPECT_EQ(dlg.minTrackWidth(), r.width());
        EXPECT_EQ(dlg.minTrackHeight(), r.height());
        dlg.setRect({r.left, r.top, r.left + 100, r.top + 100});
        EXPECT_EQ(dlg.rect().width(), r.width());
        EXPECT_EQ(dlg.rect().height(), r.height());
        dlg.click(win::IDOK);
    });
}

// Property lists not allowed: their buttons are greyed (the other tests use
// them).
TEST_F(MacroDlgTest, FilterChangesKeepTheTabByNameAndSurviveFewerTabs) {
    record.currentTab = L"Bolts";
    record.propLists.allowed = false;
    run([](CDlgMacro& dlg) {
        EXPECT_FALSE(dlg.item(IDC_MACRO_LOAD_LIST)->isEnabled());
        EXPECT_FALSE(dlg.item(IDC_MACRO_SAVE_LIST)->isEnabled());
        EXPECT_EQ(dlg.currentTab(), 1);
        dlg.choose(IDC_MACRO_FILTER2, L"Bolts");
        ASSERT_EQ(dlg.pageCount(), 1);
        EXPECT_EQ(dlg.tab(IDC_MACRO_TABS)->getItemText(dlg.currentTab()), L"Bolts");
        dlg.choose(IDC_MACRO_FILTER1, L"Plate");
        ASSERT_EQ(dlg.pageCount(), 1);
        EXPECT_EQ(dlg.tab(IDC_MACRO_TABS)->getItemText(0), L"Plate");
        // Back to all: three pages, and a tab change saves no focus through
        // an index of the old list.
        dlg.choose(IDC_MACRO_FILTER1, L"<All>");
        EXPECT_EQ(dlg.pageCount(), 3);
        dlg.choose(IDC_MACRO_TABS, 2);
        EXPECT_EQ(dlg.currentTab(), 2);
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(record.currentTab, L"Beam");
}

TEST_F(MacroDlgTest, ViewsAndClosingPostCancelFirst) {
    run([](CDlgMacro& dlg) {
        host::clearCallLog();
        for (int id : {IDC_MACRO_VIEW3, IDC_MACRO_VIEW0, IDC_MACRO_VIEW1, IDC_MACRO_VIEW2})
            dlg.click(id);
        dlg.pressKey(win::VK_ESCAPE);
    });
    EXPECT_EQ(calls({"acedPostCommand", "changeView", "clashDlgClosed"}),
              (std::vector<std::string>{
                  "acedPostCommand CANCELCMD", "changeView Plate 3", "acedPostCommand CANCELCMD",
                  "changeView Plate 0", "acedPostCommand CANCELCMD", "changeView Plate 1",
                  "acedPostCommand CANCELCMD", "changeView Plate 2", "acedPostCommand CANCELCMD",
                  "changeView Plate 3", "clashDlgClosed"}));
}

TEST_F(MacroDlgTest, ClashCheckCallsAndTheKeepFocusAnswer) {
    gMacroDrawing.clashStatus = false;
    run([](CDlgMacro& dlg) {
        EXPECT_EQ(dlg.isChecked(IDC_MACRO_CLASH), win::BST_UNCHECKED);
        dlg.click(IDC_MACRO_CLASH);
        EXPECT_EQ(dlg.sendMessage(kMsgKeepFocus), 1);
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(calls({"clashInitDlgStarted", "clashResetInfo", "clashGetStatus", "clashcheck",
                     "clashSetStatus", "clashDlgClosed"}),
              (std::vector<std::string>{"clashInitDlgStarted", "clashResetInfo", "clashGetStatus",
                                        "clashcheck", "clashSetStatus 1", "clashDlgClosed"}));
    EXPECT_TRUE(gMacroDrawing.clashStatus);
}

TEST_F(MacroDlgTest, ACellEditUpdatesExactlyItsItemAndARefusedOneComesBack) {
    run([](CDlgMacro& dlg) {
        Zrl_Spread& grid = general(dlg, 0).grid();
        host::clearCallLog();
        EXPECT_TRUE(grid.typeInCell(2, 2, L"12.50"));
        EXPECT_EQ(calls({"UpdateModule"}), (std::vector<std::string>{"UpdateModule Plate 1"}));
        EXPECT_EQ(grid.getData(2, 2), L"12.5");
        // Not a number: refused, the cell keeps its value, nothing updated.
        EXPECT_FALSE(grid.typeInCell(2, 1, L"tall"));
        EXPECT_EQ(grid.getData(2, 1), L"200");
        EXPECT_EQ(host::countCalls("UpdateModule"), 1);
        // The core refuses: the page shows the record's value again.
        gMacroDrawing.macros[0].locked = true;
        EXPECT_TRUE(grid.typeInCell(2, 1, L"300"));
        EXPECT_EQ(grid.getData(2, 1), L"200");
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(record.tabs[0].values[1].value, L"12.5");
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[0].values[1].value, L"12.5");
    EXPECT_EQ(record.tabs[0].values[0].value, L"200");
}

TEST_F(MacroDlgTest, BoltCountsAreWholeNumbersAndFixIsACheckBox) {
    run([](CDlgMacro& dlg) {
        dlg.choose(IDC_MACRO_TABS, 1);
        Zrl_Spread& bolts = general(dlg, 1).grid();
        ASSERT_EQ(bolts.getMaxRows(), 3); // Edge, Rows (1), Rows (2)
        EXPECT_EQ(bolts.getData(1, 3), L"Rows (2)");
        for (const wchar_t* refused : {L"0", L"2.5", L"x"})
            EXPECT_FALSE(bolts.typeInCell(2, 3, refused)) << Zrl_String(refused).toUtf8();
        EXPECT_TRUE(bolts.typeInCell(2, 3, L"4"));

        Zrl_Spread& plate = general(dlg, 0).grid();
        EXPECT_EQ(plate.getCellType(3, 1), 12);
        EXPECT_EQ(plate.getData(3, 1), L"1");
        host::clearCallLog();
        dlg.choose(IDC_MACRO_TABS, 0);
        plate.clickCell(3, 1);
        EXPECT_EQ(calls({"UpdateModule"}), (std::vector<std::string>{"UpdateModule Plate -12"}));
        EXPECT_EQ(plate.getData(3, 1), L"0");
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(record.tabs[1].patterns[0].nrBolts2, L"4");
    EXPECT_TRUE(record.tabs[0].flexFix[0].flex);
}

TEST_F(MacroDlgTest, AssemblyChangeRefillsDiametersKeepingTheShownOne) {
    run([](CDlgMacro& dlg) {
        dlg.choose(IDC_MACRO_TABS, 1);
        CMacroTabGeneral& page = general(dlg, 1);
        win::ComboBox* diameters = page.combo(IDC_GENERAL_DIAMETER);
        EXPECT_EQ(diameters->getCount(), 6);
        page.choose(IDC_GENERAL_ASSEMBLY, L"Anchor");
        EXPECT_EQ(diameters->getCount(), 4);
        EXPECT_EQ(diameters->getLBText(diameters->getCurSel()), L"20");
        // "<Various>" refills nothing.
        page.combo(IDC_GENERAL_ASSEMBLY)->addString(dialString(695).str());
        page.choose(IDC_GENERAL_ASSEMBLY, dialString(695).str());
        EXPECT_EQ(diameters->getCount(), 4);
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[1].boltData.diameter, L"20");
}

TEST_F(MacroDlgTest, LoadingAListReportsWhatTheMacroLacksAndKeepsFixStatesToTheRecord) {
    {
        std::ofstream((dir_ / "lists" / "Two.mpl"))
            << "Plate/value/Height\ts\t250\nPlate/fix/Height\ts\t0\n"
            << "Plate/value/Gap\ts\t5\nOther/value/X\ts\t1\n";
        std::ofstream((dir_ / "lists" / "Same.mpl")) << "Plate/value/Height\ts\t200\n";
    }
    run([](CDlgMacro& dlg) {
        // The file dialogs open after this one: their turns are queued now.
        for (const wchar_t* name : {L"Same", L"Two"}) {
            win::script().onNextModal([name](win::Dialog& d) {
                d.choose(IDC_OPENSAVE_LIST, name);
                d.click(win::IDOK);
            });
        }
        host::clearCallLog();
        dlg.click(IDC_MACRO_LOAD_LIST);
        EXPECT_EQ(host::countCalls("setAllToMacro"), 0);
        dlg.click(IDC_MACRO_LOAD_LIST);
        EXPECT_EQ(general(dlg, 0).grid().getData(2, 1), L"250");
        dlg.click(win::IDOK);
    });
    const Zrl_String text = dialString(1507) + L".\n" + dialString(1508) + L" 2 " +
                            dialString(1509) + L".\n\n" + dialString(1510);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, text.str());
    ASSERT_NE(host::lastCall("setAllToMacro"), nullptr);
    EXPECT_EQ(host::lastCall("setAllToMacro")->args, std::vector<std::wstring>{L"Plate:0"});
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[0].values[0].value, L"250");
    EXPECT_FALSE(gMacroDrawing.macros[0].tabs[0].flexFix[0].flex);
    EXPECT_TRUE(record.tabs[0].flexFix[0].flex);
}

TEST_F(MacroDlgTest, SavingAppliesEveryPageFirst) {
    run([](CDlgMacro& dlg) {
        win::script().onNextModal([](win::Dialog& d) {
            d.type(IDC_OPENSAVE_NAME, L"Mine");
            d.click(win::IDOK);
        });
        // A diameter chosen without its notification: only reading the page
        // back finds it.
        win::ComboBox* d = general(dlg, 1).combo(IDC_GENERAL_DIAMETER);
        d->setCurSel(d->findStringExact(-1, L"24"));
        dlg.click(IDC_MACRO_SAVE_LIST);
        dlg.click(win::IDOK);
    });
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[1].boltData.diameter, L"24");
    MacroData read = record;
    read.tabs[1].boltData.diameter = L"x";
    int count = -1;
    ASSERT_TRUE(read.readFromFile(L"Mine", count));
    EXPECT_EQ(read.tabs[1].boltData.diameter, L"24");
}

TEST_F(MacroDlgTest, StartWithAdvancedOpensTheDetailOfProfilePagesOnly) {
    std::vector<int> opened;
    gMacroCoreHooks.detailDialog = [&](MacroData& data, int tab, int button) {
        opened.push_back(button);
        data.tabs[tab].profGroups[0].section = L"HEA 200";
        return true;
    };
    record.startWithAdvanced = true;
    for (const wchar_t* tab : {L"Plate", L"Beam"}) {
        record.currentTab = tab;
        run([](CDlgMacro& dlg) { dlg.click(win::IDOK); });
    }
    EXPECT_EQ(opened, std::vector<int>{1114});
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[2].profGroups[0].section, L"HEA 200");
}
