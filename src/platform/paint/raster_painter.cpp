// Drawing into a picture in memory: rectangles, lines, ellipses, pictures and
// text with the fonts of font_faces.h.
#include "platform/paint/raster_painter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace paint {

using win::Rect;
using win::Rgba;

namespace {

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

std::vector<std::wstring> splitLines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (wchar_t ch : text) {
        if (ch == L'\n')
            lines.emplace_back();
        else if (ch != L'\r')
            lines.back() += ch;
    }
    return lines;
}

std::uint32_t pack(Rgba c) {
    // Bytes R, G, B, A in memory order.
    const std::uint8_t bytes[4] = {c.r, c.g, c.b, 255};
    std::uint32_t v;
    std::memcpy(&v, bytes, 4);
    return v;
}

Rgba unpack(std::uint32_t v) {
    std::uint8_t bytes[4];
    std::memcpy(bytes, &v, 4);
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

} // namespace

RasterPainter::RasterPainter(int width, int height, int scale, Rgba background, Fonts& fonts)
    : width_(std::clamp(width, 1, 16384 / std::clamp(scale, 1, 8)) * std::clamp(scale, 1, 8)),
      height_(std::clamp(height, 1, 16384 / std::clamp(scale, 1, 8)) * std::clamp(scale, 1, 8)),
      px_(static_cast<size_t>(width_) * static_cast<size_t>(height_), pack(background)),
      scale_(std::clamp(scale, 1, 8)), fonts_(fonts) {
    clips_.push_back({0, 0, width_, height_});
}

win::Bitmap RasterPainter::picture() const {
    win::Bitmap b(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            b.setPixel(x, y, unpack(px_[static_cast<size_t>(y) * static_cast<size_t>(width_) +
                                        static_cast<size_t>(x)]));
    return b;
}

Rect RasterPainter::device(const Rect& r) const {
    const int s = scale_;
    return intersect({r.left * s, r.top * s, r.right * s, r.bottom * s}, clips_.back());
}

void RasterPainter::pushClip(const Rect& r) {
    clips_.push_back(device(r));
}

void RasterPainter::popClip() {
    if (clips_.size() > 1) clips_.pop_back();
}

void RasterPainter::fillDevice(const Rect& d, Rgba color) {
    if (d.width() <= 0 || d.height() <= 0) return;
    if (color.a == 255) {
        const std::uint32_t v = pack(color);
        for (int y = d.top; y < d.bottom; ++y) {
            std::uint32_t* row = px_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
            std::fill(row + d.left, row + d.right, v);
        }
        return;
    }
    for (int y = d.top; y < d.bottom; ++y)
        for (int x = d.left; x < d.right; ++x)
            blend(x, y, color, color.a);
}

void RasterPainter::fillRect(const Rect& r, Rgba color) {
    fillDevice(device(r), color);
}

void RasterPainter::blend(int x, int y, Rgba color, int coverage) {
    const Rect& clip = clips_.back();
    if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom || coverage <= 0)
        return;
    std::uint32_t& px = px_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    if (coverage >= 255) {
        px = pack(color);
        return;
    }
    const Rgba old = unpack(px);
    auto mix = [coverage](int a, int b) {
        return static_cast<std::uint8_t>((a * (255 - coverage) + b * coverage + 127) / 255);
    };
    px = pack({mix(old.r, color.r), mix(old.g, color.g), mix(old.b, color.b), 255});
}

void RasterPainter::line(win::Point from, win::Point to, Rgba color) {
    // Steps along the longer axis, each point a scale x scale square.
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    for (int i = 0; i <= steps; ++i) {
        const int x = steps == 0 ? from.x : from.x + ((to.x - from.x) * i * 2 + steps) / (2 * steps);
        const int y = steps == 0 ? from.y : from.y + ((to.y - from.y) * i * 2 + steps) / (2 * steps);
        fillRect({x, y, x + 1, y + 1}, color);
    }
}

void RasterPainter::fillEllipse(const Rect& r, Rgba color) {
    const int s = scale_;
    const Rect full{r.left * s, r.top * s, r.right * s, r.bottom * s};
    const double rx = full.width() / 2.0, ry = full.height() / 2.0;
    if (rx <= 0 || ry <= 0) return;
    const double cx = full.left + rx, cy = full.top + ry;
    for (int y = full.top; y < full.bottom; ++y) {
        const double fy = (y + 0.5 - cy) / ry;
        if (fy * fy > 1) continue;
        for (int x = full.left; x < full.right; ++x) {
            const double fx = (x + 0.5 - cx) / rx;
            if (fx * fx + fy * fy <= 1.0) blend(x, y, color, 255);
        }
    }
}

void RasterPainter::drawBitmap(const Rect& dest, const win::Bitmap& bitmap) {
    if (bitmap.isNull()) return;
    const int s = scale_;
    const Rect full{dest.left * s, dest.top * s, dest.right * s, dest.bottom * s};
    const Rect d = device(dest);
    if (full.width() <= 0 || full.height() <= 0) return;
    for (int y = d.top; y < d.bottom; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y - full.top) * bitmap.height() /
                                        full.height());
        for (int x = d.left; x < d.right; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x - full.left) *
                                            bitmap.width() / full.width());
            const Rgba px = bitmap.pixel(sx, sy);
            blend(x, y, px, px.a);
        }
    }
}

Fonts::Key RasterPainter::keyOf(const win::PaintFont& font) const {
    return fonts_.key({font.face, font.pixels * scale_, font.bold, font.italic});
}

int RasterPainter::width(const std::wstring& text, Fonts::Key key) {
    int w = 0;
    for (wchar_t ch : text)
        w += fonts_.glyph(key, static_cast<char32_t>(ch)).advance;
    return w;
}

int RasterPainter::textWidth(const std::wstring& text, const win::PaintFont& font) {
    return (width(text, keyOf(font)) + scale_ - 1) / scale_;
}

int RasterPainter::lineHeight(const win::PaintFont& font) {
    return (fonts_.lineHeight(keyOf(font)) + scale_ - 1) / scale_;
}

void RasterPainter::drawLine(const std::wstring& text, int x, int baseline, Fonts::Key key,
                             Rgba color, const Rect& clip, bool underline) {
    const int start = x;
    for (wchar_t ch : text) {
        const Glyph& g = fonts_.glyph(key, static_cast<char32_t>(ch));
        const int gx = x + g.left, gy = baseline - g.top;
        if (gx < clip.right && gx + g.width > clip.left && gy < clip.bottom &&
            gy + g.height > clip.top) {
            for (int row = 0; row < g.height; ++row)
                for (int col = 0; col < g.width; ++col) {
                    const int px = gx + col, py = gy + row;
                    if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom)
                        continue;
                    blend(px, py, color, g.coverage[static_cast<size_t>(row * g.width + col)]);
                }
        }
        x += g.advance;
    }
    if (underline) {
        fillDevice(intersect({start, baseline + 1, x, baseline + 1 + scale_}, clip), color);
    }
}

void RasterPainter::drawText(const Rect& box, const std::wstring& text,
                             const win::PaintFont& font, Rgba color, unsigned flags) {
    if (text.empty()) return;
    const Fonts::Key key = keyOf(font);
    const int s = scale_;
    const Rect full{box.left * s, box.top * s, box.right * s, box.bottom * s};
    const Rect clip = intersect(full, clips_.back());
    if (clip.width() <= 0 || clip.height() <= 0) return;

    // The lines: the text's own, each broken at spaces to the box's width.
    std::vector<std::wstring> lines;
    for (const std::wstring& own : splitLines(text)) {
        if ((flags & win::TextWrap) == 0 || width(own, key) <= full.width()) {
            lines.push_back(own);
            continue;
        }
        std::wstring current;
        size_t pos = 0;
        while (pos < own.size()) {
            size_t next = own.find(L' ', pos);
            if (next == std::wstring::npos) next = own.size();
            const std::wstring word = own.substr(pos, next - pos);
            const std::wstring candidate = current.empty() ? word : current + L" " + word;
            if (!current.empty() && width(candidate, key) > full.width()) {
                lines.push_back(current);
                current = word;
            } else {
                current = candidate;
            }
            pos = next + 1;
        }
        lines.push_back(current);
    }
    if ((flags & win::TextEllipsis) != 0 && lines.size() == 1 &&
        width(lines[0], key) > full.width()) {
        std::wstring& l = lines[0];
        while (!l.empty() && width(l + L"...", key) > full.width())
            l.pop_back();
        l += L"...";
    }

    const int lh = fonts_.lineHeight(key);
    const int ascent = fonts_.ascent(key);
    const int total = lh * static_cast<int>(lines.size());
    int y = full.top;
    if ((flags & win::TextMiddle) != 0) y = full.top + (full.height() - total) / 2;
    if ((flags & win::TextBottom) != 0) y = full.bottom - total;
    // A single line never starts above the box: its top is what is read.
    if (lines.size() == 1) y = std::max(y, full.top - (lh - ascent) / 2);
    for (const std::wstring& l : lines) {
        if (y >= clip.bottom) break;
        int x = full.left;
        if ((flags & (win::TextCenter | win::TextRight)) != 0) {
            const int w = width(l, key);
            x = (flags & win::TextRight) != 0 ? full.right - w : full.left + (full.width() - w) / 2;
        }
        drawLine(l, x, y + ascent, key, color, clip, font.underline);
        y += lh;
    }
}

} // namespace paint
