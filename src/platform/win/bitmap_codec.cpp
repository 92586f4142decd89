// The image reader and writer, compiled once for the windowing layer and
// kept private to it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include "platform/win/detail_codec.h"

namespace win::detail {

bool decodeImage(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                 std::vector<std::uint8_t>& rgba) {
    if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return false;
    int w = 0;
    int h = 0;
    int channels = 0;
    stbi_uc* pixels =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 4);
    if (!pixels) return false;
    width = w;
    height = h;
    rgba.assign(pixels, pixels + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    stbi_image_free(pixels);
    return true;
}

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::vector<std::uint8_t> encodeBmp(int width, int height, int channels,
                                    const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out;
    if (!stbi_write_bmp_to_func(append, &out, width, height, channels, pixels.data())) out.clear();
    return out;
}

} // namespace win::detail
