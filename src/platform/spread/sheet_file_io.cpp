// Whole-file reading and atomic replacement of files.
#include "platform/spread/sheet_file.h"
#include "platform/text/utf.h"
#include "platform/files/replace_file.h"

#include <cstdio>
#include <fstream>
#include <system_error>

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
    std::string why;
    if (files::replaceFile(path, bytes, &why)) return true;
    if (error && !zrltext::fromUtf8Strict(why, *error)) *error = L"cannot write " + pathText(path);
    return false;
}

bool writeFileAtomicallyWith(const std::filesystem::path& path,
                             const std::function<bool(std::FILE*)>& write, std::wstring* error) {
    std::string why;
    if (files::replaceFileWith(path, write, &why)) return true;
    if (error && !zrltext::fromUtf8Strict(why, *error)) *error = L"cannot write " + pathText(path);
    return false;
}

} // namespace spread
