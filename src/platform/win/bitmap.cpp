// Bitmaps: pixels, drawing, and .bmp files.
#include "platform/win/bitmap.h"

#include "platform/text/utf.h"
#include "platform/win/detail_codec.h"
#include "platform/win/detail_files.h"
#include "platform/win/resources.h"

#include <algorithm>
#include <cstdlib>

namespace win {

namespace {

constexpr int kMaxSide = 16384;

} // namespace

Bitmap::Bitmap(int width, int height, Rgba fill) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    this->fill(fill);
}

void Bitmap::fill(Rgba color) {
    fillRect({0, 0, width_, height_}, color);
}

void Bitmap::fillRect(const Rect& rect, Rgba color) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            setPixel(x, y, color);
}

void Bitmap::frameRect(const Rect& rect, Rgba color) {
    if (rect.isEmpty()) return;
    line({rect.left, rect.top}, {rect.right - 1, rect.top}, color);
    line({rect.left, rect.bottom - 1}, {rect.right - 1, rect.bottom - 1}, color);
    line({rect.left, rect.top}, {rect.left, rect.bottom - 1}, color);
    line({rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1}, color);
}

void Bitmap::line(Point from, Point to, Rgba color) {
    // Bresenham, both ends included; points outside are skipped.
    long long x = from.x;
    long long y = from.y;
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        setPixel(static_cast<int>(x), static_cast<int>(y), color);
        if (x == to.x && y == to.y) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

std::optional<Bitmap> Bitmap::load(const std::wstring& path) {
    auto bytes = detail::readFile(zrltext::toUtf8(path));
    if (!bytes) return std::nullopt;
    return fromBytes(*bytes);
}

std::optional<Bitmap> Bitmap::fromBytes(const std::vector<std::uint8_t>& bytes) {
    Bitmap b;
    if (!detail::decodeImage(bytes, b.width_, b.height_, b.pixels_)) return std::nullopt;
    if (b.width_ <= 0 || b.height_ <= 0) return std::nullopt;
    return b;
}

std::optional<Bitmap> Bitmap::loadResource(const ResourceId& id) {
    return findBitmapResource(id);
}

std::vector<std::uint8_t> Bitmap::toBmpBytes() const {
    if (isNull()) return {};
    bool opaque = true;
    for (size_t i = 3; i < pixels_.size(); i += 4)
        if (pixels_[i] != 255) {
            opaque = false;
            break;
        }
    if (!opaque) return detail::encodeBmp(width_, height_, 4, pixels_);
    std::vector<std::uint8_t> rgb;
    rgb.reserve(pixels_.size() / 4 * 3);
    for (size_t i = 0; i < pixels_.size(); i += 4)
        rgb.insert(rgb.end(), {pixels_[i], pixels_[i + 1], pixels_[i + 2]});
    return detail::encodeBmp(width_, height_, 3, rgb);
}

bool Bitmap::save(const std::wstring& path) const {
    const std::vector<std::uint8_t> bytes = toBmpBytes();
    if (bytes.empty()) return false;
    return detail::writeFileAtomic(zrltext::toUtf8(path), bytes);
}

} // namespace win
