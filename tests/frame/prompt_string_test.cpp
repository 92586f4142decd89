// The prompt for one line of text, played by action scripts as a person
// would answer it.
#include "frame/dlg_prompt_string.h"
#include "frame_fixture.h"
#include "platform/win/message_box.h"
#include "platform/win/script_play.h"

#include <optional>
#include <string>

namespace frame_test {
namespace {

using PromptString = FrameTest;

struct Answer {
    win::ScriptResult result;
    std::optional<Zrl_String> text;
};

Answer answer(const std::string& script) {
    Answer out;
    out.result = win::playScript(script, [&] {
        out.text = promptString(L"New group", L"Give a unique name:", L"Group 1", L"Ja", L"Nee");
    });
    return out;
}

TEST_F(PromptString, AnswersAsTheUserEnds) {
    const struct {
        const char* name;
        std::string script;
        std::optional<Zrl_String> text;
    } rows[] = {
        {"typed and confirmed", "dialog prompt\n type 1001 \"Beam 2\"\n click OK\nend\n",
         Zrl_String(L"Beam 2")},
        {"the caller's texts shown, the proposal kept",
         "dialog \"New group\"\n expect 1000 \"Give a unique name:\"\n expect 1001 \"Group 1\"\n"
         " expect OK Ja\n expect CANCEL Nee\n click OK\nend\n",
         Zrl_String(L"Group 1")},
        {"emptied and confirmed", "dialog prompt\n type 1001 \"\"\n click OK\nend\n", Zrl_String()},
        {"Return confirms", "dialog prompt\n type 1001 x\n key 1001 RETURN\nend\n",
         Zrl_String(L"x")},
        {"typed then cancelled", "dialog prompt\n type 1001 \"Beam 2\"\n click CANCEL\nend\n",
         std::nullopt},
        {"Escape cancels", "dialog prompt\n key 0 ESCAPE\nend\n", std::nullopt},
        {"no script: the user cancels", "", std::nullopt},
    };
    for (const auto& row : rows) {
        win::script().reset();
        const Answer out = answer(row.script);
        EXPECT_TRUE(out.result.ok()) << row.name << ": " << out.result.message;
        EXPECT_EQ(out.text, row.text) << row.name;
    }
}

TEST_F(PromptString, ARefusedNameIsProposedAgain) {
    const std::string twoAsks = "dialog prompt\n type 1001 Taken\n click OK\nend\n"
                                "dialog prompt\n expect 1001 Taken\n type 1001 %s\n click OK\nend\n"
                                "expect-box \"Name taken\"\n";
    const struct {
        const char* second;
        int maxAsks;
        std::optional<Zrl_String> text;
    } rows[] = {
        {"Free", 20, Zrl_String(L"Free")},
        {"Taken", 2, std::nullopt}, // refused as often as allowed: nothing is used
    };
    for (const auto& row : rows) {
        win::script().reset();
        std::string script = twoAsks;
        script.replace(script.find("%s"), 2, row.second);
        std::optional<Zrl_String> text;
        int asked = 0;
        const auto r = win::playScript(script, [&] {
            Zrl_DlgPromptString dlg(L"New group", L"Give a unique name:", L"Group 1");
            text = promptStringUntil(
                dlg,
                [&](const Zrl_String& name) {
                    ++asked;
                    if (name != Zrl_String(L"Taken")) return true;
                    win::messageBox(nullptr, L"Name taken", L"Groups", win::MB_ICONEXCLAMATION);
                    return false;
                },
                row.maxAsks);
        });
        EXPECT_TRUE(r.ok()) << r.message;
        EXPECT_EQ(text, row.text) << row.second;
        EXPECT_EQ(asked, 2) << row.second;
    }
}

} // namespace
} // namespace frame_test
