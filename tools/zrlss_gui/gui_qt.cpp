// The Qt back end of `zrlss dialog --gui` as a plug-in of the command: Qt is
// loaded only when a dialog is shown on screen, so that every other run of
// the command starts without it. The command finds the plug-in by its one C
// entry, zrlss_gui_start.
#include "gui.h"

#include "platform/qt/qt_backend.h"

#include <QApplication>

namespace {

class QtSession final : public zrlss::GuiSession {
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

// The toolkit started with the back end installed until the session is
// deleted; null when it cannot be started.
extern "C" __attribute__((visibility("default"))) zrlss::GuiSession* zrlss_gui_start() {
    try {
        return new QtSession();
    } catch (...) {
        return nullptr;
    }
}
