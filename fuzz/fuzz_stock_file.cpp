// Feeds arbitrary bytes as a stock file. Any content reads as rows; rows
// that read must write (their cells can no longer hold the separator or a
// line break) and read back as as many rows.
#include "cuttingstock/stock_files.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("zrl_fuzz_stock_" + std::to_string(::getpid()) + ".shp");
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const Zrl_String path = Zrl_String::fromUtf8(file.string());
    Zrl_StringArrayArray rows;
    if (!stock::readStockFile(path, rows)) std::abort();
    if (stock::writeStockFile(path, rows) != stock::WriteResult::Written) std::abort();
    Zrl_StringArrayArray again;
    if (!stock::readStockFile(path, again) || again.length() != rows.length()) std::abort();
    return 0;
}
