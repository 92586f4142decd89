// Loading a standards sheet and reading its declarations: name resolution,
// the type-word prefix rule, blanks, empty names and section bounds.
#include "eval_fixture.h"
#include "standards/calc_ss.h"

using namespace evaltest;

namespace {

class Declarations : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        ASSERT_TRUE(calc.createHidden());
    }
    // The names of the scanned variables as "kind:type:name" texts.
    std::vector<std::wstring> scanned() const {
        std::vector<std::wstring> out;
        for (int i = 0; i < calc.varCells.length(); ++i) {
            const VkVarCell& v = calc.varCells[i];
            out.push_back(std::to_wstring(v.cellType) + L":" + std::to_wstring(v.valueType) + L":" +
                          v.name.str());
        }
        return out;
    }
    VkCalcSS calc;
};

using Names = std::vector<std::wstring>;

} // namespace

TEST_F(Declarations, LoadResolvesBareNamesInTheLibrary) {
    const Zrl_String path = sheet("Endplate", {{1, 1, L"Input"}});
    ASSERT_EQ(calc.load(L"Endplate"), Acad::eOk);
    EXPECT_TRUE(calc.fileName.endsWith(L"Connection Standards\\Endplate.vks", true));
    // A full path is taken as it is.
    ASSERT_EQ(calc.load(path), Acad::eOk);
    EXPECT_EQ(calc.fileName, path);
    // A failed load keeps the last file name.
    EXPECT_EQ(calc.load(L"Missing"), Acad::eInvalidInput);
    EXPECT_EQ(calc.fileName, path);
    // Automatic calculation stays off while the equations are set up.
    EXPECT_FALSE(calc.getBool(7));
    EXPECT_TRUE(calc.getBool(13));
}

TEST_F(Declarations, TypeWordPrefixBlanksAndEmptyNames) {
    sheet("s", {{1, 1, L"Input"},
                {1, 2, L"Integer Count"},
                {2, 2, L"Intro text"},
                {3, 2, L"   Double PlateWidth"},
                {4, 2, L"Double  Gap "},
                {5, 2, L"String"},
                {6, 2, L"double lower"},
                {7, 2, L"Note"},
                {1, 3, L"Output"},
                {1, 4, L"String Section"}});
    ASSERT_EQ(calc.load(L"s"), Acad::eOk);
    ASSERT_EQ(calc.scanDeclarations(), Acad::eOk);
    EXPECT_EQ(scanned(), (Names{L"0:0:Count", L"0:0:text", L"0:1:PlateWidth", L"0:1: Gap", L"0:2:",
                                L"1:2:Section"}));
    const VkVarCell& width = calc.varCells[2];
    EXPECT_EQ(width.col, 3);
    EXPECT_EQ(width.row, 2);
}

TEST_F(Declarations, SectionsEndOnTheNextTitleRow) {
    // The Output title shares its row with a declaration, which belongs to
    // the inputs; Local comes before Output; Calc ends Output.
    sheet("s", {{1, 1, L"input"},
                {1, 2, L"Double A"},
                {1, 3, L"Local"},
                {2, 3, L"Double B"},
                {1, 4, L"Double L"},
                {1, 5, L"Output"},
                {2, 5, L"Double C"},
                {1, 6, L"Double D"},
                {1, 7, L"Calc"},
                {2, 7, L"Double E"},
                {1, 8, L"Double NotDeclared"}});
    ASSERT_EQ(calc.load(L"s"), Acad::eOk);
    ASSERT_EQ(calc.scanDeclarations(), Acad::eOk);
    EXPECT_EQ(scanned(), (Names{L"0:1:A", L"0:1:B", L"1:1:D", L"1:1:E", L"2:1:L", L"2:1:C"}));
}

TEST_F(Declarations, MissingTitles) {
    // Without Output the scan fails after the inputs were read.
    sheet("noout", {{1, 1, L"Input"}, {1, 2, L"Double A"}, {1, 3, L"Calc"}});
    ASSERT_EQ(calc.load(L"noout"), Acad::eOk);
    EXPECT_EQ(calc.scanDeclarations(), Acad::eInvalidInput);
    EXPECT_EQ(scanned(), (Names{L"0:1:A"}));
    // Without Input nothing is read.
    sheet("noin", {{1, 1, L"Output"}, {1, 2, L"Double A"}});
    ASSERT_EQ(calc.load(L"noin"), Acad::eOk);
    EXPECT_EQ(calc.scanDeclarations(), Acad::eInvalidInput);
    EXPECT_TRUE(scanned().empty());
    // Without Local (and Calc) the last section runs to the last row.
    sheet("nolocal", {{1, 1, L"Input"}, {1, 2, L"Double A"}, {1, 3, L"Output"}, {4, 40, L"Int Z"}});
    ASSERT_EQ(calc.load(L"nolocal"), Acad::eOk);
    EXPECT_EQ(calc.scanDeclarations(), Acad::eOk);
    EXPECT_EQ(scanned(), (Names{L"0:1:A", L"1:0:Z"}));
}

TEST_F(Declarations, ValuesIntoCellsByType) {
    sheet("s", {{1, 1, L"Input"},
                {1, 2, L"Int N"},
                {2, 2, L"Double W"},
                {3, 2, L"String S"},
                {1, 3, L"Output"}});
    ASSERT_EQ(calc.load(L"s"), Acad::eOk);
    ASSERT_EQ(calc.scanDeclarations(), Acad::eOk);
    ASSERT_EQ(calc.varCells.length(), 3);
    calc.varCells[0].value = L"12";
    calc.varCells[1].value = L"2.5";
    calc.varCells[2].value = Zrl_String(L'x', 9999);
    ASSERT_EQ(calc.varCells.setValuesToSS(calc), Acad::eOk);
    Zrl_String text;
    calc.getCellText(1, 2, text, Zrl_Spread::kText);
    EXPECT_EQ(text, L"12");
    calc.getCellText(2, 2, text, Zrl_Spread::kText);
    EXPECT_EQ(text, L"2.5000000");
    calc.getCellText(3, 2, text, Zrl_Spread::kValue);
    EXPECT_EQ(text.length(), 9999);
    // Reading back touches only the outputs.
    calc.varCells[0].value = L"stale";
    EXPECT_EQ(calc.varCells.getValuesFromSS(calc), Acad::eOk);
    EXPECT_EQ(calc.varCells[0].value, L"stale");
}
