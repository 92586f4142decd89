// The module's grid in a Qt window without a display: cells typed into in
// place, moved over with the arrow keys, selected by dragging and scrolled,
// through real Qt events; typing draws only the cell typed into.
#include "grid/zrl_spread.h"
#include "grid_view.h"
#include "qt_app.h"

#include <QPaintEvent>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kGrid = 1196;

Zrl_Spread& gridOf(win::Window& dlg) {
    return *dynamic_cast<Zrl_Spread*>(dlg.descendant(kGrid));
}

// Where a cell is drawn, in the dialog window's coordinates.
QRect cellBox(win::Window& dlg, int col, int row) {
    Zrl_Spread& grid = gridOf(dlg);
    const dialogs::GridScreen* s = dialogs::findGridScreen(grid);
    const dialogs::GridLayout g = dialogs::layoutGrid(grid.sheet(), grid.clientRect(),
                                                      s ? s->leftCol : 1, s ? s->topRow : 1);
    win::Rect r;
    if (!dialogs::visibleCellRect(g, grid.sheet(), col, row, r)) return {};
    const win::Rect at = grid.rect();
    return {at.left + r.left, at.top + r.top, r.width(), r.height()};
}

void click(QWidget& w, win::Window& d, int col, int row) {
    QTest::mouseClick(&w, Qt::LeftButton, {}, cellBox(d, col, row).center());
}

// The rectangles the window paints.
class PaintLog : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

const char* const kBolts = R"({"caption": "Bolts", "columns": ["Diameter", "Hole", "Washer"],
    "rows": [["M12", "13", "24"], ["M16", "18", "30"], ["M20", "22", "37"]],
    "rowsEditable": true})";

class QtGridTest : public qtapp::QtTest {
protected:
    // Runs the string grid on screen; `work` gets the dialog and its window
    // once it waits for its user, and the run ends with OK.
    dialogs::DialogRun run(const std::string& record,
                           const std::function<void(win::Window&, QWidget&)>& work) {
        return qtapp::runOnScreen("string-grid", record, [&](win::Window& dlg, QWidget& w) {
            work(dlg, w);
            if (win::Window* ok = dlg.isCreated() ? dlg.descendant(win::IDOK) : nullptr) {
                const win::Rect r = ok->rect();
                QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(r.left + 4, r.top + 4));
            }
        });
    }
};

TEST_F(QtGridTest, KeysAndClicksEditCellsInPlace) {
    using Work = std::function<void(win::Window&, QWidget&)>;
    const struct {
        const char* name;
        Work work;
        int col, row;
        const char* expected;
    } cases[] = {
        {"Enter writes the typed text", [](win::Window& d, QWidget& w) {
             click(w, d, 3, 2);
             QTest::keyClicks(&w, "31");
             QTest::keyClick(&w, Qt::Key_Return);
         }, 3, 2, "31"},
        {"Escape keeps the cell", [](win::Window& d, QWidget& w) {
             click(w, d, 3, 2);
             QTest::keyClicks(&w, "99");
             QTest::keyClick(&w, Qt::Key_Escape);
         }, 3, 2, "30"},
        {"arrows move, then typing replaces", [](win::Window& d, QWidget& w) {
             click(w, d, 1, 1);
             QTest::keyClick(&w, Qt::Key_Down);
             QTest::keyClick(&w, Qt::Key_Right);
             QTest::keyClicks(&w, "17");
             QTest::keyClick(&w, Qt::Key_Return);
         }, 2, 2, "17"},
        {"F2 keeps the text to correct", [](win::Window& d, QWidget& w) {
             click(w, d, 2, 3);
             QTest::keyClick(&w, Qt::Key_F2);
             QTest::keyClick(&w, Qt::Key_Backspace);
             QTest::keyClick(&w, Qt::Key_Left);
             QTest::keyClicks(&w, "3");
             QTest::keyClick(&w, Qt::Key_Return);
         }, 2, 3, "32"},
        {"a click elsewhere writes it", [](win::Window& d, QWidget& w) {
             click(w, d, 1, 1);
             QTest::keyClicks(&w, "M10");
             click(w, d, 2, 2);
         }, 1, 1, "M10"},
    };
    for (const auto& c : cases) {
        const dialogs::DialogRun r = run(kBolts, c.work);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.message;
        EXPECT_EQ(r.record["rows"][c.row - 1][c.col - 1], c.expected) << c.name << ": " << r.record.dump();
    }
}

TEST_F(QtGridTest, TypingDrawsOnlyTheCell) {
    QRect cell;
    QRegion painted;
    run(kBolts, [&](win::Window& d, QWidget& w) {
        click(w, d, 2, 2);
        QTest::keyClick(&w, Qt::Key_F2);
        QTest::qWait(20);
        PaintLog log;
        w.installEventFilter(&log);
        QTest::keyClicks(&w, "4");
        QTest::keyClick(&w, Qt::Key_Backspace);
        QTest::qWait(20);
        w.removeEventFilter(&log);
        cell = cellBox(d, 2, 2);
        painted = log.painted;
    });
    ASSERT_FALSE(painted.isEmpty());
    EXPECT_EQ(painted.subtracted(QRegion(cell)), QRegion()) << "painted beyond the cell";
}

TEST_F(QtGridTest, DraggingSelectsABlockAndTheWheelScrolls) {
    std::string rows = R"({"columns": ["A", "B", "C"], "rows": [)";
    for (int i = 1; i <= 60; ++i)
        rows += std::string(i > 1 ? "," : "") + "[\"" + std::to_string(i) + "\", \"\", \"\"]";
    rows += "]}";
    spread::CellRange block{};
    int firstShown = 0, activeRow = 0;
    run(rows, [&](win::Window& d, QWidget& w) {
        const QPoint from = cellBox(d, 1, 2).center(), to = cellBox(d, 3, 4).center();
        QTest::mousePress(&w, Qt::LeftButton, {}, from);
        QTest::mouseMove(&w, (from + to) / 2);
        QTest::mouseMove(&w, to);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, to);
        gridOf(d).getSelectBlock(block);
        // Two wheel steps down: the click lands on the row shown first.
        const QPoint over = cellBox(d, 1, 1).center();
        QWheelEvent wheel(over, w.mapToGlobal(over), {}, {0, -240}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&w, &wheel);
        firstShown = dialogs::findGridScreen(gridOf(d))->topRow;
        QTest::mouseClick(&w, Qt::LeftButton, {}, over);
        int col = 0;
        gridOf(d).sheet().activeCell(col, activeRow);
    });
    EXPECT_TRUE(block.col1 == 1 && block.row1 == 2 && block.col2 == 3 && block.row2 == 4);
    EXPECT_TRUE(firstShown == 7 && activeRow == 7) << firstShown << " " << activeRow;
}

} // namespace
