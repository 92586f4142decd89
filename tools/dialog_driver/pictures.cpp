// The picture back end of a dialog run.
#include "pictures.h"

#include "platform/core/zrl_string.h"
#include "platform/paint/png_file.h"
#include "platform/paint/raster_painter.h"
#include "platform/win/dialog.h"
#include "platform/win/paint.h"

namespace dialogs {

std::vector<std::uint8_t> pngOf(const win::Window& window, int scale) {
    const GridPainterScope grids;
    const win::Size size = win::framedSize(window);
    paint::RasterPainter painter(size.cx, size.cy, scale);
    win::paintFramed(window, painter);
    return paint::encodePng(painter.width(), painter.height(), painter.rgba());
}

void PictureBackend::windowEvent(win::Window& window, win::WindowEvent event) {
    next().windowEvent(window, event);
    // The first dialog that is not a page inside another dialog is the one
    // the run is about (a docked dialog sits in a bar of the main window).
    if (!dynamic_cast<const win::Dialog*>(&window)) return;
    for (const win::Window* up = window.parent(); up; up = up->parent())
        if (dynamic_cast<const win::Dialog*>(up)) return;
    if (event == win::WindowEvent::Created && first_ == 0) first_ = window.handle();
    if (event == win::WindowEvent::Destroying && window.handle() == first_ && !png_)
        take(window);
}

void PictureBackend::finish() {
    if (png_) return;
    if (const win::Window* w = win::Window::fromHandle(first_)) take(*w);
}

void PictureBackend::take(const win::Window& window) {
    png_ = pngOf(window, scale_);
    paint::RasterPainter metrics(1, 1, 1);
    for (const win::CutText& cut : win::cutButtonTexts(window, metrics))
        faults_.push_back("button " + std::to_string(cut.id) + " \"" +
                          Zrl_String(cut.text).toUtf8() + "\" is too narrow for its text");
}

} // namespace dialogs
