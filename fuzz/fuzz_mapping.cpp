// Feeds arbitrary bytes to the mapping file reader as a sheet's mapping file.
// The line of each key that reads is written as another sheet's mapping and
// read back: every entry written is one that was read, and writing what was
// read back gives the same file.
#include "platform/core/files.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "standards/ss_mapping.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The scratch folder, removed when the process ends.
std::filesystem::path& scratch() {
    static std::filesystem::path dir;
    return dir;
}

const std::filesystem::path& folder() {
    static const std::filesystem::path dir = [] {
        const auto lib = std::filesystem::temp_directory_path() /
                         ("zrlss-fuzz-mapping-" + std::to_string(::getpid()));
        std::filesystem::create_directories(lib / "Connection Standards");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(lib.string()));
        scratch() = lib;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratch(), ec);
        });
        return lib / "Connection Standards";
    }();
    return dir;
}

std::string bytesOf(const std::filesystem::path& p) {
    std::string bytes;
    readFileBytes(p, bytes);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!writeFileAtomically(folder() / "In.map", bytes)) return 0;
    for (const std::string name : {"Out", "Again"})
        std::filesystem::remove(folder() / (name + ".map"));
    // The keys: the text before "=" of the first lines.
    const Zrl_String text = Zrl_String::fromUtf8(bytes);
    Zrl_StringArray lines;
    splitStringAtSymbol(text, L"\n", lines, true);
    for (int i = 1; i < lines.length() && i < 4; ++i) {
        Zrl_String key, rest;
        VkSSMapping line;
        line.initMappingFromLine(lines[i]);
        if (!splitString(lines[i], Zrl_String(kMapKeySeparator), key, rest, false)) continue;
        VkSSMapping read;
        if (read.getMappingFromFile(L"In", key) != Acad::eOk) continue;
        if (read.setMappingToFile(L"Out", key) != Acad::eOk) continue;
        VkSSMapping back;
        if (back.getMappingFromFile(L"Out", key) != Acad::eOk) std::abort();
        if (!back.isEqual(read)) std::abort();
        if (back.setMappingToFile(L"Again", key) != Acad::eOk) std::abort();
        if (bytesOf(folder() / "Again.map") != bytesOf(folder() / "Out.map")) std::abort();
        return 0;
    }
    return 0;
}
