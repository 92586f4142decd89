// Drawing windows from the state the layer keeps: a picture of a dialog, or
// the contents of a real window.
//
// paintTree walks a window and its visible children in child order (later
// children over earlier ones) and draws each standard control from its
// state: texts, check and selection states, items, enabled look. Windows the
// layer does not know (the module's grid, custom lists) are drawn by the
// custom painters registered with addCustomPainter; one that no painter
// takes is drawn as a plain frame.
//
// A Painter is the surface: coordinates are pixels of the window drawn,
// (0, 0) at its client area's top left; text is drawn with real fonts by the
// painter. Painters clip to a stack of rectangles and never draw outside the
// top one.
//
// Only the painters, the picture tools and the windows that paint
// themselves include this header.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

class ListBox;
class ListView;
class Window;

struct PaintFont {
    // A face name as the program gives it ("MS Shell Dlg", "Tahoma",
    // "Courier New"); the painter maps it to a font it has.
    std::wstring face = L"MS Shell Dlg";
    int pixels = 11; // em height
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Text placement in its box; one of each group.
enum TextFlags : unsigned {
    TextLeft = 0,
    TextCenter = 1,
    TextRight = 2,
    TextTop = 0,
    TextMiddle = 4,
    TextBottom = 8,
    TextWrap = 16,     // break at spaces and line ends
    TextEllipsis = 32, // a single line too long ends with "..."
};

class ZRLWIN_API Painter {
public:
    virtual ~Painter() = default;

    virtual void fillRect(const Rect& r, Rgba color) = 0;
    // A straight line, both ends included.
    virtual void line(Point from, Point to, Rgba color) = 0;
    virtual void fillEllipse(const Rect& r, Rgba color) = 0;
    // The picture scaled into `dest`.
    virtual void drawBitmap(const Rect& dest, const Bitmap& bitmap) = 0;
    // Text clipped to `box`.
    virtual void drawText(const Rect& box, const std::wstring& text, const PaintFont& font,
                          Rgba color, unsigned flags) = 0;
    virtual int textWidth(const std::wstring& text, const PaintFont& font) = 0;
    // Distance between the baselines of two lines.
    virtual int lineHeight(const PaintFont& font) = 0;

    // Clipping: drawing stays inside the intersection of the pushed rectangles.
    virtual void pushClip(const Rect& r) = 0;
    virtual void popClip() = 0;

    // One-pixel outline inside `r`.
    void frameRect(const Rect& r, Rgba color);
    // A sunken (edits, lists) or raised (buttons) three-dimensional border.
    void edge(const Rect& r, bool sunken);
};

// The colours of the pictures: a plain light desktop theme.
namespace colors {
inline constexpr Rgba face = rgb(240, 240, 240);
inline constexpr Rgba window = rgb(255, 255, 255);
inline constexpr Rgba text = rgb(0, 0, 0);
inline constexpr Rgba grayText = rgb(109, 109, 109);
inline constexpr Rgba highlight = rgb(0, 120, 215);
inline constexpr Rgba highlightText = rgb(255, 255, 255);
inline constexpr Rgba light = rgb(255, 255, 255);
inline constexpr Rgba shadow = rgb(160, 160, 160);
inline constexpr Rgba darkShadow = rgb(105, 105, 105);
inline constexpr Rgba border = rgb(122, 122, 122);
inline constexpr Rgba caption = rgb(255, 255, 255);
inline constexpr Rgba captionBorder = rgb(100, 100, 100);
} // namespace colors

// Draws `window` (a window of any kind) into `box`, the window's rectangle
// in the painter's coordinates; true when it did. A plain function, so that
// a painter of a library that is unloaded leaves nothing to destroy.
using CustomPainter = bool (*)(const Window& window, Painter& painter, const Rect& box);
// Custom painters are asked newest first, before the standard controls. A
// library that adds one removes it before it is unloaded; removing takes
// out the newest entry of that painter.
ZRLWIN_API void addCustomPainter(CustomPainter painter);
ZRLWIN_API void removeCustomPainter(CustomPainter painter);

// Draws `root`'s client area and every visible window inside it, with the
// client area's top left at the painter's (0, 0). With `dirty`, only windows
// that meet that rectangle are drawn, clipped to it.
ZRLWIN_API void paintTree(const Window& root, Painter& painter, const Rect* dirty = nullptr);

// The item of a list view under a point of its client area, as paintTree
// draws it (headings, thumbnails and its scroll position included; none on
// its scroll bars); -1 when there is none.
// `metrics` measures the texts.
ZRLWIN_API int listViewItemAt(const ListView& view, Painter& metrics, Point at);
ZRLWIN_API int listBoxItemAt(const ListBox& list, Painter& metrics, Point at);

// The push buttons shown in `root` whose text is too wide for them as
// paintTree draws them (cut with an ellipsis): each as its id and text.
struct CutText {
    int id = 0;
    std::wstring text;
};
ZRLWIN_API std::vector<CutText> cutButtonTexts(const Window& root, Painter& metrics);

// A top-level window as a picture shows it: border and caption bar around
// the client area.
inline constexpr int kFrameBorder = 1;
inline constexpr int kCaptionHeight = 24;
// The size of the whole picture of `root`.
ZRLWIN_API Size framedSize(const Window& root);
// Where a window's client area lies in its whole rectangle: inside the
// border and caption of a window with a caption, else at (0, 0).
ZRLWIN_API Point clientOrigin(const Window& window);
// Draws the frame and caption, then the client area through paintTree.
ZRLWIN_API void paintFramed(const Window& root, Painter& painter);

} // namespace win
