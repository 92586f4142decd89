#include "platform/win/detail_files.h"
#include "platform/files/read_file.h"
#include "platform/files/replace_file.h"

namespace win::detail {

std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) {
    // The project's shared whole-file read: one read of a buffer of the
    // file's size (pictures are read by the hundred when a gallery opens)
    // and the common size bound.
    std::vector<std::uint8_t> bytes;
    if (!files::readWholeFile(path, bytes)) return std::nullopt;
    return bytes;
}

bool writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error) {
    return files::replaceFile(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

} // namespace win::detail
