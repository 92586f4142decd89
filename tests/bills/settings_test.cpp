// Settings records: keys, defaults, lists, the corner-cell tag, settings
// files with the registry fallback, and the sheet's fonts.
#include "bills_fixture.h"
#include "grid/zrl_spread.h"
#include "platform/core/paths.h"
#include "sheettools/sheet_settings_ops.h"
#include "sheettools/ss_registry_sets.h"
#include "sheettools/ss_settings.h"

#include <chrono>

namespace {

using billstest::BillsTest;

const std::wstring S(1, Zrl_SimplePropsList::kSeparator);

TEST(SSSettings, KeysInTheirOrder) {
    VkSSSettings s;
    s.setVars({L"Title", L"Date"}, {L"Frame", L"today"});
    const Zrl_SimplePropsList list = s.toList();
    const wchar_t* const keys[] = {
        L"defaultFont", L"defaultTextHeight", L"headerFile",     L"footerFile", L"marginLeft",
        L"marginRight", L"marginTop",         L"marginBottom",   L"smartPrint", L"colors",
        L"colHeader",   L"rowHeader",         L"cellSeperators", L"border",     L"varNames0",
        L"varNames1",   L"varValues0",        L"varValues1"};
    ASSERT_EQ(list.length(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(list.entry(i).name.str(), keys[i]) << i;
    EXPECT_EQ(list.entry(8).value.type, Zrl_SimplePropsList::kInt);
    EXPECT_EQ(list.entry(8).value.toText().str(), L"1");
}

TEST(SSSettings, FromTextKeepsDefaultsForMissingAndMistypedKeys) {
    Zrl_SimplePropsList list;
    list.fromText(L"marginTop" + S + L"2" + S + L"5" + S + L"border" + S + L"2" + S + L"0" + S +
                  L"defaultTextHeight" + S + L"4" + S + L"12" + S + L"marginLeft" + S + L"1" + S +
                  L"3.00" + S);
    VkSSSettings s;
    s.fromList(list);
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.marginTop, 5);
    EXPECT_FALSE(s.border);
    EXPECT_EQ(s.defaultTextHeight, 13);
    EXPECT_EQ(s.marginLeft, 9);
    EXPECT_EQ(s.defaultFont.str(), L"Tahoma");
    EXPECT_TRUE(s.smartPrint);
}

TEST(SSSettings, ListsStopAtAGapAndAreCutToTheShorter) {
    Zrl_SimplePropsList list;
    list.setString(L"varNames0", L"a");
    list.setString(L"varNames1", L"b");
    list.setString(L"varNames2", L"c");
    list.setString(L"varValues0", L"1");
    list.setString(L"varValues1", L"2");
    list.setString(L"varValues3", L"4"); // after a gap: not read
    VkSSSettings s;
    s.fromList(list);
    ASSERT_EQ(s.varNames.length(), 2);
    ASSERT_EQ(s.varValues.length(), 2);
    EXPECT_EQ(s.varNames[1].str(), L"b");

    list.setInt(L"varValues1", 2); // a number breaks the list there
    s.fromList(list);
    EXPECT_EQ(s.varNames.length(), 1);
}

TEST_F(BillsTest, PrepareFallsBackToTheRegistrysDefaultSettings) {
    writeBytes(root / "install" / "Office.vkd",
               billstest::vkd({"marginTop", "2", "11", "defaultFont", "4", "Verdana",
                               "defaultTextHeight", "2", "17"}));
    win::ResourceModuleGuard guard(billstest::moduleHandle());
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createHidden());

    // Neither the named file nor a registry value: built-in defaults.
    ASSERT_TRUE(prepareSheetWithSettings(grid, L"Missing"));
    VkSSSettings s;
    s.fromSheet(&grid);
    EXPECT_EQ(s.marginTop, 5);
    EXPECT_EQ(grid.getMaxCols(), 6);
    EXPECT_EQ(grid.getMaxRows(), 11);
    EXPECT_EQ(grid.getCellType(6, 11), 1);

    ASSERT_TRUE(win::regSetString(win::HKEY_LOCAL_MACHINE, VkSSRegistrySets::kKey,
                                  L"Default Settings", L"Office"));
    VkSSRegistrySets reg;
    EXPECT_FALSE(reg.read()); // "Language" is missing
    EXPECT_EQ(reg.language.str(), L"EN");
    EXPECT_EQ(reg.defaultSettings.str(), L"Office");

    ASSERT_TRUE(prepareSheetWithSettings(grid, L"Missing"));
    s.fromSheet(&grid);
    EXPECT_EQ(s.marginTop, 11);
    EXPECT_EQ(grid.sheet().font(3, 4).name, L"Verdana");
    EXPECT_EQ(grid.sheet().font(3, 4).height, 17);
    EXPECT_EQ(grid.sheet().font(3, 4).weight, 400);
    EXPECT_EQ(grid.sheet().font(3, 0).weight, 700);
    EXPECT_EQ(grid.sheet().font(0, 5).weight, 700);
}

TEST_F(BillsTest, ZeroTextHeightOrEmptyFontLeavesTheFontsAlone) {
    win::ResourceModuleGuard guard(billstest::moduleHandle());
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createHidden());
    grid.setMaxCols(6);
    grid.setMaxRows(11);
    spread::Font mark;
    mark.name = L"Mark";
    grid.sheet().setFontRange(0, 0, 6, 11, mark);
    writeBytes(root / "install" / "Zero.vkd", billstest::vkd({"defaultTextHeight", "2", "0"}));
    writeBytes(root / "install" / "NoFont.vkd", billstest::vkd({"defaultFont", "4", ""}));
    for (const wchar_t* name : {L"Zero", L"NoFont"}) {
        ASSERT_TRUE(prepareSheetWithSettings(grid, name));
        EXPECT_EQ(grid.sheet().font(2, 2).name, L"Mark") << name;
        EXPECT_EQ(grid.sheet().font(2, 0).name, L"Mark") << name;
    }
}

// Header and footer pictures travel with a saved sheet: copied next to it
// (with the ".bmp" beside) when missing there or older, and named relative
// to the sheet's folder; a newer copy there is kept and the name stays.
TEST_F(BillsTest, PicturesAreBroughtAlongUnlessTheTargetIsNewer) {
    namespace fs = billstest::fs;
    const fs::path pics = root / "pics";
    fs::create_directories(pics);
    writeBytes(pics / "Head.wmf", "head v2");
    writeBytes(pics / "Head.bmp", "bmp v2");
    writeBytes(root / "install" / "Foot.wmf", "foot");
    const Zrl_String folder = getPath(text(root / "out" / "bill.vks"));
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(pics / "Head.wmf", now - std::chrono::hours(1));

    // Missing at the target: copied with its ".bmp"; an absolute name
    // becomes relative.
    Zrl_String head = text(pics / "Head.wmf");
    ASSERT_TRUE(bringSettingsFileAlong(head, folder));
    EXPECT_EQ(head.str(), L"Head.wmf");
    EXPECT_EQ(readBytes(root / "out" / "Head.wmf"), "head v2");
    EXPECT_EQ(readBytes(root / "out" / "Head.bmp"), "bmp v2");

    // A name found in the settings folder is copied too.
    Zrl_String foot = L"Foot.wmf";
    ASSERT_TRUE(bringSettingsFileAlong(foot, folder));
    EXPECT_EQ(foot.str(), L"Foot.wmf");
    EXPECT_TRUE(fs::exists(root / "out" / "Foot.wmf"));

    // An older target is replaced.
    writeBytes(root / "out" / "Head.wmf", "head v1");
    fs::last_write_time(root / "out" / "Head.wmf", now - std::chrono::hours(2));
    head = text(pics / "Head.wmf");
    ASSERT_TRUE(bringSettingsFileAlong(head, folder));
    EXPECT_EQ(readBytes(root / "out" / "Head.wmf"), "head v2");

    // A newer target is kept, and the name is left as it was.
    writeBytes(root / "out" / "Head.wmf", "head v3");
    head = text(pics / "Head.wmf");
    EXPECT_FALSE(bringSettingsFileAlong(head, folder));
    EXPECT_EQ(head, text(pics / "Head.wmf"));
    EXPECT_EQ(readBytes(root / "out" / "Head.wmf"), "head v3");

    // A picture that cannot be found changes nothing.
    Zrl_String missing = L"Nowhere.wmf";
    EXPECT_FALSE(bringSettingsFileAlong(missing, folder));
    EXPECT_EQ(missing.str(), L"Nowhere.wmf");
}

TEST_F(BillsTest, TagNeedsAValidRecordWithSheet) {
    VkSSSettings s;
    EXPECT_FALSE(s.toSheet());
    win::ResourceModuleGuard guard(billstest::moduleHandle());
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createHidden());
    s.sheet = &grid;
    EXPECT_FALSE(s.toSheet()); // not valid
    s.valid = true;
    s.marginBottom = 20;
    ASSERT_TRUE(s.toSheet());
    VkSSSettings back;
    back.fromSheet(&grid);
    EXPECT_EQ(back.marginBottom, 20);
}

} // namespace
