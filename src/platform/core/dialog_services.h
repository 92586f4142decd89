// Dialog services over the windowing layer: file choosers, filling lists,
// showing and enabling controls by id, moving control edges, and the warning
// for names that cannot be file names.
//
// Controls are found by id among the dialog's children; every helper does
// nothing and answers false (or 0) for a null dialog or a missing control.
#pragma once

#include "platform/core/zrl_stringarray.h"

namespace win {
class Window;
}

// Asks for one file: `open` set chooses an existing file to open, cleared
// asks for a name to save under (with a question before replacing a file).
// The file dialog offers `fileType` + " (*." + extension + ")" and all files,
// starts in `startFolder` with `path` proposed, and adds the extension to a
// name given without one. True with `path` set when the user chose; false and
// `path` unchanged when they cancelled.
bool DlgOpenSave(bool open, const Zrl_String& extension, const Zrl_String& fileType,
                 const Zrl_String& title, const Zrl_String& startFolder, Zrl_String& path,
                 win::Window* parent = nullptr);
// Asks for several files to open (the file dialog with multiple selection).
// `mustExist` set keeps only paths that exist as files or folders. True with
// `paths` replaced when the user chose at least one; false and `paths`
// unchanged when they cancelled.
bool DlgOpenMulti(bool mustExist, const Zrl_String& extension, const Zrl_String& fileType,
                  const Zrl_String& title, const Zrl_String& startFolder, Zrl_StringArray& paths,
                  win::Window* parent = nullptr);

// Replaces the items of the combo box / list box `id` with `items`, in
// order (a sorted box sorts them); the selection is cleared.
bool FillCombo(win::Window* dlg, int id, const Zrl_StringArray& items);
bool FillList(win::Window* dlg, int id, const Zrl_StringArray& items);
bool ShowOrHideCtrl(win::Window* dlg, int id, bool show);
bool EnDisCtrl(win::Window* dlg, int id, bool enable);

// Moves one edge of control `id` by `delta` pixels outwards (a negative delta
// moves it inwards): side 0 is the top edge, 1 the bottom, 2 the left, 3 the
// right. The control never gets a negative width or height. False for an
// unknown side.
bool resizeCtrl(win::Window* dlg, int id, int delta, int side);
// Height of control `id` in pixels; 0 when it is missing.
int getCtrlHeight(win::Window* dlg, int id);

// True when `name` holds characters a file name may not hold; the user is
// then told so in a warning box (with the name and the characters that are
// not allowed) and the caller keeps its dialog open.
bool warnInvalidFileName(const Zrl_String& name, win::Window* parent = nullptr);
