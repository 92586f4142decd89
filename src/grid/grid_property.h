// GridProperty: the numbered on/off properties of a grid, by name.
//
// The grid engine keeps them under their numbers (spread::Sheet's
// boolProperty) and acts on three of them itself: automatic calculation,
// drawing and the changed mark. The module acts on two (row headers shown,
// editing stays on); the others describe the look and the user's freedom
// for whoever draws the grid and are only kept. The numbers are the ones
// the module's sheets and callers have always used, so they must not
// change.
#pragma once

#include "platform/spread/sheet_types.h"

enum class GridProperty : int {
    // The row-header column is shown (layout 1 gives it its share).
    RowHeadersShown = 3,
    // The column-header row is shown.
    ColumnHeadersShown = 4,
    // Every change recomputes its dependents.
    AutoCalc = spread::kBoolAutoCalc,
    // Drawing is on.
    Redraw = spread::kBoolRedraw,
    // A click selects the whole row (lists).
    WholeRowSelection = 10,
    // The arrow keys move the active cell.
    ArrowKeysMoveActiveCell = 11,
    // Locked cells refuse typed input.
    ProtectLocked = spread::kBoolProtect,
    // Editing stays on from cell to cell (F8 switches it; the find dialog
    // needs it).
    EditingStaysOn = 13,
    // Scroll bars are shown.
    ScrollBarsShown = 18,
    // Editing replaces the cell's text rather than adding to it.
    EditReplacesText = 20,
    // The horizontal and the vertical scroll bar only when needed.
    HorizontalScrollBarAsNeeded = 21,
    VerticalScrollBarAsNeeded = 22,
    // Set by the tree look and the bill sheet as they have always been;
    // no meaning of their own here, kept as given.
    Reserved23 = 23,
    Reserved25 = 25,
    // Grid lines are drawn.
    GridLines = 26,
    // Set by every change of content, cleared by a load.
    Changed = spread::kBoolChanged,
    // The user may move, and resize, columns and rows.
    UserMayMove = 32,
    // Set by the tree look as it has always been; kept as given.
    Reserved33 = 33,
    UserMayResize = 34,
};

// The engine's number of a property.
constexpr int propertyNumber(GridProperty property) {
    return static_cast<int>(property);
}
