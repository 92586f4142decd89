// Pictures as PNG files.
#pragma once

#include "platform/win/bitmap.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace paint {

// The PNG bytes of width x height pixels of 4 bytes (R, G, B, A), rows
// from the top: RGB when every pixel is opaque, else RGBA. Empty for no
// pixels.
std::vector<std::uint8_t> encodePng(int width, int height, const std::uint8_t* rgba);
std::vector<std::uint8_t> encodePng(const win::Bitmap& picture);
// Replaces `path` whole with the PNG bytes; false with the reason, the file
// left as it was.
bool savePng(const std::filesystem::path& path, const std::vector<std::uint8_t>& png,
             std::string& error);

} // namespace paint
