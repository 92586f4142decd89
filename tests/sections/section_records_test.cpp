// The records of the section dialogs as JSON: refusals name the field, and
// what is written reads back the same.
#include "platform/core/record_section_add.h"
#include "platform/core/record_section_library.h"

#include <gtest/gtest.h>

TEST(SectionRecords, RefusalsNameTheField) {
    struct Case {
        const char* json;
        const char* error;
    };
    const Case addCases[] = {
        {R"({"sysname": "x"})", "sysname: unknown field"},
        {R"({"table": {"rows": [["a", 1]]}})", "table.rows[0]: cell 1: expected a text"},
        {R"({"table": {"rows": ["a"]}})", "table.rows[0]: expected a list of texts"},
        {R"({"table": {"headers": "a"}})", "table.headers: expected a list of texts"},
        {R"({"index": "1"})", "index: expected a whole number"},
    };
    for (const Case& c : addCases) {
        SectionAddRecord record;
        record.sysName = L"kept";
        std::string error;
        EXPECT_FALSE(readSectionAddJson(c.json, record, error)) << c.json;
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << error;
        EXPECT_EQ(record.sysName, L"kept");
    }
    const Case libraryCases[] = {
        {R"({"groups": [{"id": 1, "nmae": "x"}]})", "groups[0].nmae: unknown field"},
        {R"({"types": [{"group": "1"}]})", "types[0].group: expected a whole number"},
        {R"({"types": [{"enabled": 1}]})", "types[0].enabled: expected"},
    };
    for (const Case& c : libraryCases) {
        SectionLibraryRecord record;
        std::string error;
        EXPECT_FALSE(readSectionLibraryJson(c.json, record, error)) << c.json;
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << error;
    }
}

TEST(SectionRecords, WrittenRecordsReadBack) {
    SectionAddRecord add;
    std::string error;
    ASSERT_TRUE(readSectionAddJson(
        R"({"sysName": "200", "index": 3, "table": {"name": "HEA", "picture": "1",
            "headers": ["SysName", "I/O"], "rows": [["200", "1"], []]}})",
        add, error))
        << error;
    EXPECT_EQ(add.table.rows.length(), 2);
    SectionAddRecord again;
    ASSERT_TRUE(readSectionAddJson(writeSectionAddJson(add), again, error)) << error;
    EXPECT_EQ(writeSectionAddJson(again), writeSectionAddJson(add));

    SectionLibraryRecord lib;
    ASSERT_TRUE(readSectionLibraryJson(
        R"({"open": "HEA-200", "groups": [{"name": "Beams"}, {"id": 7, "enabled": false}],
            "types": [{"name": "HEA", "group": 7, "table": "HEA", "names": ["HEA", "HEA"]}]})",
        lib, error))
        << error;
    EXPECT_EQ(lib.data.groups.groups[0].id, 0);
    EXPECT_EQ(lib.data.groups.groups[1].id, 7);
    EXPECT_FALSE(lib.data.groups.getEnabled(1));
    EXPECT_EQ(lib.data.types[0].group, 7);
    SectionLibraryRecord libAgain;
    ASSERT_TRUE(readSectionLibraryJson(writeSectionLibraryJson(lib), libAgain, error)) << error;
    EXPECT_TRUE(libAgain.data == lib.data);
    EXPECT_EQ(libAgain.open, L"HEA-200");
}

TEST(SectionRecords, GroupsOfTheLibrary) {
    SectionGroupArray groups;
    EXPECT_EQ(groups.appendNewGrp(), 0);
    EXPECT_EQ(groups.appendNewGrp(), 1);
    EXPECT_EQ(groups.getName(0), L"Group");
    EXPECT_EQ(groups.getName(1), L"Group1");
    groups.setLangs(1, Zrl_StringArray({L"Beams", L"Balken"}));
    EXPECT_TRUE(groups.swap(0, 1));
    EXPECT_FALSE(groups.swap(0, 2));
    Zrl_StringArray names;
    AcArray<int> ids;
    groups.namesOfAllGroups(names, ids);
    EXPECT_EQ(names, Zrl_StringArray({L"Beams", L"Group"}));
    EXPECT_EQ(ids, AcArray<int>({1, 0}));
    EXPECT_TRUE(groups.removeAt(0));
    EXPECT_FALSE(groups.removeAt(1));
    EXPECT_EQ(groups.getName(5), L"");
}
