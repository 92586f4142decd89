// The core's thumbnail gallery, language table and combo controls.
#include "core_test_support.h"
#include "platform/core/bitmap_picker_combo.h"
#include "platform/core/check_combo_box.h"
#include "platform/core/files.h"
#include "platform/core/image_list_ctrl.h"
#include "platform/core/macro_langs.h"
#include "platform/win/script_play.h"
#include "platform/win/win.h"

#include <fstream>

namespace {

constexpr int kTemplate = 30991;
enum { kGallery = 20, kChecks = 21, kPictures = 22 };

void registerGalleryTemplate() {
    win::DialogTemplate t;
    t.id = kTemplate;
    t.width = 200;
    t.height = 100;
    t.caption = L"Gallery";
    t.controls.push_back(
        {kGallery, win::ControlKind::ListView, {4, 4, 100, 90}, win::LVS_SINGLESEL, L"", false});
    t.controls.push_back(
        {kChecks, win::ControlKind::ComboBox, {104, 4, 196, 60}, win::CBS_DROPDOWN, L"", false});
    t.controls.push_back(
        {kPictures, win::ControlKind::ComboBox, {104, 20, 196, 80}, win::CBS_SORT, L"", false});
    win::registerTemplate(win::registerModule(L"core-gallery-tests"), std::move(t));
}

class CoreControls : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        win::script().reset();
        registerGalleryTemplate();
        ASSERT_TRUE(dlg.create(kTemplate));
        dlg.show(true);
    }
    void TearDown() override {
        dlg.destroy();
        win::script().reset();
        gMacroLangs.Reload();
        ScratchFolderTest::TearDown();
    }
    Zrl_String picture(const char* name, int w, int h) {
        win::Bitmap b(w, h, win::rgb(200, 0, 0));
        EXPECT_TRUE(b.save((fsDir() / name).wstring()));
        return dir() + Zrl_String::fromUtf8(name);
    }
    win::Dialog dlg;
};

TEST_F(CoreControls, GalleryDrawsThumbnailsAndPlaceholders) {
    std::ofstream(fsDir() / "broken.bmp") << "not a picture";
    CImageListCtrl gallery;
    ASSERT_TRUE(gallery.SubclassDlgItem(kGallery, &dlg));
    gallery.width = 40;
    gallery.height = 30;
    gallery.Initialize(ImageListData());
    gallery.files = list({picture("Wide.bmp", 80, 20).c_str(), (dir() + L"broken.bmp").c_str(),
                          (dir() + L"missing.bmp").c_str(), picture("small.bmp", 4, 4).c_str()});
    gallery.labels = list({L"Wide one"});
    EXPECT_EQ(gallery.DrawThumbnails(), 4);
    EXPECT_EQ(gallery.placeholderCount(), 2);

    win::ListView* view = gallery.listView();
    ASSERT_EQ(view->getItemCount(), 4);
    EXPECT_EQ(view->getItemText(0), L"Wide one");
    EXPECT_EQ(view->getItemText(1), L"broken"); // no label: the file's name
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view->image(view->getItemImage(i))->size(), (win::Size{40, 30}));
    // The wide picture keeps its proportions: 38 x 9 in the middle rows.
    const win::Bitmap& wide = *view->image(view->getItemImage(0));
    EXPECT_EQ(wide.pixel(20, 15), win::rgb(200, 0, 0));
    EXPECT_EQ(wide.pixel(20, 5), win::rgb(255, 255, 255));
    // Placeholders are crossed inside their frame; pictures are not.
    auto crossed = [&](int item) {
        const win::Bitmap& b = *view->image(view->getItemImage(item));
        int n = 0;
        for (int y = 1; y < 29; ++y)
            for (int x = 1; x < 39; ++x)
                n += b.pixel(x, y) == ImageListData().frame;
        return n > 40;
    };
    EXPECT_EQ(std::vector<bool>({crossed(0), crossed(1), crossed(2), crossed(3)}),
              std::vector<bool>({false, true, true, false}));
    // A small picture is not enlarged.
    const win::Bitmap& small = *view->image(view->getItemImage(3));
    EXPECT_EQ(small.pixel(20, 15), win::rgb(200, 0, 0));
    EXPECT_EQ(small.pixel(24, 15), win::rgb(255, 255, 255));
}

TEST_F(CoreControls, GallerySelectionNameFollowsTheFileAcrossRedraws) {
    CImageListCtrl gallery;
    EXPECT_EQ(gallery.DrawThumbnails(), 0); // not attached
    ASSERT_TRUE(gallery.SubclassDlgItem(kGallery, &dlg));
    gallery.Initialize(ImageListData());
    gallery.files = list({L"a\\One.bmp", L"a\\Two.bmp"});
    gallery.DrawThumbnails();
    EXPECT_EQ(gallery.GetSelectionName(), L"");
    ASSERT_TRUE(gallery.listView()->choose(1));
    EXPECT_EQ(gallery.GetSelectionName(), L"a\\Two.bmp");
    gallery.files = list({L"a\\Zero.bmp", L"a\\One.bmp", L"a\\Two.bmp"});
    gallery.DrawThumbnails();
    EXPECT_EQ(gallery.GetSelectionName(), L"a\\Two.bmp");
    gallery.files = list({L"a\\One.bmp"});
    gallery.DrawThumbnails();
    EXPECT_EQ(gallery.GetSelectionName(), L"");
}

TEST_F(CoreControls, LanguageTableFromItsFile) {
    ObjectExportWriteFile(
        dir() + L"languages.txt",
        list({L"# comment", L"key\tenglish\tKorean\tKlingon\tDutch",
              L"Plate\tPlate\t\uD310\tqam\tPlaat", L"[Prof]", L"h\tHeight", L"H\tDuplicate",
              L"too\tmany\tcells\there\tand\there", L"\tno key", L"[ ]", L"Plate\tPlate\\tTab"}));
    Zrl_Settings::setZrlDir(dir());
    struct Row {
        const wchar_t* language;
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* text;
    };
    const Row rows[] = {
        {L"English", L"", L"Plate", L"Plate"}, {L"Korean", L"", L"plate", L"\uD310"},
        {L"Dutch", L"", L"PLATE", L"Plaat"},   {L"German", L"", L"Plate", L""},
        {L"Dutch", L"prof", L"h", L""},        {L"English", L"PROF", L"h", L"Height"},
        {L"English", L"", L"Beam", L""},       {L"English", L"Other", L"Plate", L""},
        {L"English", L"", L"no key", L""},
    };
    for (const Row& row : rows) {
        Zrl_Settings::setWorkLanguage(row.language);
        EXPECT_EQ(gMacroLangs.GetCurLanguage(), row.language);
        EXPECT_EQ(gMacroLangs.GetString(row.section, row.key), row.text)
            << row.language << " " << row.key;
    }
    Zrl_Settings::setWorkLanguage(L"Klingon");
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"English");

    int bad = 0;
    MacroLangs table;
    EXPECT_TRUE(table.Parse(list({L"key\tEnglish", L"a\tA\tB", L"[x]", L"b\tB"}), &bad));
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(table.GetString(L"x", L"b", L"English"), L"B");
    EXPECT_FALSE(table.Parse(list({L"a\tA"}), &bad)); // no header: nothing
    EXPECT_EQ(table.GetString(L"", L"a", L"English"), L"");
}

TEST_F(CoreControls, LanguageTableMissingOrShipped) {
    Zrl_Settings::setZrlDir(dir());
    EXPECT_EQ(gMacroLangs.GetString(L"", L"EndPlate"), L"");
    Zrl_Settings::resetToDefaults();
    int bad = -1;
    Zrl_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(Zrl_Settings::zrlDir() + L"languages.txt", lines));
    MacroLangs shipped;
    EXPECT_TRUE(shipped.Parse(lines, &bad));
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(shipped.GetString(L"Prof", L"h", L"German"), L"H\u00F6he");
}

TEST_F(CoreControls, CheckComboTogglesByTheUserAndTheScript) {
    CCheckComboBox checks;
    ASSERT_TRUE(checks.SubclassDlgItem(kChecks, &dlg));
    EXPECT_TRUE(checks.isDropDownList());
    EXPECT_EQ(dlg.item(kChecks), &checks);
    checks.AddString(L"Bolts", true);
    checks.AddString(L"Plates");
    checks.AddString(L"Welds", true);
    EXPECT_EQ(checks.text(), L"Bolts, Welds");
    EXPECT_TRUE(checks.ToggleByUser(0));
    EXPECT_EQ(checks.GetCheckedTexts(), list({L"Welds"}));
    checks.enable(false);
    EXPECT_FALSE(checks.ToggleByUser(1));
    checks.enable(true);
}

// A dialog whose combo box becomes a combo of check boxes.
class ChecksDialog : public win::Dialog {
public:
    ChecksDialog() : Dialog(kTemplate) {}
    CCheckComboBox checks;
    int changes = 0;

protected:
    bool onInitDialog() override {
        checks.SubclassDlgItem(kChecks, this);
        checks.AddString(L"Bolts");
        checks.AddString(L"Plates");
        return true;
    }
    bool onCommand(int id, int code) override {
        if (id == kChecks && code == win::CBN_SELCHANGE) ++changes;
        return false;
    }
};

TEST_F(CoreControls, CheckComboPlayedByAScript) {
    ChecksDialog modal;
    const auto r = win::playScript("dialog \"Gallery\"\n choose 21 \"Plates\"\n expect 21 Plates\n"
                                   " choose 21 #0\n expect 21 \"Bolts, Plates\"\n"
                                   " select 21 \"Plates\"\n expect 21 Bolts\nend\n",
                                   [&] { modal.doModal(); });
    EXPECT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(modal.changes, 3);
}

TEST_F(CoreControls, BitmapPickerKeepsPicturesWithTheirItems) {
    CBitmapPickerCombo pictures;
    ASSERT_TRUE(pictures.SubclassDlgItem(kPictures, &dlg));
    EXPECT_EQ(pictures.AddBitmap(win::Bitmap(10, 4), L"Thin"), 0);
    EXPECT_EQ(pictures.AddBitmap(win::Bitmap(), L"Null"), win::CB_ERR);
    EXPECT_EQ(pictures.AddBitmap(win::Bitmap(10, 9), L"Dashed"), 0); // sorted before "Thin"
    EXPECT_EQ(pictures.GetBitmap(1)->height(), 4);
    EXPECT_EQ(pictures.GetBitmap(0)->height(), 9);
    pictures.deleteString(0);
    EXPECT_EQ(pictures.GetBitmap(0)->height(), 4);
    EXPECT_EQ(pictures.GetBitmap(1), nullptr);
    EXPECT_EQ(pictures.ItemHeight(), 4);
    EXPECT_TRUE(pictures.choose(L"Thin"));
    EXPECT_FALSE(CBitmapPickerCombo().SubclassDlgItem(kGallery, &dlg)); // not a combo box
}

} // namespace
