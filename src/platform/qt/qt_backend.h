// The Qt 6 back end: every top-level dialog of the windowing layer as a real
// window a person can work in.
//
// Each top-level dialog becomes a widget that paints through paintTree (the
// same painter as the pictures, into a backing picture of which only the
// changed rectangles are redrawn). Mouse buttons go to the deepest visible
// window under the pointer through Window::dispatchInput and then act on the
// standard control there as a click does (buttons click, edits take the
// focus, combo boxes and lists choose, tabs switch); keys go to the focused
// window as WM_KEYDOWN, WM_CHAR and WM_KEYUP. A modal run spins a Qt event
// loop until its dialog ends. Message boxes, file dialogs and popup menus
// are Qt's; the layer's timers run on a Qt timer that moves the layer's
// clock on in real time.
//
// Windows the layer does not know (the module's grid) get pointer, wheel and
// key input through the custom input handlers (custom_input.h) first; what a
// handler changed is drawn again, nothing more. Input that goes to the
// module draws the whole dialog again, since the module may change any
// control, grids included, without saying so.
//
// A drag the module starts while the left button is down follows the
// pointer over the dialog windows: the drop targets of the windows under it
// get dragEnter, dragOver and dragLeave, and the release drops (Escape
// cancels). A release closer to the start than Qt's drag distance drops
// nothing: a click is no drag. What other programs drag over a dialog
// window goes the same way to the drop targets under the pointer, as a data
// object with their text (CF_UNICODETEXT) and their local files as paths
// (CF_HDROP); other kinds of data are not offered.
//
// The layer's clipboard and the system's are kept alike in text: what the
// module puts there can be pasted elsewhere, and text copied elsewhere is
// what the module reads.
//
// The scroll bars of the layer's lists are worked here too (list_scroll.h).
//
// A QApplication must exist while the back end is installed.
#pragma once

#include "platform/win/backend.h"

#include <memory>

class QPoint;

class QWidget;

namespace qtback {

class QtBackend final : public win::Backend {
public:
    QtBackend();
    ~QtBackend() override;

    void beginModal(win::Dialog& dialog) override;
    void runModal(win::Dialog& dialog) override;
    void endModal(win::Dialog& dialog) override;
    void messageBox(win::Window* parent, win::MessageBoxRecord& box) override;
    win::FileDialogResult fileDialog(const win::FileDialogRequest& request) override;
    int popupMenu(const win::Menu& menu, win::Point screen, win::Window* owner) override;
    std::uint32_t dragDrop(const win::DataObject& data, std::uint32_t allowedEffects) override;
    void windowEvent(win::Window& window, win::WindowEvent event) override;
    void timersChanged() override;
    // The layer's clipboard text goes to the system's clipboard, and text
    // the system's clipboard gets from elsewhere comes into the layer's.
    void clipboardChanged() override;

    // The Qt window of a top-level dialog (nullptr when it has none), for
    // tests that send it real events.
    QWidget* widgetOf(const win::Window& window) const;

    // Ends the modal loops whose dialogs have ended.
    void wake();

private:
    friend class DialogWidget;
    // The pointer's part in drags, for the dialog windows: a left press or
    // release; false when the release belongs to a cancelled drag.
    bool pressedAt(const QPoint& global, bool down);
    bool dragging() const;
    int dragCount() const; // drags run so far
    void dragMove(const QPoint& global, win::KeyState keys);
    void dragEnd(const QPoint& global, win::KeyState keys);
    void dragCancel();

    void importClipboard();

    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace qtback
