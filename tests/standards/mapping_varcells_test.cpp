// Sheet variables: declarations, look-ups, and the fetch from and the
// return to the macro with its diagnostics.
#include "macro_fixture.h"
#include "platform/win/constants.h"
#include "platform/win/script.h"
#include "standards/dlg_standards_data.h"
#include "support/var_cell.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(Declaration, TypeWordAndName) {
    struct Case {
        const wchar_t* text;
        VkValueType type;
        const wchar_t* name;
    } cases[] = {
        {L"Integer Count", VkValueInt, L"Count"},
        {L"Intro text", VkValueInt, L"text"},
        {L"   Double  Width", VkValueDouble, L" Width"},
        {L"String", VkValueString, L""},
        {L"String Name of part", VkValueString, L"Name of part"},
    };
    for (const Case& c : cases) {
        VkValueType type = VkValueString;
        Zrl_String name = L"old";
        ASSERT_TRUE(VkVarCell::parseDeclaration(c.text, type, name)) << c.text;
        EXPECT_EQ(type, c.type) << c.text;
        EXPECT_EQ(name, c.name) << c.text;
    }
    VkValueType type = VkValueInt;
    Zrl_String name;
    EXPECT_FALSE(VkVarCell::parseDeclaration(L"Text Width", type, name));
    EXPECT_FALSE(VkVarCell::parseDeclaration(L"double Width", type, name));
    EXPECT_FALSE(VkVarCell::parseDeclaration(L"", type, name));
}

using testsupport::var;

TEST(VarCells, FindAndCompareInputs) {
    VkVarCells a;
    a.append(var(L"Width", VkCellInput, L"10"));
    a.append(var(L"Width", VkCellOutput, L"20"));
    a.append(var(L"Out", VkCellOutput, L"1"));
    int index = 7;
    ASSERT_EQ(a.findVarCell(L"WIDTH", index), Acad::eOk);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(a.findVarCell(L"Depth", index), Acad::eInvalidInput);
    EXPECT_EQ(index, 0);

    VkVarCells b;
    b.append(var(L"width", VkCellLocal, L"10"));
    b.append(var(L"Out", VkCellOutput, L"2"));
    EXPECT_TRUE(a.hasSameInput(b));
    b[0].valueType = VkValueInt;
    EXPECT_FALSE(a.hasSameInput(b));
    b[0].valueType = VkValueDouble;
    b[0].value = L"10.0";
    EXPECT_FALSE(a.hasSameInput(b));
    b.removeAt(0);
    EXPECT_FALSE(a.hasSameInput(b));
    EXPECT_TRUE(b.hasSameInput(a));
}

class FetchFromMacro : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        curDocSettings().standardsDiagnostics = false;
    }
    void TearDown() override { curDocSettings().standardsDiagnostics = false; }

    Zrl_DbMacro db = fixture::sampleMacro();
    MacroData data = fixture::sampleData();

    VkDlgStandardsData record(const wchar_t* key) {
        VkDlgStandardsData r;
        r.initialize(&db, L"Plate", key, &data);
        r.varCells.append(var(L"Height", VkCellInput));
        r.varCells.append(var(L"Missing", VkCellInput, L"old"));
        r.varCells.append(var(L"Gap", VkCellOutput));
        r.varCells.append(var(L"Tmp", VkCellLocal, L"left over", VkValueString));
        return r;
    }
};

TEST_F(FetchFromMacro, ModuleGroupFetchClearsLocalsAndKeepsWhatIsMissing) {
    VkDlgStandardsData r = record(L"Module.Plates");
    ASSERT_EQ(r.varCells.getFromMacro(r), Acad::eOk);
    EXPECT_EQ(r.varCells[0].value, L"200");
    EXPECT_EQ(r.varCells[1].value, L"old");
    EXPECT_EQ(r.varCells[2].value, L"10");
    EXPECT_EQ(r.varCells[3].value, L"");
    // No diagnostics without the document's flag.
    EXPECT_TRUE(win::script().shown().messageBoxes.empty());

    r.varCells[2].value = L"14";
    r.varCells[0].value = L"999";
    EXPECT_EQ(r.varCells.setToMacro(r), Acad::eOk);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Gap"), 14);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Height"), 200);
}

TEST_F(FetchFromMacro, DiagnosticsNameTheVariableAndTheSheet) {
    curDocSettings().standardsDiagnostics = true;
    VkDlgStandardsData r = record(L"Module.Plates");
    r.varCells.append(var(L"Lost", VkCellOutput, L"", VkValueString));
    ASSERT_EQ(r.varCells.getFromMacro(r), Acad::eOk);
    const auto& boxes = win::script().shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"The following Input variable couldn't be retrieved : \nMissing\n"
                             L"Make sure the variable exists in the macro or module.\n"
                             L"Spreadsheet : Plate");
    EXPECT_EQ(boxes[1].text, L"The following Output variable couldn't be set : \nLost\n"
                             L"Make sure the variable exists in the macro or module.\n"
                             L"Spreadsheet : Plate");
    EXPECT_EQ(boxes[0].style & win::MB_ICONEXCLAMATION, win::MB_ICONEXCLAMATION);
}

TEST_F(FetchFromMacro, MappingFileByKey) {
    fixture::ScratchLibrary lib("fetch");
    {
        std::ofstream out(lib.standards() / "Plate.map", std::ios::binary);
        out << "Mapping version 1.0\nK1=Gap\xC6\x92Plates\xE2\x80\xA2"
               "Distance Width\n";
    }
    VkDlgStandardsData r = record(L"K1");
    ASSERT_EQ(r.varCells.getFromMacro(r), Acad::eOk);
    EXPECT_EQ(r.varCells.mapping().mappingMode(), VkSSMapping::kMappingFile);
    EXPECT_EQ(r.varCells[2].value, L"150");
    EXPECT_EQ(r.varCells[0].value, L"");

    // A key the file lacks fetches nothing, and no entry of the earlier run
    // survives to carry values into the macro.
    VkDlgStandardsData other = record(L"K2");
    other.varCells.mapping() = r.varCells.mapping();
    ASSERT_EQ(other.varCells.getFromMacro(other), Acad::eOk);
    EXPECT_TRUE(other.varCells.mapping().mappedObjects().isEmpty());
    EXPECT_EQ(other.varCells[3].value, L"left over");
    other.varCells[2].value = L"1";
    other.varCells.setToMacro(other);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Width"), 150);
}

TEST_F(FetchFromMacro, NoMacroObjectIsAFailure) {
    VkDlgStandardsData r = record(L"K1");
    r.macroObject = nullptr;
    EXPECT_EQ(r.varCells.getFromMacro(r), Acad::eInvalidInput);
}

} // namespace
