// The parts of the pictures: PNG bytes that read back as drawn, text that
// wraps, ends with an ellipsis and stays in its clip, and grid cells that
// show their colours, locks, selection and spans.
#include "grid/zrl_spread.h"
#include "platform/core/button_st.h"
#include "pictures.h"
#include "platform/paint/font_faces.h"
#include "platform/paint/png_file.h"
#include "platform/paint/raster_painter.h"
#include "platform/win/paint.h"
#include "platform/win/win.h"

#include <gtest/gtest.h>

namespace {

using win::Rect;
using win::Rgba;

int inkIn(const win::Bitmap& b, const Rect& r, Rgba background) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += b.pixel(x, y) == background ? 0 : 1;
    return n;
}

// Registers a dialog template of one module for a picture test.
void registerPictureTemplate(const wchar_t* module, int id, int width, int height,
                             std::vector<win::ControlTemplate> controls) {
    win::DialogTemplate t;
    t.id = id;
    t.width = width;
    t.height = height;
    t.controls = std::move(controls);
    win::registerTemplate(win::registerModule(module), t);
}

TEST(PngFile, ReadsBackAsDrawn) {
    // Odd sizes, one row, one column; opaque (RGB) and with alpha (RGBA).
    const struct {
        int w, h;
        std::uint8_t alpha;
    } cases[] = {{1, 1, 255}, {7, 3, 255}, {1, 9, 255}, {13, 1, 255}, {5, 4, 128}};
    for (const auto& c : cases) {
        win::Bitmap b(c.w, c.h);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                b.setPixel(x, y, {static_cast<std::uint8_t>(x * 37), static_cast<std::uint8_t>(y * 91),
                                  static_cast<std::uint8_t>((x + y) * 13), c.alpha});
        const std::vector<std::uint8_t> png = paint::encodePng(b);
        const auto back = win::Bitmap::fromBytes(png);
        ASSERT_TRUE(back) << c.w << "x" << c.h;
        EXPECT_EQ(*back, b) << c.w << "x" << c.h;
    }
    EXPECT_TRUE(paint::encodePng(win::Bitmap()).empty());
}

TEST(RasterText, WrapsEndsWithEllipsisAndKeepsToItsClip) {
    ASSERT_TRUE(paint::Fonts::shared().fontsFound()) << "scripts/setup.sh installs the fonts";
    const win::PaintFont font;
    const Rgba white = win::rgb(255, 255, 255), black = win::rgb(0, 0, 0);
    paint::RasterPainter p(200, 60, 1, white);
    const std::wstring text = L"Several words that need more than one line";
    const int lh = p.lineHeight(font);
    const int full = p.textWidth(text, font);
    ASSERT_GT(full, 100);

    // Wrapped into a box half as wide: ink on the second line, none right
    // of the box.
    p.drawText({0, 0, full / 2, 3 * lh}, text, font, black, win::TextWrap);
    win::Bitmap b = p.picture();
    EXPECT_GT(inkIn(b, {0, lh, full / 2, 2 * lh}, white), 0);
    EXPECT_EQ(inkIn(b, {full / 2, 0, 200, 3 * lh}, white), 0);

    // Cut with an ellipsis: the three dots end inside the box.
    paint::RasterPainter q(200, 20, 1, white);
    q.drawText({0, 0, 60, lh}, text, font, black, win::TextEllipsis);
    b = q.picture();
    EXPECT_GT(inkIn(b, {50, 0, 60, lh}, white), 0);
    EXPECT_EQ(inkIn(b, {60, 0, 200, 20}, white), 0);

    // Nested clips: only their intersection takes ink; popping restores.
    paint::RasterPainter r(40, 40, 1, white);
    r.pushClip({0, 0, 20, 40});
    r.pushClip({10, 0, 40, 20});
    r.fillRect({0, 0, 40, 40}, black);
    r.popClip();
    r.popClip();
    r.fillRect({30, 30, 40, 40}, black);
    b = r.picture();
    EXPECT_EQ(inkIn(b, {10, 0, 20, 20}, white), 200);
    EXPECT_EQ(inkIn(b, {0, 0, 40, 40}, white), 300);

    // A character the text face lacks comes from the fallback face.
    EXPECT_GT(p.textWidth(L"\x25CF", font), 0);
}

enum : int { IDD_GRID_PICTURE = 4300, IDC_GRID = 50 };

TEST(GridPicture, CellsShowTheirColoursLocksSelectionAndSpans) {
    using namespace win;
    registerPictureTemplate(L"grid-picture", IDD_GRID_PICTURE, 200, 100,
                            {{IDC_GRID, ControlKind::Placeholder, {0, 0, 200, 100}, 0, L""}});
    Dialog dlg;
    ASSERT_TRUE(dlg.create(IDD_GRID_PICTURE));
    Zrl_Spread grid;
    ASSERT_TRUE(grid.createInPlaceOf(&dlg, IDC_GRID, true));
    grid.show(true);
    grid.setLook(1);
    grid.setMaxCols(3);
    grid.setMaxRows(4);
    grid.setColorRange(2, 2, 2, 2, 0x0000FF, 0); // red (0x00BBGGRR)
    grid.setLockRange(1, 4, 1, 4, true);
    grid.setActiveCell(3, 3);
    grid.addSpan(1, 1, 2, 1);
    grid.setColorRange(1, 1, 1, 1, 0x00FF00, 0); // green, over two columns

    const spread::Sheet& s = grid.sheet();
    auto left = [&](int col) {
        int x = grid.rect().left + s.colWidthPixels(0);
        for (int c = 1; c < col; ++c)
            x += s.colWidthPixels(c);
        return x;
    };
    auto top = [&](int row) {
        int y = grid.rect().top + s.rowHeightPixels(0);
        for (int r = 1; r < row; ++r)
            y += s.rowHeightPixels(r);
        return y;
    };
    const dialogs::GridPainterScope grids;
    paint::RasterPainter p(dlg.clientRect().width(), dlg.clientRect().height());
    paintTree(dlg, p);
    const Bitmap b = p.picture();
    auto at = [&](int col, int row, int dx = 3) { return b.pixel(left(col) + dx, top(row) + 3); };
    EXPECT_EQ(at(2, 2), rgb(255, 0, 0));
    EXPECT_EQ(at(1, 4), rgb(0xE6, 0xE6, 0xE6));         // locked
    EXPECT_EQ(at(3, 3, 4), rgb(0x0A, 0x24, 0x6A));      // active, selected
    EXPECT_EQ(at(2, 1, -1), rgb(0, 255, 0));            // no line inside the span
    EXPECT_NE(at(2, 2, -1), at(2, 2));                  // a line between cells
    EXPECT_EQ(at(1, 2), colors::window);
}

enum : int { IDD_LIST_PICTURE = 4301, IDC_REPORT = 51, IDC_BARE = 52, IDC_THUMBS = 53 };

TEST(ListViewPicture, HeadingsAreDrawnAndNoItemIsHitThroughThem) {
    using namespace win;
    registerPictureTemplate(
        L"list-picture", IDD_LIST_PICTURE, 200, 300,
        {{IDC_REPORT, ControlKind::ListView, {0, 0, 200, 100}, LVS_REPORT, L""},
         {IDC_BARE, ControlKind::ListView, {0, 100, 200, 200}, LVS_REPORT | LVS_NOCOLUMNHEADER, L""},
         {IDC_THUMBS, ControlKind::ListView, {0, 200, 200, 300}, LVS_ICON, L""}});
    Dialog dlg;
    ASSERT_TRUE(dlg.create(IDD_LIST_PICTURE));
    auto* report = dynamic_cast<ListView*>(dlg.child(IDC_REPORT));
    auto* bare = dynamic_cast<ListView*>(dlg.child(IDC_BARE));
    auto* thumbs = dynamic_cast<ListView*>(dlg.child(IDC_THUMBS));
    ASSERT_TRUE(report && bare && thumbs);
    for (ListView* v : {report, bare}) {
        v->insertColumn(0, L"Name", 70);
        v->insertColumn(1, L"Value", 0);
    }
    for (int i = 0; i < 3; ++i)
        for (ListView* v : {report, bare, thumbs})
            v->insertItem(i, L"Item " + std::to_wstring(i));

    paint::RasterPainter p(dlg.clientRect().width(), dlg.clientRect().height());
    const int lh = p.lineHeight(PaintFont{});
    const struct {
        ListView* view;
        Point at;
        int item;
    } cases[] = {
        {report, {10, 3}, -1},              // on the heading
        {report, {10, lh + 8}, 0},          // just under it
        {report, {150, lh + 8 + 2 * (lh + 2)}, 2},
        {report, {10, 95}, -1},             // below the items
        {bare, {10, 3}, 0},                 // no heading: the first item
        {thumbs, {32 + 16 + 4, 10}, 1},     // the second thumbnail of the row
        {thumbs, {10, 95}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listViewItemAt(*c.view, p, c.at), c.item) << c.at.x << "," << c.at.y;

    paintTree(dlg, p);
    const Bitmap b = p.picture();
    // The heading row: the face colour with the headings' ink, and a rule at
    // the first column's right edge.
    EXPECT_EQ(b.pixel(150, 2), colors::face);
    EXPECT_GT(inkIn(b, {2, 1, 70, lh + 5}, colors::face), 0);
    EXPECT_GT(inkIn(b, {72, 1, 150, lh + 5}, colors::face), 0);
    EXPECT_EQ(b.pixel(70, lh / 2 + 2), colors::shadow);
}

enum : int { IDD_ICON_PICTURE = 4302, IDC_ICON_BUTTON = 54 };

TEST(IconButtonPicture, ShowsTheIconFromTheResourcesElseItsText) {
    using namespace win;
    registerPictureTemplate(L"icon-picture", IDD_ICON_PICTURE, 60, 30,
                            {{IDC_ICON_BUTTON, ControlKind::Button, {0, 0, 60, 30}, BS_PUSHBUTTON, L"Up"}});
    const Rgba iconInk = rgb(40, 40, 40); // the ink of the arrow pictures
    const struct {
        int icon;
        bool picture;
    } cases[] = {{257, true}, {9999, false}, {0, false}};
    for (const auto& c : cases) {
        Dialog dlg;
        ASSERT_TRUE(dlg.create(IDD_ICON_PICTURE));
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(IDC_ICON_BUTTON, &dlg));
        button.SetIcon(c.icon);
        EXPECT_EQ(button.button()->icon(), ResourceId(c.icon));
        paint::RasterPainter p(60, 30);
        paintTree(dlg, p);
        const Bitmap b = p.picture();
        int icon = 0, text = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                const Rgba px = b.pixel(x, y);
                icon += px == iconInk;
                text += px != iconInk && px.r < 128; // the label's dark, smoothed ink
            }
        EXPECT_EQ(icon > 10, c.picture) << c.icon;
        EXPECT_EQ(text > 0, !c.picture) << c.icon;
    }
}

} // namespace
