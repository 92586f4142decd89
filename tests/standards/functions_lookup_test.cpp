// The look-up and conversion functions of standards sheets: ROUNDTO,
// GETCELL, GETPROFCELL, SECTIONSIZE, GETSYSNAME, GETARRAYITEM, TONUMBER,
// ISNULL and ISPOSITIVE, and their registration.
#include "functions_args.h"
#include "macro_fixture.h"
#include "standards/ss_functions.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using fixture::Args;
using fixture::call;

TEST(RoundTo, NumbersOnly) {
    Args a;
    a.num(12.3).num(0.5);
    EXPECT_EQ(call(ssfn::roundTo, a).number, 12.5);
    Args b;
    b.integer(7).integer(5);
    EXPECT_EQ(call(ssfn::roundTo, b).number, 5);
    Args one;
    one.num(1);
    EXPECT_FALSE(call(ssfn::roundTo, one).ok);
    Args text;
    text.text(L"12").num(1);
    auto out = call(ssfn::roundTo, text);
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(out.empty);
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
    Args a;
    a.text(L"grades.txt").integer(200).text(L"S235");
    auto out = call(ssfn::getCell, a);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.text, L"12");
    Args quoted;
    quoted.text(L"\"grades.txt\"").num(200).text(L"\"s355\"");
    EXPECT_EQ(call(ssfn::getCell, quoted).text, L"14");
    // A row with only its key has no value.
    Args keyOnly;
    keyOnly.text(L"grades.txt").text(L"keyonly");
    EXPECT_FALSE(call(ssfn::getCell, keyOnly).ok);
    Args unknown;
    unknown.text(L"grades.txt").num(300).text(L"S235");
    EXPECT_FALSE(call(ssfn::getCell, unknown).ok);
    Args noFile;
    noFile.text(L"nothing.txt").text(L"keyonly");
    EXPECT_FALSE(call(ssfn::getCell, noFile).ok);
    // The key list ends at the first argument that is neither number nor text.
    Args stop;
    stop.text(L"grades.txt").text(L"a").empty().text(L"more");
    EXPECT_EQ(call(ssfn::getCell, stop).text, L"first");
}

TEST_F(DataFiles, FilesAreLookedUpInTheLibrary) {
    write(lib.standards() / "std.txt", "a\tstandards\n");
    write(lib.dir() / "lib.txt", "a\tlibrary\n");
    const std::string own = (lib.dir() / "own.txt").string();
    write(own, "a\town\n");
    for (auto [file, value] :
         {std::pair{L"std.txt", L"standards"}, std::pair{L"lib.txt", L"library"}}) {
        Args a;
        a.text(file).text(L"a");
        EXPECT_EQ(call(ssfn::getCell, a).text, value);
    }
    Args a;
    a.text(Zrl_String::fromUtf8(own).str()).text(L"a");
    EXPECT_EQ(call(ssfn::getCell, a).text, L"own");
}

TEST_F(DataFiles, GetProfCellComparesSystemNames) {
    Args a;
    a.text(L"grades.txt").text(L"IPE200");
    EXPECT_EQ(call(ssfn::getProfCell, a).text, L"I-beam");
    Args b;
    b.text(L"grades.txt").text(L"IPE200");
    EXPECT_FALSE(call(ssfn::getCell, b).ok);
}

TEST(Sections, SizeAndSystemName) {
    Args a;
    a.text(L"IPE 200").num(1.9);
    EXPECT_EQ(call(ssfn::sectionSize, a).number, 200);
    Args b;
    b.text(L"IPE200").integer(3);
    EXPECT_EQ(call(ssfn::sectionSize, b).number, 5.6);
    for (double n : {0.5, 6.0, 1e300, -1e300}) {
        Args c;
        c.text(L"IPE200").num(n);
        EXPECT_FALSE(call(ssfn::sectionSize, c).ok) << n;
    }
    Args unknown;
    unknown.text(L"XYZ 1").num(1);
    EXPECT_FALSE(call(ssfn::sectionSize, unknown).ok);

    Args s;
    s.text(L"hea 240");
    EXPECT_EQ(call(ssfn::getSysName, s).text, L"HEA240");
    Args t;
    t.text(L"Plate 10x200");
    EXPECT_EQ(call(ssfn::getSysName, t).text, L"Plate 10x200");
    Args n;
    n.num(200);
    EXPECT_FALSE(call(ssfn::getSysName, n).ok);
}

TEST(ArrayItem, CountsFromOneAndIsEmptyOutside) {
    auto item = [](const wchar_t* list, double n) {
        Args a;
        a.text(list).num(n);
        return call(ssfn::getArrayItem, a);
    };
    EXPECT_EQ(item(L"a;b;c", 2).text, L"b");
    EXPECT_EQ(item(L"a;b;c", 3.99).text, L"c");
    for (double n : {0.0, 4.0, -2.0, 1e12}) {
        auto out = item(L"a;b;c", n);
        EXPECT_TRUE(out.ok && out.empty) << n;
    }
    auto gap = item(L"a;;c", 2);
    EXPECT_TRUE(gap.ok && gap.empty);
}

TEST(Conversions, ToNumberIsNullIsPositive) {
    auto number = [](const wchar_t* text) {
        Args a;
        a.text(text);
        return call(ssfn::toNumber, a).number;
    };
    EXPECT_EQ(number(L"12.5"), 12.5);
    EXPECT_EQ(number(L" 7mm"), 7);
    EXPECT_EQ(number(L"abc"), 0);
    Args n;
    n.num(3);
    EXPECT_FALSE(call(ssfn::toNumber, n).ok);

    Args nulls;
    nulls.empty();
    EXPECT_EQ(call(ssfn::isNull, nulls).number, 1);
    for (auto [text, expected] : {std::pair{L"\"\"", 1.0}, std::pair{L"x", 0.0}}) {
        Args a;
        a.text(text);
        EXPECT_EQ(call(ssfn::isNull, a).number, expected) << text;
    }
    Args zero, three;
    zero.integer(0);
    three.num(3);
    EXPECT_EQ(call(ssfn::isNull, zero).number, 1);
    EXPECT_EQ(call(ssfn::isNull, three).number, 0);

    for (auto [text, expected] : {std::pair{L"abc", 0.0}, std::pair{L"3", 1.0}, std::pair{L"", 0.0},
                                  std::pair{L"-2", 0.0}}) {
        Args a;
        a.text(text);
        EXPECT_EQ(call(ssfn::isPositive, a).number, expected) << text;
    }
    Args positive, negative, none;
    positive.num(0.1);
    negative.integer(-1);
    none.empty();
    EXPECT_EQ(call(ssfn::isPositive, positive).number, 1);
    EXPECT_EQ(call(ssfn::isPositive, negative).number, 0);
    EXPECT_EQ(call(ssfn::isPositive, none).number, 0);

    // Errors and cell references are neither empty, text nor number.
    for (fixture::Proc proc : {ssfn::isNull, ssfn::isPositive}) {
        Args err, ref;
        err.error();
        ref.cell(1, 1);
        EXPECT_FALSE(call(proc, err).ok);
        EXPECT_FALSE(call(proc, ref).ok);
    }
}

TEST(Registration, TwelveFunctionsWithTheirArgumentCounts) {
    spread::FunctionRegistry registry;
    registerStandardsFunctions(registry);
    struct Expected {
        const wchar_t* name;
        int minArgs, maxArgs;
    } expected[] = {{L"ROUNDTO", 2, 2},
                    {L"GETCELL", 2, 7},
                    {L"GETPROFCELL", 2, 7},
                    {L"SECTIONSIZE", 2, 2},
                    {L"GETSYSNAME", 1, 1},
                    {L"STDWIDTHWITHTOLERANCE", 6, 6},
                    {L"STDTHICKNESSWITHTOLERANCE", 5, 5},
                    {L"STDSIZEWITHTOLERANCE", 5, 5},
                    {L"GETARRAYITEM", 2, 2},
                    {L"TONUMBER", 1, 1},
                    {L"ISNULL", 1, 1},
                    {L"ISPOSITIVE", 1, 1}};
    for (const Expected& e : expected) {
        const spread::CustomFunction* fn = registry.find(e.name);
        ASSERT_NE(fn, nullptr) << e.name;
        EXPECT_EQ(fn->minArgs, e.minArgs) << e.name;
        EXPECT_EQ(fn->maxArgs, e.maxArgs) << e.name;
        EXPECT_EQ(fn->flags, 0);
    }
    EXPECT_EQ(standardsFunctions().size(), 12u);
    EXPECT_EQ(registry.find(L"FROMTABLE"), nullptr);
}

} // namespace
