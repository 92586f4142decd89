// The standards mapping tab, hosted on its own: the mapping table of a
// standard, saving under a new key, and the list operations.
#include "evaluation/eval_fixture.h"
#include "macroui/dlg_macro_settings.h"
#include "macroui_fixture.h"
#include "macroui/tab_macro_mapping.h"
#include "macroui/tab_macro_mapping_ids.h"
#include "frame/library_instance.h"
#include "platform/core/macro_description.h"
#include "platform/core/text_helpers.h"
#include "platform/win/script.h"
#include "platform/win/script_play.h"
#include "test_paths.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

using evaltest::rows;

class MappingTab : public ::testing::Test {
protected:
    void SetUp() override {
        moduletest::attachModuleOnce();
        lib_ = testsupport::scratchDir("zrlss-maptab");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(lib_.string()));
        const std::vector<evaltest::Cell> sheet =
            rows({L"Input", L"|Double Width", L"|Int Flag", L"Output", L"|String Bolts", L"Calc"});
        evaltest::writeSheet(standards() / "Plate.vks", sheet);
        evaltest::writeSheet(standards() / "Childs" / "Bolt Group.vks", sheet);
        writeMap("Mapping version 1.0\nK1=Width\u0192Plates\u2022Distance Height\n");
        loadMacroDescription(Zrl_String::fromUtf8(ZRLSS_TEST_DATA "/standards/endplate.json"),
                             macro, macroData);
        candidates.initAllVarsFromMacro(&macro, nullptr);
        data.sheetNames = macrotest::names({L"Plate", L"Childs\\Bolt Group", L"Gone", L"Plate"});
        data.keys = macrotest::names({L"K1", L"", L"", L"Module.Plates"});
        data.groupNames = macrotest::names({L"Plates", L"Beam"});
        data.candidates = &candidates;
    }
    void TearDown() override {
        if (tab && tab->isCreated()) tab->destroy();
        tab.reset();
        Zrl_Settings::setLibDir(Zrl_String());
        std::error_code ec;
        std::filesystem::remove_all(lib_, ec);
    }
    std::filesystem::path standards() const { return lib_ / "Connection Standards"; }
    void writeMap(const std::string& text) const {
        std::ofstream(standards() / "Plate.map", std::ios::binary) << text;
    }
    std::string readMap() const {
        std::ifstream in(standards() / "Plate.map", std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    void open() {
        tab = std::make_unique<CTabMacroMapping>(&data);
        zrlss::ResourceScope resources;
        ASSERT_TRUE(tab->create(IDD_TAB_MACRO_MAPPING));
        tab->show(true);
    }
    std::wstring cell(int col, int row) {
        Zrl_String text;
        tab->mappingGrid().getCellText(col, row, text);
        return text.str();
    }
    // Chooses the item reading `text` in the combo of mapping row `row`.
    void choose(int row, const wchar_t* text) {
        const spread::CellType& type = tab->mappingGrid().sheet().cellType(2, row);
        const auto at = std::find(type.items.begin(), type.items.end(), std::wstring(text));
        ASSERT_NE(at, type.items.end()) << Zrl_String(text).toUtf8();
        ASSERT_TRUE(tab->mappingGrid().chooseInCell(2, row, static_cast<int>(at - type.items.begin())));
    }
    void selectStandard(int row) { tab->standardsGrid().clickCell(1, row); }

    std::filesystem::path lib_;
    Zrl_DbMacro macro;
    MacroData macroData;
    VkSSMapping candidates;
    TabMappingData data;
    std::unique_ptr<CTabMacroMapping> tab;
};

TEST_F(MappingTab, ShowsEachSectionWithItsRowsAndLabels) {
    open();
    VkCalcSS& grid = tab->mappingGrid();
    ASSERT_EQ(grid.getMaxRows(), 7);
    const struct {
        int row;
        const wchar_t *header, *name, *choice;
    } expected[] = {
        {1, L" ", L"", L""},          {2, L"Input", L"", L""},       {3, L"Decim", L"Width", L"Plates.Height"},
        {4, L"Getal", L"Flag", L""},  {5, L" ", L"", L""},           {6, L"Output", L"", L""},
        {7, L"Tekst", L"Bolts", L""},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(cell(Zrl_Spread::kHeader, e.row), e.header) << e.row;
        EXPECT_EQ(cell(1, e.row), e.name) << e.row;
        EXPECT_EQ(cell(2, e.row), e.choice) << e.row;
    }
    // The Int variable is offered the reverse-start flags only.
    for (const std::wstring& item : grid.sheet().cellType(2, 4).items)
        EXPECT_NE(item.find(L"ReverseStart"), std::wstring::npos) << Zrl_String(item).toUtf8();
    ASSERT_EQ(tab->links().length(), 3);
    EXPECT_EQ(tab->links()[2].row, 7);

    // A module-group standard and a sheet that is not there: empty tables.
    for (int row : {4, 3}) {
        selectStandard(row);
        EXPECT_EQ(tab->currentStandard(), row - 1);
        EXPECT_FALSE(tab->showsMapping());
        EXPECT_EQ(grid.getMaxRows(), 0);
        EXPECT_EQ(tab->links().length(), 0);
    }
    EXPECT_FALSE(tab->apply());
    EXPECT_FALSE(std::filesystem::exists(standards() / "Gone.map"));
}

TEST_F(MappingTab, SavesAChangeUnderANewKeyAndNothingWhenUnchanged) {
    const std::string before = readMap();
    open();
    selectStandard(2);
    selectStandard(1);
    EXPECT_FALSE(tab->apply());
    EXPECT_EQ(readMap(), before);
    EXPECT_EQ(data.keys[0], L"K1");

    choose(3, L"Plates.Gap");
    choose(7, L"Plates.Pattern1.PatternNrBolts2");
    selectStandard(2); // a subfolder's sheet: its mapping lies beside it
    EXPECT_TRUE(tab->modified());
    const Zrl_String key = data.keys[0];
    EXPECT_EQ(key.length(), 24);
    const std::string after = readMap();
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.find('\n', before.size()), after.size() - 1); // one new line
    const VkSSMapping stored = mapedit::storedMapping(L"Plate", key);
    EXPECT_EQ(stored.mappedObjects().length(), 2);

    choose(3, L"Plates.Width");
    EXPECT_TRUE(tab->apply());
    EXPECT_TRUE(std::filesystem::exists(standards() / "Childs" / "Bolt Group.map"));
    EXPECT_EQ(data.keys[0], key);
}

TEST_F(MappingTab, ChoicesSurviveAnEditOfTheStandardsList) {
    open();
    choose(3, L"Plates.Gap");
    // Another row's group changes: the choice is saved before the list is read.
    ASSERT_TRUE(tab->standardsGrid().typeInCell(2, 2, L"Beam"));
    EXPECT_EQ(data.keys[1], L"Module.Beam");
    EXPECT_NE(data.keys[0], L"K1");
    EXPECT_EQ(cell(2, 3), L"Plates.Gap");
    // A text the choices lack stays in its cell and in the record.
    EXPECT_EQ(data.sheetNames[2], L"Gone");
}

TEST_F(MappingTab, ListOperations) {
    open();
    const Zrl_StringArray sheets = data.sheetNames;
    // Up at the top and down at the bottom change nothing.
    tab->standardsGrid().setActiveCell(1, 1);
    tab->click(IDC_MAPPING_UP);
    tab->standardsGrid().setActiveCell(1, 4);
    tab->click(IDC_MAPPING_DOWN);
    EXPECT_TRUE(data.sheetNames == sheets);
    EXPECT_FALSE(tab->modified());

    tab->standardsGrid().setActiveCell(1, 1);
    tab->click(IDC_MAPPING_DOWN);
    EXPECT_EQ(data.sheetNames[1], L"Plate");
    EXPECT_EQ(data.keys[1], L"K1");
    EXPECT_EQ(tab->currentStandard(), 1);
    EXPECT_TRUE(tab->showsMapping());
    EXPECT_EQ(cell(2, 3), L"Plates.Height");

    // Add before the active standard; OK then writes no file for it.
    tab->click(IDC_MAPPING_ADD);
    EXPECT_EQ(data.sheetNames.length(), 5);
    EXPECT_EQ(data.sheetNames[1], L"");
    EXPECT_EQ(tab->currentStandard(), 1);
    EXPECT_TRUE(tab->apply());
    EXPECT_FALSE(std::filesystem::exists(standards() / ".map"));

    // Removing everything empties both lists.
    for (int i = 0; i < 5; ++i) {
        tab->standardsGrid().setActiveCell(1, 1);
        tab->click(IDC_MAPPING_REMOVE);
    }
    EXPECT_EQ(data.sheetNames.length(), 0);
    EXPECT_EQ(data.keys.length(), 0);
    // Add on an empty list appends.
    tab->click(IDC_MAPPING_ADD);
    EXPECT_EQ(data.sheetNames.length(), 1);
}

TEST_F(MappingTab, SettingsDialogKeepsTheTabsChangesOnOkOnly) {
    for (const char* button : {"OK", "CANCEL"}) {
        const bool ok = std::string(button) == "OK";
        TabMappingData record = data;
        bool modified = false, result = !ok;
        win::script().reset();
        const win::ScriptResult r = win::playScript(
            std::string("dialog macro-settings\n  cell 1196 2 3 \"Plates.Gap\"\n  click ") +
                button + "\nend\n",
            [&] { result = runMacroSettings(record, modified); });
        ASSERT_TRUE(r.ok()) << r.message;
        EXPECT_EQ(result, ok);
        EXPECT_EQ(modified, ok);
        EXPECT_EQ(record.keys[0] != L"K1", ok) << button;
    }
    win::script().reset();
}

} // namespace
