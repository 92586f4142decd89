// The starters of the macro dialog: modal, and modeless under the module's
// table of macro dialogs (an entry's index is the handle the core keeps).
#pragma once

#include "frame/export.h"
#include "platform/core/macro_data.h"

class CDlgMacro;

// Runs the dialog modally; the record is copied back however it ended.
ZRLSS_EXPORT void StartDlgMacro(MacroData& data);
// Opens a modeless dialog; `index` receives its table index (-1 on
// failure). Without keepFocus the host's main window gets the focus back.
ZRLSS_EXPORT bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index);
// Copies the record of the live dialog at index; false for none.
ZRLSS_EXPORT bool GetDlgMacroData(int index, MacroData& data);
// Closes the dialog at index (later, while its record asks to postpone).
ZRLSS_EXPORT bool EndDlgMacroModeless(int index);
// Closes every modeless macro dialog, the last first.
ZRLSS_EXPORT void DestroyAllMacroDlgs();

namespace macroui {
// The live modeless dialog at index (null for none); for tests and the
// dialog command.
CDlgMacro* modelessMacroDlg(int index);
// How many entries the table has, and deletes closed dialogs now.
int modelessTableSize();
void flushClosedMacroDlgs();
} // namespace macroui
