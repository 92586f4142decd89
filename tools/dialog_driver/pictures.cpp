// The picture back end of a dialog run.
#include "pictures.h"

#include "platform/paint/raster_painter.h"
#include "platform/win/dialog.h"
#include "platform/win/paint.h"

namespace dialogs {

win::Bitmap pictureOf(const win::Window& window, int scale) {
    const GridPainterScope grids;
    const win::Size size = win::framedSize(window);
    paint::RasterPainter painter(size.cx, size.cy, scale);
    win::paintFramed(window, painter);
    return painter.picture();
}

void PictureBackend::windowEvent(win::Window& window, win::WindowEvent event) {
    // The first dialog that is a window of its own (not a page) is the one
    // the run is about.
    const auto* dialog = dynamic_cast<const win::Dialog*>(&window);
    if (!dialog || window.parent() != nullptr) return;
    if (event == win::WindowEvent::Created && first_ == 0) first_ = window.handle();
    if (event == win::WindowEvent::Destroying && window.handle() == first_ && !picture_)
        take(window);
}

void PictureBackend::finish() {
    if (picture_) return;
    if (const win::Window* w = win::Window::fromHandle(first_)) take(*w);
}

void PictureBackend::take(const win::Window& window) {
    picture_ = pictureOf(window, scale_);
}

} // namespace dialogs
