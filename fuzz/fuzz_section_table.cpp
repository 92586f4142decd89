// Feeds arbitrary bytes to the section table reader as a table file's
// contents. The checks must list problems without failing; the rows must
// write and read back the same; a table split into shape, captions and
// sections must join back to the rows it came from.
#include "platform/core/files.h"
#include "platform/core/rows_file.h"
#include "platform/core/section_table_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Zrl_StringArrayArray rows;
    for (const Zrl_String& line : decodeTextLines(bytes))
        rows.append(decodeRow(line));

    const auto problems = checkSectionRows(rows);
    if (rows.length() < 2 && problems.empty()) std::abort();
    if (checkSectionRows(rows, 1).size() > 1) std::abort();

    for (const Zrl_StringArray& row : rows)
        if (!(decodeRow(encodeRow(row)) == row)) std::abort();

    Zrl_StringArrayArray sections = rows;
    Zrl_String picture;
    Zrl_StringArray headers;
    splitSectionRows(sections, picture, headers);
    if (rows.length() >= 2 && rows[0].length() == 1 &&
        !(joinSectionRows(picture, headers, sections) == rows))
        std::abort();
    return 0;
}
