// The input dialogs through their starters, for what the case files cannot
// see: the grid's settings, kept sizes, thumbnails, and the section names
// file of the CIS/2 dialog.
#include "dialogs/dlg_bracing.h"
#include "dialogs/dlg_cis2.h"
#include "dialogs/dlg_select_image.h"
#include "dialogs/dlg_string_array.h"
#include "input_fixture.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/files.h"
#include "platform/core/macro_langs.h"
#include "platform/core/section_translation.h"
#include "platform/win/bitmap.h"
#include "platform/win/list_view.h"

#include <fstream>
#include <sstream>

namespace inputtest {
namespace {

Zrl_String text(const std::filesystem::path& path) {
    return Zrl_String::fromUtf8(path.string());
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

using Bracing = InputTest;

TEST_F(Bracing, KindsOutsideTheListReadBackAsNone) {
    VkBracingDlgData data;
    data.kind1 = 7;
    data.kind2 = -1;
    bool ok = false;
    play("dialog \"Bracing\"\n  expect 1426 \"\"\n  expect-disabled 1429\n  click OK\nend\n",
         [&] { ok = StartDlgBracing(data); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(data.kind1, -1);
    EXPECT_EQ(data.kind2, -1);
}

TEST(BracingNames, ExactBeforePrefixEmptyNone) {
    const Zrl_StringArray names{L"L50x50x5", L"L50x5", L"HEA100"};
    const struct {
        const wchar_t* name;
        int index;
    } rows[] = {{L"L50x5", 1}, {L"l50X5", 1}, {L"L50", 0}, {L"hea", 2}, {L"", -1}, {L"X", -1}};
    for (const auto& row : rows)
        EXPECT_EQ(CDlgBracing::findName(names, row.name), row.index)
            << Zrl_String(row.name).toUtf8();
}

using StringGrid = InputTest;

struct GridRun {
    bool ok = false;
    bool rowHeadersProperty = false;
    int editCells = 0;
};

GridRun runGrid(const Zrl_StringArray& rowHeaders, Zrl_StringArrayArray& rows,
                const std::string& actions) {
    GridRun out;
    win::script().onNextModal([&](win::Dialog& d) {
        auto& dlg = static_cast<CDlgStringArray&>(d);
        Zrl_Spread& grid = dlg.grid();
        out.rowHeadersProperty = grid.getBool(4);
        for (int r = 1; r <= grid.getMaxRows(); ++r)
            for (int c = 1; c <= grid.getMaxCols(); ++c)
                out.editCells += grid.getCellType(c, r) == 1;
        if (actions == "resize") dlg.setRect({0, 0, 10, 10});
        dlg.click(win::IDOK);
    });
    out.ok = startGridDialog({L"A", L"B"}, rowHeaders, rows, true, L"", L"T");
    return out;
}

TEST_F(StringGrid, RowHeadersSwitchTheirPropertyAndEveryCellTakesTyping) {
    Zrl_StringArrayArray rows;
    rows.append(Zrl_StringArray{});
    rows.append(Zrl_StringArray{L"1", L"2", L"3"});
    GridRun without = runGrid({}, rows, "");
    EXPECT_TRUE(without.ok);
    EXPECT_FALSE(without.rowHeadersProperty);
    EXPECT_EQ(without.editCells, 4);
    GridRun with = runGrid({L"first"}, rows, "");
    EXPECT_TRUE(with.rowHeadersProperty);
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[1], (Zrl_StringArray{L"1", L"2"}));
}

TEST_F(StringGrid, NoColumnsNoDialogAndTheSizeIsKeptAtLeastTheFirst) {
    Zrl_StringArrayArray rows;
    rows.append(Zrl_StringArray{L"x"});
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, L"", L"T"));
    EXPECT_EQ(win::script().shown().dialogs.size(), 0u);
    EXPECT_EQ(rows.length(), 1);

    runGrid({}, rows, "resize");
    int width = 0, height = 0;
    ASSERT_TRUE(readStoredDlgSize(CDlgStringArray::kDefaultSizeName, width, height));
    EXPECT_GT(width, 10); // made smaller than it opened: floored at the first size
    EXPECT_GT(height, 10);
}

class SelectImage : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        win::Bitmap(30, 20, win::rgb(0, 0, 255)).save((dir_ / "Wide.bmp").wstring());
        win::Bitmap(10, 40, win::rgb(255, 0, 0)).save((dir_ / "EndPlate.bmp").wstring());
        std::ofstream(dir_ / "Broken.bmp") << "no picture";
    }
    void TearDown() override {
        gMacroLangs.Reload();
        InputTest::TearDown();
    }
    // Opens the dialog on `files`; `play` sees it before the script's user.
    bool run(VkSelectImageDlgData& data, const std::function<void(CDlgSelectImage&)>& look,
             int choose) {
        win::script().onNextModal([&](win::Dialog& d) {
            auto& dlg = static_cast<CDlgSelectImage&>(d);
            look(dlg);
            dlg.click(win::IDOK);
            if (choose >= 0) dlg.choose(IDC_SELECT_IMAGE_LIST, choose);
            dlg.click(win::IDOK);
            if (dlg.isRunning()) dlg.click(win::IDCANCEL);
        });
        return StartDlgSelectImage(data);
    }
};

TEST_F(SelectImage, ThumbnailsSizedByTheFirstReadablePicture) {
    VkSelectImageDlgData data;
    data.caption = L"Pick";
    data.imageFiles = {text(dir_ / "Broken.bmp"), text(dir_ / "Wide.bmp"),
                       text(dir_ / "EndPlate.bmp")};
    int width = 0, height = 0, placeholders = 0;
    EXPECT_TRUE(run(
        data,
        [&](CDlgSelectImage& dlg) {
            width = dlg.gallery().width;
            height = dlg.gallery().height;
            placeholders = dlg.gallery().placeholderCount();
        },
        1));
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 20);
    EXPECT_EQ(placeholders, 1);
    EXPECT_EQ(data.chosenName, text(dir_ / "Wide.bmp"));

    data.imageFiles = {text(dir_ / "Broken.bmp")};
    EXPECT_FALSE(run(
        data,
        [&](CDlgSelectImage& dlg) {
            width = dlg.gallery().width;
            height = dlg.gallery().height;
        },
        -1));
    EXPECT_EQ(width, CDlgSelectImage::kDefaultWidth);
    EXPECT_EQ(height, CDlgSelectImage::kDefaultHeight);
}

TEST_F(SelectImage, ATranslatedLabelStillGivesThePath) {
    ASSERT_TRUE(gMacroLangs.Parse({L"key\tEnglish", L"[]", L"EndPlate\tEnd plate"}));
    EXPECT_EQ(CDlgSelectImage::imageLabel(L"C:\\lib\\EndPlate.bmp"), L"End plate");
    EXPECT_EQ(CDlgSelectImage::imageLabel(L"pictures/Other.bmp"), L"Other");
    VkSelectImageDlgData data;
    data.imageFiles = {text(dir_ / "EndPlate.bmp")};
    std::wstring label;
    EXPECT_TRUE(run(
        data, [&](CDlgSelectImage& dlg) { label = dlg.gallery().listView()->getItemText(0, 0); },
        0));
    EXPECT_EQ(label, L"End plate");
    EXPECT_EQ(data.chosenName, text(dir_ / "EndPlate.bmp"));
}

class Cis2Names : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        libDir_ = Zrl_Settings::libDir();
        Zrl_Settings::setLibDir(text(dir_));
        file_ = dir_ / "CIS2ProfNames.dat";
    }
    void TearDown() override {
        Zrl_Settings::setLibDir(libDir_);
        InputTest::TearDown();
    }
    // Opens the names editor from the dialog with `editor` as its user.
    std::string run(const std::string& editor) {
        VkDlgCis2Data data;
        const win::ScriptResult r = win::playScript("dialog \"CIS/2 export\"\n" + editor +
                                                        "  click 1009\n  click OK\nend\n",
                                                    [&] { StartDlgCis2Info(data); });
        return r.ok() ? std::string() : r.message;
    }
    std::filesystem::path file_;
    Zrl_String libDir_;
};

TEST_F(Cis2Names, EditedNamesAreWrittenOnOkOnly) {
    std::ofstream(file_) << "HEA100\tHE100A\nIPE80\t\n";
    const std::string before = bytesOf(file_);
    EXPECT_EQ(run("  dialog \"Section names\"\n    choose 1002 \"IPE80\"\n"
                  "    type 1003 \"IPE 80\"\n    click CANCEL\n  end\n"),
              "");
    EXPECT_EQ(bytesOf(file_), before);
    EXPECT_EQ(run("  dialog \"Section names\"\n    expect 1003 \"HE100A\"\n"
                  "    choose 1002 \"IPE80\"\n    type 1003 \"IPE 80\"\n    click OK\n  end\n"),
              "");
    Zrl_StringArray names, translations;
    Zrl_String message;
    ASSERT_TRUE(readSectionTranslation(text(file_), names, translations, message));
    EXPECT_EQ(names, (Zrl_StringArray{L"HEA100", L"IPE80"}));
    EXPECT_EQ(translations, (Zrl_StringArray{L"HE100A", L"IPE 80"}));
}

TEST_F(Cis2Names, AFileThatCannotBeReadIsNotOpened) {
    // A row that is no name and translation, then a folder in the file's place.
    std::ofstream(file_) << "HEA100\tHE100A\textra\n";
    const std::string before = bytesOf(file_);
    EXPECT_EQ(run(""), "");
    EXPECT_EQ(bytesOf(file_), before);
    ASSERT_EQ(win::script().shown().messageBoxes.size(), 1u);
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    win::script().reset();
    EXPECT_EQ(run(""), "");
    EXPECT_EQ(win::script().shown().messageBoxes.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(file_));
}

TEST(SectionTranslation, AMissingFileIsAnEmptyTable) {
    Zrl_StringArray names{L"old"}, translations{L"old"};
    Zrl_String message;
    EXPECT_TRUE(
        readSectionTranslation(L"/nonexistent/CIS2ProfNames.dat", names, translations, message));
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(translations.isEmpty());
}

} // namespace
} // namespace inputtest
