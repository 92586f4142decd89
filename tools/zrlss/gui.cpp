// The Qt back end behind `zrlss dialog --gui`, when built with it.
#include "gui.h"

#include "command.h"

#if ZRLSS_WITH_QT
#include "platform/qt/qt_backend.h"

#include <QApplication>
#include <QGuiApplication>
#endif

namespace zrlss {

#if ZRLSS_WITH_QT

namespace {

class QtSession final : public GuiSession {
public:
    QtSession() : app_(argc_, argv_), scope_(backend_) {}

private:
    int argc_ = 1;
    char name_[6] = "zrlss";
    char* argv_[2] = {name_, nullptr};
    QApplication app_;
    qtback::QtBackend backend_;
    win::BackendScope scope_;
};

} // namespace

std::unique_ptr<GuiSession> startGui() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        throw Failure{"--gui: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen)"};
    return std::make_unique<QtSession>();
}

#else

std::unique_ptr<GuiSession> startGui() {
    throw Failure{"--gui: this zrlss was built without the Qt back end (-DZRLSS_QT=ON)"};
}

#endif

} // namespace zrlss
