// Message boxes.
//
// messageBox shows `text` with `caption` and the buttons and icon of
// `style` (MB_ values) and answers the button the user pressed (ID values).
// Headless, the answer is the next one queued with
// Script::queueMessageBoxAnswer; with none queued it is the box's default
// button: the first, or the second / third with MB_DEFBUTTON2 / 3 (the first
// when the box has fewer buttons). A queued answer that is none of the box's
// buttons is taken off the queue and the default button answers instead (the
// record says so). Every box is recorded (Script::shown).
#pragma once

#include "platform/win/types.h"

#include <string>
#include <vector>

namespace win {

class Window;

ZRLWIN_API int messageBox(Window* parent, const std::wstring& text, const std::wstring& caption,
                          UINT style = 0);

// The answers a box of this style offers, in order (IDOK; IDOK, IDCANCEL;
// IDABORT, IDRETRY, IDIGNORE; IDYES, IDNO, IDCANCEL; IDYES, IDNO; IDRETRY,
// IDCANCEL). An unknown button type offers IDOK.
ZRLWIN_API std::vector<int> messageBoxButtons(UINT style);
// The answer without a scripted one.
ZRLWIN_API int messageBoxDefault(UINT style);

} // namespace win
