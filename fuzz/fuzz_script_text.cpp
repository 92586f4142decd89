// Feeds arbitrary bytes to the action-script parser, and plays what parses
// with nothing to run (only the top-level answers, waits and box checks can
// act then). A refusal must name a line of the text; nothing may crash,
// leak or hang.
#include "platform/win/script.h"
#include "platform/win/script_play.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    win::ParsedScript script;
    const win::ScriptResult parsed = win::parseScript(text, script);
    if (!parsed.ok()) {
        const std::string prefix = "line " + std::to_string(parsed.line) + ": ";
        if (parsed.line < 1 || parsed.message.rfind(prefix, 0) != 0 || !script.actions.empty())
            std::abort();
        return 0;
    }
    win::script().reset();
    const win::ScriptResult played = win::playScript(script, {});
    // With no dialog, a script with a block leaves it unused.
    for (const auto& a : script.actions)
        if (played.ok() && a.verb == win::ScriptVerb::Dialog) std::abort();
    win::script().reset();
    return 0;
}
