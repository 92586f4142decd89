// The in-memory macro model, the section tables and macro descriptions.
#include "macro_fixture.h"
#include "platform/core/macro_description.h"
#include "platform/core/section_tables.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(MacroModel, ModulesOfAGroup) {
    Zrl_DbMacro db = fixture::sampleMacro();
    Zrl_StringArray names;
    ASSERT_EQ(db.macroRead().getModNamesOfGroup(L"plates", names), Acad::eOk);
    EXPECT_EQ(names, Zrl_StringArray({L"Endplate", L"Bolts"}));
    // A module without a group forms a group of its own name.
    ASSERT_EQ(db.macroRead().getModNamesOfGroup(L"Beam", names), Acad::eOk);
    EXPECT_EQ(names, Zrl_StringArray({L"Beam"}));
    // The macro's own quantities have no group: no modules, no failure.
    EXPECT_EQ(db.macroRead().getModNamesOfGroup(L"", names), Acad::eOk);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_NE(db.macroRead().getModNamesOfGroup(L"Stiffeners", names), Acad::eOk);
}

TEST(MacroModel, DialogVariablesRefuseTextsThatAreNoNumbers) {
    Zrl_DbMacro db = fixture::sampleMacro();
    Zrl_MacroModule* plate = db.macroWrite()->findModuleWrite(L"Endplate");
    Zrl_String value = L"abc";
    EXPECT_EQ(plate->getSetConstrVarValue(L"Height", value, false), Acad::eInvalidInput);
    value = L"";
    EXPECT_EQ(plate->getSetConstrVarValue(L"Height", value, false), Acad::eInvalidInput);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Height"), 200);
    value = L" 212.25 ";
    EXPECT_EQ(plate->getSetConstrVarValue(L"height", value, false), Acad::eOk);
    EXPECT_EQ(plate->getSetConstrVarValue(L"Height", value, true), Acad::eOk);
    EXPECT_EQ(value, L"212.25");
}

TEST(MacroModel, CutOffsetsExistByCutType) {
    Zrl_MacroCut straight;
    straight.cutType = Zrl_CutStraight;
    double v = 4;
    EXPECT_EQ(Zrl_MacroModule::getSetCutValue(straight, VkCutLengthOffset, v, false), Acad::eOk);
    EXPECT_EQ(Zrl_MacroModule::getSetCutValue(straight, VkCutRadius, v, false),
              Acad::eInvalidInput);
    EXPECT_EQ(straight.offsets[VkCutRadius], 0);
    EXPECT_EQ(getCutOffsets(Zrl_CutFull).length(), kVkCutOffsetTypeCount);
    EXPECT_TRUE(getCutOffsets(99).isEmpty());
}

TEST(MacroModel, ReverseStartFlagReadsAsNormalStart) {
    Zrl_DbMacro db = fixture::sampleMacro();
    Zrl_MacroModule* bolts = db.macroWrite()->findModuleWrite(L"Bolts");
    Zrl_BoltPattern* single = bolts->findPattern(L"Pattern2");
    bool flag = true;
    ASSERT_EQ(getSetBoltPatternReverses(bolts, single, true, false, flag, nullptr), Acad::eOk);
    EXPECT_TRUE(single->reversed1);
    ASSERT_EQ(getSetBoltPatternReverses(bolts, single, true, true, flag, nullptr), Acad::eOk);
    EXPECT_FALSE(flag);
    // A one-direction pattern has no second direction.
    EXPECT_NE(getSetBoltPatternReverses(bolts, single, false, true, flag, nullptr), Acad::eOk);
}

TEST(SectionTables, NamesValuesAndColumns) {
    Zrl_String name;
    for (const wchar_t* spelling : {L"IPE200", L"ipe 200", L"IPE-200", L" Ipe_200 "}) {
        ASSERT_EQ(gSectionTables.getSystemName(spelling, name), Acad::eOk) << spelling;
        EXPECT_EQ(name, L"IPE200");
    }
    EXPECT_EQ(gSectionTables.getUserName(L"hea240", name), Acad::eOk);
    EXPECT_EQ(name, L"HEA 240");
    EXPECT_NE(gSectionTables.getSystemName(L"IPE 201", name), Acad::eOk);

    Zrl_String text;
    ASSERT_EQ(gSectionTables.getSectionValue(L"HEA200", 0, text), Acad::eOk);
    EXPECT_EQ(text, L"190");
    ASSERT_EQ(gSectionTables.getSectionValue(L"IPE 200", 2, text), Acad::eOk);
    EXPECT_EQ(text, L"5.6");
    EXPECT_EQ(gSectionTables.getSectionValue(L"IPE200", 5, text), Acad::eInvalidIndex);
    EXPECT_EQ(gSectionTables.getSectionValue(L"IPE200", -1, text), Acad::eInvalidIndex);

    Zrl_StringArray columns;
    ASSERT_EQ(gSectionTables.getSectionColumnNames(L"HEB300", columns), Acad::eOk);
    EXPECT_EQ(columns, Zrl_StringArray({L"h", L"b", L"tw", L"tf", L"r"}));
}

TEST(MacroDescription, RoundTripThroughAFile) {
    fixture::ScratchLibrary lib("description");
    const Zrl_DbMacro db = fixture::sampleMacro();
    const MacroData data = fixture::sampleData();
    const Zrl_String path = Zrl_String::fromUtf8((lib.dir() / "m.json").string());
    ASSERT_EQ(saveMacroDescription(path, db, data), Acad::eOk);

    Zrl_DbMacro readDb;
    MacroData readData;
    ASSERT_EQ(loadMacroDescription(path, readDb, readData), Acad::eOk);
    EXPECT_EQ(readDb, db);
    EXPECT_EQ(readData, data);
}

TEST(MacroDescription, BadInputLeavesTheRecordsAsTheyWere) {
    Zrl_DbMacro db = fixture::sampleMacro();
    MacroData data = fixture::sampleData();
    const Zrl_DbMacro before = db;
    Zrl_String error;
    const char* bad[] = {
        "{ not json",
        "[1, 2]",
        R"({"modules": [{"group": "G"}]})",
        R"({"modules": [{"name": "M", "cuts": [{"name": "C", "offsets": {"sideways": 1}}]}]})",
        R"({"generalVariables": [{"name": "gen_A", "value": "12"}]})",
        R"({"dialog": {"tabs": [{"name": "T", "flexFix": [{"variable": "V", "flex": 1}]}]}})",
    };
    for (const char* text : bad) {
        EXPECT_EQ(parseMacroDescription(text, db, data, &error), Acad::eInvalidInput) << text;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(db, before);
    EXPECT_EQ(data, fixture::sampleData());
    EXPECT_EQ(loadMacroDescription(L"/nonexistent/m.json", db, data), Acad::eFileNotFound);
}

TEST(MacroDescription, FailedSaveKeepsTheOldFile) {
    fixture::ScratchLibrary lib("description-save");
    const Zrl_String path = Zrl_String::fromUtf8((lib.dir() / "m.json").string());
    ASSERT_EQ(saveMacroDescription(path, fixture::sampleMacro(), fixture::sampleData()), Acad::eOk);
    EXPECT_EQ(saveMacroDescription(path + L"/sub/x.json", Zrl_DbMacro(), MacroData()),
              Acad::eInvalidInput);
    Zrl_DbMacro db;
    MacroData data;
    ASSERT_EQ(loadMacroDescription(path, db, data), Acad::eOk);
    EXPECT_EQ(db, fixture::sampleMacro());
}

} // namespace
