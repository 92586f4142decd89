// The checks of a section table file's rows, and the library's table names.
#include "platform/core/section_table_file.h"
#include "sections_fixture.h"

#include <fstream>

using namespace sectest;

namespace {

Zrl_StringArrayArray soundRows() {
    const Zrl_ProfValuesTable t = heaTable();
    Zrl_StringArrayArray rows = joinSectionRows(t.picture, t.headers, t.rows);
    rows[4][1] = L"1";
    return rows;
}

} // namespace

TEST(SectionCheck, EachProblemIsOneLine) {
    struct Case {
        const char* what;
        void (*spoil)(Zrl_StringArrayArray&);
        const wchar_t* line; // empty: no problem
    };
    const Case cases[] = {
        {"sound", [](Zrl_StringArrayArray&) {}, L""},
        {"a drawing shape", [](Zrl_StringArrayArray& r) { r[0][0] = L"Beam.DWG"; }, L""},
        {"shape 25", [](Zrl_StringArrayArray& r) { r[0][0] = L"25"; },
         L"row 1: shape \"25\" is neither 1 to 24 nor a .dwg name"},
        {"shape text", [](Zrl_StringArrayArray& r) { r[0][0] = L"I"; },
         L"row 1: shape \"I\" is neither 1 to 24 nor a .dwg name"},
        {"short row", [](Zrl_StringArrayArray& r) { r[3].removeLast(); },
         L"row 4: 7 cells, the captions have 8"},
        {"empty system name", [](Zrl_StringArrayArray& r) { r[2][0] = L" "; },
         L"row 3: empty system name"},
        {"repeated system name", [](Zrl_StringArrayArray& r) { r[4][0] = L"100"; },
         L"row 5: system name \"100\" repeats row 3"},
        {"repeated in another case", [](Zrl_StringArrayArray& r) {
             r[2][0] = L"a1";
             r[3][0] = L"A1";
         },
         L"row 4: system name \"A1\" repeats row 3"},
        {"empty flag", [](Zrl_StringArrayArray& r) { r[4][1] = L""; },
         L"row 5: flag \"\" is neither 0 nor 1"},
        {"value", [](Zrl_StringArrayArray& r) { r[3][7] = L"12,5"; },
         L"row 4: Width b \"12,5\" is not a number"},
        {"empty value", [](Zrl_StringArrayArray& r) { r[3][6] = L""; },
         L"row 4: Height h \"\" is not a number"},
        {"too few captions", [](Zrl_StringArrayArray& r) {
             r[1].setLogicalLength(3);
             r.setLogicalLength(2);
         },
         L"row 2: 3 captions, a table needs at least 6"},
        {"one row", [](Zrl_StringArrayArray& r) { r.setLogicalLength(1); },
         L"fewer than two rows: a table needs its shape and its captions"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Zrl_StringArrayArray rows = soundRows();
        c.spoil(rows);
        const auto problems = checkSectionRows(rows);
        if (Zrl_String(c.line).isEmpty()) {
            EXPECT_TRUE(problems.empty()) << problems.front().toUtf8();
        } else {
            ASSERT_EQ(problems.size(), 1u);
            EXPECT_EQ(problems[0], c.line);
        }
    }
}

TEST(SectionCheck, TheLimitStopsTheList) {
    Zrl_StringArrayArray rows = soundRows();
    for (Zrl_StringArray& row : rows)
        if (row.length() > 1) row[1] = L"x";
    EXPECT_EQ(checkSectionRows(rows).size(), 3u);
    EXPECT_EQ(checkSectionRows(rows, 2).size(), 2u);
}

class SectionLibrary : public LibraryTest {};

TEST_F(SectionLibrary, NamesInNaturalOrderAndPaths) {
    for (const char* name : {"HEA1000.pr", "hea200.PR", "IPE.pr", "notes.txt"})
        std::ofstream(prof(name)) << "1\n";
    EXPECT_EQ(sectionTableNames(), list({L"hea200", L"HEA1000", L"IPE"}));
    EXPECT_TRUE(sectionTablePath(L"IPE").endsWith(L"prof\\IPE.pr", true));
    EXPECT_TRUE(sectionTablePath(L"IPE.Pr").endsWith(L"prof\\IPE.Pr", true));
    std::filesystem::remove_all(dir_ / "prof");
    EXPECT_TRUE(sectionTableNames().isEmpty());
}
