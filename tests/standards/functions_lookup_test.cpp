// The look-up and conversion functions of standards sheets: ROUNDTO,
// GETCELL, GETPROFCELL, SECTIONSIZE, GETSYSNAME, GETARRAYITEM, TONUMBER,
// ISNULL and ISPOSITIVE, and their registration.
#include "functions_args.h"
#include "macro_fixture.h"
#include "platform/core/section_tables.h"
#include "standards/file_cache.h"
#include "standards/ss_function_names.h"
#include "standards/ss_functions.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using fixture::Args;
using fixture::run;

TEST(RoundTo, NumbersOnly) {
    EXPECT_EQ(run(ssfn::roundTo, [](Args& a) { a.num(12.3).num(0.5); }).number, 12.5);
    EXPECT_EQ(run(ssfn::roundTo, [](Args& a) { a.integer(7).integer(5); }).number, 5);
    EXPECT_FALSE(run(ssfn::roundTo, [](Args& a) { a.num(1); }).ok);
    auto text = run(ssfn::roundTo, [](Args& a) { a.text(L"12").num(1); });
    EXPECT_FALSE(text.ok);
    EXPECT_TRUE(text.empty);
}

class DataFiles : public ::testing::Test {
protected:
    fixture::ScratchLibrary lib{"functions"};
    void write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }
    void SetUp() override {
        write(lib.standards() / "Data" / "grades.txt",
              "// key\tvalue\n200.000000;S235\t12\n\n200.000000;S355\t14\n"
              "keyonly\nIPE 200\tI-beam\na\tfirst\n");
    }
};

TEST_F(DataFiles, GetCellJoinsTheKeysWithSixDecimals) {
    auto cell = [](auto fill) { return run(ssfn::getCell, fill); };
    EXPECT_EQ(cell([](Args& a) { a.text(L"grades.txt").integer(200).text(L"S235"); }).text, L"12");
    EXPECT_EQ(cell([](Args& a) { a.text(L"\"grades.txt\"").num(200).text(L"\"s355\""); }).text,
              L"14");
    // A row with only its key has no value.
    EXPECT_FALSE(cell([](Args& a) { a.text(L"grades.txt").text(L"keyonly"); }).ok);
    EXPECT_FALSE(cell([](Args& a) { a.text(L"grades.txt").num(300).text(L"S235"); }).ok);
    EXPECT_FALSE(cell([](Args& a) { a.text(L"nothing.txt").text(L"keyonly"); }).ok);
    // The key list ends at the first argument that is neither number nor text.
    EXPECT_EQ(cell([](Args& a) { a.text(L"grades.txt").text(L"a").empty().text(L"b"); }).text,
              L"first");
}

TEST_F(DataFiles, FilesAreLookedUpInTheLibrary) {
    write(lib.standards() / "std.txt", "a\tstandards\n");
    write(lib.dir() / "lib.txt", "a\tlibrary\n");
    write(lib.dir() / "own.txt", "a\town\n");
    const std::wstring own = Zrl_String::fromUtf8((lib.dir() / "own.txt").string()).str();
    for (auto [file, value] : {std::pair<std::wstring, std::wstring>{L"std.txt", L"standards"},
                               {L"lib.txt", L"library"},
                               {own, L"own"}})
        EXPECT_EQ(run(ssfn::getCell, [&](Args& a) { a.text(file).text(L"a"); }).text, value);
}

TEST_F(DataFiles, EachEvaluationLooksForTheFilesAgain) {
    auto value = [] {
        const filecache::Scope evaluation;
        return run(ssfn::getCell, [](Args& a) { a.text(L"later.txt").text(L"a"); });
    };
    EXPECT_FALSE(value().ok);
    write(lib.dir() / "later.txt", "a\tlibrary\n");
    EXPECT_EQ(value().text, L"library");
    // One nearer in the search order takes over.
    write(lib.standards() / "Data" / "later.txt", "a\tdata\n");
    EXPECT_EQ(value().text, L"data");
}

TEST_F(DataFiles, GetProfCellComparesSystemNames) {
    auto fill = [](Args& a) { a.text(L"grades.txt").text(L"IPE200"); };
    EXPECT_EQ(run(ssfn::getProfCell, fill).text, L"I-beam");
    EXPECT_FALSE(run(ssfn::getCell, fill).ok);
}

// Answers kept between look-ups must follow a section table handed over
// and taken back.
TEST_F(DataFiles, AnswersFollowTheSectionTables) {
    auto depth = [] { return run(ssfn::sectionSize, [](Args& a) { a.text(L"IPE 200").num(1); }); };
    auto beam = [](const wchar_t* key) {
        return run(ssfn::getProfCell, [&](Args& a) { a.text(L"grades.txt").text(key); });
    };
    EXPECT_EQ(depth().number, 200);
    EXPECT_EQ(beam(L"IPE200").text, L"I-beam");

    // A table of the family takes the section over, with its values and a
    // system name that keeps its "-".
    Zrl_StringArray captions, row;
    for (const wchar_t* c : {L"Name", L"English", L"German", L"French", L"Dutch", L"h"})
        captions.append(c);
    for (const wchar_t* c : {L"200", L"IPE 200", L"", L"", L"", L"250"})
        row.append(c);
    Zrl_StringArrayArray rows;
    rows.append(row);
    ASSERT_EQ(gSectionTables.addSectionTable(L"IPE.pr", L"", captions, rows), Acad::eOk);
    EXPECT_EQ(depth().number, 250);
    EXPECT_FALSE(beam(L"IPE200").ok);
    EXPECT_EQ(beam(L"IPE-200").text, L"I-beam");

    ASSERT_EQ(gSectionTables.removeTable(L"IPE"), Acad::eOk);
    EXPECT_EQ(depth().number, 200);
    EXPECT_EQ(beam(L"IPE200").text, L"I-beam");
}

TEST(Sections, SizeAndSystemName) {
    EXPECT_EQ(run(ssfn::sectionSize, [](Args& a) { a.text(L"IPE 200").num(1.9); }).number, 200);
    EXPECT_EQ(run(ssfn::sectionSize, [](Args& a) { a.text(L"IPE200").integer(3); }).number, 5.6);
    for (double n : {0.5, 6.0, 1e300, -1e300})
        EXPECT_FALSE(run(ssfn::sectionSize, [n](Args& a) { a.text(L"IPE200").num(n); }).ok) << n;
    EXPECT_FALSE(run(ssfn::sectionSize, [](Args& a) { a.text(L"XYZ 1").num(1); }).ok);

    EXPECT_EQ(run(ssfn::getSysName, [](Args& a) { a.text(L"hea 240"); }).text, L"HEA240");
    EXPECT_EQ(run(ssfn::getSysName, [](Args& a) { a.text(L"Plate 10x200"); }).text,
              L"Plate 10x200");
    EXPECT_FALSE(run(ssfn::getSysName, [](Args& a) { a.num(200); }).ok);
}

TEST(Sections, AddedAgainReplacesTheValuesUnderEverySpelling) {
    Zrl_SectionTables tables;
    tables.addSection(L"UPN", L"100", {100, 50});
    tables.addSection(L"upn-", L" 100", {101, 51});
    Zrl_String text, name;
    ASSERT_EQ(tables.getSectionValue(L"upn_100", 0, text), Acad::eOk);
    EXPECT_EQ(text, L"101");
    ASSERT_EQ(tables.getUserName(L"U P N 100", name), Acad::eOk);
    EXPECT_EQ(name, L"UPN 100");
    EXPECT_EQ(tables.getSystemName(L"UPN 1000", name), Acad::eKeyNotFound);
}

TEST(ArrayItem, CountsFromOneAndIsEmptyOutside) {
    auto item = [](const wchar_t* list, double n) {
        return run(ssfn::getArrayItem, [&](Args& a) { a.text(list).num(n); });
    };
    EXPECT_EQ(item(L"a;b;c", 2).text, L"b");
    EXPECT_EQ(item(L"a;b;c", 3.99).text, L"c");
    for (double n : {0.0, 4.0, -2.0, 1e12})
        EXPECT_TRUE(item(L"a;b;c", n).ok && item(L"a;b;c", n).empty) << n;
    EXPECT_TRUE(item(L"a;;c", 2).ok && item(L"a;;c", 2).empty);
}

TEST(Conversions, ToNumberIsNullIsPositive) {
    auto ofText = [](fixture::Proc proc, const wchar_t* text) {
        return run(proc, [&](Args& a) { a.text(text); }).number;
    };
    auto ofNumber = [](fixture::Proc proc, double n) {
        return run(proc, [&](Args& a) { a.num(n); }).number;
    };
    auto ofEmpty = [](fixture::Proc proc) { return run(proc, [](Args& a) { a.empty(); }).number; };
    EXPECT_EQ(ofText(ssfn::toNumber, L"12.5"), 12.5);
    EXPECT_EQ(ofText(ssfn::toNumber, L" 7mm"), 7);
    EXPECT_EQ(ofText(ssfn::toNumber, L"abc"), 0);
    EXPECT_FALSE(run(ssfn::toNumber, [](Args& a) { a.num(3); }).ok);

    EXPECT_EQ(ofEmpty(ssfn::isNull), 1);
    EXPECT_EQ(ofText(ssfn::isNull, L"\"\""), 1);
    EXPECT_EQ(ofText(ssfn::isNull, L"x"), 0);
    EXPECT_EQ(ofNumber(ssfn::isNull, 0), 1);
    EXPECT_EQ(ofNumber(ssfn::isNull, 3), 0);

    EXPECT_EQ(ofEmpty(ssfn::isPositive), 0);
    EXPECT_EQ(ofText(ssfn::isPositive, L"abc"), 0);
    EXPECT_EQ(ofText(ssfn::isPositive, L"3"), 1);
    EXPECT_EQ(ofText(ssfn::isPositive, L"-2"), 0);
    EXPECT_EQ(ofNumber(ssfn::isPositive, 0.1), 1);
    EXPECT_EQ(ofNumber(ssfn::isPositive, -1), 0);

    // Errors and cell references are neither empty, text nor number.
    for (fixture::Proc proc : {ssfn::isNull, ssfn::isPositive}) {
        EXPECT_FALSE(run(proc, [](Args& a) { a.error(); }).ok);
        EXPECT_FALSE(run(proc, [](Args& a) { a.cell(1, 1); }).ok);
    }
}

TEST(Registration, TwelveFunctionsFoundWithoutCase) {
    spread::FunctionRegistry registry;
    registerStandardsFunctions(registry);
    EXPECT_EQ(standardsFunctions().size(), 12u);
    // The names tools read sheets by are the ones registered, in order.
    ASSERT_EQ(std::size(kStandardsFunctionNames), standardsFunctions().size());
    for (size_t i = 0; i < standardsFunctions().size(); ++i)
        EXPECT_EQ(standardsFunctions()[i].name, kStandardsFunctionNames[i]);
    const spread::CustomFunction* fn = registry.find(L"StdWidthWithTolerance");
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(fn->minArgs, 6);
    EXPECT_EQ(registry.find(L"FROMTABLE"), nullptr);
    // Registered again over another function of one of the names, it is put back.
    using Proc = bool (*)(spread::Sheet&, spread::CalcValue&, spread::CalcValue*, int);
    const Proc other = [](spread::Sheet&, spread::CalcValue&, spread::CalcValue*, int) {
        return false;
    };
    registry.add({L"RoundTo", 2, 2, 0, other});
    registerStandardsFunctions(registry);
    EXPECT_EQ(*registry.find(L"ROUNDTO")->proc.target<Proc>(), &ssfn::roundTo);
}

} // namespace
