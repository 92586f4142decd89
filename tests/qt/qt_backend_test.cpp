// The Qt back end without a display (QT_QPA_PLATFORM=offscreen): a dialog
// opened through the dialog driver is worked through real Qt mouse and key
// events, and the record that comes back shows what the events did.
#include "dialog_run.h"
#include "platform/qt/qt_backend.h"
#include "platform/win/win.h"
#include "qt_app.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Qt and its font and display libraries keep allocations until the process
// ends; they are not the module's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libdbus\n";
}

namespace {

// The centre of a control of the dialog window, in the widget's coordinates.
QPoint centre(const win::Window& dialog, int id) {
    const win::Rect r = dialog.descendant(id)->rect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class QtBackendTest : public qtapp::QtTest {
protected:
    static constexpr auto run = qtapp::runOnScreen;
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

namespace {

// A drop target that answers Copy and keeps what came.
struct RecordingTarget final : win::DropTarget {
    int enters = 0, leaves = 0, drops = 0;
    std::wstring text;
    std::vector<std::wstring> files;
    win::Point at{};
    std::uint32_t dragEnter(win::Window&, const win::DataObject&, win::KeyState, win::Point) override {
        return ++enters, win::DROPEFFECT_COPY;
    }
    std::uint32_t dragOver(win::Window&, const win::DataObject&, win::KeyState, win::Point) override {
        return win::DROPEFFECT_COPY;
    }
    void dragLeave(win::Window&) override { ++leaves; }
    std::uint32_t drop(win::Window&, const win::DataObject& d, std::uint32_t e, win::Point p) override {
        text = d.text().value_or(L"");
        files = d.files();
        at = p;
        return ++drops, e;
    }
};

TEST_F(QtBackendTest, DragsFollowThePointerToTheDropTargetUnderIt) {
    enum End { Drop, Elsewhere, Escape, NoMove };
    const struct {
        const char* name;
        End end;
        std::uint32_t effect;
        int enters, leaves, drops;
    } cases[] = {
        {"released over the target", Drop, win::DROPEFFECT_COPY, 1, 0, 1},
        {"released beside it", Elsewhere, win::DROPEFFECT_NONE, 1, 1, 0},
        {"Escape", Escape, win::DROPEFFECT_NONE, 1, 1, 0},
        {"a click is no drag", NoMove, win::DROPEFFECT_NONE, 0, 0, 0},
    };
    for (const auto& c : cases) {
        RecordingTarget target;
        std::uint32_t effect = 99;
        QPoint targetCentre;
        win::Rect okRect;
        run("levels", R"({"levels": [{"name": "Roof", "value": 1}]})", [&](win::Window& dlg, QWidget& w) {
            win::Window& ok = *dlg.descendant(win::IDOK);
            okRect = ok.rect();
            win::registerDropTarget(ok, &target);
            const QPoint from = centre(dlg, 1001);
            targetCentre = centre(dlg, win::IDOK);
            const QPoint beside = centre(dlg, win::IDCANCEL);
            QTest::mousePress(&w, Qt::LeftButton, {}, from);
            QTimer::singleShot(0, [&] {
                if (c.end == NoMove) {
                    QTest::mouseRelease(&w, Qt::LeftButton, {}, from);
                    return;
                }
                QTest::mouseMove(&w, (from + targetCentre) / 2);
                QTest::mouseMove(&w, targetCentre);
                if (c.end == Escape) {
                    QTest::keyClick(&w, Qt::Key_Escape);
                    QTest::mouseRelease(&w, Qt::LeftButton, {}, targetCentre);
                    return;
                }
                const QPoint end = c.end == Drop ? targetCentre : beside;
                QTest::mouseMove(&w, end);
                QTest::mouseRelease(&w, Qt::LeftButton, {}, end);
            });
            win::DataObject data;
            data.setText(L"PlateT");
            effect = win::doDragDrop(data, win::DROPEFFECT_COPY | win::DROPEFFECT_MOVE);
            win::revokeDropTarget(ok);
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        EXPECT_TRUE(effect == c.effect && target.enters == c.enters && target.leaves == c.leaves &&
                    target.drops == c.drops)
            << c.name << ": effect " << effect << ", " << target.enters << " enters, "
            << target.leaves << " leaves, " << target.drops << " drops";
        if (c.drops == 0) continue;
        EXPECT_EQ(target.text, L"PlateT");
        // The point in the target's own client coordinates.
        EXPECT_TRUE(target.at.x == targetCentre.x() - okRect.left &&
                    target.at.y == targetCentre.y() - okRect.top);
    }
}

} // namespace

namespace {

TEST_F(QtBackendTest, DropsFromOtherProgramsReachTheDropTargetUnderThePointer) {
    const struct {
        const char* name;
        QString text;
        QString file;
        bool onTarget;
        std::wstring gotText, gotFile;
    } cases[] = {
        {"text", "HEA 200", {}, true, L"HEA 200", {}},
        {"a file, as its path", {}, "/tmp/bolts.csv", true, {}, L"/tmp/bolts.csv"},
        {"beside the target", "HEA 200", {}, false, {}, {}},
    };
    for (const auto& c : cases) {
        RecordingTarget target;
        bool accepted = false;
        run("levels", R"({"levels": [{"name": "Roof", "value": 1}]})", [&](win::Window& dlg, QWidget& w) {
            win::registerDropTarget(*dlg.descendant(win::IDOK), &target);
            QMimeData mime;
            if (!c.text.isEmpty()) mime.setText(c.text);
            if (!c.file.isEmpty()) mime.setUrls({QUrl::fromLocalFile(c.file)});
            const QPoint at = centre(dlg, c.onTarget ? win::IDOK : win::IDCANCEL);
            const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(&w, &enter);
            QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(&w, &move);
            QDropEvent drop(at, actions, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(&w, &drop);
            accepted = drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
            win::revokeDropTarget(*dlg.descendant(win::IDOK));
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        EXPECT_EQ(accepted, c.onTarget) << c.name;
        EXPECT_EQ(target.drops, c.onTarget ? 1 : 0) << c.name;
        EXPECT_EQ(target.text, c.gotText) << c.name;
        EXPECT_EQ(target.files, c.gotFile.empty() ? std::vector<std::wstring>{}
                                                  : std::vector<std::wstring>{c.gotFile})
            << c.name;
    }
}

} // namespace
