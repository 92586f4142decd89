// The host's windows as the module sees them: the main frame (parent of the
// module's modeless windows and docking bars) and the editor commands with
// which a dialog steps aside while the user works in the drawing.
#pragma once

#include "platform/host/host_api.h"

namespace win {
class Window;
}

// The host's main frame window (the windowing layer's main window).
ZRLHOST_API win::Window* acedGetAcadFrame();
// The host's main window, as parent for the module's windows (the same window).
ZRLHOST_API win::Window* adsw_acadMainWnd();

// A dialog hands control to the drawing editor: the dialog is hidden and the
// main window takes the focus. False for a null or dead dialog, or while an
// editor command of another dialog is running.
ZRLHOST_API bool BeginEditorCommand(win::Window* dialog);
// The editor command is over: the dialog is shown again and takes the focus
// when `restoreDialog` is true, else it stays hidden. False when no editor
// command of this dialog is running.
ZRLHOST_API bool CompleteEditorCommand(win::Window* dialog, bool restoreDialog = true);

namespace host {
// The dialog whose editor command is running, or null.
ZRLHOST_API win::Window* editorCommandDialog();
} // namespace host
