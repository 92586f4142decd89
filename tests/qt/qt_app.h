// What the Qt tests share: the application under Qt's offscreen platform,
// a fixture that prepares it and resets the host, and a registered dialog
// run on screen while test code works in its window through real Qt events.
#pragma once

#include "dialog_run.h"
#include "frame/library_instance.h"
#include "platform/host/host_state.h"
#include "platform/qt/qt_backend.h"
#include "platform/win/win.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace qtapp {

// The application (kept to the end of the process: destroying it among the
// exit handlers finds Qt's thread storage gone) and the module attached.
inline bool prepare() {
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    static const int attached = zrlss::attachLibrary(win::registerModule(L"qt-tests"));
    return app && attached == 1;
}

class QtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(prepare()); }
    void SetUp() override { host::resetHostState(); }
};

// Runs the dialog `name` with `record` under the Qt back end; `work` gets
// the dialog and its window once the dialog waits for its user.
inline dialogs::DialogRun runOnScreen(const std::string& name, const std::string& record,
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
