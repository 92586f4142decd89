// The records of the section dialogs as JSON: refusals name the field (the
// dialog cases read and write them whole); the library's groups.
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
