// Feeds arbitrary bytes to the CSV import. What reads must export, and the
// export must read back to the same export: a text that looks like a number
// or a formula stays a text, and no value changes on the way.
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool exportOf(std::string_view text, std::string& out) {
    spread::Sheet sheet;
    if (!spread::readCsv(sheet, text)) return false;
    sheet.recalc();
    out = spread::writeCsv(sheet);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string first, second;
    if (!exportOf(std::string_view(reinterpret_cast<const char*>(data), size), first)) return 0;
    if (!exportOf(first, second)) std::abort();
    if (second != first) std::abort();
    return 0;
}
