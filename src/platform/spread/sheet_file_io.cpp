// Whole-file reading and atomic replacement of files.
#include "platform/spread/sheet_file.h"
#include "platform/text/utf.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef __unix__
#include <unistd.h>
#endif

namespace spread {

namespace {

std::wstring pathText(const std::filesystem::path& path) {
    std::wstring w;
    if (!zrltext::fromUtf8Strict(path.string(), w)) w = L"?";
    return w;
}

// Sheet files larger than this are refused rather than read into memory.
constexpr std::uintmax_t kMaxFileBytes = 1ull << 30;

} // namespace

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::wstring* error) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec)) {
        if (error) *error = L"cannot open " + pathText(path);
        return false;
    }
    if (size > kMaxFileBytes) {
        if (error) *error = L"file too large: " + pathText(path);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = L"cannot open " + pathText(path);
        return false;
    }
    bytes.assign(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        if (error) *error = L"cannot read " + pathText(path);
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::wstring* error) {
    return writeFileAtomicallyWith(
        path,
        [&](FILE* f) { return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(); },
        error);
}

bool writeFileAtomicallyWith(const std::filesystem::path& path,
                             const std::function<bool(std::FILE*)>& write, std::wstring* error) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp = path;
    temp += ".tmp" +
            std::to_string(static_cast<long>(
#ifdef __unix__
                ::getpid()
#else
                0
#endif
                    )) +
            "-" + std::to_string(counter++);
    FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) {
        if (error) *error = L"cannot write " + pathText(path);
        return false;
    }
    bool ok = false;
    try {
        ok = write(f);
    } catch (...) {
        ok = false;
    }
    ok = std::fflush(f) == 0 && ok;
#ifdef __unix__
    ok = ::fsync(fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        if (error) *error = L"cannot write " + pathText(path);
        return false;
    }
    return true;
}

} // namespace spread
