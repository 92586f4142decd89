// What a custom control offers the scripted user.
//
// The windowing layer knows its standard controls; a control it does not
// know (the module's grid, a tree, a combo of check boxes) takes part in a
// script by implementing one of these interfaces beside its window class:
//
//   class Zrl_Spread : public win::Window, public win::ScriptGrid { ... };
//
// The player (script_play.h) finds the control by its id and asks for the
// interface with dynamic_cast; a control without it cannot be addressed by
// the grid or item actions. Rows and columns count from 1 as in the grid;
// the player has checked that the control is live, visible and enabled,
// and that the cell or item exists, before it calls an action.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

class ZRLWIN_API ScriptGrid {
public:
    virtual ~ScriptGrid();

    // Whether the cell lies inside the grid (the row or column may be the
    // grid's header number when the grid addresses its headers that way).
    virtual bool scriptHasCell(int col, int row) const = 0;
    // The text the cell shows.
    virtual std::wstring scriptCellText(int col, int row) const = 0;
    // The user types `text` into the cell and leaves it, as at the keyboard:
    // the grid runs its own checks and notifications. False when the grid
    // refused the edit (a locked cell, a value its owner turned down).
    virtual bool scriptCellEdit(int col, int row, const std::wstring& text) = 0;
    // The user selects the block from (col, row) to (col2, row2); a single
    // cell has col2 == col and row2 == row. False when refused.
    virtual bool scriptSelect(int col, int row, int col2, int row2) = 0;
    // Right click (the grid's context menu) and double click on a cell.
    virtual bool scriptRightClick(int col, int row) = 0;
    virtual bool scriptDoubleClick(int col, int row) = 0;

    // Whether a person can type into the cell at all: a window opens no
    // editor over one that cannot take typed text. The default: every cell.
    virtual bool scriptTakesTyping(int col, int row) const;
    // The clipboard keys. Copy puts the selected block (else the active
    // cell) on the clipboard as text, cells separated by tabs, each row
    // ended by a line end; with `cut` the grid then clears those of its
    // cells it lets be cleared, as typing an empty text would. Paste writes
    // such text from the block's first cell (else the active cell) on, each
    // cell as if typed, so that the grid's checks and notifications run:
    // cells that refuse keep their texts, and those beyond the grid's end
    // are left out. False when nothing was copied (written); the defaults
    // do nothing.
    virtual bool scriptCopy(bool cut);
    virtual bool scriptPaste();
};

// A list of items addressed by their texts (trees, custom lists and combos).
// Items are numbered from 0 in the order scriptItems gives them.
class ZRLWIN_API ScriptItems {
public:
    virtual ~ScriptItems();

    // The texts of the items the user can see.
    virtual std::vector<std::wstring> scriptItems() const = 0;
    // The user chooses the item (select, choose).
    virtual bool scriptSelectItem(int index) = 0;
    virtual bool scriptDoubleClickItem(int index) = 0;
    // The user starts dragging the item; the drag ends where the scripted
    // user drops it (the player has queued the drop). The default cannot drag.
    virtual bool scriptDragItem(int index);
};

} // namespace win
