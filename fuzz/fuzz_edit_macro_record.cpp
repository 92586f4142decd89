// Feeds arbitrary bytes as the macro editor's record. A refused record says
// why and leaves the drawing and current module alone; one that reads writes
// out and reads back to the very same text.
#include "platform/core/record_edit_macro.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Zrl_EditMacroDrawing drawing;
    drawing.macros.emplace_back().name = L"before";
    Zrl_String module = L"before";
    const std::string before = writeEditMacroJson(drawing, module);
    std::string error;
    if (!readEditMacroJson(text, drawing, module, error)) {
        if (error.empty() || writeEditMacroJson(drawing, module) != before) std::abort();
        return 0;
    }
    const std::string written = writeEditMacroJson(drawing, module);
    Zrl_EditMacroDrawing again;
    Zrl_String againModule;
    if (!readEditMacroJson(written, again, againModule, error)) std::abort();
    if (writeEditMacroJson(again, againModule) != written) std::abort();
    return 0;
}
