// Feeds arbitrary bytes to the macro description reader. A description that
// reads must write out and read back to the very same text; a refused one
// says why.
#include "platform/core/macro_description.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Zrl_DbMacro macro;
    MacroData record;
    Zrl_String why;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (parseMacroDescription(text, macro, record, &why) != Acad::eOk) {
        if (why.isEmpty()) std::abort();
        return 0;
    }
    const std::string written = macroDescriptionText(macro, record);
    Zrl_DbMacro macro2;
    MacroData record2;
    if (parseMacroDescription(written, macro2, record2, &why) != Acad::eOk) std::abort();
    if (macroDescriptionText(macro2, record2) != written) std::abort();
    return 0;
}
