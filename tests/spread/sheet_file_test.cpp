// Sheet files: lossless round trip of every kind of content, refusal of
// malformed files without touching the sheet, CSV both ways.
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"
#include "platform/files/replace_file.h"
#include "test_paths.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace spread;
namespace fs = std::filesystem;

namespace {

fs::path tempDir() {
    fs::path dir = fs::temp_directory_path() / ("sheet_file_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

void writeFile(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& p) {
    std::string bytes;
    readWholeFile(p, bytes);
    return bytes;
}

// A sheet with some of everything a file holds.
Sheet everything() {
    Sheet s;
    s.setMaxCols(6);
    s.setMaxRows(5);
    s.setData(1, 1, L"1.50");
    s.setData(2, 1, L"Ünïcödé \"quoted\"\ttab\nline");
    s.setFormula(3, 1, L"A1*2+SUM(A1:A5)");
    s.setValue(4, 1, L"#N/A");
    s.setCellType(5, 1, CellType::checkBox(L"on", L"off.bmp", L"on.bmp"));
    s.setData(5, 1, L"1");
    s.setCellTypeRange(1, 2, 2, 2, CellType::number(3, true, -10, 1e6));
    s.setData(1, 2, L"1234.5678");
    s.setCellType(3, 2, CellType::comboBox({L"a", L"b;c"}, true, 7));
    s.setCellType(4, 2, CellType::edit(0x110000, 200));
    s.setCellType(5, 2, CellType::pictureCell(L"part.bmp", 0x24));
    s.setCellType(6, 2, CellType::button(L"Go"));
    s.setCellType(1, 3, CellType::staticText(140));
    s.setCellType(2, 3, CellType::integer(0, 10));
    s.setData(2, 3, L"7");
    s.setTag(0, 0, L"defaultFont¤4¤Tahoma¤");
    s.setTag(2, 2, L"tag");
    s.setData(0, 1, L"first row");
    s.setData(1, 0, L"Col A");
    s.setLock(1, 1, true);
    s.setColor(2, 2, 0xFFD1A4, 0x8000000B);
    Font bold;
    bold.weight = 700;
    bold.italic = true;
    s.setFontRange(0, 0, 6, 0, bold);
    s.setBorder(3, 3, Border{31, 1, kDefaultColor});
    s.addSpan(2, 4, 3, 2);
    s.setColWidthPixels(0, 40);
    s.setColWidthPixels(3, 120);
    s.setRowHeightPixels(2, 30);
    s.setRowHidden(5, true);
    s.setFormula(6, 5, L"F4"); // reads an empty cell
    return s;
}

} // namespace

TEST(SheetFile, SaveThenLoadGivesBackTheSameSheet) {
    fs::path dir = tempDir();
    Sheet a = everything();
    ASSERT_TRUE(a.save(dir / "all.vks"));
    Sheet b;
    std::wstring why;
    ASSERT_TRUE(b.load(dir / "all.vks", &why)) << std::string(why.begin(), why.end());
    EXPECT_FALSE(b.boolProperty(kBoolChanged));
    // Saving the loaded sheet writes the very same bytes.
    EXPECT_EQ(writeSheetText(b), readFile(dir / "all.vks"));
    for (int col = 0; col <= 6; ++col)
        for (int row = 0; row <= 5; ++row) {
            SCOPED_TRACE(testing::Message() << col << "," << row);
            EXPECT_EQ(b.data(col, row), a.data(col, row));
            EXPECT_EQ(b.value(col, row), a.value(col, row));
            EXPECT_EQ(b.formula(col, row), a.formula(col, row));
            EXPECT_EQ(b.tag(col, row), a.tag(col, row));
            EXPECT_EQ(b.cellType(col, row), a.cellType(col, row));
            EXPECT_EQ(b.font(col, row), a.font(col, row));
            EXPECT_EQ(b.border(col, row), a.border(col, row));
            EXPECT_EQ(b.isLocked(col, row), a.isLocked(col, row));
        }
    EXPECT_EQ(b.spans(), a.spans());
    EXPECT_EQ(b.colWidthPixels(3), 120);
    EXPECT_EQ(b.rowHeightPixels(2), 30);
    EXPECT_TRUE(b.isRowHidden(5));
    // The loaded formulas are live.
    b.setData(1, 1, L"2");
    EXPECT_EQ(b.valueText(3, 1), L"1240.568"); // 2*2 + 2 + 1234.568
    fs::remove_all(dir);
}

TEST(SheetFile, SharedFontsAndTypesAreWrittenOnceAndSharedAgainWhenRead) {
    Sheet a;
    a.setMaxCols(3);
    a.setMaxRows(300);
    Font bold;
    bold.weight = 700;
    // Equal fonts set apart still make one table entry.
    a.setFontRange(1, 1, 3, 150, bold);
    a.setFontRange(1, 151, 3, 300, bold);
    a.setCellTypeRange(1, 1, 1, 300, CellType::number(0));
    a.setData(2, 7, L"x\x01\x7F\U0001F600");
    a.setTag(3, 7, std::wstring(1, static_cast<wchar_t>(0xD800))); // cannot be UTF-8
    std::string text = writeSheetText(a);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(
        text.find("\"fonts\": [\n    {\"name\":\"Tahoma\",\"height\":15,\"weight\":700}\n  ]"),
        std::string::npos);
    EXPECT_EQ(text.find("\"name\"", text.find("\"cells\"")), std::string::npos);
    EXPECT_NE(text.find("\"t\":\"x\\u0001\x7F\xF0\x9F\x98\x80\""), std::string::npos);
    Sheet b;
    std::wstring why;
    ASSERT_TRUE(readSheetText(b, text, &why)) << std::string(why.begin(), why.end());
    EXPECT_EQ(b.font(2, 299), bold);
    EXPECT_EQ(b.cellType(1, 300), CellType::number(0));
    EXPECT_EQ(b.data(2, 7), L"x\x01\x7F\U0001F600");
    EXPECT_EQ(b.tag(3, 7), L"\uFFFD");
    // Two looks in all, however many cells and however the file was read.
    EXPECT_EQ(a.internals().content.styles.size(), 2u);
    EXPECT_EQ(b.internals().content.styles.size(), 2u);
}

TEST(SheetFile, LargeSheetStreamsTheSameTextAsInMemory) {
    fs::path dir = tempDir();
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(8000);
    s.setCellTypeRange(1, 1, 1, 8000, CellType::number(1));
    for (int row = 1; row <= 8000; ++row)
        for (int col = 1; col <= 4; ++col)
            s.setData(col, row,
                      col == 2 ? L"Plate \"" + std::to_wstring(row) + L"\""
                               : std::to_wstring(row * col) + L".25");
    ASSERT_TRUE(s.save(dir / "large.vks"));
    const std::string text = readFile(dir / "large.vks");
    EXPECT_GT(text.size(), 1u << 20); // more than the write buffer holds
    EXPECT_EQ(text, writeSheetText(s));
    Sheet t;
    ASSERT_TRUE(t.load(dir / "large.vks"));
    EXPECT_EQ(t.data(1, 7999), L"7999.3");
    EXPECT_EQ(t.data(2, 7), L"Plate \"7\"");
    fs::remove_all(dir);
}

TEST(SheetFile, FirstVersionFilesStillLoad) {
    const std::string v1 = R"({"format":"zrlss-sheet","version":1,"cols":3,"rows":2,"cells":[
        {"c":1,"font":{"height":20,"italic":true,"name":"Arial","weight":700},"n":1.5,"r":1,
         "type":{"decimals":3,"kind":"number"}},
        {"b":true,"c":2,"r":1,"type":{"kind":"check","picture":"off.bmp","picture2":"on.bmp"}},
        {"back":"0x00FFD1A4","border":{"color":"0xFFFFFFFF","sides":31,"style":1},"c":3,"r":2,
         "tag":"t","typed":"007"}]})";
    Sheet s;
    std::wstring why;
    ASSERT_TRUE(readSheetText(s, v1, &why)) << std::string(why.begin(), why.end());
    EXPECT_EQ(s.font(1, 1), (Font{L"Arial", 20, 700, true, false}));
    EXPECT_EQ(s.cellType(1, 1), CellType::number(3));
    EXPECT_EQ(s.cellType(2, 1), CellType::checkBox(L"", L"off.bmp", L"on.bmp"));
    EXPECT_EQ(s.border(3, 2), (Border{31, 1, kDefaultColor}));
    EXPECT_EQ(s.tag(3, 2), L"t");
    EXPECT_EQ(s.data(3, 2), L"007");
    // Saved again, it is a current file with the same content.
    Sheet t;
    ASSERT_TRUE(readSheetText(t, writeSheetText(s)));
    EXPECT_EQ(writeSheetText(t), writeSheetText(s));
    EXPECT_EQ(t.font(1, 1), s.font(1, 1));
}

TEST(SheetFile, MalformedFilesLeaveTheSheetAsItWas) {
    fs::path dir = tempDir();
    Sheet good = everything();
    std::string text = writeSheetText(good);
    const std::string bad[] = {
        text.substr(0, text.size() / 2),            // truncated
        "",                                         // empty
        "PK\x03\x04 not ours",                      // foreign
        R"({"format":"other","version":1})",        // someone else's JSON
        R"({"format":"zrlss-sheet","version":99})", // a later version
        R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"cells":[{"c":3,"r":1,"n":1}]})",
        R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"cells":[{"c":1,"r":1,"n":1,"t":"x"}]})",
        R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"cells":[{"c":1,"r":1},{"c":1,"r":1,"n":2}]})",
        R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"spans":[[1,1,2,2],[2,2,1,1]]})",
        R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"cells":[{"c":1,"r":1,"type":{"kind":"x"}}]})",
        "{\"format\":\"zrlss-sheet\",\"version\":1,\"cols\":1,\"rows\":1,\"cells\":[{\"c\":1,\"r\":"
        "1,\"t\":\"\xC0\xAF\"}]}",
        // Table entries that are missing or of the wrong kind.
        R"({"format":"zrlss-sheet","version":2,"cols":2,"rows":2,"fonts":[],"cells":[{"c":1,"r":1,"font":0}]})",
        R"({"format":"zrlss-sheet","version":2,"cols":2,"rows":2,"types":[{"kind":"edit"}],"cells":[{"c":1,"r":1,"type":-1}]})",
        R"({"format":"zrlss-sheet","version":2,"cols":2,"rows":2,"fonts":[{"name":"A"}],"cells":[{"c":1,"r":1,"font":{"name":"A"}}]})",
        R"({"format":"zrlss-sheet","version":2,"cols":2,"rows":2,"fonts":[{"height":"x"}]})",
    };
    for (const std::string& bytes : bad) {
        SCOPED_TRACE(bytes.substr(0, 80));
        writeFile(dir / "bad.vks", bytes);
        Sheet s = everything();
        std::wstring why;
        EXPECT_FALSE(s.load(dir / "bad.vks", &why));
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(writeSheetText(s), text);
    }
    Sheet s = everything();
    EXPECT_FALSE(s.load(dir / "missing.vks"));
    EXPECT_EQ(writeSheetText(s), text);
    fs::remove_all(dir);
}

// The reader streams the cells of a file; members in any order, given twice
// or followed by a syntax error read as a whole-document read takes them.
TEST(SheetFile, MembersInAnyOrderReadAsOneDocument) {
    const std::string head = R"({"format":"zrlss-sheet","version":2,"cols":2,"rows":2,)";
    struct Case {
        std::string text;
        std::wstring error; // empty: loads, with 5 in B2 and nothing in A1
    } cases[] = {
        {R"({"cells":[{"c":2,"r":2,"n":5}],"format":"zrlss-sheet","version":1,"cols":2,"rows":2})", L""},
        {head + R"("cells":[{"c":2,"r":2,"n":5,"font":0}],"fonts":[{"name":"A"}]})", L""},
        {head + R"("cells":[{"c":1,"r":1,"n":1}],"cells":[{"c":2,"r":2,"n":5}]})", L""},
        {head + R"("cells":7,"cells":[{"c":2,"r":2,"n":5}]})", L""},
        // Within a cell: a member given twice counts by its last value, the
        // members of a nested value are not the cell's, and nested records
        // read as members do.
        {head + R"("cells":[{"c":1,"r":1,"n":1,"c":2,"r":2,"n":5}]})", L""},
        {head + R"("cells":[{"x":{"c":1,"r":1,"n":1},"c":2,"y":[{"r":1}],"r":2,"n":5}]})", L""},
        {R"({"format":"zrlss-sheet","version":1,"cols":2,"rows":2,"cells":[{"c":2,"r":2,"n":5,)"
         R"("font":{"name":"A","c":1},"border":{"sides":3,"color":"0x00000000"}}]})", L""},
        {head + R"("cells":[{"c":2,"r":2,"n":5,"border":{"sides":300}}]})", L"\"sides\" out of range"},
        {head + R"("cells":[{"c":2,"r":2,"n":5,"t":null}]})", L"cell with two values"},
        {head + R"("cells":[[1,2]]})", L"cell is not an object"},
        // A cell beyond the size given first, within the size given last.
        {head + R"("cells":[{"c":2,"r":9,"n":1},{"c":2,"r":2,"n":5}],"rows":9})", L""},
        {head + R"("cells":[{"c":9,"r":1}, )", L"not a sheet file (malformed JSON)"},
        {head + R"("cells":[{"c":9,"r":1}]})", L"\"c\" out of range"},
        {head + R"("cells":[{"c":9,"r":1},{"c":1,"r":1,"n":1,"t":"x"}]})", L"\"c\" out of range"},
        {head + R"("cells":[{"c":1,"r":1,"font":0}]})", L"\"font\" is not in its table"},
        {head + R"("cells":[{"c":1,"r":1}],"cells":[{"c":1,"r":1},{"c":1,"r":1}]})", L"cell given twice"},
        // Cells out of their written order, and given twice across it.
        {head + R"("cells":[{"c":2,"r":2,"n":5},{"c":2,"r":1,"n":1},{"c":0,"r":1}]})", L""},
        {head + R"("cells":[{"c":1,"r":2},{"c":1,"r":1},{"c":1,"r":2}]})", L"cell given twice"},
        {head + R"("cells":[{"c":1,"r":2},{"c":1,"r":1},{"c":1,"r":1}]})", L"cell given twice"},
        {R"({"format":"other","cells":[{"c":1,"r":1}]})", L"not a sheet file"},
        {R"({"cells":[],"format":"other"})", L"not a sheet file"},
        {head + R"("cells":{}})", L"cells is not a list"},
        {head + R"("cells":[],"cells":{}})", L"cells is not a list"},
        {R"([{"format":"zrlss-sheet"}])", L"not a sheet file"},
        {R"({"format":"zrlss-sheet"} {})", L"not a sheet file (malformed JSON)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Sheet s;
        std::wstring why;
        bool ok = readSheetText(s, c.text, &why);
        EXPECT_EQ(why, c.error);
        if (!c.error.empty()) {
            EXPECT_FALSE(ok);
            continue;
        }
        ASSERT_TRUE(ok);
        EXPECT_EQ(s.data(2, 2), L"5");
        EXPECT_EQ(s.data(1, 1), L"");
    }

    // A formula that does not parse is reported once, though its file takes
    // a second pass.
    fs::path dir = tempDir();
    writeFile(dir / "late.vks", head + R"("cells":[{"c":1,"r":1,"f":"1+"}],"version":1})");
    Sheet s;
    LoadReport report;
    ASSERT_TRUE(loadSheetFile(s, dir / "late.vks", &report, nullptr));
    EXPECT_EQ(report.warnings.size(), 1u);
    fs::remove_all(dir);
}

TEST(SheetFile, SaveReplacesAtomicallyAndReportsFailure) {
    fs::path dir = tempDir();
    Sheet s = everything();
    writeFile(dir / "s.vks", "old");
    ASSERT_TRUE(s.save(dir / "s.vks"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1); // no temporary left behind
    EXPECT_FALSE(s.save(dir / "no such folder" / "s.vks"));
    fs::remove_all(dir);
}

// A save in either format, failed at each call of the replace in turn:
// the old file stays whole, the save reports it, no temporary is left; and
// links planted where a temporary could be expected are never followed.
TEST(SheetFile, SaveFailingAtEveryStepOrMeetingPlantedLinksKeepsTheOldFile) {
    const fs::path dir = tempDir() / "steps";
    fs::create_directories(dir);
    const Sheet s = everything();
    for (const char* name : {"s.vks", "s.csv"}) {
        const fs::path out = dir / name;
        const fs::path victim = dir / "victim";
        writeFile(victim, "victim");
        for (int n = 0; n < 64; ++n)
            fs::create_symlink(victim, dir / (std::string(name) + ".tmp" + std::to_string(::getpid()) +
                                              "-" + std::to_string(n)));
        ASSERT_TRUE(s.save(out)) << name;
        EXPECT_EQ(readFile(victim), "victim") << name;
        EXPECT_FALSE(fs::is_symlink(out)) << name;
        const std::string saved = readFile(out);
        fs::remove_all(dir);
        fs::create_directories(dir);
        long failures = 0;
        for (long n = 1;; ++n) {
            writeFile(out, "old");
            std::wstring why;
            files::testing::failNthCall(n);
            const bool ok = s.save(out, &why);
            const long calls = files::testing::callsCounted();
            files::testing::failNthCall(0);
            EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
                << name << " n=" << n;
            if (ok) {
                EXPECT_GT(n, calls) << name;
                EXPECT_EQ(readFile(out), saved) << name;
                break;
            }
            ++failures;
            EXPECT_FALSE(why.empty()) << name << " n=" << n;
            EXPECT_EQ(readFile(out), "old") << name << " n=" << n;
        }
        EXPECT_GE(failures, 5) << name;
    }
    fs::remove_all(dir);
}

// A tiny file may declare the largest size: loading, recalculating and
// exporting it cost what its stored cells cost, and the export covers the
// used range only.
TEST(SheetFile, LargestDeclaredSizeCostsOnlyTheStoredCells) {
    const fs::path dir = tempDir();
    writeFile(dir / "huge.vks", R"({"format":"zrlss-sheet","version":2,"cols":16384,"rows":1048576,)"
                                R"("cells":[{"c":1,"r":1,"n":2},{"c":2,"r":2,"f":"A1+1"}]})");
    Sheet s;
    std::wstring why;
    ASSERT_TRUE(s.load(dir / "huge.vks", &why)) << std::string(why.begin(), why.end());
    EXPECT_EQ(s.maxCols(), 16384);
    EXPECT_EQ(s.maxRows(), 1048576);
    s.recalc();
    EXPECT_EQ(writeCsv(s), "2,\r\n,3\r\n");
    ASSERT_TRUE(s.save(dir / "huge.csv"));
    EXPECT_EQ(readFile(dir / "huge.csv"), "2,\r\n,3\r\n");
    ASSERT_TRUE(s.save(dir / "again.vks"));
    EXPECT_LT(fs::file_size(dir / "again.vks"), 1000u);
    fs::remove_all(dir);
}

TEST(SheetFile, CsvImportAndExport) {
    Sheet s;
    std::wstring why;
    const std::string csv = "\xEF\xBB\xBF"
                            "1,\"a,b\",=A1+A2\r\n2,\"say \"\"hi\"\"\"\n,x\n";
    ASSERT_TRUE(readCsv(s, csv, &why));
    s.recalc();
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.maxRows(), 3);
    EXPECT_EQ(s.value(1, 1), Value(1.0));
    EXPECT_EQ(s.value(2, 1), Value(L"a,b"));
    EXPECT_EQ(s.valueText(3, 1), L"3");
    EXPECT_EQ(s.valueText(2, 2), L"say \"hi\"");
    EXPECT_EQ(writeCsv(s), "1,\"a,b\",3\r\n2,\"say \"\"hi\"\"\",\r\n,x,\r\n");

    for (const char* bad : {"\"open", "a\"b", "\"a\"b", "\xFF\n"}) {
        Sheet t;
        EXPECT_FALSE(readCsv(t, bad, &why)) << bad;
    }
}

// Texts that would read back as something else are written marked, and come
// back as the same texts; numbers, -0 among them, come back as numbers.
TEST(SheetFile, CsvKeepsTextsThatLookLikeFormulasOrNumbers) {
    struct Case {
        Value value;
        const char* field; // as written
    } cases[] = {
        {Value(L"=A1"), "\"'=A1\""},   {Value(L"+1"), "\"'+1\""},
        {Value(L"12"), "\"'12\""},     {Value(L"50%"), "\"'50%\""},
        {Value(L" 1e3 "), "\"' 1e3 \""}, {Value(L"'quoted"), "\"''quoted\""},
        {Value(L"x'"), "x'"},          {Value(L"=\"a,b\""), "\"'=\"\"a,b\"\"\""},
        {Value(12.0), "12"},           {Value(-0.0), "-0"},
        {Value(L"#N/A"), "#N/A"},      {Value(L"\uFEFFname"), "\"\xEF\xBB\xBFname\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        Sheet s;
        s.setMaxCols(1);
        s.setMaxRows(1);
        s.internals().content.cells[cellKey(1, 1)].value = c.value;
        std::string csv = writeCsv(s);
        EXPECT_EQ(csv, std::string(c.field) + "\r\n");
        Sheet t;
        ASSERT_TRUE(readCsv(t, csv));
        EXPECT_EQ(t.value(1, 1), c.value);
        EXPECT_EQ(std::signbit(t.value(1, 1).isNumber() ? t.value(1, 1).number() : 1.0),
                  std::signbit(c.value.isNumber() ? c.value.number() : 1.0));
    }
    // The mark counts only in quotes: an unquoted field keeps it.
    Sheet t;
    ASSERT_TRUE(readCsv(t, "'12,\"'\"\r\n"));
    EXPECT_EQ(t.value(1, 1), Value(L"'12"));
    EXPECT_TRUE(t.value(2, 1).isEmpty());
}

TEST(SheetFile, FormatChosenByExtension) {
    EXPECT_EQ(sheetFormatFor("a/b.CSV"), SheetFormat::Csv);
    EXPECT_EQ(sheetFormatFor("b.vks"), SheetFormat::Native);
    EXPECT_EQ(sheetFormatFor("noext"), SheetFormat::Native);
    EXPECT_EQ(sheetFormatFor("Bolts.XLSX"), SheetFormat::Xlsx);
    EXPECT_EQ(sheetFormatFor("Bolts.ods"), SheetFormat::Ods);
    fs::path dir = tempDir();
    Sheet s = everything();
    ASSERT_TRUE(s.save(dir / "out.csv"));
    Sheet t;
    ASSERT_TRUE(t.load(dir / "out.csv"));
    EXPECT_EQ(t.valueText(3, 1), s.valueText(3, 1));
    EXPECT_EQ(t.valueText(2, 1), s.valueText(2, 1));
    fs::remove_all(dir);
}

TEST(SheetFile, ExampleFilesLoad) {
    Sheet s;
    std::wstring why;
    ASSERT_TRUE(s.load(fs::path(ZRLSS_TEST_DATA) / "sheets" / "example.vks", &why))
        << std::string(why.begin(), why.end());
    EXPECT_EQ(s.valueText(3, 1), L"1239.068"); // as saved: loading does not recompute
    EXPECT_EQ(s.data(1, 2), L"1,234.568");
    s.recalc();
    EXPECT_EQ(s.valueText(3, 1), L"1239.068");
    EXPECT_EQ(s.valueText(6, 5), L"1234.568x"); // MAX(A1:B2) as F4 is empty
    Sheet csv;
    ASSERT_TRUE(csv.load(fs::path(ZRLSS_TEST_DATA) / "sheets" / "chain.csv"));
    EXPECT_EQ(csv.valueText(2, 2), L"6"); // SUM over A1:C1 with C1 = 3
    EXPECT_EQ(csv.valueText(3, 1), L"3");
}
