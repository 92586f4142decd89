// The designer's canvas as the scripted user reaches it: a window without
// size that stands for the dialog's client area, addressed by action scripts
// as a grid whose cells are pixels:
//
//   select 1016 X Y          click at (X, Y)
//   select 1016 X Y X2 Y2    press at (X, Y), drag and release at (X2, Y2)
//   dblclick 1016 X Y        Shift+click at (X, Y) (adds to the selection)
//   rightclick 1016 X Y      Ctrl+click at (X, Y) (toggles the selection)
#pragma once

#include "platform/win/script_controls.h"
#include "platform/win/window.h"

class CanvasScriptTarget : public win::Window, public win::ScriptGrid {
public:
    // Makes the stand-in window on `canvas` with the id.
    bool create(win::Window* canvas, int id);

    bool scriptHasCell(int x, int y) const override;
    std::wstring scriptCellText(int, int) const override { return {}; }
    bool scriptCellEdit(int, int, const std::wstring&) override { return false; }
    bool scriptSelect(int x, int y, int x2, int y2) override;
    bool scriptRightClick(int x, int y) override;
    bool scriptDoubleClick(int x, int y) override;
};
