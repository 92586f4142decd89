// Whole-file reading and atomic replacement of files.
#include "platform/spread/sheet_file.h"
#include "platform/text/utf.h"
#include "platform/files/read_file.h"
#include "platform/files/replace_file.h"
#include "platform/spread/sheet_load.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace spread {

namespace {

std::wstring pathText(const std::filesystem::path& path) {
    std::wstring w;
    if (!zrltext::fromUtf8Strict(path.string(), w)) w = L"?";
    return w;
}

} // namespace

std::FILE* detail::openToRead(const std::filesystem::path& path, std::uintmax_t& size,
                              std::wstring* error) {
    std::error_code ec;
    size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec)) {
        if (error) *error = L"cannot open " + pathText(path);
        return nullptr;
    }
    if (size > files::kMaxReadBytes) {
        if (error) *error = L"file too large: " + pathText(path);
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file && error) *error = L"cannot open " + pathText(path);
    return file;
}

std::wstring detail::cannotRead(const std::filesystem::path& path) {
    return L"cannot read " + pathText(path);
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::wstring* error) {
    std::uintmax_t size = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(detail::openToRead(path, size, error),
                                                         &std::fclose);
    if (!file) return false;
    bytes.assign(static_cast<size_t>(size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        if (error) *error = detail::cannotRead(path);
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
