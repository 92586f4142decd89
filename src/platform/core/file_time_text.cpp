#include "platform/core/file_time_text.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

Zrl_String formatFileTime(std::int64_t ticks, const Zrl_String& format) {
    using namespace std::chrono;
    try {
        // The file clock counts from a later epoch than the system clock;
        // ticks so large that the shift would overflow are no real time.
        if (ticks > std::numeric_limits<std::int64_t>::max() / 4) return {};
        const std::filesystem::file_time_type fileTime{nanoseconds(ticks)};
        const auto sys = time_point_cast<system_clock::duration>(file_clock::to_sys(fileTime));
        const std::time_t t = system_clock::to_time_t(sys);
        std::tm local{};
        if (localtime_r(&t, &local) == nullptr) return {};
        std::wostringstream out;
        out.imbue(std::locale::classic());
        out << std::put_time(&local, format.c_str());
        if (!out) return {};
        return Zrl_String(out.str());
    } catch (...) {
        return {};
    }
}
