// Bitmap: a picture of width x height pixels, each RGBA (8 bits a channel),
// rows from the top. Reads .bmp files (and the other formats the image
// reader knows), writes .bmp files with 24 bits a pixel when every pixel is
// opaque and with 32 bits (alpha kept) otherwise.
//
// Small pictures are drawn in code with fill, fillRect, frameRect, line and
// setPixel (the module draws its own check-box and tree pictures that way).
#pragma once

#include "platform/win/dialog_template.h"
#include "platform/win/types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};
constexpr Rgba rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {r, g, b, 255};
}

class ZRLWIN_API Bitmap {
public:
    // A null bitmap (0 x 0).
    Bitmap() = default;
    // width x height pixels of `fill`; a null bitmap when a side is not
    // positive or the picture would exceed 16384 pixels a side.
    Bitmap(int width, int height, Rgba fill = rgb(255, 255, 255));

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    bool isNull() const { return width_ == 0 || height_ == 0; }
    // Pixels row by row, 4 bytes each (R, G, B, A).
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

    // Transparent black outside the picture. Inline: thumbnails and
    // generated pictures go through these pixel by pixel.
    Rgba pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
        const std::uint8_t* p = &pixels_[offset(x, y)];
        return {p[0], p[1], p[2], p[3]};
    }
    // Ignored outside the picture.
    void setPixel(int x, int y, Rgba color) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        std::uint8_t* p = &pixels_[offset(x, y)];
        p[0] = color.r;
        p[1] = color.g;
        p[2] = color.b;
        p[3] = color.a;
    }
    void fill(Rgba color);
    // Clipped to the picture.
    void fillRect(const Rect& rect, Rgba color);
    void frameRect(const Rect& rect, Rgba color);
    // Straight line, both ends included.
    void line(Point from, Point to, Rgba color);

    // Reading. nullopt when the file is missing or is no readable image.
    static std::optional<Bitmap> load(const std::wstring& path);
    static std::optional<Bitmap> fromBytes(const std::vector<std::uint8_t>& bytes);
    // The bitmap resource with this id (resources.h: current module first).
    static std::optional<Bitmap> loadResource(const ResourceId& id);

    // Writing. The file is replaced whole (written beside it, then renamed);
    // false leaves an existing file as it was. A null bitmap is not written.
    bool save(const std::wstring& path) const;
    // The bytes of a .bmp file; empty for a null bitmap.
    std::vector<std::uint8_t> toBmpBytes() const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    std::size_t offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)) * 4;
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

} // namespace win
