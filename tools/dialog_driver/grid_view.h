// The module's grid as it stands on a screen: where it is scrolled to, the
// cell being typed into, and where its cells lie. The grid painter and the
// grid's input handler share it, so that a point hits the cell drawn there.
#pragma once

#include "platform/spread/sheet.h"
#include "platform/win/custom_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/types.h"
#include "platform/win/window.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dialogs {

// The text a person types into a cell before it is written.
struct CellEditor {
    int col = 0, row = 0;
    std::wstring text;
    std::wstring original; // what the cell held: an unchanged text is not written
    int caret = 0;         // characters before the caret
};

struct GridScreen {
    int topRow = 1, leftCol = 1; // first row and column shown below and beside the headers
    std::optional<CellEditor> editor;
    // A drag selecting a block, from the cell pressed.
    bool dragging = false;
    int anchorCol = 0, anchorRow = 0, lastCol = 0, lastRow = 0;
    // A press on a scroll bar, until the release; the thumb when it grabbed it.
    bool barPressed = false;
    std::optional<win::ScrollGrab> thumb;
};

// The state of a live grid window, made at need; forgotten once the window
// is gone. The const form answers nullptr for a grid never worked in.
GridScreen& gridScreen(const win::Window& grid);
const GridScreen* findGridScreen(const win::Window& grid);

// Where the headers and the visible columns and rows lie in `box`.
struct GridLayout {
    win::Rect box;
    int headerWidth = 0, headerHeight = 0;
    std::vector<std::pair<int, int>> cols; // column, left edge
    std::vector<std::pair<int, int>> rows; // row, top edge
    int right = 0, bottom = 0;             // end of the last column and row shown
};

GridLayout layoutGrid(const spread::Sheet& sheet, const win::Rect& box, int leftCol, int topRow);

// The grid in `box` scrolled to `leftCol` and `topRow`: its scroll bars
// (positions in rows not hidden and in columns; a bar where they do not fit
// whole) and where its cells lie beside them.
struct GridView {
    win::ScrollBars bars;
    GridLayout cells;
};
GridView viewGrid(const spread::Sheet& sheet, const win::Rect& box, int leftCol, int topRow);
// The row not hidden at a vertical position (from 0), the last one beyond.
int rowAtPosition(const spread::Sheet& sheet, int pos);
// The extent of the cell at cols[ci], rows[ri], its span included; false
// when a span anchored elsewhere covers it.
bool cellRect(const GridLayout& g, const spread::Sheet& sheet, size_t ci, size_t ri,
              win::Rect& out);
// The extent of a cell shown (its span's anchor for a covered cell); false
// when it is scrolled out of sight.
bool visibleCellRect(const GridLayout& g, const spread::Sheet& sheet, int col, int row,
                     win::Rect& out);
// The cell under a point of the grid: column and row from 1, 0 for a
// header; the anchor of a span. False outside the headers and the cells.
bool cellAt(const GridLayout& g, const spread::Sheet& sheet, win::Point p, int& col, int& row);

// A person's input to a grid in a window (win::CustomInput); GridPainterScope
// adds it beside the grid painter.
bool gridInput(win::Window& window, const win::UserInput& input, win::InputReply& reply);

} // namespace dialogs
