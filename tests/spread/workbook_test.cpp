// Workbooks of other spreadsheet programs: a workbook written by an
// independent writer (libxlsxwriter) and a hand-made .ods read back cell by
// cell; sheets chosen by name; the warnings and the load rule of every
// format; formula text of other programs in the engine's syntax.
#include "platform/spread/csv.h"
#include "platform/spread/formula_dialect.h"
#include "platform/spread/ods_write.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"
#include "test_paths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zip.h>

using namespace spread;
namespace fs = std::filesystem;

namespace {

fs::path tempDir() {
    fs::path dir = fs::temp_directory_path() / ("workbook_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

// Sheet "Data" with some of everything, sheet "Other" with one number.
fs::path writeSampleXlsx() {
    fs::path path = tempDir() / "sample.xlsx";
    lxw_workbook* wb = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Data");
    lxw_worksheet* other = workbook_add_worksheet(wb, "Other");
    lxw_format* bold = workbook_add_format(wb);
    format_set_bold(bold);
    lxw_format* fixed = workbook_add_format(wb);
    format_set_num_format(fixed, "0.000");
    lxw_format* date = workbook_add_format(wb);
    format_set_num_format(date, "yyyy-mm-dd hh:mm");
    lxw_format* filled = workbook_add_format(wb);
    format_set_bg_color(filled, 0xFF0000);
    format_set_pattern(filled, LXW_PATTERN_SOLID);

    worksheet_write_number(ws, 0, 0, 1.5, nullptr);
    worksheet_write_string(ws, 0, 1, "plain", nullptr);
    lxw_rich_string_tuple part1 = {bold, const_cast<char*>("bold ")};
    lxw_rich_string_tuple part2 = {nullptr, const_cast<char*>("and plain")};
    lxw_rich_string_tuple* rich[] = {&part1, &part2, nullptr};
    worksheet_write_rich_string(ws, 0, 2, rich, nullptr);
    worksheet_write_boolean(ws, 0, 3, 1, nullptr);
    lxw_datetime when = {2024, 2, 29, 12, 0, 0};
    worksheet_write_datetime(ws, 0, 4, &when, date);

    worksheet_write_formula_num(ws, 1, 0, "=A1*2", nullptr, 3);
    worksheet_write_formula_num(ws, 1, 1, "=$A$1+A$1+$A1", nullptr, 4.5);
    worksheet_write_formula_num(ws, 1, 2, "=Other!A1", nullptr, 7);
    worksheet_write_formula_num(ws, 1, 3, "=SUM(A1:A2", nullptr, 0);
    worksheet_write_formula_num(ws, 1, 4, "=NOSUCHFN(1)", nullptr, 0);
    worksheet_write_formula_num(ws, 1, 5, "=1/0", nullptr, 0);
    worksheet_write_formula_num(ws, 1, 6, "=Data!A1+1", nullptr, 2.5);

    worksheet_write_number(ws, 2, 0, 2.5, fixed);
    worksheet_write_string(ws, 2, 1, "red", filled);
    worksheet_merge_range(ws, 3, 0, 4, 2, "merged", nullptr);
    worksheet_set_column(ws, 1, 1, 20, nullptr);
    worksheet_set_row(ws, 2, 30, nullptr);

    worksheet_write_number(other, 0, 0, 7, nullptr);
    EXPECT_EQ(workbook_close(wb), LXW_NO_ERROR);
    return path;
}

const fs::path& sampleXlsx() {
    static const fs::path path = writeSampleXlsx();
    return path;
}

// A zip archive of `parts` parts, each a genuine deflate stream of `size`
// zeros (1 MiB packs into about a kilobyte): the bytes of the archive.
std::string zipBomb(const fs::path& path, int parts, size_t size) {
    const std::string zeros(size, '\0');
    std::string packed(deflateBound(nullptr, zeros.size()) + 64, '\0');
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY), Z_OK);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    z.avail_in = static_cast<uInt>(zeros.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = static_cast<uInt>(packed.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    packed.resize(z.total_out);
    deflateEnd(&z);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), zeros.size());
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    for (int i = 0; zip && i < parts; ++i) {
        const std::string name = "xl/worksheets/sheet" + std::to_string(i + 1) + ".xml";
        EXPECT_EQ(zipOpenNewFileInZip2(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                       Z_DEFLATED, 9, 1),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, packed.data(), static_cast<unsigned>(packed.size())),
                  ZIP_OK);
        EXPECT_EQ(zipCloseFileInZipRaw(zip, zeros.size(), crc), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    std::string bytes;
    EXPECT_TRUE(readWholeFile(path, bytes));
    return bytes;
}

const fs::path sampleOds = fs::path(ZRLSS_TEST_DATA) / "workbooks" / "sample.ods";

std::vector<WorkbookSheet> readAll(const fs::path& path, std::wstring_view only = {}) {
    std::string bytes;
    std::wstring why;
    EXPECT_TRUE(readWholeFile(path, bytes, &why)) << path;
    std::vector<WorkbookSheet> sheets;
    std::vector<std::wstring> names;
    EXPECT_TRUE(readWorkbook(bytes, sheetFormatFor(path), only, sheets, &names, &why))
        << path << ": " << std::string(why.begin(), why.end());
    return sheets;
}

bool hasWarning(const std::vector<LoadWarning>& warnings, int col, int row,
                std::wstring_view reason) {
    for (const LoadWarning& w : warnings)
        if (w.col == col && w.row == row && w.reason.find(reason) != std::wstring::npos)
            return true;
    return false;
}

struct CellCase {
    int col, row;
    const wchar_t* saved;    // value text as loaded
    const wchar_t* computed; // after recalc
};

} // namespace

TEST(Workbook, XlsxKeepsValuesFormulasAndLooks) {
    std::vector<WorkbookSheet> sheets = readAll(sampleXlsx());
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].name, L"Data");
    EXPECT_EQ(sheets[1].name, L"Other");
    Sheet& s = sheets[0].sheet;
    EXPECT_EQ(s.maxCols(), 7);
    EXPECT_EQ(s.maxRows(), 5);

    const CellCase cases[] = {
        {1, 1, L"1.5", L"1.5"},
        {2, 1, L"plain", L"plain"},
        {3, 1, L"bold and plain", L"bold and plain"}, // rich text as plain text
        {4, 1, L"1", L"1"},                           // logical TRUE
        {5, 1, L"45351.5", L"45351.5"},               // a date is a number
        {1, 2, L"3", L"3"},
        {2, 2, L"4.5", L"4.5"},
        {3, 2, L"7", L"#REF!"},   // another sheet: saved value, then #REF!
        {4, 2, L"#NAME?", L"#NAME?"}, // does not parse
        {5, 2, L"0", L"#NAME?"},  // unknown function
        {6, 2, L"0", L"#DIV/0!"},
        {7, 2, L"2.5", L"2.5"},   // its own sheet's name dropped
        {1, 3, L"2.5", L"2.5"},
        {1, 4, L"merged", L"merged"},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.saved) << c.col << "," << c.row;
    s.recalc();
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.computed) << c.col << "," << c.row;
    EXPECT_TRUE(s.value(4, 1).isLogical());

    EXPECT_EQ(s.formula(2, 2), L"$A$1+A$1+$A1");
    EXPECT_EQ(s.formula(7, 2), L"A1+1");
    EXPECT_FALSE(s.hasFormula(4, 2));
    EXPECT_EQ(s.data(4, 2), L"=SUM(A1:A2"); // the text is kept
    EXPECT_EQ(s.cellType(1, 3).kind, CellKind::Number);
    EXPECT_EQ(s.cellType(1, 3).decimals, 3);
    Color back, fore;
    s.color(2, 3, back, fore);
    EXPECT_EQ(back, 0x0000FFu); // 0x00BBGGRR
    EXPECT_EQ(s.font(3, 1).weight, 400);
    EXPECT_EQ(s.spans(), (std::vector<CellRange>{{1, 4, 3, 5}}));
    EXPECT_EQ(s.colWidthPixels(2), 145); // 20 characters
    EXPECT_EQ(s.rowHeightPixels(3), 40);

    // The saved values of every formula cell, and why some are not the file's.
    const std::vector<SavedValue>& saved = sheets[0].saved;
    ASSERT_EQ(saved.size(), 7u);
    EXPECT_EQ(saved[2].value, Value(7.0));
    EXPECT_EQ(saved[2].unsupported, L"refers to another sheet or workbook");
    EXPECT_NE(saved[3].unsupported.find(L"does not parse"), std::wstring::npos);
    EXPECT_EQ(unknownNames(s, 5, 2), std::vector<std::wstring>{L"NOSUCHFN"});

    const std::vector<LoadWarning>& w = sheets[0].warnings;
    EXPECT_EQ(w.size(), 2u); // another sheet reported once, the parse failure
    EXPECT_TRUE(hasWarning(w, 3, 2, L"another sheet"));
    EXPECT_TRUE(hasWarning(w, 4, 2, L"does not parse"));
}

TEST(Workbook, SheetChosenByNameAndFailedLoadKeepsTheSheet) {
    const std::string book = sampleXlsx().string();
    struct Case {
        std::string path;
        bool ok;
        const wchar_t* sheet; // loaded sheet, or text the error holds
        const wchar_t* a1;
    } cases[] = {
        {book, true, L"Data", L"1.5"},
        {book + "#Other", true, L"Other", L"7"},
        {book + "#Nope", false, L"the sheets are: Data, Other", nullptr},
        {book + "#", true, L"Data", L"1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Sheet s;
        s.setMaxCols(1);
        s.setMaxRows(1);
        s.setData(1, 1, L"kept");
        LoadReport report;
        std::wstring why;
        EXPECT_EQ(loadSheetFile(s, c.path, &report, &why), c.ok);
        if (!c.ok) {
            EXPECT_NE(why.find(c.sheet), std::wstring::npos);
            EXPECT_EQ(s.valueText(1, 1), L"kept");
            continue;
        }
        EXPECT_EQ(report.sheet, c.sheet);
        EXPECT_EQ(report.sheetNames, (std::vector<std::wstring>{L"Data", L"Other"}));
        EXPECT_EQ(s.valueText(1, 1), c.a1);
    }

    // The load's report adds the functions nothing defines.
    Sheet s;
    LoadReport report;
    ASSERT_TRUE(loadSheetFile(s, book, &report));
    EXPECT_TRUE(hasWarning(report.warnings, 5, 2, L"NOSUCHFN"));
}

TEST(Workbook, CorruptFilesFailWithAReasonAndLeaveTheSheet) {
    std::string good;
    ASSERT_TRUE(readWholeFile(sampleXlsx(), good));
    fs::path dir = tempDir();
    // Archives that declare more than the reader's limits are refused before
    // a part is inflated: 1 GiB and a MiB in a file of about a megabyte, and
    // one part too many.
    const std::string bomb =
        zipBomb(dir / "bomb", static_cast<int>(kMaxWorkbookUnpacked >> 20) + 1, 1 << 20);
    EXPECT_LT(bomb.size(), 4u << 20);
    const std::string parts = zipBomb(dir / "parts", static_cast<int>(kMaxWorkbookParts) + 1, 1);
    // A directory entry claiming 4 GB packed (found by fuzzing: the parser
    // asked for the memory before it looked).
    std::string liar = good;
    const size_t entry = liar.rfind("PK\x01\x02");
    ASSERT_NE(entry, std::string::npos);
    liar.replace(entry + 20, 4, "\x00\x00\x00\xF7", 4);
    const std::pair<const char*, std::string> cases[] = {
        {"liar.xlsx", liar},
        {"bomb.xlsx", bomb},
        {"bomb.ods", bomb},
        {"parts.xlsx", parts},
        {"bad.xlsx", good.substr(0, good.size() / 2)},
        {"bad.xlsx", ""},
        {"bad.xlsx", "not a zip at all"},
        {"bad.ods", good}, // an .xlsx under the other name
        {"bad.ods", "PK\x03\x04"},
    };
    for (const auto& [name, bytes] : cases) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        Sheet s;
        s.setMaxCols(1);
        s.setMaxRows(1);
        s.setData(1, 1, L"kept");
        std::wstring why;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(s.load(dir / name, &why)) << name << " " << bytes.size();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // the reason goes to `why` only
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(why.find(L'\n'), std::wstring::npos);
        EXPECT_EQ(why.find(L"limit") != std::wstring::npos,
                  std::string_view(name).starts_with("bomb") ||
                      std::string_view(name).starts_with("parts"))
            << std::string(why.begin(), why.end());
        EXPECT_EQ(s.valueText(1, 1), L"kept");
    }
}

TEST(Workbook, OdsKeepsValuesAndFormulas) {
    std::vector<WorkbookSheet> sheets = readAll(sampleOds);
    ASSERT_EQ(sheets.size(), 2u);
    Sheet& s = sheets[0].sheet;
    const CellCase cases[] = {
        {1, 1, L"1.5", L"1.5"},   {2, 1, L"plain", L"plain"}, {4, 1, L"45351.5", L"45351.5"},
        {1, 2, L"3", L"3"},       {2, 2, L"5.5", L"5.5"},     {3, 2, L"8", L"#REF!"},
        {4, 2, L"#NAME?", L"#NAME?"}, {2, 3, L"1", L"1"},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.saved) << c.col << "," << c.row;
    s.recalc();
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.computed) << c.col << "," << c.row;
    EXPECT_EQ(s.formula(2, 2), L"SUM($A$1:A2,1)");
    EXPECT_EQ(s.colWidthPixels(1), 96); // 1 inch
    EXPECT_TRUE(hasWarning(sheets[0].warnings, 3, 2, L"another sheet"));
    EXPECT_TRUE(hasWarning(sheets[0].warnings, 4, 2, L"does not parse"));
    EXPECT_EQ(readAll(sampleOds, L"Other").at(0).sheet.valueText(1, 1), L"7");
}

// What the .ods parser leaves out is read from the content part: logical
// cells, saved logicals and texts of formulas, merged cells (and the cells
// after their covered ones stay in their columns), hidden repeated rows.
TEST(Workbook, OdsMergedLogicalAndTextResultCells) {
    std::vector<WorkbookSheet> sheets =
        readAll(fs::path(ZRLSS_TEST_DATA) / "workbooks" / "merged.ods");
    ASSERT_EQ(sheets.size(), 1u);
    Sheet& s = sheets[0].sheet;
    const CellCase cases[] = {
        {1, 1, L"wide", L"wide"}, {3, 1, L"3", L"3"},       {4, 1, L"1", L"1"},
        {1, 2, L"1", L"1"},       {2, 2, L"a  b", L"a  b"}, {4, 2, L"1", L"1"},
        {5, 2, L"5", L"5"},       {1, 3, L"2", L"2"},       {4, 3, L"4", L"4"},
        {1, 4, L"9", L"9"},       {2, 5, L"0", L"0"},       {1, 6, L"end", L"end"},
        {2, 1, L"", L""},         {3, 3, L"", L""},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.saved) << c.col << "," << c.row;
    for (const auto& [col, row] : {std::pair{4, 1}, {4, 2}, {2, 4}, {2, 5}})
        EXPECT_TRUE(s.valueAt(col, row).isLogical()) << col << "," << row;
    EXPECT_EQ(s.formula(4, 2), L"C1>1");
    ASSERT_EQ(sheets[0].saved.size(), 2u);
    EXPECT_EQ(sheets[0].saved[0].value.toText(), L"a  b");
    s.recalc();
    for (const CellCase& c : cases)
        EXPECT_EQ(s.valueText(c.col, c.row), c.computed) << c.col << "," << c.row;
    EXPECT_EQ(s.spans(), (std::vector<CellRange>{{1, 1, 2, 1}, {2, 2, 3, 3}}));
    EXPECT_FALSE(s.isRowHidden(3));
    EXPECT_TRUE(s.isRowHidden(4));
    EXPECT_TRUE(s.isRowHidden(5));
    EXPECT_EQ(s.maxCols(), 5);
    EXPECT_EQ(s.maxRows(), 6);
}

// One formula that does not parse no longer refuses a native or CSV file:
// it keeps its text, computes to #NAME?, is reported, and the rest computes.
TEST(Workbook, LoadRuleOfNativeAndCsvFiles) {
    fs::path dir = tempDir();
    std::ofstream(dir / "rule.vks")
        << R"j({"format":"zrlss-sheet","version":2,"cols":3,"rows":1,"cells":[)j"
           R"j({"c":1,"r":1,"n":2},{"c":2,"r":1,"f":"SUM(A1 A2)"},)j"
           R"j({"c":3,"r":1,"f":"A1*3"}]})j";
    std::ofstream(dir / "rule.csv") << "2,\"=SUM(A1 A2)\",=A1*3\n";
    for (const char* name : {"rule.vks", "rule.csv"}) {
        SCOPED_TRACE(name);
        Sheet s;
        LoadReport report;
        std::wstring why;
        ASSERT_TRUE(loadSheetFile(s, dir / name, &report, &why));
        s.recalc();
        EXPECT_EQ(s.valueText(2, 1), L"#NAME?");
        EXPECT_EQ(s.data(2, 1), L"=SUM(A1 A2)");
        EXPECT_EQ(s.valueText(3, 1), L"6");
        ASSERT_EQ(report.warnings.size(), 1u);
        EXPECT_EQ(report.warnings[0].col, 2);
        EXPECT_EQ(report.warnings[0].formula, L"=SUM(A1 A2)");
        // Only workbooks have sheets to choose.
        EXPECT_FALSE(loadSheetFile(s, (dir / name).string() + "#Sheet1", nullptr, &why));
    }
}

TEST(Workbook, FormulaTextOfOtherProgramsInTheEngineSyntax) {
    using detail::FormulaDialect;
    struct Case {
        FormulaDialect dialect;
        const char* in;
        const wchar_t* out;
        bool otherSheet;
    } cases[] = {
        {FormulaDialect::Ooxml, "_xlfn.IFS(A1>0,1)", L"IFS(A1>0,1)", false},
        {FormulaDialect::Ooxml, "_xlfn._xlws.SORT(A1:A3)", L"SORT(A1:A3)", false},
        {FormulaDialect::Ooxml, "'My ''sheet'''!A1+1", L"A1+1", false},
        {FormulaDialect::Ooxml, "Other!A1:B2*2", L"#REF!*2", true},
        {FormulaDialect::Ooxml, "SUM([1]Sheet1!A1,1)", L"SUM(#REF!,1)", true},
        {FormulaDialect::Ooxml, "\"a!b\"&A1&#DIV/0!", L"\"a!b\"&A1&#DIV/0!", false},
        {FormulaDialect::Ooxml, "=A1", L"A1", false},
        {FormulaDialect::Odf, "of:=SUM([.A1:.B2];2)", L"SUM(A1:B2,2)", false},
        {FormulaDialect::Odf, "of:=[$Other.A1]", L"#REF!", true},
        {FormulaDialect::Odf, "of:=[.$A$1]&\"x;y\"", L"$A$1&\"x;y\"", false},
        {FormulaDialect::Odf, "of:=['My ''sheet'''.A1]*2", L"A1*2", false},
        {FormulaDialect::Odf, "of:=[.#REF!]", L"#REF!", false},
        {FormulaDialect::Odf, "=COM.MICROSOFT.IFS(1;2)", L"IFS(1,2)", false},
    };
    for (const Case& c : cases) {
        detail::DialectText t;
        ASSERT_TRUE(detail::translateFormula(c.in, c.dialect, L"My 'sheet'", t)) << c.in;
        EXPECT_EQ(t.text, c.out) << c.in;
        EXPECT_EQ(t.otherSheet, c.otherSheet) << c.in;
    }
    detail::DialectText t;
    EXPECT_FALSE(detail::translateFormula("\xC0\xAF", FormulaDialect::Ooxml, L"", t));
}

TEST(Workbook, EngineFormulasWrittenAsOdf) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"SUM(A1:B2,2)", L"of:=SUM([.A1:.B2];2)"},
        {L"$A$1&\"x,y\"\"A1\"", L"of:=[.$A$1]&\"x,y\"\"A1\""},
        {L"LOG10(A$1)*B$2", L"of:=LOG10([.A$1])*[.B$2]"},
        {L"IF(A1>0,TRUE,#N/A)", L"of:=IF([.A1]>0;TRUE;#N/A)"},
    };
    for (const auto& [engine, odf] : cases)
        EXPECT_EQ(detail::odfFormula(engine), odf) << engine;
}

// A sheet written and read back keeps its values, formulas and sizes in
// every format that holds them (CSV holds values only), and in the
// workbooks also its spans and, in .xlsx, its looks.
TEST(Workbook, RoundTripInEveryFormat) {
    Sheet s;
    s.setRefStyle(RefStyle::R1C1); // files hold A1 formulas whatever the sheet shows
    s.setMaxCols(5);
    s.setMaxRows(3);
    s.setData(1, 1, L"2.5");
    s.setData(2, 1, L"text, with \"quotes\" & <marks>");
    s.setFormula(3, 1, L"R1C1*2+R1C[-2]");
    s.setFormula(4, 1, L"IF(RC[-3]>1,\"big, really\",\"small\")");
    s.setFormula(5, 1, L"1/0");
    s.setData(1, 2, L"0.1");
    s.setFormula(2, 2, L"SUM(R1C1:R2C1)");
    s.setFormula(3, 2, L"R1C1>1");
    s.setCellValue(4, 2, Value::logical(true));
    s.setCellValue(5, 2, Value::error(ErrorKind::NA));
    s.setData(1, 3, L"Ünïcödé");
    s.setColWidthPixels(2, 150);
    s.setRowHeightPixels(2, 40);
    s.setRowHidden(3, true);
    s.addSpan(3, 3, 2, 1);
    Font bold{L"Arial", 20, 700, true, false};
    s.setFont(2, 1, bold);
    s.setColor(2, 1, 0x0000FF, 0x00FF00);
    s.setCellType(1, 1, CellType::number(3));
    s.recalc();
    s.setRefStyle(RefStyle::A1);
    fs::path dir = tempDir();
    // The .ods writer keeps no looks; CSV holds values alone.
    struct Case {
        const char* name;
        bool saved, formulas, sizes, spans, looks;
    } cases[] = {{"trip.vks", true, true, true, true, true},
                 {"trip.csv", false, false, false, false, false},
                 {"trip.ods", true, true, true, true, false},
                 {"trip.xlsx", true, true, true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring why;
        ASSERT_TRUE(s.save(dir / c.name, &why)) << std::string(why.begin(), why.end());
        Sheet t;
        ASSERT_TRUE(t.load(dir / c.name, &why)) << std::string(why.begin(), why.end());
        if (!c.saved) t.recalc();
        for (int pass = c.saved ? 0 : 1; pass < 2; ++pass) { // as saved, then computed again
            SCOPED_TRACE(pass);
            EXPECT_EQ(t.maxCols(), 5);
            EXPECT_EQ(t.maxRows(), 3);
            for (int row = 1; row <= 3; ++row)
                for (int col = 1; col <= 5; ++col) {
                    EXPECT_EQ(t.valueText(col, row), s.valueText(col, row)) << col << "," << row;
                    if (c.formulas && !(col == 5 && row == 2)) {
                        EXPECT_EQ(t.formula(col, row), s.formula(col, row)) << col << "," << row;
                    }
                }
            t.recalc();
        }
        if (c.sizes) {
            EXPECT_EQ(t.colWidthPixels(2), 150);
            EXPECT_EQ(t.rowHeightPixels(2), 40);
            EXPECT_EQ(t.rowHeightPixels(1), s.rowHeightPixels(1));
        }
        if (c.spans) {
            EXPECT_TRUE(t.isRowHidden(3));
            EXPECT_EQ(t.spans(), s.spans());
        }
        if (c.looks) {
            EXPECT_EQ(t.font(2, 1), bold);
            Color back = 0, fore = 0;
            t.color(2, 1, back, fore);
            EXPECT_EQ(back, 0x0000FFu);
            EXPECT_EQ(fore, 0x00FF00u);
            EXPECT_EQ(t.cellType(1, 1).kind, CellKind::Number);
            EXPECT_EQ(t.cellType(1, 1).decimals, 3);
        }
    }
}

// The saving program numbers sheets by id, and the ids need not follow the
// sheets' order in the book (here NUMBERS has id 3 and comes first): each
// sheet's formulas and saved values must stay on it.
TEST(Workbook, FormulasStayOnTheirSheetWhateverTheSheetIds) {
    const fs::path book = fs::path(ZRLSS_TEST_DATA) / "conformance" / "excel" / "TEXT.xlsx";
    std::vector<WorkbookSheet> sheets = readAll(book);
    ASSERT_EQ(sheets.size(), 2u);
    const struct {
        const wchar_t* name;
        const wchar_t* b2;
    } cases[] = {{L"NUMBERS", L"\"0\""}, {L"DATES", L"TEXT($A2,B$1)"}};
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sheets[i].name, cases[i].name);
        EXPECT_NE(sheets[i].sheet.formula(2, 2).find(cases[i].b2), std::wstring::npos)
            << std::string(sheets[i].sheet.formula(2, 2).begin(), sheets[i].sheet.formula(2, 2).end());
    }
}

// Texts written in their cells rather than in the shared strings (as a
// writer short of memory does) are kept, entities decoded.
TEST(Workbook, InlineTextsAreKept) {
    const fs::path path = tempDir() / "inline.xlsx";
    lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
    lxw_workbook* wb = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Data");
    worksheet_write_string(ws, 0, 0, "inline text", nullptr);
    worksheet_write_string(ws, 0, 1, "a & <b>", nullptr);
    worksheet_write_number(ws, 0, 2, 2, nullptr);
    worksheet_write_string(ws, 1, 0, "Ünïcödé", nullptr);
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
    std::vector<WorkbookSheet> sheets = readAll(path);
    ASSERT_EQ(sheets.size(), 1u);
    const Sheet& s = sheets[0].sheet;
    EXPECT_EQ(s.valueText(1, 1), L"inline text");
    EXPECT_EQ(s.valueText(2, 1), L"a & <b>");
    EXPECT_EQ(s.valueText(3, 1), L"2");
    EXPECT_EQ(s.valueText(1, 2), L"Ünïcödé");
}

// Logical and error cells the parser leaves out: constant errors, saved
// errors and logicals of formula cells, cells of shared formulas among them.
TEST(Workbook, SavedLogicalsAndErrorsAreTakenIn) {
    const fs::path dir = fs::path(ZRLSS_TEST_DATA) / "conformance" / "excel";
    const struct {
        const char* book;
        int col, row;
        const wchar_t* formula; // "" for a constant
        Value value;
    } cases[] = {
        {"ERROR.TYPE.xlsx", 1, 3, L"", Value::error(ErrorKind::Value)},
        {"ERROR.TYPE.xlsx", 1, 2, L"1/0", Value::error(ErrorKind::Div0)},
        {"IS_INFORMATION.xlsx", 2, 2, L"ISNUMBER(A2)", Value::logical(true)},
        {"IS_INFORMATION.xlsx", 2, 3, L"ISNUMBER(A3)", Value::logical(false)},
        {"IS_INFORMATION.xlsx", 3, 2, L"ISTEXT(A2)", Value::logical(false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.book) + " " + std::to_string(c.col) + "," + std::to_string(c.row));
        std::vector<WorkbookSheet> sheets = readAll(dir / c.book);
        ASSERT_FALSE(sheets.empty());
        const WorkbookSheet& s = sheets[0];
        EXPECT_TRUE(s.sheet.value(c.col, c.row) == c.value);
        EXPECT_NE(s.sheet.formula(c.col, c.row).find(c.formula), std::wstring::npos);
        if (!*c.formula) continue;
        auto saved = std::find_if(s.saved.begin(), s.saved.end(), [&](const SavedValue& v) {
            return v.col == c.col && v.row == c.row;
        });
        ASSERT_NE(saved, s.saved.end());
        EXPECT_TRUE(saved->value == c.value);
    }
}

namespace {

// A zip archive of the parts (name, text): the bytes of the archive.
template <class Parts> std::string zipOf(const Parts& parts) {
    const fs::path path = tempDir() / "made.zip";
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    for (const auto& [name, xml] : parts) {
        EXPECT_EQ(zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, xml.data(), static_cast<unsigned>(xml.size())), ZIP_OK);
        EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    std::string bytes;
    EXPECT_TRUE(readWholeFile(path, bytes));
    return bytes;
}

// An .ods archive of `tables` (what office:spreadsheet holds) with
// `automatic` as content.xml's automatic styles and `named` as the common
// styles of styles.xml: the bytes of the archive.
std::string odsArchive(const std::string& tables, const std::string& automatic = {},
                       const std::string& named = {}) {
    const std::string ns =
        " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
        " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
        " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
        " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\">";
    const std::pair<const char*, std::string> parts[] = {
        {"styles.xml", "<office:document-styles" + ns + "<office:styles>" + named +
                           "</office:styles></office:document-styles>"},
        {"content.xml", "<office:document-content" + ns + "<office:automatic-styles>" + automatic +
                            "</office:automatic-styles><office:body><office:spreadsheet>" +
                            tables + "</office:spreadsheet></office:body></office:document-content>"}};
    return zipOf(parts);
}

std::string odsTable(const std::string& name, const std::string& rows) {
    return "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
}

std::string odsRow(const std::string& cells, const std::string& repeat = "1") {
    return "<table:table-row table:number-rows-repeated=\"" + repeat + "\">" + cells +
           "</table:table-row>";
}

std::string odsNumber(const std::string& value, const std::string& repeat = "1") {
    return "<table:table-cell table:number-columns-repeated=\"" + repeat +
           "\" office:value-type=\"float\" office:value=\"" + value + "\"/>";
}

} // namespace

// Repeated rows and cells stand for each of their copies (a repeated
// formula's references stay on the cells they name) and empty repeats cost
// nothing; repeats that would blow up the sheet, its text or its time are
// refused, as are nesting deeper than any program writes and malformed
// references; a table not asked for is parsed past unread, however hostile.
TEST(Workbook, OdsRepeatsSkippedTablesAndLimits) {
    const std::string formula = "<table:table-cell table:formula=\"of:=[.A1]+1\" "
                                "office:value-type=\"float\" office:value=\"5\"/>";
    const std::string hostile = odsTable("Big", odsRow(odsNumber("1", "100"), "1000000"));
    const std::string longText = "<table:table-cell table:number-columns-repeated=\"200\" "
                                 "office:value-type=\"string\"><text:p>" +
                                 std::string(1000, 'x') + "</text:p></table:table-cell>";
    std::string deep = "<table:table-cell office:value-type=\"string\"><text:p>";
    for (int i = 0; i < 300; ++i) deep += "<text:span>";
    const struct {
        const char* what;
        std::string tables;
        const wchar_t* only;
        const wchar_t* error; // what the reason holds, or null when it reads
        int cols, rows;       // the sheet's size, and its last cell's value
        const wchar_t* last;
    } cases[] = {
        {"repeats", odsTable("T", odsRow(odsNumber("4", "2") + formula, "3")), L"", nullptr, 3, 3, L"5"},
        {"empty repeats",
         odsTable("T", odsRow("<table:table-cell table:number-columns-repeated=\"16000\"/>", "1000000") +
                           odsRow(odsNumber("4"))),
         L"", nullptr, 1, 1000001, L"4"},
        {"skipped", hostile + odsTable("Small", odsRow(odsNumber("4"))), L"Small", nullptr, 1, 1, L"4"},
        {"hostile", hostile, L"", L"limit", 0, 0, nullptr},
        {"beyond", odsTable("T", odsRow(odsNumber("4"), "2000000")), L"", L"largest sheet", 0, 0, nullptr},
        {"long texts", odsTable("T", odsRow(longText, "100")), L"", L"limit", 0, 0, nullptr},
        {"deep", odsTable("T", odsRow(deep)), L"", L"deeper than the limit", 0, 0, nullptr},
        // Found by fuzzing: liborcus's parser aborts on the first and reads
        // past its text on the second.
        {"no character", odsTable("T", odsRow("<table:table-cell><text:p>&#x110000;</text:p></table:table-cell>")),
         L"", L"malformed", 0, 0, nullptr},
        {"unclosed", odsTable("T", odsRow("<table:table-cell table:style-name=\"0&5\"/>")) + ";", L"",
         L"malformed", 0, 0, nullptr},
        {"declaration", odsTable("T", "") + "<?x n=\"&amp;", L"", L"processing instruction", 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<WorkbookSheet> sheets;
        std::wstring why;
        const bool ok = readWorkbook(odsArchive(c.tables), SheetFormat::Ods, c.only, sheets, nullptr, &why);
        ASSERT_EQ(ok, c.error == nullptr) << std::string(why.begin(), why.end());
        if (!ok) {
            EXPECT_NE(why.find(c.error), std::wstring::npos) << std::string(why.begin(), why.end());
            continue;
        }
        ASSERT_EQ(sheets.size(), 1u);
        Sheet& s = sheets[0].sheet;
        EXPECT_EQ(s.maxCols(), c.cols);
        EXPECT_EQ(s.maxRows(), c.rows);
        EXPECT_EQ(s.valueText(c.cols, c.rows), c.last);
        s.recalc();
        EXPECT_EQ(s.valueText(c.cols, c.rows), c.last);
    }
    std::vector<WorkbookSheet> repeated;
    ASSERT_TRUE(readWorkbook(odsArchive(cases[0].tables), SheetFormat::Ods, {}, repeated));
    EXPECT_EQ(repeated[0].sheet.formula(3, 3), L"A1+1");
    EXPECT_EQ(repeated[0].saved.size(), 3u);
}

// Cell styles become looks: a named parent's bold and colour, a fill, fixed
// decimals with a separator, text cells; the looks of empty cells inside
// the used range are kept.
TEST(Workbook, OdsCellStylesBecomeLooks) {
    const std::string named =
        "<style:style style:name=\"Head\" style:family=\"table-cell\"><style:text-properties "
        "fo:font-weight=\"bold\" fo:color=\"#0000ff\" fo:font-size=\"12pt\"/></style:style>";
    const std::string automatic =
        "<number:number-style style:name=\"N3\"><number:number number:decimal-places=\"3\" "
        "number:grouping=\"true\"/></number:number-style>"
        "<number:text-style style:name=\"T\"><number:text-content/></number:text-style>"
        "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:parent-style-name=\"Head\">"
        "<style:table-cell-properties fo:background-color=\"#00ff00\"/></style:style>"
        "<style:style style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N3\"/>"
        "<style:style style:name=\"ce3\" style:family=\"table-cell\" style:data-style-name=\"T\"/>";
    auto cell = [](const char* style, const char* value) {
        return std::string("<table:table-cell table:style-name=\"") + style + "\"" +
               (*value ? std::string(" office:value-type=\"float\" office:value=\"") + value + "\"/>"
                       : std::string("/>"));
    };
    const std::string tables =
        odsTable("T", odsRow(cell("ce1", "1") + cell("ce2", "2") + cell("ce3", "3")) +
                          odsRow(cell("ce1", "") + odsNumber("4", "3")));
    std::vector<WorkbookSheet> sheets;
    ASSERT_TRUE(readWorkbook(odsArchive(tables, automatic, named), SheetFormat::Ods, {}, sheets));
    const Sheet& s = sheets[0].sheet;
    for (int row : {1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(s.font(1, row).weight, 700);
        EXPECT_EQ(s.font(1, row).height, 16);
        Color back = 0, fore = 0;
        s.color(1, row, back, fore);
        EXPECT_EQ(back, 0x00FF00u);
        EXPECT_EQ(fore, 0xFF0000u);
    }
    EXPECT_EQ(s.cellType(2, 1), CellType::number(3, true));
    EXPECT_EQ(s.cellType(3, 1).kind, CellKind::Edit);
    EXPECT_EQ(s.font(2, 1).weight, 400);
}

// The typed cells are found by what the names mean, not how they are
// spelled: a relationship prefix other than the usual, a sheet name with an
// entity, rich text runs whose phonetic reading is no part of the text.
TEST(Workbook, XlsxTypedCellsWhateverThePrefixes) {
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string rels = "http://schemas.openxmlformats.org/package/2006/relationships";
    const std::string office = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::pair<const char*, std::string> parts[] = {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Override "
         "PartName=\"/xl/workbook.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/></Types>"},
        {"_rels/.rels", "<Relationships xmlns=\"" + rels + "\"><Relationship Id=\"a\" Type=\"" +
                            office + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:q=\"" + office +
                                "\"><sheets><sheet name=\"A&amp;B\" sheetId=\"3\" q:id=\"s7\"/>"
                                "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", "<Relationships xmlns=\"" + rels +
                                           "\"><Relationship Id=\"s7\" Type=\"" + office +
                                           "/worksheet\" Target=\"sheets/one.xml\"/></Relationships>"},
        {"xl/sheets/one.xml",
         "<x:worksheet xmlns:x=\"" + main + "\"><x:sheetData><x:row r=\"1\">"
         "<x:c r=\"A1\" t=\"inlineStr\"><x:is><x:r><x:t>ab</x:t></x:r><x:r><x:t> c&amp;d</x:t></x:r>"
         "<x:rPh sb=\"0\" eb=\"1\"><x:t>reading</x:t></x:rPh></x:is></x:c>"
         "<x:c r=\"B1\" t=\"b\"><x:v>1</x:v></x:c><x:c r=\"C1\" t=\"e\"><x:v>#N/A</x:v></x:c>"
         "</x:row></x:sheetData></x:worksheet>"}};
    std::vector<WorkbookSheet> sheets;
    std::wstring why;
    ASSERT_TRUE(readWorkbook(zipOf(parts), SheetFormat::Xlsx, L"A&B", sheets, nullptr, &why))
        << std::string(why.begin(), why.end());
    ASSERT_EQ(sheets.size(), 1u);
    const Value expected[] = {Value(L"ab c&d"), Value::logical(true), Value::error(ErrorKind::NA)};
    for (int col = 1; col <= 3; ++col)
        EXPECT_TRUE(sheets[0].sheet.value(col, 1) == expected[col - 1]) << col;
}
