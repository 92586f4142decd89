// Zrl_ProfValuesTable: languages, names, rows, values, files and the core.
#include "platform/core/macro_langs.h"
#include "platform/core/section_tables.h"
#include "sections_fixture.h"

#include <fstream>

using namespace sectest;

TEST(ProfValuesTable, LanguagesCountedFromTheCaptions) {
    Zrl_ProfValuesTable t;
    const std::pair<Zrl_StringArray, int> cases[] = {
        {captions(false), 4},
        {captions(true), 5},
        {list({L"SysName", L"I/O", L"A", L"B", L"C", L"D", L"kOREAN", L"h"}), 5},
        {list({L"SysName", L"I/O", L"A", L"B", L"C", L"Korean"}), 4},
    };
    for (const auto& [headers, languages] : cases) {
        t.headers = headers;
        EXPECT_EQ(t.getNrLanguages(), languages) << headers.length();
    }
}

TEST(ProfValuesTable, OnlyAZeroFlagIsInactiveInListAndIndex) {
    Zrl_ProfValuesTable t = heaTable();
    Zrl_StringArray names;
    t.getSysNames(names);
    EXPECT_EQ(names, list({L"HEA-100", L"HEA-120", L"HEA-140"}));
    t.getFilteredSysNames(names);
    EXPECT_EQ(names, list({L"HEA-100", L"HEA-140"}));
    // The index agrees with the filtered list: 140 is its second entry.
    EXPECT_EQ(t.getfilteredIdx(0), 0);
    EXPECT_EQ(t.getfilteredIdx(2), 1);
    EXPECT_EQ(t.getfilteredIdx(3), -1);
    EXPECT_EQ(t.getfilteredIdx(-1), -1);

    t.removeInactiveEntries();
    EXPECT_EQ(t.rows.length(), 2);
}

TEST(ProfValuesTable, ColumnsAndNames) {
    Zrl_ProfValuesTable t = heaTable();
    EXPECT_EQ(t.getColumnIdx(L"width B"), 7);
    EXPECT_EQ(t.getColumnIdx(L"Depth"), -1);
    Zrl_StringArray column;
    t.rows[1].setLogicalLength(6);
    ASSERT_TRUE(t.getColumn(column, L"Width b"));
    EXPECT_EQ(column, list({L"100", L"", L"140"}));
    EXPECT_FALSE(t.getColumn(column, 8));
    EXPECT_FALSE(t.getColumn(column, L"Depth"));
    int index = -1;
    EXPECT_TRUE(t.findSysName(L"140", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(t.findSysName(L"160", index));
    EXPECT_EQ(t.findUnusedSysName(L"100"), L"101");
    EXPECT_EQ(t.findUnusedSysName(L"160"), L"160");
}

TEST(ProfValuesTable, InsertRow) {
    struct Case {
        const char* what;
        int index;
        bool inserted;
        const wchar_t* sysName;  // of the new row at index + 1
        const wchar_t* userName; // its English name
    };
    const Case cases[] = {
        {"copy of the first row", 0, true, L"101", L"HEA 101"},
        {"copy of the second row", 1, true, L"121", L"HEA 121"},
        {"before the first row, from an empty row", -1, true, L"1", L"HEA1"},
        {"after the last row", 2, false, nullptr, nullptr},
        {"far outside", 7, false, nullptr, nullptr},
        {"far before", -3, false, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Zrl_ProfValuesTable t = heaTable();
        const Zrl_ProfValuesTable before = t;
        EXPECT_EQ(t.insertRow(c.index), c.inserted);
        if (!c.inserted) {
            EXPECT_EQ(t.rows, before.rows);
            continue;
        }
        ASSERT_EQ(t.rows.length(), 4);
        EXPECT_EQ(t.rows[c.index + 1][0], c.sysName);
        EXPECT_EQ(t.rows[c.index + 1][2], c.userName);
        if (c.index >= 0) {
            // The other languages keep the copied names, the row it copied
            // stays as it was.
            EXPECT_EQ(t.rows[c.index + 1][3], before.rows[c.index][3]);
            EXPECT_EQ(t.rows[c.index], before.rows[c.index]);
        }
    }
    Zrl_ProfValuesTable empty;
    empty.headers = captions();
    EXPECT_FALSE(empty.insertRow(0));
    EXPECT_FALSE(empty.insertRow(-1));
}

TEST(ProfValuesTable, InsertRowWithNamesNamesTheNewRow) {
    Zrl_ProfValuesTable t = heaTable();
    ASSERT_EQ(t.insertRow(0, L"110", L"HEA 110"), Acad::eOk);
    EXPECT_EQ(t.rows[0][2], L"HEA 100");
    EXPECT_EQ(t.rows[1], list({L"110", L"1", L"HEA 110", L"HEA 110", L"HEA 110", L"HEA 110",
                               L"96", L"100"}));
    EXPECT_EQ(t.insertRow(3, L"x", L"y"), Acad::eInvalidInput);
    EXPECT_EQ(t.rows.length(), 4);
}

TEST(ProfValuesTable, UserNamePrefixFollowsTheWorkLanguage) {
    Zrl_ProfValuesTable t = heaTable();
    t.rows[0][3] = L"Breedflens 100";
    Zrl_Settings::setWorkLanguage(L"Dutch");
    ASSERT_TRUE(t.insertRow(0));
    Zrl_Settings::setWorkLanguage(Zrl_String());
    EXPECT_EQ(t.rows[1][3], L"Breedflens 101");
    EXPECT_EQ(t.rows[1][2], L"HEA 100");
}

TEST(ProfValuesTable, SetNamesAndValuesRefusals) {
    struct Case {
        const char* what;
        int row;
        std::vector<double> values;
        ErrorStatus status;
    };
    const Case cases[] = {
        {"two values", 0, {90.25, 100}, Acad::eOk},
        {"one too many", 0, {1, 2, 3}, Acad::eInvalidInput},
        {"one too few", 0, {1}, Acad::eInvalidInput},
        {"row outside", 3, {1, 2}, Acad::eInvalidInput},
        {"row before", -1, {1, 2}, Acad::eInvalidInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Zrl_ProfValuesTable t = heaTable();
        const Zrl_ProfValuesTable before = t;
        AcArray<double> values;
        for (double v : c.values)
            values.append(v);
        EXPECT_EQ(t.setValues(c.row, values), c.status);
        if (c.status == Acad::eOk) {
            EXPECT_EQ(t.rows[0][6], L"90.3");
            EXPECT_EQ(t.rows[0][7], L"100.0");
        } else {
            EXPECT_EQ(t.rows, before.rows);
        }
    }
    Zrl_ProfValuesTable t = heaTable();
    EXPECT_EQ(t.setUserNames(1, L"X"), Acad::eOk);
    EXPECT_EQ(t.rows[1], list({L"120", L"0", L"X", L"X", L"X", L"X", L"114", L"120"}));
    t.rows[2].setLogicalLength(5);
    EXPECT_EQ(t.setUserNames(2, L"X"), Acad::eInvalidInput);
    t.rows[2].removeAll();
    EXPECT_EQ(t.setSysName(2, L"X"), Acad::eInvalidInput);
    EXPECT_EQ(t.setSysName(3, L"X"), Acad::eInvalidInput);
}

class ProfValuesFile : public LibraryTest {};

TEST_F(ProfValuesFile, RoundTripKeepsEveryText) {
    Zrl_ProfValuesTable t = heaTable();
    t.picture = L"Plate.dwg";
    t.rows[0][2] = L"a\tb\\c#d";
    t.rows[1][3] = L"";
    t.rows[2].setLogicalLength(1);
    t.rows.append(Zrl_StringArray());
    ASSERT_TRUE(t.writeToFile(L"HEA"));
    Zrl_ProfValuesTable back;
    ASSERT_TRUE(back.readFromFile(L"hea.PR"));
    EXPECT_EQ(back.tableName, L"HEA");
    EXPECT_EQ(back.picture, t.picture);
    EXPECT_EQ(back.headers, t.headers);
    EXPECT_EQ(back.rows, t.rows);
}

TEST_F(ProfValuesFile, ShortFilesAndMissingFiles) {
    Zrl_ProfValuesTable t = heaTable();
    const Zrl_ProfValuesTable before = t;
    EXPECT_FALSE(t.readFromFile(L"Missing"));
    EXPECT_EQ(t.tableName, before.tableName);
    EXPECT_EQ(t.rows, before.rows);

    // One row: the rows as read, shape and captions unchanged.
    std::ofstream(prof("One.pr")) << "7\tx\n";
    ASSERT_TRUE(t.readFromFile(L"One"));
    EXPECT_EQ(t.tableName, L"One");
    EXPECT_EQ(t.picture, L"1");
    EXPECT_EQ(t.headers, before.headers);
    ASSERT_EQ(t.rows.length(), 1);
    EXPECT_EQ(t.rows[0], list({L"7", L"x"}));

    // Shape and captions alone: a table without sections.
    std::ofstream(prof("Two.pr")) << "3\nSysName\tI/O\n";
    ASSERT_TRUE(t.readFromFile(L"Two"));
    EXPECT_EQ(t.picture, L"3");
    EXPECT_EQ(t.headers, list({L"SysName", L"I/O"}));
    EXPECT_TRUE(t.rows.isEmpty());
}

TEST_F(ProfValuesFile, AWriteThatCannotBeDoneAnswersFalse) {
    Zrl_ProfValuesTable t = heaTable();
    ASSERT_TRUE(t.writeToFile(L"HEA"));
    std::filesystem::create_directories(prof("Dir.pr"));
    EXPECT_FALSE(t.writeToFile(L"Dir"));
    std::filesystem::remove_all(dir_ / "prof");
    EXPECT_FALSE(t.writeToFile(L"HEA"));
}

TEST(ProfValuesTable, SetToGlobalsServesTheTableAndReplacesIt) {
    Zrl_SectionTableManager manager;
    Zrl_ProfValuesTable t = heaTable();
    EXPECT_EQ(t.setToGlobals(nullptr), Acad::eInvalidInput);
    ASSERT_EQ(t.setToGlobals(&manager), Acad::eOk);
    ASSERT_TRUE(manager.hasTable(L"hea"));
    Zrl_String text;
    ASSERT_EQ(manager.getSectionValue(L"HEA-120", 1, text), Acad::eOk);
    EXPECT_EQ(text, L"120");
    ASSERT_EQ(manager.getSystemName(L"hea 100", text), Acad::eOk);
    EXPECT_EQ(text, L"HEA-100");
    Zrl_StringArray columns;
    ASSERT_EQ(manager.getSectionColumnNames(L"HEA-100", columns), Acad::eOk);
    EXPECT_EQ(columns, list({L"Height h", L"Width b"}));

    // Again with other values: the table is replaced, built-ins stay.
    t.rows[1][7] = L"121";
    t.picture = L"Beam.dwg";
    ASSERT_EQ(t.setToGlobals(&manager), Acad::eOk);
    ASSERT_EQ(manager.getSectionValue(L"HEA-120", 1, text), Acad::eOk);
    EXPECT_EQ(text, L"121");
    EXPECT_EQ(manager.tablePicture(L"HEA"), L"Prof\\Beam.dwg");
    EXPECT_EQ(manager.removeTable(L"HEA"), Acad::eOk);
    EXPECT_EQ(manager.getSectionValue(L"HEA-120", 1, text), Acad::eKeyNotFound);
    ASSERT_EQ(manager.getSystemName(L"HEA 200", text), Acad::eOk);
    EXPECT_EQ(text, L"HEA200");
}
