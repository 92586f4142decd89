// The back end: whatever stands between the windowing layer and a person.
//
// The layer keeps every window's state itself; what it cannot decide alone
// goes through the back end: running a modal dialog until it ends, the
// answers of message boxes, file dialogs, popup menus and drags, and what a
// screen would need to know (a window was created, is being destroyed, moved,
// changed its text or style, needs painting; the timers' next due time
// changed; the clipboard changed).
//
// The default back end is the scripted user (script.h): modal dialogs play
// the queued functions, boxes and menus take the queued answers, and nothing
// is drawn. A toolkit back end (a real window per top-level dialog) or an
// observer that draws pictures installs itself with setBackend and may hand
// what it does not do itself to scriptedBackend().
//
// Only the layer's own sources and the back ends include this header.
#pragma once

#include "platform/win/drag_drop.h"
#include "platform/win/file_dialog.h"
#include "platform/win/menu.h"
#include "platform/win/script.h"
#include "platform/win/types.h"

#include <cstdint>
#include <optional>

namespace win {

class Dialog;
class Window;

enum class WindowEvent {
    Created,      // live, in its parent's children
    Destroying,   // about to get WM_DESTROY; its children still live
    Moved,        // rectangle changed
    TextChanged,  // window text changed
    StyleChanged, // enabled or visible state changed
    Invalidated,  // needs painting
};

class ZRLWIN_API Backend {
public:
    virtual ~Backend() = default;

    // A modal dialog is about to be built: called before its onInitDialog, so
    // that dialogs opened from there come after it (the scripted user takes
    // the dialog's function here).
    virtual void beginModal(Dialog& dialog) = 0;
    // Runs the modal dialog, live and shown with its owner disabled, until it
    // ends or the user gives up; the layer presses Cancel afterwards when it
    // still runs. Never called when the dialog ended in onInitDialog.
    virtual void runModal(Dialog& dialog) = 0;
    // The modal run is over (also when the dialog could not be built).
    virtual void endModal(Dialog& dialog) = 0;

    // `box` holds text, caption and style; the back end fills in the answer
    // (and scripted/rejected). The layer records it as shown.
    virtual void messageBox(Window* parent, MessageBoxRecord& box) = 0;
    virtual FileDialogResult fileDialog(const FileDialogRequest& request) = 0;
    // The chosen command id, 0 when dismissed.
    virtual int popupMenu(const Menu& menu, Point screen, Window* owner) = 0;
    // The drop effect of a drag started with `data`.
    virtual std::uint32_t dragDrop(const DataObject& data, std::uint32_t allowedEffects) = 0;

    // Notices; the scripted back end ignores them.
    virtual void windowEvent(Window& window, WindowEvent event);
    virtual void timersChanged();
    // The layer's clipboard was emptied or given data (clipboard.h), so
    // that a back end can hand its text to the system's clipboard.
    virtual void clipboardChanged();
};

// The back end in use.
ZRLWIN_API Backend& backend();
// The scripted user's back end, the default.
ZRLWIN_API Backend& scriptedBackend();
// Installs `next` (nullptr: the scripted one); answers the one it replaces.
ZRLWIN_API Backend* setBackend(Backend* next);

// Installs a back end for a scope and restores the previous one.
class BackendScope {
public:
    explicit BackendScope(Backend& b) : previous_(setBackend(&b)) {}
    ~BackendScope() { setBackend(previous_); }
    BackendScope(const BackendScope&) = delete;
    BackendScope& operator=(const BackendScope&) = delete;

private:
    Backend* previous_;
};

// The time on the layer's clock (timers.h) at which the next timer falls
// due; none when no timer runs.
ZRLWIN_API std::optional<std::uint64_t> nextTimerDue();

} // namespace win
