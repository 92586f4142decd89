// PNG writing with zlib: rows filtered "up" (each byte less the one above,
// which turns the flat areas of a dialog into zeros) and deflated with
// run-length matching only, several times faster than a general encoder
// and about as small on such pictures.
#include "platform/paint/png_file.h"

#include "platform/files/replace_file.h"

#include <string_view>
#include <zlib.h>

namespace paint {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(std::vector<std::uint8_t>& out, const char* type, const std::uint8_t* data,
           size_t size) {
    put32(out, static_cast<std::uint32_t>(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    put32(out, static_cast<std::uint32_t>(
                   crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start))));
}

bool deflateAll(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out) {
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return false;
    out.resize(deflateBound(&z, static_cast<uLong>(in.size())));
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return status == Z_STREAM_END;
}

} // namespace

std::vector<std::uint8_t> encodePng(int width, int height, const std::uint8_t* rgba) {
    std::vector<std::uint8_t> out;
    if (width <= 0 || height <= 0 || !rgba) return out;
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    bool opaque = true;
    for (size_t i = 0; i < w * h && opaque; ++i)
        opaque = rgba[i * 4 + 3] == 255;
    const size_t channels = opaque ? 3 : 4;
    const size_t stride = w * channels;

    // The rows as the file holds them, then filtered from the bottom up so
    // that each row still sees the one above unfiltered.
    std::vector<std::uint8_t> raw((stride + 1) * h);
    for (size_t y = 0; y < h; ++y) {
        std::uint8_t* row = raw.data() + y * (stride + 1);
        row[0] = y == 0 ? 0 : 2;
        const std::uint8_t* src = rgba + y * w * 4;
        if (channels == 4) {
            std::copy(src, src + w * 4, row + 1);
        } else {
            for (size_t x = 0; x < w; ++x) {
                row[1 + x * 3] = src[x * 4];
                row[2 + x * 3] = src[x * 4 + 1];
                row[3 + x * 3] = src[x * 4 + 2];
            }
        }
    }
    for (size_t y = h - 1; y > 0; --y) {
        std::uint8_t* row = raw.data() + y * (stride + 1) + 1;
        const std::uint8_t* above = row - (stride + 1);
        for (size_t i = 0; i < stride; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] - above[i]);
    }
    std::vector<std::uint8_t> packed;
    if (!deflateAll(raw, packed)) return out;

    static const std::uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    out.assign(signature, signature + 8);
    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, static_cast<std::uint8_t>(opaque ? 2 : 6), 0, 0, 0});
    chunk(out, "IHDR", header.data(), header.size());
    chunk(out, "IDAT", packed.data(), packed.size());
    chunk(out, "IEND", nullptr, 0);
    return out;
}

std::vector<std::uint8_t> encodePng(const win::Bitmap& picture) {
    return encodePng(picture.width(), picture.height(), picture.pixels().data());
}

bool savePng(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
             std::string& error) {
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
