// The headless user: what the scripted user will answer, and the record of
// everything that was shown.
//
// Tests (and the command line tool) queue the user's answers before the code
// under test asks for them:
//
//   auto& s = win::script();
//   s.reset();                                  // in a test fixture
//   s.queueMessageBoxAnswer(win::IDYES);
//   s.queueFileDialog({L"/tmp/a.vks"});
//   s.onNextModal([](win::Dialog& dlg) {        // plays the next modal dialog
//       dlg.type(IDC_NAME, L"Plate");
//       dlg.choose(IDC_KIND, L"Angle");
//       dlg.click(IDOK);
//   });
//   ... run the code ...
//   EXPECT_EQ(s.shown().messageBoxes.at(0).caption, L"...");
//
// Modal dialogs take the queued functions in order, also when one dialog
// opens another from within its function. Message boxes, file dialogs,
// menus and drags take their own queues. Whatever is not queued gets the
// harmless answer (Cancel, the default button, dismissed, cancelled), so
// nothing ever waits.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace win {

class Dialog;
class Window;

struct MessageBoxRecord {
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
    int answer = 0;
    bool scripted = false; // the answer came from the queue
    bool rejected = false; // a queued answer was none of the box's buttons
};

struct FileDialogRecord {
    bool save = false;
    std::wstring title;
    std::wstring fileName;           // the proposed name
    std::vector<std::wstring> paths; // the answer; empty when cancelled
};

struct MenuRecord {
    std::vector<std::wstring> items; // menuTexts
    int chosen = 0;                  // 0: dismissed
};

struct Shown {
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<std::wstring> dialogs; // captions of dialogs created, modal and modeless
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<MenuRecord> menus;
    // Exceptions that scripted functions and timer functions let out; the
    // layer catches them so that they never cross its calls.
    std::vector<std::wstring> errors;
};

class ZRLWIN_API Script {
public:
    // Clears every queue and record, kills all timers, drops posted
    // messages, empties the clipboard, releases held keys and sets the clock
    // to 0. Windows, resources and the registry stay.
    void reset();

    void queueMessageBoxAnswer(int answer);
    void queueFileDialog(std::vector<std::wstring> paths);
    void queueFileDialogCancel();
    void onNextModal(std::function<void(Dialog&)> play);
    // Plays the next queued dialog function on a modeless dialog that is
    // open already (a docked window), as if it had opened modally (an action
    // script's next `dialog` block), then handles the messages it posted.
    // False when none is queued or the dialog is not live; the dialog stays
    // open afterwards.
    bool playOpenDialog(Dialog& dlg);
    void queueMenuChoice(int commandId);
    void queueMenuChoice(const std::wstring& itemText);
    void queueMenuDismiss();
    // The next doDragDrop ends with a drop on `target` at `point` (client
    // coordinates of the target).
    void queueDrop(Window* target, Point point);
    void queueDragCancel();

    // Keys held down (Shift, Control) as getKeyState reports them.
    void setKeyDown(int vk, bool down);

    // What is still queued (a test checks that its answers were used).
    int pendingMessageBoxAnswers() const;
    int pendingFileDialogs() const;
    int pendingModals() const;
    int pendingMenuChoices() const;
    int pendingDrops() const;

    const Shown& shown() const;
    // Called for every message box as it is shown (after its answer is
    // known); empty function to stop.
    void setMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer);
};

// The one scripted user.
ZRLWIN_API Script& script();

// High bit set (negative) when the key is held down.
ZRLWIN_API short getKeyState(int vk);

// The user's keys and mouse on any window, through the input path
// (Window::dispatchInput, so preTranslateMessage sees them first).
// pressKey sends WM_KEYDOWN then WM_KEYUP; clickMouse sends the button-down
// and button-up messages at a client point (a right click then also asks for
// the context menu). False when the window is not live.
ZRLWIN_API bool pressKey(Window& target, int vk);
ZRLWIN_API bool clickMouse(Window& target, Point point, bool right = false);
ZRLWIN_API bool doubleClickMouse(Window& target, Point point);

} // namespace win
