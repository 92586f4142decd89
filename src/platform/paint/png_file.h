// Pictures as PNG files.
#pragma once

#include "platform/win/bitmap.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace paint {

// The PNG bytes of a picture (RGB when every pixel is opaque, else RGBA);
// empty for a null picture.
std::vector<std::uint8_t> encodePng(const win::Bitmap& picture);
// Replaces `path` whole with the picture; false with the reason, the file
// left as it was.
bool savePng(const std::filesystem::path& path, const win::Bitmap& picture, std::string& error);

} // namespace paint
