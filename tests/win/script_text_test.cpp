// Parsing of action scripts: quoting, IDs, blocks, and the errors found
// before anything runs.
#include "platform/win/constants.h"
#include "platform/win/script_text.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using win::ScriptVerb;

win::ParsedScript parsed(const std::string& text) {
    win::ParsedScript script;
    const win::ScriptResult r = win::parseScript(text, script);
    EXPECT_TRUE(r.ok()) << r.message;
    return script;
}

// The one action of a one-line block.
win::ScriptAction inBlock(const std::string& line) {
    const auto script = parsed("dialog next\n" + line + "\nend\n");
    EXPECT_EQ(script.actions.size(), 1u);
    if (script.actions.empty() || script.actions[0].body.empty()) return {};
    return script.actions[0].body[0];
}

TEST(ScriptText, TextsWordsAndEscapes) {
    struct Row {
        const char* line;
        const wchar_t* text;
    };
    const Row rows[] = {
        {R"(type 1001 "a \"b\" \\ c")", L"a \"b\" \\ c"},
        {R"(type 1001 plain)", L"plain"},
        {R"(type 1001 "")", L""},
        {R"(type 1001 "# not a comment")", L"# not a comment"},
        {"type 1001 \"h\xC3\xB6he\"  # trailing comment", L"h\u00F6he"},
        {"\ttype\t1001\t\"tabs\"\r", L"tabs"},
    };
    for (const Row& row : rows) {
        const auto a = inBlock(row.line);
        EXPECT_EQ(a.verb, ScriptVerb::Type) << row.line;
        EXPECT_EQ(a.text, row.text) << row.line;
    }
}

TEST(ScriptText, IdsAreNumbersOrButtonNames) {
    struct Row {
        const char* id;
        int value;
    };
    const Row rows[] = {{"1", win::IDOK},         {"OK", win::IDOK},  {"ok", win::IDOK},
                        {"IDOK", win::IDOK},      {"idCancel", 2},    {"YES", win::IDYES},
                        {"no", win::IDNO},        {"0065535", 65535}, {"0", 0},
                        {"IDRETRY", win::IDRETRY}};
    for (const Row& row : rows)
        EXPECT_EQ(inBlock(std::string("click ") + row.id).id, row.value) << row.id;
}

TEST(ScriptText, FormsChosenByTheirArguments) {
    auto a = inBlock("choose 1002 #3");
    EXPECT_EQ(a.index, 3);
    a = inBlock(R"(choose 1002 "#3")");
    EXPECT_EQ(a.index, -1);
    EXPECT_EQ(a.text, L"#3");
    a = inBlock(R"(select 1011 "2")");
    EXPECT_EQ(a.verb, ScriptVerb::SelectItem);
    a = inBlock("select 1011 2 3 4 5");
    EXPECT_EQ(a.verb, ScriptVerb::SelectCells);
    EXPECT_TRUE(a.block);
    EXPECT_EQ(a.col2 * 10 + a.row2, 45);
    a = inBlock("dblclick 1011 -32767 1");
    EXPECT_EQ(a.verb, ScriptVerb::DoubleClickCell);
    EXPECT_EQ(a.col, -32767);
    a = inBlock(R"(dblclick 1015 "Plate")");
    EXPECT_EQ(a.verb, ScriptVerb::DoubleClickItem);
    EXPECT_EQ(inBlock("key 1001 f3").number, win::VK_F3);
    EXPECT_TRUE(inBlock("file CANCEL").cancel);
    EXPECT_FALSE(inBlock(R"(file "cancel")").cancel);
}

TEST(ScriptText, DialogBlocksByCaptionNameOrNext) {
    struct Row {
        const char* line;
        bool anyCaption, byName;
        const wchar_t* text;
    };
    const Row rows[] = {
        {"dialog \"Prompt\"", false, false, L"Prompt"},
        {"dialog prompt", false, true, L"prompt"},
        {"dialog NEXT", true, false, L""},
        {"dialog \"next\"", false, false, L"next"},
    };
    for (const Row& row : rows) {
        const auto script = parsed(std::string(row.line) + "\nend\n");
        ASSERT_EQ(script.actions.size(), 1u) << row.line;
        const auto& a = script.actions[0];
        EXPECT_EQ(a.anyCaption, row.anyCaption) << row.line;
        EXPECT_EQ(a.byName, row.byName) << row.line;
        EXPECT_EQ(a.text, row.text) << row.line;
    }
}

TEST(ScriptText, BlocksNestAndKeepTheirLines) {
    const auto script = parsed("# a comment\n"
                               "answer YES\n"
                               "dialog \"Outer\"\n"
                               "  dialog next\n"
                               "    click OK\n"
                               "  end\n"
                               "  click 1012\n"
                               "end\n"
                               "expect-box \"Saved\"\n");
    ASSERT_EQ(script.actions.size(), 3u);
    const auto& outer = script.actions[1];
    EXPECT_EQ(outer.line, 3);
    EXPECT_EQ(outer.text, L"Outer");
    ASSERT_EQ(outer.body.size(), 2u);
    EXPECT_TRUE(outer.body[0].anyCaption);
    EXPECT_EQ(outer.body[0].body.at(0).line, 5);
    EXPECT_EQ(win::countActions(script.actions), 6);
}

TEST(ScriptText, ErrorsNameTheLineBeforeAnythingRuns) {
    struct Row {
        const char* script;
        int line;
        const char* message;
    };
    const Row rows[] = {
        {"dialog next\ntype 1001 \"abc\nend", 2, "not closed"},
        {"dialog next\ntype 1001 \"C:\\temp\"\nend", 2, "bad escape \\t"},
        {"dialog next\ntype 1001 \"a\"b\nend", 2, "followed by a blank"},
        {"dialog next\ntype 1001 a\"b\"\nend", 2, "quote inside a word"},
        {"dialog next\nclik OK\nend", 2, "unknown action \"clik\""},
        {"dialog next\n\"click\" OK\nend", 2, "starts with a word"},
        {"dialog \"A\"\n  click OK\n", 1, "has no end"},
        {"dialog \"A\"\ndialog \"B\"\nend\n", 1, "has no end"},
        {"dialog next\nend\nend\n", 3, "end without a dialog block"},
        {"dialog next\nclick OKAY\nend", 2, "bad ID \"OKAY\""},
        {"dialog next\nclick 65536\nend", 2, "bad ID"},
        {"dialog next\nclick -1\nend", 2, "bad ID"},
        {"dialog next\nclick \"1\"\nend", 2, "bad ID"},
        {"dialog next\nclick 1 2\nend", 2, "too many arguments"},
        {"dialog next\ntype 1001\nend", 2, "type: too few arguments"},
        {"click 1\n", 1, "click 1: outside a dialog block"},
        {"wait 600001\n", 1, "bad time"},
        {"wait -1\n", 1, "bad time"},
        {"dialog next\nselect 1011 1 2 3\nend", 2, "needs COL2 and ROW2"},
        {"dialog next\nkey 1001 F13\nend", 2, "unknown key"},
        {"answer MAYBE\n", 1, "bad answer"},
        {"dialog next\nchoose 1002 #1x\nend", 2, "bad index"},
    };
    for (const Row& row : rows) {
        win::ParsedScript script;
        const win::ScriptResult r = win::parseScript(row.script, script);
        EXPECT_EQ(r.status, win::ScriptBad) << row.script;
        EXPECT_EQ(r.line, row.line) << row.script;
        EXPECT_NE(r.message.find(row.message), std::string::npos)
            << row.script << " -> " << r.message;
        EXPECT_EQ(r.message.rfind("line " + std::to_string(row.line) + ": ", 0), 0u) << r.message;
        EXPECT_TRUE(script.actions.empty());
    }
}

TEST(ScriptText, DeepNestingIsRefusedNotOverflowed) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "dialog next\n";
    win::ParsedScript script;
    EXPECT_EQ(win::parseScript(text, script).status, win::ScriptBad);
}

} // namespace
