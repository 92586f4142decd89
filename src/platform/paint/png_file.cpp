// PNG writing through the image writer, with zlib doing the compression (the
// writer's own is several times slower).
#include <cstdlib>
#include <zlib.h>

namespace {

unsigned char* zlibCompress(unsigned char* data, int length, int* outLength, int) {
    uLongf size = compressBound(static_cast<uLong>(length));
    auto* out = static_cast<unsigned char*>(std::malloc(size));
    if (!out) return nullptr;
    // Level 1: pictures of dialogs are mostly flat colour and compress well
    // at the fastest level.
    if (compress2(out, &size, data, static_cast<uLong>(length), 1) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    *outLength = static_cast<int>(size);
    return out;
}

} // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#define STBIW_ZLIB_COMPRESS zlibCompress
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include "platform/files/replace_file.h"
#include "platform/paint/png_file.h"

#include <string_view>

namespace paint {

std::vector<std::uint8_t> encodePng(const win::Bitmap& picture) {
    std::vector<std::uint8_t> out;
    if (picture.isNull()) return out;
    const std::vector<std::uint8_t>& rgba = picture.pixels();
    bool opaque = true;
    for (size_t i = 3; i < rgba.size() && opaque; i += 4)
        opaque = rgba[i] == 255;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* pixels = rgba.data();
    int channels = 4;
    if (opaque) {
        rgb.reserve(rgba.size() / 4 * 3);
        for (size_t i = 0; i < rgba.size(); i += 4)
            rgb.insert(rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
        pixels = rgb.data();
        channels = 3;
    }
    // One filter for every row ("up"): trying all five per row costs more
    // than it saves on flat pictures.
    stbi_write_force_png_filter = 2;
    auto append = [](void* context, void* data, int size) {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(context);
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes->insert(bytes->end(), p, p + size);
    };
    if (!stbi_write_png_to_func(append, &out, picture.width(), picture.height(), channels,
                                pixels, picture.width() * channels))
        out.clear();
    return out;
}

bool savePng(const std::filesystem::path& path, const win::Bitmap& picture, std::string& error) {
    const std::vector<std::uint8_t> bytes = encodePng(picture);
    if (bytes.empty()) {
        error = "no picture to write";
        return false;
    }
    files::PendingFile file;
    if (!file.open(path, &error)) return false;
    if (!file.write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        error = file.failure();
        return false;
    }
    return file.commit(&error);
}

} // namespace paint
