// Feeds arbitrary bytes to the CSV import. What reads must export, and the
// export must read back to the same export: a text that looks like a number
// or a formula stays a text, and no value changes on the way. An empty text
// is written as an empty field and reads back as an empty cell, so the used
// range may lose empty columns and rows at its end: those are not compared.
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

// The export without empty fields at the ends of lines and empty lines at
// the end.
std::string trimmed(const std::string& csv) {
    std::string out;
    size_t start = 0;
    while (start < csv.size()) {
        size_t end = csv.find("\r\n", start);
        if (end == std::string::npos) end = csv.size();
        size_t last = end;
        while (last > start && csv[last - 1] == ',')
            --last;
        out.append(csv, start, last - start).append("\r\n");
        start = end + 2;
    }
    while (out.ends_with("\r\n\r\n"))
        out.resize(out.size() - 2);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string first, second;
    if (!exportOf(std::string_view(reinterpret_cast<const char*>(data), size), first)) return 0;
    if (!exportOf(first, second)) std::abort();
    if (trimmed(second) != trimmed(first)) std::abort();
    return 0;
}
