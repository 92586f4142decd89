#include "qt_app.h"

#include "frame/library_instance.h"
#include "platform/qt/qt_backend.h"
#include "platform/win/win.h"

#include <QApplication>
#include <QTimer>

// Qt and its font and display libraries keep allocations until the process
// ends; they are not the module's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libdbus\n";
}

namespace qtapp {

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: destroying it among the exit handlers
    // finds Qt's thread storage gone.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

} // namespace

bool prepare() {
    app();
    static const int attached = zrlss::attachLibrary(win::registerModule(L"qt-tests"));
    return attached == 1;
}

dialogs::DialogRun runOnScreen(const std::string& name, const std::string& record,
                               const std::function<void(win::Window&, QWidget&)>& work) {
    qtback::QtBackend backend;
    win::BackendScope scope(backend);
    bool worked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        win::Window* focus = win::Window::focus();
        win::Window* dialog = focus ? focus->topLevel() : nullptr;
        QWidget* widget = dialog ? backend.widgetOf(*dialog) : nullptr;
        if (worked || !widget || !widget->isVisible()) return;
        worked = true;
        work(*dialog, *widget);
    });
    poll.start(10);
    return dialogs::runDialog({name, record, std::nullopt, {}});
}

} // namespace qtapp
