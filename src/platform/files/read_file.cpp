#include "platform/files/read_file.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace files {

namespace {

bool refuse(std::string* error, const char* what, const std::filesystem::path& path,
            const std::string& more = {}) {
    if (error) *error = what + path.string() + more;
    return false;
}

std::string sizeText(std::uintmax_t limit) {
    if (limit >= (std::uintmax_t{1} << 30) && limit % (std::uintmax_t{1} << 30) == 0)
        return std::to_string(limit >> 30) + " GiB";
    return std::to_string(limit) + " bytes";
}

bool refuseTooLarge(std::string* error, const std::filesystem::path& path, std::uintmax_t limit) {
    return refuse(error, "file too large: ", path, " (more than " + sizeText(limit) + ")");
}

// What is known before reading: a regular file, within the bound. Its size
// in `size`, 0 with `ec` set when it could not be taken.
bool admits(const std::filesystem::path& path, std::string* error, std::uintmax_t limit,
            std::uintmax_t& size, std::error_code& ec) {
    if (!std::filesystem::is_regular_file(path, ec)) return refuse(error, "cannot read ", path);
    size = std::filesystem::file_size(path, ec);
    if (!ec && size > limit) return refuseTooLarge(error, path, limit);
    return true;
}

// The one reading routine, into a text or a byte buffer alike.
template <class Buffer>
bool readInto(const std::filesystem::path& path, Buffer& bytes, std::string* error,
              std::uintmax_t limit) {
    std::error_code ec;
    std::uintmax_t size = 0;
    if (!admits(path, error, limit, size, ec)) return false;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) return refuse(error, "cannot read ", path);
    // One read of the length the file has now, then whatever it grew by
    // meanwhile, up to one byte past the bound.
    Buffer data(ec ? 0 : static_cast<size_t>(size), 0);
    data.resize(std::fread(data.data(), 1, data.size(), file.get()));
    char block[4096];
    while (data.size() <= limit) {
        const size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) break;
        data.insert(data.end(), block, block + got);
    }
    if (std::ferror(file.get())) return refuse(error, "cannot read ", path);
    if (data.size() > limit) return refuseTooLarge(error, path, limit);
    bytes = std::move(data);
    return true;
}

} // namespace

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string* error,
                   std::uintmax_t limit) {
    return readInto(path, bytes, error, limit);
}

bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string* error, std::uintmax_t limit) {
    return readInto(path, bytes, error, limit);
}

std::string sizeRefusal(const std::filesystem::path& path, std::uintmax_t limit) {
    std::string error;
    std::error_code ec;
    std::uintmax_t size = 0;
    if (admits(path, &error, limit, size, ec) || ec || size <= limit) return {};
    return error;
}

} // namespace files
