// Basic types of the windowing layer: the export marker, message parameter
// types and the geometry every window uses.
//
// Coordinates are pixels. A window's rectangle is given in its parent's client
// coordinates (for a top-level window: screen coordinates). Rectangles are
// half-open: `right` and `bottom` lie just outside.
#pragma once

#include <cstdint>

// Everything this library offers is marked so that it stays visible to
// libraries built with hidden visibility.
#define ZRLWIN_API __attribute__((visibility("default")))

namespace win {

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Size size() const { return {width(), height()}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Packing of two 16-bit halves into message parameters, as the messages of
// this layer use them (WM_COMMAND: low = control id, high = notification
// code; WM_SIZE and mouse messages: low = x or width, high = y or height).
constexpr WPARAM makeWParam(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM makeLParam(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>(
        (static_cast<unsigned>(low) & 0xFFFFu) | ((static_cast<unsigned>(high) & 0xFFFFu) << 16)));
}
constexpr unsigned loWord(std::uintptr_t v) {
    return static_cast<unsigned>(v & 0xFFFFu);
}
constexpr unsigned hiWord(std::uintptr_t v) {
    return static_cast<unsigned>((v >> 16) & 0xFFFFu);
}
// Signed halves, for coordinates that may be negative.
constexpr int loSigned(std::intptr_t v) {
    return static_cast<std::int16_t>(v & 0xFFFF);
}
constexpr int hiSigned(std::intptr_t v) {
    return static_cast<std::int16_t>((v >> 16) & 0xFFFF);
}

} // namespace win
