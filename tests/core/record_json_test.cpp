// Records as JSON: refusals that name the field, and the auto-standards
// record read and written back.
#include "core_test_support.h"
#include "platform/core/record_auto_standards.h"
#include "platform/core/record_json.h"

namespace {

// A record of levels, to read with the helper as a record kind would.
struct Level {
    Zrl_String name;
    int count = 0;
    double height = 0;
    bool shown = false;
    Zrl_StringArray tags;
};

bool readLevels(std::string_view text, std::vector<Level>& levels, std::string& error) {
    nlohmann::json root;
    if (!RecordReader::parse(text, root, error)) return false;
    RecordReader r(root, error);
    return r.object({"levels"}) && r.each("levels", [&](RecordReader& row) {
        Level l;
        const bool ok = row.object({"name", "count", "height", "shown", "tags"}) &&
                        row.text("name", l.name) && row.integer("count", l.count) &&
                        row.number("height", l.height) && row.boolean("shown", l.shown) &&
                        row.texts("tags", l.tags);
        levels.push_back(l);
        return ok;
    });
}

TEST(RecordJson, RefusalsNameTheField) {
    struct Row {
        const char* json;
        const char* error;
    };
    const Row rows[] = {
        {R"({"levels": [{}, {}, {"name": 3}]})", "levels[2].name: expected a text"},
        {R"({"levels": [{"nmae": "a"}]})", "levels[0].nmae: unknown field"},
        {R"({"levels": [{"count": 1.5}]})", "levels[0].count: expected a whole number"},
        {R"({"levels": [{"count": 2147483648}]})", "levels[0].count: expected a whole number"},
        {R"({"levels": [{"count": -2147483649}]})", "levels[0].count: expected a whole number"},
        {R"({"levels": [{"height": "2"}]})", "levels[0].height: expected a number"},
        {R"({"levels": [{"shown": 1}]})", "levels[0].shown: expected true or false"},
        {R"({"levels": [{"tags": ["a", null]}]})", "levels[0].tags[1]: expected a text"},
        {R"({"levels": [{"tags": "a"}]})", "levels[0].tags: expected a list of texts"},
        {R"({"levels": [7]})", "levels[0]: expected an object"},
        {R"({"levels": {}})", "levels: expected a list"},
        {R"([1])", "the record: expected an object"},
        {R"({"levels": [})", "parse error at line 1, column 13"},
        {R"({"levels": [{"name": "a", "name": "b"}]})", "field \"name\" given twice"},
    };
    for (const Row& row : rows) {
        std::vector<Level> levels;
        std::string error;
        EXPECT_FALSE(readLevels(row.json, levels, error)) << row.json;
        EXPECT_EQ(error.rfind(row.error, 0), 0u) << row.json << " -> " << error;
    }
}

TEST(RecordAutoStandards, ReadsWritesAndReadsBack) {
    const char* text = R"({
      "drawing": [{"name": "PlateT", "value": "12", "filter": "Endplates;Base\\Plates"},
                  {"name": "Grade"}],
      "standard": [{"name": "BoltD", "value": "20", "override": "1", "filter": ""}]
    })";
    VkAutoStandardsData data;
    std::string error;
    ASSERT_TRUE(readAutoStandardsJson(text, data, error)) << error;
    EXPECT_EQ(data.dwgGenVars(), list({L"PlateT", L"Grade"}));
    EXPECT_EQ(data.dwgGenValues(), list({L"12", L""}));
    EXPECT_EQ(data.dwgGenFilters(), list({L"Endplates;Base\\Plates", L""}));
    EXPECT_EQ(data.stdGenOverrides(), list({L"1"}));

    VkAutoStandardsData again;
    ASSERT_TRUE(readAutoStandardsJson(writeAutoStandardsJson(data), again, error)) << error;
    EXPECT_EQ(again, data);
}

TEST(RecordAutoStandards, RefusedRecordsLeaveTheRecordAlone) {
    VkAutoStandardsData data;
    data.dwgGenVars().append(L"kept");
    std::string error;
    const std::pair<const char*, const char*> rows[] = {
        {R"({"drawing": [{"name": "a", "override": "1"}]})", "drawing[0].override: unknown field"},
        {R"({"standard": [{"value": 12}]})", "standard[0].value: expected a text"},
        {R"({"drwaing": []})", "drwaing: unknown field"},
        {"nul", "parse error"},
    };
    for (const auto& [bad, reason] : rows) {
        error.clear();
        EXPECT_FALSE(readAutoStandardsJson(bad, data, error)) << bad;
        EXPECT_EQ(error.rfind(reason, 0), 0u) << error;
        EXPECT_EQ(data.dwgGenVars(), list({L"kept"}));
    }
}

TEST(RecordAutoStandards, UnevenListsBecomeFullRows) {
    VkAutoStandardsData data;
    data.stdGenVars() = list({L"A", L"B"});
    data.stdGenValues() = list({L"1"});
    data.dwgGenVars().append(std::wstring(L"bad \xD800 char"));
    VkAutoStandardsData back;
    std::string error;
    ASSERT_TRUE(readAutoStandardsJson(writeAutoStandardsJson(data), back, error)) << error;
    EXPECT_EQ(back.stdGenValues(), list({L"1", L""}));
    EXPECT_EQ(back.stdGenFilters(), list({L"", L""}));
    EXPECT_EQ(back.dwgGenVars(), list({L"bad \uFFFD char"}));
}

} // namespace
