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
    // Writes the sheet `name`, loads it and scans its declarations, which
    // must end with `status`; the scanned names.
    std::vector<std::wstring> scan(const std::string& name, const std::vector<Cell>& cells,
                                   ErrorStatus status = Acad::eOk) {
        sheet(name, cells);
        EXPECT_EQ(calc.load(Zrl_String::fromUtf8(name)), Acad::eOk);
        EXPECT_EQ(calc.scanDeclarations(), status);
        return scanned();
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
    EXPECT_EQ(scan("s", rows({L"Input",
                              L"Integer Count|Intro text|   Double PlateWidth|Double  Gap "
                              L"|String|double lower|Note",
                              L"Output", L"String Section"})),
              (Names{L"0:0:Count", L"0:0:text", L"0:1:PlateWidth", L"0:1: Gap", L"0:2:",
                     L"1:2:Section"}));
    EXPECT_EQ(calc.varCells[2].col, 3);
    EXPECT_EQ(calc.varCells[2].row, 2);
}

TEST_F(Declarations, SectionsEndOnTheNextTitleRow) {
    // The Output title shares its row with a declaration, which belongs to
    // the inputs; Local comes before Output; Calc ends Output.
    EXPECT_EQ(
        scan("s", rows({L"input", L"Double A", L"Local|Double B", L"Double L", L"Output|Double C",
                        L"Double D", L"Calc|Double E", L"Double NotDeclared"})),
        (Names{L"0:1:A", L"0:1:B", L"1:1:D", L"1:1:E", L"2:1:L", L"2:1:C"}));
}

TEST_F(Declarations, MissingTitles) {
    // Without Output the scan fails after the inputs were read.
    EXPECT_EQ(scan("noout", rows({L"Input", L"Double A", L"Calc"}), Acad::eInvalidInput),
              (Names{L"0:1:A"}));
    // Without Input nothing is read.
    EXPECT_TRUE(scan("noin", rows({L"Output", L"Double A"}), Acad::eInvalidInput).empty());
    // Without Local (and Calc) the last section runs to the last row.
    EXPECT_EQ(scan("nolocal",
                   {{1, 1, L"Input"}, {1, 2, L"Double A"}, {1, 3, L"Output"}, {4, 40, L"Int Z"}}),
              (Names{L"0:1:A", L"1:0:Z"}));
}

TEST_F(Declarations, ValuesIntoCellsByType) {
    ASSERT_EQ(scan("s", rows({L"Input", L"Int N|Double W|String S", L"Output"})).size(), 3u);
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

TEST_F(Declarations, SheetLoadedThroughTheGridIsScannedFromItsCells) {
    // Two sheets of one size: the second, loaded through the grid rather than
    // by load, must not be taken for the remembered first one.
    ASSERT_EQ(scan("first", rows({L"Input", L"Double A", L"Output"})), (Names{L"0:1:A"}));
    const Zrl_String second = sheet("second", rows({L"Input", L"Double B", L"Output"}));
    Zrl_Spread& grid = calc;
    ASSERT_TRUE(grid.loadSheet(second));
    ASSERT_EQ(calc.scanDeclarations(), Acad::eOk);
    EXPECT_EQ(scanned(), (Names{L"0:1:B"}));
}
