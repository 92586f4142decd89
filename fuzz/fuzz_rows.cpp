// Feeds arbitrary bytes to the two readers of rows: the library's rows files
// (tab-separated lines with backslash escapes) and the CSV rows of a bill.
// A row read from the library's syntax writes and reads back to itself; CSV
// records written as lines read back to the same records.
#include "csv_text.h"
#include "command.h"
#include "platform/core/rows_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Zrl_String text = Zrl_String::fromUtf8(bytes);
    const Zrl_StringArray row = decodeRow(text);
    if (!(decodeRow(encodeRow(row)) == row)) std::abort();

    if (zrlss::firstLineNotUtf8(bytes) != 0) return 0;
    std::vector<std::vector<std::string>> records;
    std::vector<size_t> lines;
    try {
        records = zrlss::csvRecords(bytes, false, &lines);
    } catch (const zrlss::Failure& f) {
        if (f.reason.empty()) std::abort();
        return 0;
    }
    if (lines.size() != records.size()) std::abort();
    std::string written;
    for (size_t i = 0; i < records.size(); ++i) {
        if (i > 0 && lines[i] <= lines[i - 1]) std::abort();
        // A record of one empty field is an empty line, which is skipped.
        if (records[i].size() == 1 && records[i][0].empty()) return 0;
        Zrl_StringArray fields;
        for (const std::string& f : records[i])
            fields.append(Zrl_String::fromUtf8(f));
        written += zrlss::csvLine(fields) + "\n";
    }
    if (zrlss::csvRecords(written) != records) std::abort();
    return 0;
}
