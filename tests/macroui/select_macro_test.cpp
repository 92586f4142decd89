// The macro gallery: which drawings a module or property switched off
// hides, the previews made once, the labels, and the selection dialog's
// filter grid, note, buttons and remembered filter state (OK without a
// choice and Cancel: dialog cases).
#include "frame/library_instance.h"
#include "macroui/dlg_select_macro.h"
#include "macroui_fixture.h"
#include "platform/core/paths.h"
#include "platform/win/list_view.h"
#include "support/command_run.h"

#include <chrono>
#include <fstream>

using macrotest::MacroUiTest;

namespace {

class SelectMacroTest : public MacroUiTest {
protected:
    void SetUp() override {
        MacroUiTest::SetUp();
        std::filesystem::create_directories(dir_ / "lib" / "Macros");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8((dir_ / "lib").string()) + L"/");
        drawing("Plate 1", R"([{"name": "Plate", "properties": ["Bolted", "Welded"]}])");
        drawing("Plate 2", R"([{"name": "Plate", "properties": ["Bolted"]},
                               {"name": "Cleat", "properties": []}])");
        drawing("Splice", R"([{"name": "Splice", "properties": ["Web"]}])");
        std::ofstream(dir_ / "lib" / "Macros" / "Broken.dwg") << "{ not json";
    }
    void drawing(const std::string& name, const std::string& modules) {
        std::ofstream(dir_ / "lib" / "Macros" / (name + ".dwg"))
            << R"({"modules": )" << modules << R"(, "sketch": [{"rect": [10, 10, 90, 65]}]})";
    }
    std::filesystem::path macro(const std::string& file) const {
        return dir_ / "lib" / "Macros" / file;
    }
    static std::vector<std::string> names(const Zrl_StringArray& paths) {
        std::vector<std::string> out;
        for (const Zrl_String& p : paths)
            out.push_back(removeExtension(getFileName(p)).toUtf8());
        return out;
    }
    void open(CDlgSelectMacro& dlg, bool alternative = true, bool note = false) {
        dlg.filter.initialize(Zrl_StringArray(), AcArray<bool>(), 80, 60);
        dlg.alternative = alternative;
        dlg.showNote = note;
        zrlss::ResourceScope resources;
        ASSERT_TRUE(dlg.create(IDD_DLG_SELECT_MACRO));
    }
};

} // namespace

TEST_F(SelectMacroTest, SwitchingModulesAndPropertiesOffNarrowsTheDrawings) {
    struct Case {
        const wchar_t* module;
        const wchar_t* property; // null: the module itself
        std::vector<std::string> shown;
    } cases[] = {
        {L"Plate", nullptr, {"Broken", "Splice"}},
        {L"Plate", L"Welded", {"Broken", "Plate 2", "Splice"}},
        {L"Cleat", nullptr, {"Broken", "Plate 1", "Splice"}},
        {L"Splice", L"Web", {"Broken", "Plate 1", "Plate 2"}},
        {L"Unknown", nullptr, {"Broken", "Plate 1", "Plate 2", "Splice"}},
    };
    for (const Case& c : cases) {
        Zrl_MacroPropsFilter filter;
        filter.initialize(Zrl_StringArray(), AcArray<bool>(), 80, 60);
        ASSERT_EQ(filter.getAllDwgFiles().length(), 4);
        if (c.property)
            filter.setModulePropStatus(c.module, c.property, false);
        else
            filter.setModuleStatus(c.module, false);
        EXPECT_EQ(names(filter.getFilteredMacros()), c.shown) << Zrl_String(c.module).toUtf8();
    }
    // Names choose the drawings; a false flag leaves one out.
    Zrl_MacroPropsFilter filter;
    filter.initialize(macrotest::names({L"Splice", L"Plate 1", L"Missing"}),
                      AcArray<bool>{true, false}, 80, 60);
    EXPECT_EQ(names(filter.getAllDwgFiles()), std::vector<std::string>{"Splice"});
}

TEST_F(SelectMacroTest, PreviewsAreMadeOnceAndAPictureOfTheDrawingsOwnWins) {
    win::Bitmap(20, 15).save(macro("Splice.bmp").wstring());
    {
        CDlgSelectMacro dlg;
        open(dlg);
        // Three previews; the drawing with its own picture gets none.
        EXPECT_TRUE(std::filesystem::exists(macro("Plate 1.abm")));
        EXPECT_TRUE(std::filesystem::exists(macro("Broken.abm")));
        EXPECT_FALSE(std::filesystem::exists(macro("Splice.abm")));
        const Zrl_StringArray& files = dlg.gallery().files;
        ASSERT_EQ(files.length(), 4);
        EXPECT_EQ(getFileName(files[3]), Zrl_String(L"Splice.bmp"));
        // "Plate 1" and "Plate 2" would both read "Plate": every label keeps
        // its number.
        EXPECT_EQ(dlg.gallery().labels[1], Zrl_String(L"Plate 1"));
        dlg.destroy();
    }
    Zrl_StringArray all;
    all.append(Zrl_String::fromUtf8(macro("Plate 1.dwg").string()));
    EXPECT_EQ(CreatePreviewBMPs(80, 60, all, L"abm"), 0);
    std::filesystem::remove(macro("Plate 2.dwg"));
    CDlgSelectMacro dlg;
    open(dlg);
    EXPECT_EQ(dlg.gallery().labels[1], Zrl_String(L"Plate"));
    // A picture changed since is drawn anew, not taken from the known ones.
    const win::ListView& view = *dlg.gallery().listView();
    const win::Bitmap shown = *view.image(view.getItemImage(2));
    win::Bitmap(20, 15, win::rgb(0, 0, 0)).save(macro("Splice.bmp").wstring());
    std::filesystem::last_write_time(macro("Splice.bmp"), std::filesystem::file_time_type::clock::now() +
                                                              std::chrono::seconds(5));
    dlg.fillGallery();
    EXPECT_NE(*view.image(view.getItemImage(2)), shown);
    dlg.destroy();
}

TEST_F(SelectMacroTest, CheckClicksSwitchModulesAndGreyedPairsIgnoreThem) {
    CDlgSelectMacro dlg;
    open(dlg);
    Zrl_Spread& grid = dlg.grid();
    ASSERT_TRUE(dlg.gridFilled());
    // Rows Plate (2 properties), Cleat (none), Splice (1): three pairs.
    ASSERT_EQ(grid.getMaxCols(), 6);
    ASSERT_EQ(grid.getMaxRows(), 3);
    EXPECT_TRUE(grid.isLocked(3, 2));
    ASSERT_TRUE(grid.clickCell(3, 2)); // Cleat has no first property
    EXPECT_EQ(dlg.gallery().files.length(), 4);

    ASSERT_TRUE(grid.clickCell(1, 1)); // Plate off
    EXPECT_EQ(names(dlg.gallery().files), (std::vector<std::string>{"Broken", "Splice"}));
    Zrl_String state;
    grid.getCellText(1, 1, state);
    EXPECT_EQ(state, Zrl_String(L"0"));
    ASSERT_TRUE(grid.clickCell(1, 1)); // and on again
    EXPECT_EQ(dlg.gallery().files.length(), 4);
    ASSERT_TRUE(grid.clickCell(5, 1)); // Plate's "Welded" off
    EXPECT_EQ(names(dlg.gallery().files),
              (std::vector<std::string>{"Broken", "Plate 2", "Splice"}));
    dlg.destroy();
}

TEST_F(SelectMacroTest, NoteAlternativeAndRememberedFilterState) {
    int fullHeight = 0;
    {
        CDlgSelectMacro dlg;
        open(dlg);
        EXPECT_TRUE(dlg.child(IDC_SELMACRO_OTHER)->isEnabled());
        dlg.toggleFilter();
        EXPECT_EQ(dlg.toggleButton().icon(), IDI_SELMACRO_EXPANDED);
        fullHeight = dlg.child(IDC_SELMACRO_GALLERY)->rect().height();
        dlg.destroy();
    }
    CDlgSelectMacro dlg;
    open(dlg, false, true);
    EXPECT_FALSE(dlg.child(IDC_SELMACRO_OTHER)->isEnabled());
    EXPECT_TRUE(dlg.child(IDC_SELMACRO_NOTE)->style() & win::WS_VISIBLE);
    EXPECT_EQ(dlg.child(IDC_SELMACRO_GALLERY)->rect().height(), fullHeight - 60);
    EXPECT_TRUE(dlg.filterShown());
    dlg.toggleFilter();
    dlg.destroy();
    CDlgSelectMacro collapsed;
    open(collapsed);
    EXPECT_FALSE(collapsed.filterShown());
    EXPECT_EQ(collapsed.toggleButton().icon(), IDI_SELMACRO_COLLAPSED);
    collapsed.destroy();
}

TEST_F(SelectMacroTest, GalleryCommandListsTheDrawingsThatPassAndMakesPreviews) {
    const std::string lib = " --lib '" + (dir_ / "lib").string() + "' gallery ";
    auto r = testsupport::runZrlss(lib + "--off Plate:Welded --off Splice --previews");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.find("Plate 1\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Plate 2\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Plate 2.abm\n"), std::string::npos) << r.out;
    EXPECT_TRUE(std::filesystem::exists(macro("Plate 2.abm")));
    r = testsupport::runZrlss(lib + "--off :Welded");
    EXPECT_EQ(r.status, 1) << r.out;
}

TEST_F(SelectMacroTest, PreviewsFollowTheDrawingAndKeepTheirSidesInRange) {
    const Zrl_String plate = Zrl_String::fromUtf8(macro("Plate 1.dwg").string());
    struct Case {
        int width, height, shownWidth, shownHeight;
    } cases[] = {{80, 60, 80, 60}, {4, 60, 16, 60}, {2000, 9, 512, 16}};
    for (const Case& c : cases) {
        const win::Bitmap bmp = drawMacroSketch(plate, c.width, c.height);
        EXPECT_EQ(bmp.width(), c.shownWidth);
        EXPECT_EQ(bmp.height(), c.shownHeight);
    }
    // A preview older than its drawing is drawn again; junk items of a
    // sketch are skipped.
    Zrl_StringArray one;
    one.append(plate);
    ASSERT_EQ(CreatePreviewBMPs(80, 60, one, L"abm"), 1);
    std::filesystem::last_write_time(macro("Plate 1.abm"),
                                     std::filesystem::last_write_time(macro("Plate 1.dwg")) -
                                         std::chrono::hours(1));
    std::ofstream(macro("Plate 1.dwg")) << R"({"sketch": [{"line": [0, 0]}, 7, {"rect": "x"}]})";
    EXPECT_EQ(CreatePreviewBMPs(80, 60, one, L"abm"), 1);
    const auto redrawn = win::Bitmap::load(macro("Plate 1.abm").wstring());
    ASSERT_TRUE(redrawn);
    EXPECT_EQ(*redrawn, win::Bitmap(80, 60));
}
