// The macro dialog's record in the core stand-in: items and differences,
// updates of the drawing's macros, filters, property lists.
#include "core_test_support.h"

#include "platform/core/files.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/section_tables.h"
#include "platform/host/call_log.h"

#include <fstream>

namespace {

MacroTabData plateTab() {
    MacroTabData tab;
    tab.name = L"Plate";
    tab.values.append({L"Height", L"200"});
    tab.values.append({L"Width", L"150"});
    tab.flexFix.append({L"Height", false});
    return tab;
}

MacroTabData boltTab() {
    MacroTabData tab;
    tab.name = L"Bolts";
    tab.kind = kMacroTabBolts;
    tab.hasBoltData = true;
    tab.boltData = {L"8.8", L"20", L"2"};
    tab.patterns.append({L"Pattern1", L"2", L"3"});
    return tab;
}

class MacroRecordTest : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        gMacroDrawing.clear();
        host::clearCallLog();
        for (int id : {1, 2}) {
            Zrl_DrawnMacro macro;
            macro.id = AcDbObjectId(id);
            macro.name = L"End plate";
            macro.tabs.append(plateTab());
            macro.tabs.append(boltTab());
            gMacroDrawing.macros.append(macro);
        }
        data.objectIds.append(AcDbObjectId(1));
        data.objectIds.append(AcDbObjectId(2));
        ASSERT_TRUE(UpdateAllFilterModified(data, true));
        data.propLists = {true, dir(), L".mpl", list({L"Standard"})};
    }
    void TearDown() override {
        gMacroDrawing.clear();
        ScratchFolderTest::TearDown();
    }
    MacroData data;
};

} // namespace

TEST(MacroTabItems, DifferencesNameTheChangedItemsAndFixStates) {
    const MacroTabData before = boltTab();
    struct Case {
        const char* what;
        std::function<void(MacroTabData&)> change;
        std::vector<int> items;
        std::vector<const wchar_t*> values;
    } cases[] = {
        {"nothing", [](MacroTabData&) {}, {}, {}},
        {"diameter", [](MacroTabData& t) { t.boltData.diameter = L"24"; }, {-2}, {L"24"}},
        {"second count",
         [](MacroTabData& t) { t.patterns[0].nrBolts2 = L"4"; },
         {MacroTabData::kItemBoltCounts + 1},
         {L"4"}},
        {"new value", [](MacroTabData& t) { t.values.append({L"Gap", L"5"}); }, {0}, {L"5"}},
    };
    for (const Case& c : cases) {
        MacroTabData after = before;
        c.change(after);
        AcArray<int> items;
        Zrl_StringArray values;
        after.differences(before, items, values);
        ASSERT_EQ(items.length(), static_cast<int>(c.items.size())) << c.what;
        for (int i = 0; i < items.length(); ++i) {
            EXPECT_EQ(items[i], c.items[static_cast<size_t>(i)]) << c.what;
            EXPECT_EQ(values[i], c.values[static_cast<size_t>(i)]) << c.what;
        }
    }
    MacroTabData fixed = plateTab();
    MacroTabData flexed = fixed;
    flexed.flexFixBtnClicked(L"height", false);
    AcArray<int> items;
    Zrl_StringArray values;
    flexed.differences(fixed, items, values);
    ASSERT_EQ(items.length(), 1);
    EXPECT_EQ(items[0], MacroTabData::kItemFlexFix);
    EXPECT_EQ(values[0], L"Height=0");
    // The text of a Fix change sets the state back.
    ASSERT_TRUE(flexed.setItem(MacroTabData::kItemFlexFix, L"Height=1"));
    EXPECT_EQ(flexed, fixed);
    EXPECT_FALSE(flexed.setItem(MacroTabData::kItemFlexFix, L"Nothing=1"));
    EXPECT_FALSE(flexed.setItem(99, L"1"));
}

TEST_F(MacroRecordTest, FiltersListGroupsAndKindsAndNarrowTheTabs) {
    EXPECT_EQ(data.firstFilter.items, list({L"<All>", L"Plate", L"Bolts"}));
    EXPECT_EQ(data.secondFilter.items, list({L"<All>", L"General", L"Bolts"}));
    ASSERT_EQ(data.tabs.length(), 2);
    data.firstFilter.selection = 2;
    ASSERT_TRUE(UpdateAllFilterModified(data, true));
    ASSERT_EQ(data.tabs.length(), 1);
    EXPECT_EQ(data.tabs[0].name, L"Bolts");
    data.secondFilter.selection = 1; // General: no tab of the group left
    ASSERT_TRUE(UpdateAllFilterModified(data, false));
    EXPECT_EQ(data.tabs.length(), 0);
    EXPECT_EQ(data.firstFilter.selection, 2);
    // A changed first filter starts the second again.
    ASSERT_TRUE(UpdateAllFilterModified(data, true));
    EXPECT_EQ(data.secondFilter.selection, 0);
    // Macros that differ show "<Various>".
    gMacroDrawing.macros[1].tabs[0].values[1].value = L"170";
    data.firstFilter.selection = 0;
    ASSERT_TRUE(UpdateAllFilterModified(data, true));
    EXPECT_EQ(data.tabs[0].values[1].value, L"<Various>");
    EXPECT_EQ(data.tabs[0].values[0].value, L"200");
}

TEST_F(MacroRecordTest, SelectOtherMacrosTakesThePreviousSelectionOrNothing) {
    const MacroData before = data;
    EXPECT_FALSE(SelectOtherMacros(data));
    EXPECT_EQ(data, before);
    gMacroDrawing.previousSelection.append(AcDbObjectId(2));
    ASSERT_TRUE(SelectOtherMacros(data));
    ASSERT_EQ(data.objectIds.length(), 1);
    EXPECT_EQ(macroNameOf(data), L"End plate");
}

TEST_F(MacroRecordTest, UpdateModuleIsAllOrNothing) {
    AcArray<int> items{1};
    Zrl_StringArray values = list({L"180"});
    ASSERT_TRUE(UpdateModule(L"plate", data, items, values));
    EXPECT_EQ(data.tabs[0].values[1].value, L"180");
    for (const Zrl_DrawnMacro& m : gMacroDrawing.macros)
        EXPECT_EQ(m.tabs[0].values[1].value, L"180");
    EXPECT_EQ(host::lastCall("UpdateModule")->args[1], L"1");

    gMacroDrawing.macros[1].locked = true;
    values = list({L"160"});
    EXPECT_FALSE(UpdateModule(L"Plate", data, items, values));
    EXPECT_EQ(data.tabs[0].values[1].value, L"180");
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[0].values[1].value, L"180");
}

TEST_F(MacroRecordTest, SetAllToMacroChangesEachMacroWholeOrNotAtAll) {
    gMacroDrawing.macros[1].locked = true;
    const MacroData before = data;
    data.tabs[0].values[0].value = L"250";
    data.tabs[1].boltData.diameter = L"24";
    AcArray<int> tabs;
    Zrl_Array<AcArray<int>> items;
    Zrl_Array<Zrl_StringArray> values;
    data.differences(before, tabs, items, values);
    ASSERT_EQ(tabs.length(), 2);
    EXPECT_FALSE(setAllToMacro(data, tabs, items, values));
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[0].values[0].value, L"250");
    EXPECT_EQ(gMacroDrawing.macros[0].tabs[1].boltData.diameter, L"24");
    EXPECT_EQ(gMacroDrawing.macros[1].tabs[0].values[0].value, L"200");
    EXPECT_EQ(host::lastCall("setAllToMacro")->args,
              (std::vector<std::wstring>{L"Plate:0", L"Bolts:-2"}));
}

TEST(MacroRecordHelpers, RemoveAllKeepsItemsAndTextsParallel) {
    AcArray<int> items{-12, 3, -12, 4};
    Zrl_StringArray values = list({L"A=1", L"x", L"B=0", L"y"});
    removeAll(items, values, MacroTabData::kItemFlexFix);
    EXPECT_EQ(items, (AcArray<int>{3, 4}));
    EXPECT_EQ(values, list({L"x", L"y"}));
}

TEST_F(MacroRecordTest, PropertyListsRoundTripAndCountWhatTheMacroLacks) {
    ASSERT_TRUE(data.writeToFile(L"Mine"));
    MacroData changed = data;
    changed.tabs[0].values[0].value = L"999";
    changed.tabs[0].flexFixBtnClicked(L"Height", false);
    int count = -1;
    ASSERT_TRUE(changed.readFromFile(L"Mine", count));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(changed, data);

    // A list with values this macro lacks, and one number property.
    std::ofstream(fsDir() / "Other.mpl") << "Plate/value/Height\ts\t240\nPlate/value/Gap\ts\t5\n"
                                         << "Plate/value/Width\td\t120.5\nX/y\ti\t1\n";
    ASSERT_TRUE(changed.readFromFile(L"Other", count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(changed.tabs[0].values[0].value, L"240");
    EXPECT_EQ(changed.tabs[0].values[1].value, L"120.5");

    // Malformed or missing: nothing changes.
    std::ofstream(fsDir() / "Bad.mpl") << "Plate/value/Height\ts\t1\nbroken line\n";
    const MacroData kept = changed;
    for (const wchar_t* name : {L"Bad", L"Missing"}) {
        count = -1;
        EXPECT_FALSE(changed.readFromFile(name, count)) << name;
        EXPECT_EQ(changed, kept);
        EXPECT_EQ(count, 0);
    }

    Zrl_String folder, extension;
    Zrl_StringArray own, standard;
    std::ofstream(fsDir() / "alpha.mpl") << "";
    std::ofstream(fsDir() / "note.txt") << "";
    data.getPropFiles(folder, extension, own, standard);
    EXPECT_EQ(own, list({L"alpha", L"Bad", L"Mine", L"Other"}));
    EXPECT_EQ(standard, list({L"Standard"}));
    EXPECT_EQ(extension, L".mpl");
}

TEST(MacroBoltCatalogue, DiametersAndSectionFamilies) {
    Zrl_StringArray d;
    GetDiameters(L"10.9", d);
    EXPECT_EQ(d, list({L"16", L"20", L"24", L"27", L"30"}));
    GetDiameters(L"<Various>", d);
    EXPECT_TRUE(d.isEmpty());
    MacroData data;
    data.tabs.append(boltTab());
    data.tabs[0].boltData.assembly = L"Anchor";
    GetMergedDiameters(data, L"Bolts", d);
    EXPECT_EQ(d, list({L"20", L"24", L"30", L"36"}));

    Zrl_StringArray families, sections;
    gSectionTables.getFamilies(families);
    EXPECT_EQ(families, list({L"IPE", L"HEA", L"HEB"}));
    gSectionTables.getSections(L"hea", sections);
    ASSERT_EQ(sections.length(), 6);
    EXPECT_EQ(sections[0], L"HEA 200");
}
