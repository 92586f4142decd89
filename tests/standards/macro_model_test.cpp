// The in-memory macro model, the section tables and macro descriptions.
#include "macro_fixture.h"
#include "platform/core/macro_description.h"
#include "platform/core/section_tables.h"
#include "platform/files/read_file.h"

#include <filesystem>
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

TEST(SectionTables, NamesValuesAndColumns) {
    Zrl_String name;
    for (const wchar_t* spelling : {L"IPE200", L"ipe 200", L"IPE-200", L" Ipe_200 "}) {
        ASSERT_EQ(gSectionTables.getSystemName(spelling, name), Acad::eOk) << spelling;
        EXPECT_EQ(name, L"IPE200");
    }
    EXPECT_NE(gSectionTables.getSystemName(L"IPE 201", name), Acad::eOk);

    Zrl_String text;
    ASSERT_EQ(gSectionTables.getSectionValue(L"HEA200", 0, text), Acad::eOk);
    EXPECT_EQ(text, L"190");
    EXPECT_EQ(gSectionTables.getSectionValue(L"IPE200", 5, text), Acad::eInvalidIndex);
    EXPECT_EQ(gSectionTables.getSectionValue(L"IPE200", -1, text), Acad::eInvalidIndex);
}

TEST(MacroDescription, RoundTripThroughAFile) {
    fixture::ScratchLibrary lib("description");
    const fixture::Sample sample;
    ASSERT_EQ(sample.macro.macroRead().modules.length(), 3);
    ASSERT_EQ(sample.data.tabs.length(), 2);
    const Zrl_String path = Zrl_String::fromUtf8((lib.dir() / "m.json").string());
    ASSERT_EQ(saveMacroDescription(path, sample.macro, sample.data), Acad::eOk);
    Zrl_DbMacro db;
    MacroData data;
    ASSERT_EQ(loadMacroDescription(path, db, data), Acad::eOk);
    EXPECT_EQ(db, sample.macro);
    EXPECT_EQ(data, sample.data);
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
    // Integers beyond 32 bits are refused with the member that holds them,
    // not cut (2^32 + 1 would read as 1).
    const struct {
        const char* text;
        const char* says;
    } wide[] = {
        {R"({"modules": [{"name": "M", "type": 4294967528}]})", "module \"M\": \"type\" is out of range"},
        {R"({"modules": [{"name": "M", "type": -2147483649}]})", "module \"M\": \"type\" is out of range"},
        {R"({"modules": [{"name": "M", "cuts": [{"name": "C", "cutType": 4294967297}]}]})", "\"cutType\" is out of range"},
    };
    for (const auto& w : wide) {
        EXPECT_EQ(parseMacroDescription(w.text, db, data, &error), Acad::eInvalidInput) << w.text;
        EXPECT_NE(error.toUtf8().find(w.says), std::string::npos) << error.toUtf8();
    }
    EXPECT_EQ(db, before);
    EXPECT_EQ(data, fixture::sampleData());
    EXPECT_EQ(loadMacroDescription(L"/nonexistent/m.json", db, data), Acad::eFileNotFound);
    // A file above the readers' bound is refused with that reason.
    const std::string huge = ::testing::TempDir() + "huge_macro.json";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, files::kMaxReadBytes + 1);
    EXPECT_EQ(loadMacroDescription(Zrl_String::fromUtf8(huge), db, data, &error),
              Acad::eFileNotFound);
    EXPECT_EQ(error.toUtf8(), "file too large: " + huge + " (more than 1 GiB)");
    std::filesystem::remove(huge);
}

} // namespace
