// Feeds arbitrary bytes as the record of every dialog of the dialog driver.
// A refusal must say why; a record that reads must come back, written and
// read by a fresh session, as the same record.
#include "dialog_registry.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const dialogs::DialogEntry& entry : dialogs::registeredDialogs()) {
        std::string error;
        auto session = entry.session();
        if (!session->prepare(&text, {}, error)) {
            if (error.empty()) std::abort();
            continue;
        }
        const std::string written = session->record().dump();
        auto again = entry.session();
        if (!again->prepare(&written, {}, error)) std::abort();
        if (again->record() != session->record()) std::abort();
    }
    return 0;
}
