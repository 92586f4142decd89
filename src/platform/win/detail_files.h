// Internal: whole-file reading and atomic replacement. Not part of the
// interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win::detail {

// nullopt when the file cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFile(const std::string& path);
// Writes the bytes to a new file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the temporary is removed, `path`
// is left as it was, and `error` says why.
bool writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error = nullptr);

} // namespace win::detail
