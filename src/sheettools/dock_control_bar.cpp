#include "sheettools/dock_control_bar.h"

#include "platform/core/dialog_sizes.h"
#include "platform/host/host_windows.h"

#include <algorithm>

bool CAcUiDockControlBar::restoreControlBar(int dockPosition) {
    if (!isCreated()) return false;
    win::Window* frame = parent();
    const win::Rect area = frame ? frame->clientRect() : win::Rect{};
    const win::Rect own = rect();
    // The side spanning the frame keeps the bar's own size when the frame
    // has none.
    const int height = area.height() > 0 ? area.height() : own.height();
    const int width = area.width() > 0 ? area.width() : own.width();
    win::Rect place;
    switch (dockPosition) {
    case kDockLeft:
        if (!(dockingSides_ & kAlignLeft)) return false;
        place = {0, 0, own.width(), height};
        break;
    case kDockRight:
        if (!(dockingSides_ & kAlignRight)) return false;
        place = {width - own.width(), 0, width, height};
        break;
    case kDockTop:
        if (!(dockingSides_ & kAlignTop)) return false;
        place = {0, 0, width, own.height()};
        break;
    case kDockBottom:
        if (!(dockingSides_ & kAlignBottom)) return false;
        place = {0, height - own.height(), width, height};
        break;
    case kFloating: {
        const win::Size size = floatingSize();
        place = {own.left, own.top, own.left + size.cx, own.top + size.cy};
        break;
    }
    default:
        return false;
    }
    dockPosition_ = dockPosition;
    setRect(place);
    show(true);
    return true;
}

CVkDockControlBar::CVkDockControlBar(std::unique_ptr<win::Dialog> dialog,
                                     win::ResourceId resourceId, std::intptr_t callerValue)
    : dialog_(std::move(dialog)), resourceId_(std::move(resourceId)), callerValue_(callerValue) {}

CVkDockControlBar::~CVkDockControlBar() {
    // The dialog lives inside the bar: the window goes before the dialog.
    if (isCreated()) destroy();
    dialog_.reset();
}

bool CVkDockControlBar::create(const Zrl_String& caption, int id) {
    win::Window* frame = acedGetAcadFrame();
    if (!frame || !dialog_ || isCreated()) return false;
    return win::Window::create(kClassName, caption.str(), kBarStyle,
                               {0, 0, kInitialWidth, kInitialHeight}, frame, id);
}

bool CVkDockControlBar::createDocked(const Zrl_String& caption, const std::wstring& toolId,
                                     int id) {
    if (!create(caption, id)) return false;
    setToolID(toolId);
    enableDocking(kAlignAny);
    return restoreControlBar(kDockLeft);
}

bool CVkDockControlBar::onCreate() {
    if (!dialog_ || !dialog_->create(resourceId_, this)) return false;
    const win::Rect dlgRect = dialog_->rect();
    int width = dlgRect.width();
    int height = dlgRect.height();
    getSafeDlgSize(width, height);
    floatingSize_ = {width, height};
    // Docked at a side, the bar is as wide as its dialog, so that nothing of
    // the dialog is cut; the frame gives the other side.
    const win::Rect own = rect();
    setRect({own.left, own.top, own.left + std::max(own.width(), width), own.bottom});
    dialog_->setRect(clientRect());
    return true;
}

void CVkDockControlBar::onSize(int cx, int cy) {
    CAcUiDockControlBar::onSize(cx, cy);
    if (dialog_ && dialog_->isCreated()) dialog_->setRect({0, 0, cx, cy});
}
