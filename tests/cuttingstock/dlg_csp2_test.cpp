// The cutting-stock dialog: opened modeless on a record and clicked through,
// with the prompt, file dialogs and message boxes answered as a person
// would. Its starter is the common modal starter, tested with the frame.
#include "cuttingstock/dlg_csp2.h"
#include "cuttingstock/stock_lists.h"
#include "frame/dlg_prompt_string_ids.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/combo_box.h"
#include "stock_fixture.h"

#include <cstdlib>
#include <ctime>

namespace stocktest {
namespace {

DlgCSP2Data threeProfiles() {
    DlgCSP2Data d;
    d.profileIds = {1, 2, 3};
    d.profileNames = cells({L"HEA200", L"IPE300", L"L80x8"});
    d.pieces.titles = cells({L"Mark", L"Length", L"Quantity"});
    addRows(d.pieces, 1, {{L"B1", L"4200", L"2"}});
    addRows(d.pieces, 2, {{L"C1", L"5000", L"1"}});
    addRows(d.pieces, 1, {{L"B2", L"3100", L"4", L"extra"}}); // apart, and one cell more
    d.shop.titles = cells({L"Length", L"Quantity"});
    addRows(d.shop, 1, {{L"4350", L"1"}});
    d.purchase.titles = cells({L"Length"});
    addRows(d.purchase, 2, {{L"12000"}});
    return d;
}

std::wstring wide(const fs::path& p) {
    return Zrl_String::fromUtf8(p.string()).str();
}

class CSP2Test : public StockTest {
protected:
    void open(const DlgCSP2Data& d) {
        dlg.data = d;
        zrlss::ResourceScope resources;
        ASSERT_TRUE(dlg.create(IDD_OPTIMIZECSP2));
        dlg.show(true);
    }
    void TearDown() override {
        if (dlg.isCreated()) dlg.destroy();
        StockTest::TearDown();
    }
    Zrl_StringArrayArray shown(Zrl_DlgCSP2::ListKind kind) {
        Zrl_StringArrayArray rows;
        Zrl_Spread& g = dlg.grid(kind);
        for (int r = 1; r <= g.getMaxRows(); ++r) {
            Zrl_StringArray row;
            g.getRowTexts(r, row);
            rows.append(row);
        }
        return rows;
    }
    std::vector<std::wstring> boxes() const {
        std::vector<std::wstring> out;
        for (const auto& b : win::script().shown().messageBoxes)
            out.push_back(b.text);
        return out;
    }
    void answerPrompt(const wchar_t* name) {
        win::script().onNextModal([name](win::Dialog& d) {
            d.type(IDC_PROMPT_VALUE, name);
            d.click(win::IDOK);
        });
    }

    Zrl_DlgCSP2 dlg;
};

TEST_F(CSP2Test, ShowsEveryRowOfTheProfileAndStoresTheGridsOnSwitching) {
    open(threeProfiles());
    EXPECT_EQ(dlg.currentProfile(), 1);
    EXPECT_EQ(shown(Zrl_DlgCSP2::kPieces),
              table({{L"B1", L"4200", L"2", L""}, {L"B2", L"3100", L"4", L"extra"}}));
    Zrl_String header;
    dlg.grid(Zrl_DlgCSP2::kPieces).getCellText(2, Zrl_Spread::kHeader, header);
    EXPECT_EQ(header, Zrl_String(L"Length"));
    EXPECT_EQ(shown(Zrl_DlgCSP2::kPurchase).length(), 0);

    dlg.grid(Zrl_DlgCSP2::kShop).setCellData(1, 1, L"9999");
    dlg.click(IDC_CSP2_PIECES_ADD); // an empty row below the active one
    ASSERT_TRUE(dlg.choose(IDC_CSP2_PROFILE, 1));
    EXPECT_EQ(shown(Zrl_DlgCSP2::kPieces), table({{L"C1", L"5000", L"1"}}));
    EXPECT_EQ(shown(Zrl_DlgCSP2::kPurchase), table({{L"12000"}}));
    ASSERT_TRUE(dlg.choose(IDC_CSP2_PROFILE, 0));
    EXPECT_EQ(shown(Zrl_DlgCSP2::kShop), table({{L"9999", L"1"}}));
    dlg.click(win::IDOK);
    EXPECT_EQ(stock::profileRows(dlg.data.pieces, 2), table({{L"C1", L"5000", L"1"}}));
    EXPECT_EQ(stock::profileRows(dlg.data.pieces, 1).length(), 3);
    EXPECT_EQ(stock::profileRows(dlg.data.shop, 1), table({{L"9999", L"1"}}));
}

// In result mode only the shop stock and the bottom command stay usable.
TEST_F(CSP2Test, ResultModeLeavesOnlyTheShopStockToEdit) {
    for (bool result : {false, true}) {
        DlgCSP2Data d = threeProfiles();
        d.resultMode = result;
        open(d);
        for (int id : {IDC_CSP2_ADD_PROFILE, IDC_CSP2_PIECES_GRID, IDC_CSP2_BUY_SAVE})
            EXPECT_EQ(dlg.item(id)->isEnabled(), !result) << id;
        for (int id : {IDC_CSP2_PROFILE, IDC_CSP2_SHOP_GRID, IDC_CSP2_SHOP_SAVE, IDC_CSP2_ALL})
            EXPECT_TRUE(dlg.item(id)->isEnabled()) << id;
        EXPECT_EQ(dlg.item(IDC_CSP2_ASK_FILES)->isVisible(), result);
        EXPECT_EQ(Zrl_String(dlg.getItemText(IDC_CSP2_ALL)), dialString(result ? 628 : 629));
        dlg.destroy();
    }
}

TEST_F(CSP2Test, AddingAsksForAFolderNameAndRemovingSelectsTheNext) {
    DlgCSP2Data d = threeProfiles();
    d.profileIds = {3, 9, -2};
    for (auto& list : {&d.pieces, &d.shop, &d.purchase})
        for (int& id : list->rowProfiles)
            id = id == 1 ? 3 : id == 2 ? 9 : -2;
    open(d);
    for (const wchar_t* name : {L"", L"..", L"a\\b", L"HEB100"})
        answerPrompt(name);
    dlg.click(IDC_CSP2_ADD_PROFILE);
    EXPECT_EQ(boxes().size(), 3u); // three names refused, then accepted
    EXPECT_EQ(dlg.data.profileIds, (AcArray<int>{3, 9, -2, 10}));
    EXPECT_EQ(dlg.data.profileNames.last(), Zrl_String(L"HEB100"));
    EXPECT_EQ(dlg.combo(IDC_CSP2_PROFILE)->getCurSel(), 3);
    EXPECT_EQ(dlg.currentProfile(), 10);

    dlg.click(IDC_CSP2_REMOVE_PROFILE); // the last: the new last is chosen
    EXPECT_EQ(dlg.currentProfile(), -2);
    EXPECT_EQ(dlg.combo(IDC_CSP2_PROFILE)->getCurSel(), 2);
    dlg.choose(IDC_CSP2_PROFILE, 0);
    dlg.click(IDC_CSP2_REMOVE_PROFILE); // the first: the one after it moves up
    EXPECT_EQ(dlg.currentProfile(), 9);
    EXPECT_EQ(stock::profileRowCount(dlg.data.pieces, 3), 0);
    dlg.click(IDC_CSP2_REMOVE_PROFILE);
    dlg.click(IDC_CSP2_REMOVE_PROFILE);
    EXPECT_EQ(dlg.currentProfile(), -1);
    for (auto kind : {Zrl_DlgCSP2::kPieces, Zrl_DlgCSP2::kShop, Zrl_DlgCSP2::kPurchase})
        EXPECT_EQ(dlg.grid(kind).getMaxRows(), 0);
    dlg.click(win::IDOK);
    EXPECT_TRUE(dlg.data.pieces.rows.isEmpty());
}

TEST_F(CSP2Test, LoadAndSaveButtonsWithTheirFailures) {
    open(threeProfiles());
    win::script().queueFileDialog({wide(folder("HEA200") / "Rest.SHP")});
    dlg.click(IDC_CSP2_SHOP_SAVE);
    EXPECT_EQ(read(folder("HEA200") / "rest.shp"), "4350\u00BF1\n");

    dlg.grid(Zrl_DlgCSP2::kShop).setMaxRows(0);
    win::script().queueFileDialog({wide(folder("HEA200") / "rest")});
    dlg.click(IDC_CSP2_SHOP_LOAD);
    EXPECT_EQ(shown(Zrl_DlgCSP2::kShop), table({{L"4350", L"1"}}));

    win::script().queueFileDialogCancel();
    dlg.click(IDC_CSP2_SHOP_LOAD);
    EXPECT_EQ(shown(Zrl_DlgCSP2::kShop), table({{L"4350", L"1"}}));

    // A folder where the file should be: neither read nor written, and said so.
    fs::create_directories(folder("HEA200") / "bad.shp");
    win::script().queueFileDialog({wide(folder("HEA200") / "bad.shp")});
    dlg.click(IDC_CSP2_SHOP_LOAD);
    EXPECT_EQ(shown(Zrl_DlgCSP2::kShop), table({{L"4350", L"1"}}));
    win::script().queueMessageBoxAnswer(win::IDYES); // replace "bad.shp"?
    win::script().queueFileDialog({wide(folder("HEA200") / "bad.shp")});
    dlg.click(IDC_CSP2_SHOP_SAVE);

    dlg.grid(Zrl_DlgCSP2::kShop).setCellData(2, 1, L"x\u00BFy");
    const size_t asked = win::script().shown().fileDialogs.size();
    dlg.click(IDC_CSP2_SHOP_SAVE);
    EXPECT_EQ(win::script().shown().fileDialogs.size(), asked); // refused before asking

    const std::vector<std::wstring> b = boxes();
    ASSERT_EQ(b.size(), 4u);
    const Zrl_String bad = Zrl_String(wide(folder("HEA200") / "bad.shp")).toLower();
    EXPECT_EQ(b[0], (dialString(2541) + L"\n" + bad).str());
    EXPECT_EQ(b[2], (dialString(2542) + L"\n" + bad).str());
    EXPECT_EQ(b[3], (L"\"HEA200\": " + dialString(2543) + L" 1").str());
}

TEST_F(CSP2Test, InputModeLoadsTheLatestFilesAndReports) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    writeFile("HEA200", "Stock1.shp", "4350\u00BF2\n7200\u00BF1\n", 0);
    writeFile("HEA200", "Stock2.shp", "old\n", -60);
    DlgCSP2Data d = threeProfiles();
    d.profileNames[2] = L"a:b";
    open(d);
    dlg.click(IDC_CSP2_ALL);
    const Zrl_String rule(L'-', 116);
    const Zrl_String lines[] = {
        rule,
        L"Shop stock loaded from \"Stock1.shp\" for profile \"HEA200\" of 05 March, 2026 (14:07)",
        L"",
        L"No purchase file for profile \"HEA200\".",
        rule,
        L"No shop stock file for profile \"IPE300\".",
        L"",
        L"No purchase file for profile \"IPE300\".",
        rule,
        L"Could not read the stock file \"a:b\" for profile \"a:b\".",
        L"",
        L"Could not read the stock file \"a:b\" for profile \"a:b\".",
        rule,
    };
    const DlgInfoData& report = dlg.lastReport();
    EXPECT_EQ(report.title, dialString(652));
    EXPECT_EQ(report.subtitle, dialString(285));
    ASSERT_EQ(report.lines.length(), static_cast<int>(std::size(lines)));
    for (int i = 0; i < report.lines.length(); ++i)
        EXPECT_EQ(report.lines[i], lines[i]) << i;
    EXPECT_EQ(shown(Zrl_DlgCSP2::kShop), table({{L"4350", L"2"}, {L"7200", L"1"}}));
    EXPECT_EQ(stock::profileRows(dlg.data.purchase, 2), table({{L"12000"}}));
    ::unsetenv("TZ");
    ::tzset();
}

TEST_F(CSP2Test, ResultModeSavesEveryShopAsANewNumberedFile) {
    writeFile("HEA200", "Stock1.shp", "old\n");
    DlgCSP2Data d = threeProfiles();
    d.resultMode = true;
    addRows(d.shop, 2, {{L"2500", L"3"}});
    open(d);
    dlg.click(IDC_CSP2_ALL); // box cleared: no file dialog
    EXPECT_TRUE(win::script().shown().fileDialogs.empty());
    EXPECT_EQ(read(folder("HEA200") / "stock2.shp"), "4350\u00BF1\n");
    EXPECT_EQ(read(folder("IPE300") / "stock1.shp"), "2500\u00BF3\n");
    EXPECT_EQ(read(folder("L80x8") / "stock1.shp"), "");

    dlg.click(IDC_CSP2_ASK_FILES); // ticked: one file dialog per profile
    win::script().queueFileDialogCancel();
    win::script().queueFileDialog({wide(folder("IPE300") / "Kept")});
    win::script().queueFileDialogCancel();
    dlg.click(IDC_CSP2_ALL);
    EXPECT_FALSE(fs::exists(folder("HEA200") / "stock3.shp"));
    EXPECT_EQ(read(folder("IPE300") / "kept.shp"), "2500\u00BF3\n");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(CSP2Test, ResizingSharesTheWidthInThirdsAboveTheTemplateSize) {
    open(threeProfiles());
    const win::Rect start = dlg.rect();
    dlg.setRect({start.left, start.top, start.left + 2 * start.width(), start.bottom + 100});
    const win::Rect pieces = dlg.item(IDC_CSP2_PIECES_GROUP)->rect();
    const win::Rect shop = dlg.item(IDC_CSP2_SHOP_GROUP)->rect();
    const win::Rect buy = dlg.item(IDC_CSP2_BUY_GROUP)->rect();
    EXPECT_NEAR(shop.width(), pieces.width(), 12);
    EXPECT_NEAR(buy.width(), shop.width(), 12);
    EXPECT_GT(buy.right, 2 * shop.left - 40);
    dlg.setRect({start.left, start.top, start.left + 100, start.top + 100});
    EXPECT_EQ(dlg.rect().width(), dlg.minWidth());
    EXPECT_EQ(dlg.rect().height(), dlg.minHeight());
    // The size is kept for the next opening.
    dlg.destroy();
    int w = 0, h = 0;
    EXPECT_TRUE(readStoredDlgSize(IDD_OPTIMIZECSP2, w, h));
}

} // namespace
} // namespace stocktest
