// Feeds arbitrary bytes to the record reader (the auto-standards record). A
// refusal leaves the record alone and says why; a record that reads must
// write and read back to the same record.
#include "platform/core/record_auto_standards.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    VkAutoStandardsData record;
    record.dwgGenVars().append(L"before");
    const VkAutoStandardsData before = record;
    std::string error;
    if (!readAutoStandardsJson(text, record, error)) {
        if (error.empty() || !(record == before)) std::abort();
        return 0;
    }
    VkAutoStandardsData again;
    if (!readAutoStandardsJson(writeAutoStandardsJson(record), again, error)) std::abort();
    if (!(again == record)) std::abort();
    return 0;
}
