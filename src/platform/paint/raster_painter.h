// A painter that draws into a picture in memory, at a whole-number scale:
// every coordinate and font size is multiplied by it, so a picture at scale
// 2 is sharp on a dense screen.
#pragma once

#include "platform/paint/font_faces.h"
#include "platform/win/paint.h"

#include <cstdint>
#include <vector>

namespace paint {

class RasterPainter final : public win::Painter {
public:
    // A picture of width x height (in unscaled pixels) filled with `background`.
    RasterPainter(int width, int height, int scale = 1,
                  win::Rgba background = win::colors::face, Fonts& fonts = Fonts::shared());

    // The picture drawn so far (a copy).
    win::Bitmap picture() const;
    // Its pixels, 4 bytes each (R, G, B, A), rows from the top; every pixel
    // is opaque.
    const std::uint8_t* rgba() const { return reinterpret_cast<const std::uint8_t*>(px_.data()); }
    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }

    void fillRect(const win::Rect& r, win::Rgba color) override;
    void line(win::Point from, win::Point to, win::Rgba color) override;
    void fillEllipse(const win::Rect& r, win::Rgba color) override;
    void drawBitmap(const win::Rect& dest, const win::Bitmap& bitmap) override;
    void drawText(const win::Rect& box, const std::wstring& text, const win::PaintFont& font,
                  win::Rgba color, unsigned flags) override;
    int textWidth(const std::wstring& text, const win::PaintFont& font) override;
    int lineHeight(const win::PaintFont& font) override;
    void pushClip(const win::Rect& r) override;
    void popClip() override;

private:
    // Scaled device rectangle, cut to the clip.
    win::Rect device(const win::Rect& r) const;
    void blend(int x, int y, win::Rgba color, int coverage);
    void fillDevice(const win::Rect& d, win::Rgba color);
    Fonts::Key keyOf(const win::PaintFont& font) const;
    // Width in device pixels.
    int width(const std::wstring& text, Fonts::Key key);
    void drawLine(const std::wstring& text, int x, int baseline, Fonts::Key key, win::Rgba color,
                  const win::Rect& clip, bool underline);

    int width_, height_;
    std::vector<std::uint32_t> px_;
    int scale_;
    Fonts& fonts_;
    std::vector<win::Rect> clips_; // device pixels
};

} // namespace paint
