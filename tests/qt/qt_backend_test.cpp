// The Qt back end without a display (QT_QPA_PLATFORM=offscreen): a dialog
// opened through the dialog driver is worked through real Qt mouse and key
// events, and the record that comes back shows what the events did.
#include "dialog_run.h"
#include "frame/library_instance.h"
#include "platform/host/host_state.h"
#include "platform/qt/qt_backend.h"
#include "platform/win/win.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Qt and its font and display libraries keep allocations until the process
// ends; they are not the module's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libdbus\n";
}

namespace {

using nlohmann::json;

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

// The centre of a control of the dialog window, in the widget's coordinates.
QPoint centre(const win::Window& dialog, int id) {
    const win::Rect r = dialog.descendant(id)->rect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class QtBackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app();
        static const int attached = zrlss::attachLibrary(win::registerModule(L"qt-tests"));
        ASSERT_EQ(attached, 1);
    }
    void SetUp() override { host::resetHostState(); }

    // Runs a dialog on screen; `work` gets the dialog and its window once the
    // dialog waits for its user.
    dialogs::DialogRun run(const std::string& name, const std::string& record,
                           std::function<void(win::Window&, QWidget&)> work) {
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
};

TEST_F(QtBackendTest, TypingAndClickingThroughQtEventsComeBackInTheRecord) {
    const dialogs::DialogRun r =
        run("levels", R"({"levels": [{"name": "Roof", "value": 1}]})", [](win::Window& dlg, QWidget& w) {
            // Click into the value edit (caret at the end), erase and type.
            QTest::mouseClick(&w, Qt::LeftButton, {}, centre(dlg, 1001));
            for (int i = 0; i < 8; ++i)
                QTest::keyClick(&w, Qt::Key_Backspace);
            QTest::keyClicks(&w, "7.5");
            QTest::mouseClick(&w, Qt::LeftButton, {}, centre(dlg, win::IDOK));
        });
    ASSERT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.result, true);
    EXPECT_EQ(r.record["levels"][0]["value"], 7.5) << r.record.dump();
}

TEST_F(QtBackendTest, EscapeAndTheCloseBoxCancel) {
    const std::string record = R"({"levels": [{"name": "Roof", "value": 1}]})";
    dialogs::DialogRun r = run("levels", record, [](win::Window& dlg, QWidget& w) {
        QTest::mouseClick(&w, Qt::LeftButton, {}, centre(dlg, 1001));
        QTest::keyClicks(&w, "9");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    ASSERT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.result, false);
    EXPECT_EQ(r.record["levels"][0]["value"], 1);

    r = run("levels", record, [](win::Window&, QWidget& w) { w.close(); });
    EXPECT_EQ(r.result, false);
}

} // namespace
