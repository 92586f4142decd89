// Feeds arbitrary bytes to the DSTV point group reader as a group file. A
// refusal leaves the list alone and names its line; a group that reads must
// write and read back to the same points.
#include "platform/core/dstv_points_files.h"
#include "platform/core/files.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Zrl_StringArray lines = decodeTextLines(bytes);
    Zrl_DstvPointList points;
    points.append(Zrl_DstvPointInfo(L"before"));
    DstvReadError error;
    if (!parseDstvPoints(lines, points, &error)) {
        if (error.reason.isEmpty() || error.line < 1 || error.line > lines.length() ||
            points.length() != 1 || points[0].name() != L"before")
            std::abort();
        return 0;
    }
    Zrl_StringArray written;
    if (!formatDstvPoints(points, written)) std::abort();
    Zrl_DstvPointList again;
    if (!parseDstvPoints(written, again) || again.length() != points.length()) std::abort();
    for (int i = 0; i < points.length(); ++i)
        if (!(again[i] == points[i])) std::abort();
    return 0;
}
