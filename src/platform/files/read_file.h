// Reading a file whole: the bound every reader of the project shares.
//
// No format the project reads accepts more than kMaxReadBytes, so a larger
// file is refused from its size, before any of it is read or any memory is
// taken for it. A file that grows while it is read is read to its end, and
// refused once it passes the bound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace files {

// 1 GiB: the largest file any reader takes in (sheets and workbooks).
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{1} << 30;

// Reads the whole regular file into `bytes`. False, with a one-line reason
// ("cannot read P", "file too large: P (more than 1 GiB)") and `bytes`
// unchanged, when it is not a regular file, cannot be read, or holds more
// than `limit` bytes.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::string* error = nullptr, std::uintmax_t limit = kMaxReadBytes);
// The same into a byte buffer (pictures and other binary files).
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string* error = nullptr, std::uintmax_t limit = kMaxReadBytes);

// "file too large: P (more than 1 GiB)" when `path` is a regular file above
// `limit`, else empty: the reason of a refusal for a caller whose reader
// gave none, found from the file's size without reading it.
std::string sizeRefusal(const std::filesystem::path& path, std::uintmax_t limit = kMaxReadBytes);

} // namespace files
