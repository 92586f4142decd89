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
// Replaces `path` with the bytes (files::replaceFile). On any failure
// `path` is left as it was and `error` says why.
bool writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error = nullptr);

} // namespace win::detail
