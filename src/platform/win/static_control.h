// Static text and picture controls.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/control.h"

#include <memory>

namespace win {

// A text label. Clicking it does nothing.
class ZRLWIN_API StaticText : public Control {
public:
    StaticText() : Control(ControlKind::Static) {}
};

// A picture: shows a bitmap (SS_BITMAP) or an icon (SS_ICON). Setting a
// bitmap repaints it.
class ZRLWIN_API Picture : public Control {
public:
    Picture() : Control(ControlKind::Picture) {}
    void setBitmap(const Bitmap& bitmap);
    void clearBitmap();
    // nullptr when it shows none.
    const Bitmap* bitmap() const { return bitmap_.get(); }

private:
    std::unique_ptr<Bitmap> bitmap_;
};

} // namespace win
