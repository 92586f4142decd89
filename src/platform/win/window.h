// Window: the base of every window of the windowing layer — the main frame,
// dialogs, controls and custom controls (the grid is one).
//
// Life. A Window object is a plain C++ object; `create` makes it a live
// window (it gets a handle, joins its parent's children and receives
// messages) and `destroy` ends that life again: WM_DESTROY (onDestroy) comes
// first, while the children still live (a dialog may read its controls
// there), then the children are destroyed. A destroyed object may be created
// again.
// The destructor destroys a live window. Destroying a parent also destroys
// its children; children the layer made itself (the controls of a dialog
// template) are deleted with it, children made by the program are only
// destroyed and stay the program's objects.
//
// Messages. `sendMessage` calls `windowProc` at once; `postMessage` queues
// the message for `pumpMessages` (timers.h), which drops it if the window is
// gone by then. The default `windowProc` turns the common messages into the
// virtual handlers below. Override a handler, or `windowProc` itself for
// private messages (call the base for the rest).
//
// Input (keys and mouse, from the scripted user or a real toolkit) goes
// through `dispatchInput`: the target and then each of its ancestors get
// `preTranslateMessage` first; the first that returns true consumes the
// message. Only when none does, the target's `windowProc` receives it. A grid
// intercepts F3/F5 there before its dialog's default key handling (Return =
// OK, Escape = Cancel).
//
// Everything is single-threaded: call it from one thread only.
#pragma once

#include "platform/win/constants.h"
#include "platform/win/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace win {

class Window;

// Opaque number of a live window; 0 is no window. Handles are never reused
// within a process, so a stale handle finds nothing.
using WindowHandle = std::uintptr_t;

// One message as input dispatch sees it.
struct Message {
    Window* window = nullptr; // target
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Header of every WM_NOTIFY message; specialised notifications start with it.
struct NotifyHeader {
    Window* window = nullptr; // the control that notifies
    int idFrom = 0;
    UINT code = 0;
};

class ZRLWIN_API Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window live. `rect` is in the parent's client coordinates.
    // False when it is live already. Sends WM_CREATE (onCreate); when that
    // answers false the window is destroyed again and create returns false.
    bool create(const std::wstring& className, const std::wstring& text, std::uint32_t style,
                const Rect& rect, Window* parent, int id);
    // Ends the window's life: sends WM_DESTROY, destroys its children, kills
    // its timers, revokes its drop target, drops the focus (quietly) and
    // leaves the parent. False when it was not live or is being destroyed.
    bool destroy();
    bool isCreated() const { return handle_ != 0; }
    WindowHandle handle() const { return handle_; }
    // The live window with this handle, or nullptr.
    static Window* fromHandle(WindowHandle handle);

    int id() const { return id_; }
    void setId(int id) { id_ = id; }
    Window* parent() const { return parent_; }
    const std::vector<Window*>& children() const { return children_; }
    // Direct child with this id, or nullptr.
    Window* child(int id) const;
    // Child with this id at any depth (first found, depth first), or nullptr.
    Window* descendant(int id) const;
    // The top-level window this one belongs to (itself when it has no parent).
    Window* topLevel();
    const std::wstring& className() const { return className_; }

    // Position and size in the parent's client coordinates. Changing the size
    // sends WM_SIZE with the new client size.
    Rect rect() const { return rect_; }
    void setRect(const Rect& rect);
    void move(int x, int y) { setRect(rect_.offset(x - rect_.left, y - rect_.top)); }
    Rect clientRect() const { return {0, 0, rect_.width(), rect_.height()}; }
    // Maps a point of this window's client area to screen coordinates.
    Point clientToScreen(Point p) const;

    virtual std::wstring text() const { return text_; }
    virtual void setText(const std::wstring& text);

    std::uint32_t style() const { return style_; }
    void setStyle(std::uint32_t style) { style_ = style; }
    void modifyStyle(std::uint32_t remove, std::uint32_t add) { style_ = (style_ & ~remove) | add; }

    // Enabled state (WS_DISABLED cleared). Disabling the focus window moves
    // the focus away. Sends WM_ENABLE when the state changes.
    bool isEnabled() const { return (style_ & WS_DISABLED) == 0; }
    void enable(bool enabled = true);
    // Visible: its own WS_VISIBLE and that of every ancestor.
    bool isVisible() const;
    // Sets or clears WS_VISIBLE; sends WM_SHOWWINDOW when the state changes.
    // Hiding the focus window (or one of its ancestors) moves the focus away.
    virtual void show(bool visible = true);

    // Keyboard focus. Moving it sends WM_KILLFOCUS to the old window and
    // WM_SETFOCUS to the new one (edits then tell their parent EN_KILLFOCUS
    // and EN_SETFOCUS). Fails (false) for a window that is not live, disabled
    // or hidden.
    bool setFocus();
    bool hasFocus() const;
    // The window with the focus, or nullptr.
    static Window* focus();

    // Repaint: invalidate marks the window, pumpMessages paints marked
    // windows after the posted messages; update paints at once when marked.
    void invalidate();
    void update();
    // How often onPaint ran (a test sees whether a change repainted).
    int paintCount() const { return paintCount_; }

    // Timers of this window (WM_TIMER -> onTimer). Setting an id that runs
    // already restarts it with the new interval. Returns id, 0 when the
    // window is not live. Destroying the window kills its timers.
    std::uintptr_t setTimer(std::uintptr_t id, unsigned intervalMs);
    bool killTimer(std::uintptr_t id);

    // 0 when the window is not live.
    LRESULT sendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // False when the window is not live.
    bool postMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Input path (see above). Returns true when a preTranslateMessage
    // consumed the message.
    static bool dispatchInput(const Message& msg);

    // Tells the parent (WM_COMMAND with this window's id) of a notification.
    void notifyParent(int code);
    // Sends WM_NOTIFY with `hdr` (window, idFrom and code are filled in) to
    // the parent; returns the parent's answer.
    LRESULT notifyParent(NotifyHeader& hdr, UINT code);

    virtual LRESULT windowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Key and mouse messages, before windowProc. True consumes the message.
    virtual bool preTranslateMessage(const Message& msg);

protected:
    // Default handling of what a subclass does not handle.
    LRESULT defWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Handlers called by the default windowProc.
    virtual bool onCreate() { return true; }
    virtual void onDestroy() {}
    virtual void onSize(int cx, int cy);
    virtual void onTimer(std::uintptr_t id);
    virtual void onPaint() {}
    virtual void onSetFocus(Window* previous);
    virtual void onKillFocus(Window* next);
    virtual void onKeyDown(int vk);
    virtual void onChar(wchar_t ch);
    virtual void onLButtonDown(WPARAM flags, Point p);
    virtual void onLButtonUp(WPARAM flags, Point p);
    virtual void onLButtonDblClk(WPARAM flags, Point p);
    virtual void onRButtonDown(WPARAM flags, Point p);
    virtual void onRButtonUp(WPARAM flags, Point p);
    virtual void onMouseMove(WPARAM flags, Point p);
    virtual void onContextMenu(Window* where, Point screen);
    // WM_COMMAND from a child control or a menu: true when handled. Unhandled
    // commands go to defaultCommand (a dialog's OK and Cancel).
    virtual bool onCommand(int id, int notifyCode);
    virtual void defaultCommand(int id, int notifyCode);
    // WM_NOTIFY from a child: true when handled, with the answer in `result`.
    virtual bool onNotify(int id, const NotifyHeader& hdr, LRESULT& result);

    // Children the layer made and deletes with the window.
    void adoptChild(std::unique_ptr<Window> child);

private:
    void attach(Window* parent);
    void detach();
    static void moveFocusAway(Window* from);

    WindowHandle handle_ = 0;
    int id_ = 0;
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    std::vector<std::unique_ptr<Window>> owned_;
    std::wstring className_;
    std::wstring text_;
    std::uint32_t style_ = 0;
    Rect rect_;
    bool invalid_ = false;
    bool destroying_ = false;
    int paintCount_ = 0;

    friend struct WindowAccess;
};

// The host's main frame window: a top-level window that always exists. Modal
// dialogs without a parent are owned by it.
ZRLWIN_API Window& mainWindow();

} // namespace win
