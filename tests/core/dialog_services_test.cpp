#include "core_test_support.h"
#include "platform/core/button_st.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/info_dialog.h"
#include "platform/core/properties_list.h"
#include "platform/core/resizer.h"
#include "platform/win/win.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int kTemplate = 30990;
enum { kCombo = 10, kList = 11, kEdit = 12, kButton = 13, kGrid = 14, kNote = 15, kSorted = 16 };

// A dialog of 200 x 100 dialog units (300 x 163 pixels) with one control of
// each kind the services handle.
void registerTestTemplate() {
    win::DialogTemplate t;
    t.id = kTemplate;
    t.width = 200;
    t.height = 100;
    t.style = win::WS_POPUP | win::WS_CAPTION;
    t.controls.push_back(
        {kCombo, win::ControlKind::ComboBox, {4, 4, 100, 16}, win::CBS_DROPDOWNLIST, L"", false});
    t.controls.push_back({kList, win::ControlKind::ListBox, {4, 20, 100, 60}, 0, L"", false});
    t.controls.push_back({kEdit, win::ControlKind::Edit, {104, 4, 196, 16}, 0, L"", false});
    t.controls.push_back({kButton, win::ControlKind::Button, {104, 20, 120, 32}, 0, L"", false});
    t.controls.push_back({kGrid, win::ControlKind::Placeholder, {104, 36, 196, 80}, 0, L"", false});
    t.controls.push_back({kNote, win::ControlKind::Static, {4, 84, 196, 96}, 0, L"", false});
    t.controls.push_back({kSorted, win::ControlKind::ListBox, {4, 62, 100, 82}, win::LBS_SORT, L"", false});
    win::registerTemplate(win::registerModule(L"core-tests"), std::move(t));
}

class DialogServices : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        Zrl_Settings::setConfigDir(dir() + L"config");
        win::script().reset();
        registerTestTemplate();
        ASSERT_TRUE(dlg.create(kTemplate));
        dlg.show(true);
    }
    void TearDown() override {
        dlg.destroy();
        win::script().reset();
        ScratchFolderTest::TearDown();
    }
    win::Dialog dlg;
};

} // namespace

TEST_F(DialogServices, ControlsByIdAndMissingControls) {
    EXPECT_TRUE(FillCombo(&dlg, kCombo, list({L"Plate", L"Angle"})));
    EXPECT_TRUE(FillCombo(&dlg, kCombo, list({L"HEA", L"IPE", L"UNP"}))); // replaces
    EXPECT_EQ(dlg.combo(kCombo)->getCount(), 3);
    EXPECT_TRUE(FillList(&dlg, kList, list({L"a", L"b"})));
    EXPECT_FALSE(FillCombo(&dlg, kList, list({L"x"}))); // not a combo box
    EXPECT_FALSE(FillList(&dlg, 999, list({L"x"})));
    EXPECT_FALSE(FillList(nullptr, kList, list({L"x"})));

    EXPECT_TRUE(EnDisCtrl(&dlg, kEdit, false));
    EXPECT_FALSE(dlg.item(kEdit)->isEnabled());
    EXPECT_TRUE(ShowOrHideCtrl(&dlg, kNote, false));
    EXPECT_FALSE(dlg.item(kNote)->isVisible());
    EXPECT_FALSE(EnDisCtrl(&dlg, 999, true));
    EXPECT_FALSE(ShowOrHideCtrl(nullptr, kNote, true));
}

// A sorted box filled at once holds its items as one by one: names equal
// but for case keep the order they came in.
TEST_F(DialogServices, SortedBoxFilledAtOnceAsOneByOne) {
    const Zrl_StringArray names = list({L"b", L"A", L"c", L"a", L"B", L"a2", L"A"});
    win::ListBox* box = dlg.listBox(kSorted);
    ASSERT_NE(box, nullptr);
    for (const Zrl_String& name : names)
        box->addString(name.str());
    std::vector<std::wstring> oneByOne;
    for (int i = 0; i < box->getCount(); ++i)
        oneByOne.push_back(box->getText(i));
    ASSERT_TRUE(FillList(&dlg, kSorted, names));
    std::vector<std::wstring> atOnce;
    for (int i = 0; i < box->getCount(); ++i)
        atOnce.push_back(box->getText(i));
    EXPECT_EQ(atOnce, oneByOne);
    EXPECT_EQ(atOnce, (std::vector<std::wstring>{L"A", L"a", L"A", L"a2", L"b", L"B", L"c"}));
}

TEST_F(DialogServices, ResizeCtrlMovesOneEdgeAndNeverInvertsIt) {
    const win::Rect r = dlg.item(kGrid)->rect();
    EXPECT_TRUE(resizeCtrl(&dlg, kGrid, -20, 1)); // shrink at the bottom
    EXPECT_EQ(dlg.item(kGrid)->rect(), (win::Rect{r.left, r.top, r.right, r.bottom - 20}));
    EXPECT_TRUE(resizeCtrl(&dlg, kGrid, 20, 0)); // grow at the top
    EXPECT_EQ(dlg.item(kGrid)->rect().top, r.top - 20);
    EXPECT_TRUE(resizeCtrl(&dlg, kGrid, 5, 2));
    EXPECT_TRUE(resizeCtrl(&dlg, kGrid, 5, 3));
    EXPECT_EQ(dlg.item(kGrid)->rect().width(), r.width() + 10);
    EXPECT_EQ(getCtrlHeight(&dlg, kGrid), r.height());
    EXPECT_TRUE(resizeCtrl(&dlg, kGrid, -10000, 1)); // cannot go past the other edge
    EXPECT_EQ(getCtrlHeight(&dlg, kGrid), 0);
    EXPECT_FALSE(resizeCtrl(&dlg, kGrid, 5, 4));
    EXPECT_EQ(getCtrlHeight(&dlg, 999), 0);
}

TEST_F(DialogServices, StoredSizesSurviveARestart) {
    const win::Rect start = dlg.rect();
    EXPECT_FALSE(ChangeDlgSize(&dlg, L"DLG_NEVER_STORED"));
    EXPECT_EQ(dlg.rect(), start);

    dlg.setRect({start.left, start.top, start.left + 640, start.top + 480});
    ASSERT_TRUE(WriteDlgSize(&dlg, L"DLG_SELECT_MACRO"));
    ASSERT_TRUE(writeDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    dlg.setRect(start);

    // A later run reads only what is on disk.
    Zrl_PropertiesList onDisk;
    ASSERT_EQ(onDisk.readFromFile(dir() + L"config\\dialogs.txt"), Acad::eOk);
    ASSERT_TRUE(ChangeDlgSize(&dlg, L"DLG_SELECT_MACRO"));
    EXPECT_EQ(dlg.rect().size(), (win::Size{640, 480}));
    EXPECT_EQ(dlg.rect().left, start.left);
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG"));
    EXPECT_FALSE(readDlgRegBool(L"DLG_SELECT_MACRO", L"OTHER"));
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"OTHER", true));

    // The minimum wins over a smaller stored size, and a huge one is made safe.
    dlg.setRect({0, 0, 100, 60});
    ASSERT_TRUE(WriteDlgSize(&dlg, L"DLG_SMALL"));
    ASSERT_TRUE(ChangeDlgSize(&dlg, L"DLG_SMALL", 300, 200));
    EXPECT_EQ(dlg.rect().size(), (win::Size{300, 200}));
    int bigW = 100000, bigH = -5;
    EXPECT_TRUE(getSafeDlgSize(bigW, bigH));
    EXPECT_LE(bigW,
              1920 > win::mainWindow().rect().width() ? 1920 : win::mainWindow().rect().width());
    EXPECT_EQ(bigH, 50);
    int fine = 500, fineH = 400;
    EXPECT_FALSE(getSafeDlgSize(fine, fineH));
}

TEST_F(DialogServices, AnUnreadableStoreIsNeverOverwritten) {
    fs::create_directories(fsDir() / "config");
    std::ofstream(fsDir() / "config" / "dialogs.txt") << "user's own notes\n";
    EXPECT_FALSE(WriteDlgSize(&dlg, L"DLG_X"));
    EXPECT_FALSE(writeDlgRegBool(L"DLG_X", L"K", true));
    std::ifstream in(fsDir() / "config" / "dialogs.txt");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "user's own notes");
    EXPECT_FALSE(ChangeDlgSize(&dlg, L"DLG_X"));
}

TEST_F(DialogServices, ResizerRulesFollowTheDialog) {
    // The dialog's client area is its whole rectangle in this layer.
    const win::Rect d = dlg.rect();
    const win::Rect combo = dlg.item(kCombo)->rect();
    const win::Rect edit = dlg.item(kEdit)->rect();
    const win::Rect grid = dlg.item(kGrid)->rect();
    const win::Rect button = dlg.item(kButton)->rect();
    const win::Rect note = dlg.item(kNote)->rect();
    CResizer resizer;
    EXPECT_FALSE(resizer.init(&dlg, {CResizer::rule(999, CResizer::kNear, CResizer::kNear,
                                                    CResizer::kNear, CResizer::kNear)}));
    CResizer::Rule below =
        CResizer::rule(kButton, CResizer::kFar, CResizer::kNear, CResizer::kFar, CResizer::kNear);
    below.top = CResizer::follow(kGrid, CResizer::kBottom);
    below.bottom = CResizer::follow(kGrid, CResizer::kBottom);
    ASSERT_TRUE(resizer.init(
        &dlg,
        {CResizer::rule(kCombo, CResizer::kNear, CResizer::kNear, CResizer::kNear, CResizer::kNear),
         CResizer::rule(kEdit, CResizer::kProportional, CResizer::kNear, CResizer::kFar,
                        CResizer::kNear),
         CResizer::rule(kGrid, CResizer::kNear, CResizer::kNear, CResizer::kFar, CResizer::kFar),
         below,
         CResizer::rule(kNote, CResizer::kNear, CResizer::kFar, CResizer::kFar, CResizer::kFar)}));
    dlg.setRect({d.left, d.top, d.left + d.width() * 2, d.top + d.height() + 40});
    resizer.move();
    EXPECT_EQ(dlg.item(kCombo)->rect(), combo);
    EXPECT_EQ(dlg.item(kEdit)->rect().left, edit.left * 2);
    EXPECT_EQ(dlg.item(kEdit)->rect().right, edit.right + d.width());
    EXPECT_EQ(dlg.item(kGrid)->rect(),
              (win::Rect{grid.left, grid.top, grid.right + d.width(), grid.bottom + 40}));
    EXPECT_EQ(dlg.item(kButton)->rect(), button.offset(d.width(), 40));
    EXPECT_EQ(dlg.item(kNote)->rect().top, note.top + 40);
    // Shrinking far below the start keeps every control's edges in order.
    dlg.setRect({d.left, d.top, d.left + 10, d.top + 10});
    resizer.move();
    for (int id : {kCombo, kEdit, kGrid, kButton, kNote}) {
        EXPECT_GE(dlg.item(id)->rect().width(), 0) << id;
        EXPECT_GE(dlg.item(id)->rect().height(), 0) << id;
    }
}

TEST_F(DialogServices, IconButtonsShowTheirIconAndStillClick) {
    CButtonST notAButton;
    EXPECT_FALSE(notAButton.SubclassDlgItem(kEdit, &dlg));
    CButtonST btn;
    btn.SetIcon(206); // set before taking the button over
    ASSERT_TRUE(btn.SubclassDlgItem(kButton, &dlg));
    EXPECT_TRUE(btn.button()->style() & win::BS_ICON);
    EXPECT_TRUE(dlg.click(kButton));
    btn.SetIcon(0);
    EXPECT_FALSE(btn.button()->style() & win::BS_ICON);
}

TEST_F(DialogServices, FileChoosersReturnWhatTheUserChose) {
    Zrl_String path = L"proposed.vks";
    win::script().queueFileDialogCancel();
    EXPECT_FALSE(DlgOpenSave(true, L"vks", L"Sheets", L"Open", dir(), path));
    EXPECT_EQ(path, L"proposed.vks");

    std::ofstream(fsDir() / "a.dwg") << "x";
    win::script().queueFileDialog({(dir() + L"a.dwg").str()});
    EXPECT_TRUE(DlgOpenSave(true, L"dwg", L"Drawings", L"Open", dir(), path));
    EXPECT_EQ(path, dir() + L"a.dwg");

    win::script().queueFileDialog({(dir() + L"new").str()});
    EXPECT_TRUE(DlgOpenSave(false, L".txt", L"Templates", L"Save as", dir(), path));
    EXPECT_EQ(path, dir() + L"new.txt"); // the extension is added
    ASSERT_EQ(win::script().shown().fileDialogs.size(), 3u);
    EXPECT_TRUE(win::script().shown().fileDialogs[2].save);

    Zrl_StringArray paths = list({L"unchanged"});
    fs::create_directories(fsDir() / "Macros");
    win::script().queueFileDialog(
        {(dir() + L"a.dwg").str(), (dir() + L"Macros").str(), (dir() + L"gone.dwg").str()});
    EXPECT_TRUE(DlgOpenMulti(true, L"dwg", L"Drawings", L"Select", dir(), paths));
    EXPECT_EQ(paths, list({(dir() + L"a.dwg").c_str(), (dir() + L"Macros").c_str()}));
    win::script().queueFileDialogCancel();
    EXPECT_FALSE(DlgOpenMulti(true, L"dwg", L"Drawings", L"Select", dir(), paths));
    EXPECT_EQ(paths.length(), 2);
}

TEST_F(DialogServices, InvalidFileNamesAreRefusedWithAWarning) {
    EXPECT_FALSE(warnInvalidFileName(L"Base plate 2"));
    EXPECT_TRUE(win::script().shown().messageBoxes.empty());
    EXPECT_TRUE(warnInvalidFileName(L"a/b"));
    ASSERT_EQ(win::script().shown().messageBoxes.size(), 1u);
    EXPECT_NE(win::script().shown().messageBoxes[0].text.find(L"\"a/b\""), std::wstring::npos);
}

TEST_F(DialogServices, InformationDialogShowsTitleSubtitleAndLines) {
    DlgInfoData data;
    data.title = L"Cutting stock";
    data.subtitle = L"Close";
    data.lines = list({L"----", L"Shop stock loaded from \"Stock3.shp\""});
    std::wstring seenText, seenSubtitle;
    win::script().onNextModal([&](win::Dialog& d) {
        seenSubtitle = d.getItemText(kInfoDlgSubtitle);
        seenText = d.getItemText(kInfoDlgText);
        d.click(win::IDOK);
    });
    EXPECT_TRUE(ExportStartDlgInfo(data));
    EXPECT_EQ(seenSubtitle, L"Close");
    EXPECT_EQ(seenText, L"----\r\nShop stock loaded from \"Stock3.shp\"");
    ASSERT_FALSE(win::script().shown().dialogs.empty());
    EXPECT_EQ(win::script().shown().dialogs.back(), L"Cutting stock");
    EXPECT_FALSE(ExportStartDlgInfo(data)); // nobody presses OK: cancelled
}
