#include "platform/win/static_control.h"

namespace win {

void Picture::setBitmap(const Bitmap& bitmap) {
    bitmap_ = std::make_unique<Bitmap>(bitmap);
    invalidate();
}

void Picture::clearBitmap() {
    bitmap_.reset();
    invalidate();
}

} // namespace win
