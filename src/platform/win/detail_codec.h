// Internal: decoding and encoding of image files. Not part of the interface.
#pragma once

#include <cstdint>
#include <vector>

namespace win::detail {

// Decodes a .bmp (or .png) into RGBA rows from the top. False when the bytes
// are no readable image.
bool decodeImage(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                 std::vector<std::uint8_t>& rgba);
// Encodes rows from the top with 3 (RGB) or 4 (RGBA) channels as a .bmp;
// empty on failure.
std::vector<std::uint8_t> encodeBmp(int width, int height, int channels,
                                    const std::vector<std::uint8_t>& pixels);

} // namespace win::detail
