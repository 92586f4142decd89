// The module's grid in a Qt window without a display: cells typed into in
// place, moved over with the arrow keys, selected by dragging and scrolled
// (wheel and scroll bars), through real Qt events; typing draws only the
// cell typed into. The scroll bars of the layer's lists beside it.
#include "grid/zrl_spread.h"
#include "grid_view.h"
#include "platform/host/host_state.h"
#include "platform/paint/raster_painter.h"
#include "platform/win/controls.h"
#include "platform/win/paint.h"
#include "qt_app.h"

#include <QClipboard>
#include <QPaintEvent>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

Zrl_Spread* firstGrid(win::Window& w) {
    if (auto* grid = dynamic_cast<Zrl_Spread*>(&w)) return grid;
    for (win::Window* kid : w.children())
        if (Zrl_Spread* grid = firstGrid(*kid)) return grid;
    return nullptr;
}

// The dialog's (first) grid.
Zrl_Spread& gridOf(win::Window& dlg) {
    return *firstGrid(dlg);
}

// The grid as the window shows it now.
dialogs::GridView viewOf(win::Window& dlg) {
    Zrl_Spread& grid = gridOf(dlg);
    const dialogs::GridScreen* s = dialogs::findGridScreen(grid);
    return dialogs::viewGrid(grid.sheet(), grid.clientRect(), s ? s->leftCol : 1, s ? s->topRow : 1);
}

// A rectangle of a control in the dialog window's coordinates.
QRect inDialog(const win::Window& control, const win::Rect& r) {
    const win::Rect at = control.rect();
    return {at.left + r.left, at.top + r.top, r.width(), r.height()};
}

// Where a cell is drawn, in the dialog window's coordinates.
QRect cellBox(win::Window& dlg, int col, int row) {
    win::Rect r;
    if (!dialogs::visibleCellRect(viewOf(dlg).cells, gridOf(dlg).sheet(), col, row, r)) return {};
    return inDialog(gridOf(dlg), r);
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

namespace {

// The grid's first row and column shown after `work` acts on its bars.
using BarWork = std::function<void(QWidget&, const QRect& vertical, const QRect& horizontal,
                                   const dialogs::GridView&)>;

TEST_F(QtGridTest, ScrollBarsScrollTheGrid) {
    std::string wide = R"({"columns": [)";
    for (int c = 1; c <= 12; ++c)
        wide += std::string(c > 1 ? "," : "") + "\"Column " + std::to_string(c) + "\"";
    wide += R"(], "rows": [)";
    for (int i = 1; i <= 60; ++i)
        wide += std::string(i > 1 ? "," : "") + "[\"" + std::to_string(i) + "\"]";
    wide += "]}";
    const auto arrowOf = [](const QRect& bar, bool forward) {
        const int d = win::kScrollBarSize / 2;
        return bar.width() > bar.height()
                   ? QPoint(forward ? bar.right() - d : bar.left() + d, bar.center().y())
                   : QPoint(bar.center().x(), forward ? bar.bottom() - d : bar.top() + d);
    };
    // The cuts grid is wider than its window.
    const std::string cuts = R"({"cuts": [{"name": "End", "cutType": 0, "offsets": {"cut": 0}}],
        "current": 0, "applyToAll": false})";
    const struct {
        const char* name;
        BarWork work;
        int top, left; // -1: the last row shown
        bool pageDown;
        const char* dialog = "string-grid";
    } cases[] = {
        {"the down arrow steps a row", [&](QWidget& w, const QRect& v, const QRect&, const auto&) {
             QTest::mouseClick(&w, Qt::LeftButton, {}, arrowOf(v, true));
         }, 2, 1, false},
        {"the right arrow steps a column", [&](QWidget& w, const QRect&, const QRect& h, const auto&) {
             QTest::mouseClick(&w, Qt::LeftButton, {}, arrowOf(h, true));
         }, 1, 2, false, "macro-cuts"},
        {"the track below the thumb pages", [&](QWidget& w, const QRect& v, const QRect&, const auto&) {
             QTest::mouseClick(&w, Qt::LeftButton, {}, arrowOf(v, true) - QPoint(0, win::kScrollBarSize));
         }, 0, 1, true},
        {"the thumb dragged to the end", [&](QWidget& w, const QRect& v, const QRect&, const auto& g) {
             const win::Rect t = g.bars.vertical.thumb();
             const QPoint grip = inDialog(gridOf(*win::Window::focus()->topLevel()), t).center();
             QTest::mousePress(&w, Qt::LeftButton, {}, grip);
             QTest::mouseMove(&w, grip + QPoint(0, v.height() / 2));
             QTest::mouseMove(&w, {grip.x(), v.bottom() - 2});
             QTest::mouseRelease(&w, Qt::LeftButton, {}, {grip.x(), v.bottom() - 2});
         }, -1, 1, false},
    };
    for (const auto& c : cases) {
        int top = 0, left = 0, page = 0;
        bool lastShown = false;
        const bool isCuts = std::string(c.dialog) == "macro-cuts";
        qtapp::runOnScreen(c.dialog, isCuts ? cuts : wide, [&](win::Window& d, QWidget& w) {
            const dialogs::GridView g = viewOf(d);
            page = g.bars.vertical.range.page;
            c.work(w, inDialog(gridOf(d), g.bars.vertical.box), inDialog(gridOf(d), g.bars.horizontal.box), g);
            const dialogs::GridScreen* s = dialogs::findGridScreen(gridOf(d));
            top = s ? s->topRow : 1;
            left = s ? s->leftCol : 1;
            lastShown = viewOf(d).cells.rows.back().first == 60;
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        if (c.top < 0) EXPECT_TRUE(lastShown) << c.name;
        else EXPECT_EQ(top, c.pageDown ? 1 + page : c.top) << c.name;
        EXPECT_EQ(left, c.left) << c.name;
    }
}

TEST_F(QtGridTest, ListScrollBarsMoveWhatAClickChooses) {
    std::string images = R"({"caption": "Pictures", "images": [)";
    for (int i = 0; i < 40; ++i)
        images += std::string(i > 0 ? "," : "") + "\"none/P" + std::to_string(i) + ".bmp\"";
    images += R"(], "chosen": ""})";
    int before = -1, after = -1, shifted = 0;
    qtapp::runOnScreen("select-image", images, [&](win::Window& d, QWidget& w) {
        auto& list = *dynamic_cast<win::ListView*>(d.descendant(1001));
        paint::RasterPainter metrics(1, 1);
        const win::ScrollBars bars = win::listScrollBars(list, metrics, list.clientRect());
        const QPoint first = inDialog(list, bars.view).topLeft() + QPoint(20, 20);
        QTest::mouseClick(&w, Qt::LeftButton, {}, first);
        before = list.getNextSelected();
        const QRect bar = inDialog(list, bars.vertical.box);
        QTest::mouseClick(&w, Qt::LeftButton, {}, {bar.center().x(), bar.bottom() - 4});
        shifted = win::viewScroll(list).y;
        QTest::mouseClick(&w, Qt::LeftButton, {}, first);
        after = list.getNextSelected();
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(before, 0);
    EXPECT_EQ(shifted, 1);
    EXPECT_GT(after, 0) << "the click chose the item drawn there";
}

} // namespace

namespace {

TEST_F(QtGridTest, ClipboardKeysGoThroughTheGridsEdits) {
    using Work = std::function<void(win::Window&, QWidget&)>;
    const auto drag = [](QWidget& w, win::Window& d, int col, int row, int col2, int row2) {
        QTest::mousePress(&w, Qt::LeftButton, {}, cellBox(d, col, row).center());
        QTest::mouseMove(&w, cellBox(d, col2, row2).center());
        QTest::mouseRelease(&w, Qt::LeftButton, {}, cellBox(d, col2, row2).center());
    };
    const struct {
        const char* name;
        const char* clipboardBefore;
        Work work;
        const char* clipboardAfter;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {"Ctrl+C copies the block", "", [&](win::Window& d, QWidget& w) {
             drag(w, d, 1, 1, 2, 2);
             QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
         }, "M12\t13\r\nM16\t18\r\n",
         {{"M12", "13", "24"}, {"M16", "18", "30"}, {"M20", "22", "37"}}},
        {"Ctrl+X clears what it copied", "", [&](win::Window& d, QWidget& w) {
             drag(w, d, 3, 1, 3, 2);
             QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier);
         }, "24\r\n30\r\n",
         {{"M12", "13", ""}, {"M16", "18", ""}, {"M20", "22", "37"}}},
        {"Ctrl+V pastes as typed: a locked cell keeps its text, rows beyond the end are left out",
         "A\tB\nC\tD\nE\tF", [&](win::Window& d, QWidget& w) {
             gridOf(d).setLock(3, 3, true);
             click(w, d, 2, 2);
             QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
         }, "A\tB\nC\tD\nE\tF",
         {{"M12", "13", "24"}, {"M16", "A", "B"}, {"M20", "C", "37"}}},
    };
    for (const auto& c : cases) {
        QGuiApplication::clipboard()->setText(c.clipboardBefore);
        const dialogs::DialogRun r = run(kBolts, c.work);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.message;
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboardAfter) << c.name;
        EXPECT_EQ(r.record["rows"], nlohmann::json(c.rows)) << c.name;
    }
}

} // namespace
