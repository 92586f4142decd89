// The module's grid worked by a person in a window: the cell under the
// pointer, scrolling (the wheel and the scroll bars), typing into a cell in
// place, the arrow keys, selection by dragging and the clipboard keys.
// Every change goes through the grid's own operations (the ones action
// scripts use), so that its checks and its dialog's notifications run as
// at a keyboard.
#include "grid/zrl_spread.h"
#include "grid_view.h"
#include "platform/win/constants.h"
#include "platform/win/custom_input.h"
#include "platform/win/menu.h"

#include <algorithm>

namespace dialogs {

namespace {

using win::InputKind;

constexpr int kWheelRows = 3;

// The first row (column) to show so that `last` is shown whole in `room`
// pixels, hidden rows skipped.
int firstToShow(const spread::Sheet& sheet, int last, int room, bool rows) {
    int first = last, used = 0;
    for (int i = last; i >= 1; --i) {
        if (rows && sheet.isRowHidden(i)) continue;
        used += rows ? sheet.rowHeightPixels(i) : sheet.colWidthPixels(i);
        if (used > room) break;
        first = i;
    }
    return first;
}

class GridUser {
public:
    GridUser(Zrl_Spread& grid, win::InputReply& reply)
        : grid_(grid), sheet_(grid.sheet()), self_(grid.handle()), screen_(gridScreen(grid)),
          reply_(reply) {}

    bool handle(const win::UserInput& in) {
        switch (in.kind) {
        case InputKind::Press:
            return press(in);
        case InputKind::Move:
            return move(in.at);
        case InputKind::Release:
            if (screen_.barPressed) {
                screen_.barPressed = false;
                screen_.thumb.reset();
                return true;
            }
            screen_.dragging = false;
            dispatch(win::WM_LBUTTONUP, win::makeLParam(in.at.x, in.at.y));
            return true;
        case InputKind::DoubleClick:
            return doubleClick(in.at);
        case InputKind::RightPress:
            return rightPress(in.at);
        case InputKind::Wheel:
            scrollTo(screen_.topRow - in.wheel * kWheelRows, screen_.leftCol);
            return true;
        case InputKind::Key:
            return screen_.editor ? editKey(in) : key(in);
        case InputKind::Char:
            return typed(in.ch);
        }
        return false;
    }

private:
    GridView view() const {
        return viewGrid(sheet_, grid_.clientRect(), screen_.leftCol, screen_.topRow);
    }
    GridLayout layout() const { return view().cells; }
    bool alive() const { return win::Window::fromHandle(self_) != nullptr; }
    void repaintAll() { reply_.repaint.push_back(grid_.clientRect()); }
    // The grid's owner was told something: it may change anything.
    void told() { reply_.everything = true; }

    // The message goes to the module's own handlers of the grid (a tree
    // grid starts dragging on a press).
    void dispatch(win::UINT msg, win::LPARAM at) {
        win::Window::dispatchInput({&grid_, msg, win::MK_LBUTTON, at});
    }

    void repaintCell(int col, int row) {
        win::Rect r;
        if (visibleCellRect(layout(), sheet_, col, row, r))
            reply_.repaint.push_back(r);
        else
            repaintAll();
    }

    // Writes the text typed, when it changed; the editor ends either way.
    // False when the grid is gone afterwards.
    bool commit() {
        if (!screen_.editor) return true;
        const CellEditor e = *screen_.editor;
        screen_.editor.reset();
        repaintCell(e.col, e.row);
        if (e.text == e.original) return true;
        grid_.scriptCellEdit(e.col, e.row, e.text);
        told();
        return alive();
    }

    bool startEditing(int col, int row, std::wstring text, bool keep) {
        // No editor opens over a cell whose text the grid would refuse.
        if (!grid_.scriptTakesTyping(col, row)) return false;
        CellEditor e;
        e.col = col;
        e.row = row;
        e.original = sheet_.data(col, row);
        e.text = keep ? e.original : std::move(text);
        e.caret = static_cast<int>(e.text.size());
        screen_.editor = std::move(e);
        showCell(col, row);
        repaintCell(col, row);
        return true;
    }

    void scrollTo(int top, int left) {
        const GridLayout g = layout();
        const int lastTop = firstToShow(sheet_, sheet_.maxRows(), g.box.height() - g.headerHeight, true);
        const int lastLeft = firstToShow(sheet_, sheet_.maxCols(), g.box.width() - g.headerWidth, false);
        top = std::clamp(top, 1, std::max(1, lastTop));
        left = std::clamp(left, 1, std::max(1, lastLeft));
        if (top == screen_.topRow && left == screen_.leftCol) return;
        screen_.topRow = top;
        screen_.leftCol = left;
        repaintAll();
    }

    // Scrolls so that the cell is shown whole.
    void showCell(int col, int row) {
        const GridLayout g = layout();
        int top = screen_.topRow, left = screen_.leftCol;
        if (row < top) top = row;
        else top = std::max(top, firstToShow(sheet_, row, g.box.height() - g.headerHeight, true));
        if (col < left) left = col;
        else left = std::max(left, firstToShow(sheet_, col, g.box.width() - g.headerWidth, false));
        scrollTo(top, left);
    }

    // A position of a scroll bar: rows not hidden from 0, columns from 0.
    void scrollToPosition(bool vertical, int pos) {
        if (vertical)
            scrollTo(rowAtPosition(sheet_, pos), screen_.leftCol);
        else
            scrollTo(screen_.topRow, pos + 1);
    }

    // A press on a scroll bar scrolls (a cell being typed into stays open);
    // one on a thumb grabs it until the release.
    bool pressBar(win::Point at) {
        const win::ScrollPress press = win::pressScrollBars(view().bars, at);
        if (!press.hit) return false;
        scrollToPosition(press.vertical, press.pos);
        screen_.barPressed = true;
        screen_.thumb = press.grab;
        reply_.capture = true;
        return true;
    }

    bool press(const win::UserInput& in) {
        if (pressBar(in.at) || !commit()) return true;
        dispatch(win::WM_LBUTTONDOWN, win::makeLParam(in.at.x, in.at.y));
        if (!alive()) return true;
        int col = 0, row = 0;
        grid_.setFocus();
        if (!cellAt(layout(), sheet_, in.at, col, row) || col < 1 || row < 1) return true;
        if (in.shift) {
            int activeCol = 0, activeRow = 0;
            sheet_.activeCell(activeCol, activeRow);
            grid_.setSelection(activeCol, activeRow, col, row);
            repaintAll();
            return true;
        }
        grid_.clearSelectBlock();
        if (!grid_.scriptSelect(col, row, col, row) || !alive()) return true;
        told();
        screen_.dragging = true;
        screen_.anchorCol = screen_.lastCol = col;
        screen_.anchorRow = screen_.lastRow = row;
        reply_.capture = true;
        const spread::CellType type = sheet_.cellType(col, row);
        win::Rect r;
        if (type.kind == spread::CellKind::ComboBox && !grid_.getLock(col, row) &&
            visibleCellRect(layout(), sheet_, col, row, r) && in.at.x >= r.right - 16)
            chooseItem(col, row, type, {r.left, r.bottom});
        return true;
    }

    // The items of a combo-box cell as a menu below it.
    void chooseItem(int col, int row, const spread::CellType& type, win::Point below) {
        screen_.dragging = false;
        win::Menu menu;
        for (size_t i = 0; i < type.items.size(); ++i)
            menu.appendItem(static_cast<int>(i) + 1, type.items[i]);
        const int chosen =
            win::trackPopupMenu(menu, grid_.clientToScreen(below), &grid_, win::TPM_RETURNCMD);
        if (chosen > 0 && alive()) grid_.chooseInCell(col, row, chosen - 1);
    }

    bool move(win::Point at) {
        if (screen_.thumb) {
            scrollToPosition(screen_.thumb->vertical, win::dragScrollBar(view().bars, *screen_.thumb, at));
            return true;
        }
        if (!screen_.dragging) return false;
        const GridLayout g = layout();
        // Beyond an edge the grid scrolls on; the cell at the edge is taken.
        if (at.y >= g.box.bottom) scrollTo(screen_.topRow + 1, screen_.leftCol);
        if (at.y < g.box.top + g.headerHeight) scrollTo(screen_.topRow - 1, screen_.leftCol);
        const GridLayout now = layout();
        at.x = std::clamp(at.x, now.box.left + now.headerWidth, std::max(now.right, now.box.left + 1) - 1);
        at.y = std::clamp(at.y, now.box.top + now.headerHeight, std::max(now.bottom, now.box.top + 1) - 1);
        int col = 0, row = 0;
        if (!cellAt(now, sheet_, at, col, row) || col < 1 || row < 1) return true;
        if (col == screen_.lastCol && row == screen_.lastRow) return true;
        screen_.lastCol = col;
        screen_.lastRow = row;
        if (col == screen_.anchorCol && row == screen_.anchorRow)
            grid_.clearSelectBlock();
        else
            grid_.setSelection(screen_.anchorCol, screen_.anchorRow, col, row);
        repaintAll();
        return true;
    }

    bool doubleClick(win::Point at) {
        if (!commit()) return true;
        win::Window::dispatchInput(
            {&grid_, win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, win::makeLParam(at.x, at.y)});
        int col = 0, row = 0;
        if (!alive() || !cellAt(layout(), sheet_, at, col, row) || col < 1 || row < 1) return true;
        grid_.scriptDoubleClick(col, row);
        told();
        return true;
    }

    bool rightPress(win::Point at) {
        if (!commit()) return true;
        int col = 0, row = 0;
        if (cellAt(layout(), sheet_, at, col, row) && col >= 1 && row >= 1) {
            // Outside the selection the press moves it; inside, the menu's
            // actions take the whole block.
            spread::CellRange block;
            if (!sheet_.selectBlock(block) || !block.contains(col, row)) {
                grid_.clearSelectBlock();
                grid_.setActiveCell(col, row);
            }
        }
        grid_.setFocus();
        win::Window::dispatchInput(
            {&grid_, win::WM_RBUTTONDOWN, win::MK_RBUTTON, win::makeLParam(at.x, at.y)});
        told();
        return true;
    }

    // Keys while no cell is being typed into.
    bool key(const win::UserInput& in) {
        int col = 0, row = 0;
        if (!sheet_.activeCell(col, row)) col = row = 1;
        if (in.key == win::VK_F2) {
            startEditing(col, row, {}, true);
            return true;
        }
        // With Shift the far corner of the block moves.
        spread::CellRange block;
        if (in.shift && sheet_.selectBlock(block) && block.contains(screen_.lastCol, screen_.lastRow)) {
            col = screen_.lastCol;
            row = screen_.lastRow;
        }
        const int pageRows = std::max(1, static_cast<int>(layout().rows.size()) - 1);
        switch (in.key) {
        case win::VK_DELETE:
            if (grid_.scriptTakesTyping(col, row) && !sheet_.data(col, row).empty()) {
                grid_.scriptCellEdit(col, row, L"");
                told();
            }
            return true;
        case win::VK_LEFT:
            return moveTo(in, col - 1, row);
        case win::VK_RIGHT:
            return moveTo(in, col + 1, row);
        case win::VK_UP:
            return moveTo(in, col, row - 1);
        case win::VK_DOWN:
            return moveTo(in, col, row + 1);
        case win::VK_PRIOR:
            return moveTo(in, col, row - pageRows);
        case win::VK_NEXT:
            return moveTo(in, col, row + pageRows);
        case win::VK_HOME:
            return moveTo(in, 1, row);
        case win::VK_END:
            return moveTo(in, sheet_.maxCols(), row);
        default:
            if (in.control) return clipboardKey(in.key);
            // Letters and digits type into the cell as characters.
            return (in.key >= '0' && in.key <= '9') || (in.key >= 'A' && in.key <= 'Z');
        }
    }

    // Ctrl+C, Ctrl+X and Ctrl+V: the grid's own copy, cut and paste.
    bool clipboardKey(int key) {
        if (key == 'C') {
            grid_.scriptCopy(false);
            return true;
        }
        if (key != 'X' && key != 'V') return false;
        if (key == 'X' ? grid_.scriptCopy(true) : grid_.scriptPaste()) told();
        return true;
    }

    // The active cell moves (with Shift the block grows from the active cell).
    bool moveTo(const win::UserInput& in, int col, int row) {
        if (sheet_.maxCols() < 1 || sheet_.maxRows() < 1) return true;
        col = std::clamp(col, 1, sheet_.maxCols());
        row = std::clamp(row, 1, sheet_.maxRows());
        // Hidden rows are stepped over in the direction of the move.
        int activeCol = 0, activeRow = 0;
        sheet_.activeCell(activeCol, activeRow);
        const int step = row < activeRow ? -1 : 1;
        while (row >= 1 && row <= sheet_.maxRows() && sheet_.isRowHidden(row)) row += step;
        if (row < 1 || row > sheet_.maxRows()) return true;
        if (in.shift) {
            grid_.setSelection(activeCol, activeRow, col, row);
            screen_.lastCol = col;
            screen_.lastRow = row;
        } else {
            grid_.clearSelectBlock();
            grid_.setActiveCell(col, row);
        }
        showCell(col, row);
        repaintAll();
        return true;
    }

    // Keys while a cell is being typed into.
    bool editKey(const win::UserInput& in) {
        CellEditor& e = *screen_.editor;
        const int size = static_cast<int>(e.text.size());
        switch (in.key) {
        case win::VK_RETURN:
            commit();
            return true;
        case win::VK_ESCAPE:
            repaintCell(e.col, e.row);
            screen_.editor.reset();
            return true;
        case win::VK_TAB:
        case win::VK_UP:
        case win::VK_DOWN: {
            const int col = e.col + (in.key == win::VK_TAB ? (in.shift ? -1 : 1) : 0);
            const int row = e.row + (in.key == win::VK_UP ? -1 : in.key == win::VK_DOWN ? 1 : 0);
            if (commit()) moveTo({}, col, row);
            return true;
        }
        case win::VK_LEFT:
            e.caret = std::max(0, e.caret - 1);
            break;
        case win::VK_RIGHT:
            e.caret = std::min(size, e.caret + 1);
            break;
        case win::VK_HOME:
            e.caret = 0;
            break;
        case win::VK_END:
            e.caret = size;
            break;
        case win::VK_BACK:
            if (e.caret > 0) e.text.erase(static_cast<size_t>(--e.caret), 1);
            break;
        case win::VK_DELETE:
            if (e.caret < size) e.text.erase(static_cast<size_t>(e.caret), 1);
            break;
        default:
            // Function keys (F3, F5, F8) go on to the grid; the others type.
            return in.key < win::VK_F1 || in.key > win::VK_F1 + 23;
        }
        repaintCell(e.col, e.row);
        return true;
    }

    bool typed(wchar_t ch) {
        if (screen_.editor) {
            CellEditor& e = *screen_.editor;
            if (ch >= L' ' && ch != 0x7F) {
                e.text.insert(static_cast<size_t>(e.caret), 1, ch);
                ++e.caret;
                repaintCell(e.col, e.row);
            }
            return true;
        }
        int col = 0, row = 0;
        if (ch < L' ' || ch == 0x7F || !sheet_.activeCell(col, row) || col < 1 || row < 1)
            return false;
        // Space on a check box sets or clears it, as a click does.
        if (ch == L' ' && sheet_.cellType(col, row).kind == spread::CellKind::CheckBox) {
            grid_.scriptSelect(col, row, col, row);
            told();
            return true;
        }
        startEditing(col, row, std::wstring(1, ch), false);
        return true;
    }

    Zrl_Spread& grid_;
    const spread::Sheet& sheet_;
    win::WindowHandle self_;
    GridScreen& screen_;
    win::InputReply& reply_;
};

} // namespace

bool gridInput(win::Window& window, const win::UserInput& input, win::InputReply& reply) {
    auto* grid = dynamic_cast<Zrl_Spread*>(&window);
    if (!grid || !grid->isEnabled()) return false;
    GridUser user(*grid, reply);
    return user.handle(input);
}

} // namespace dialogs
