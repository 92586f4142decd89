// Window life, the tree of windows, focus and the default message handling.
#include "platform/win/window.h"

#include "platform/win/backend.h"
#include "platform/win/detail_state.h"
#include "platform/win/timers.h"

#include <algorithm>

namespace win {

using detail::state;

Window::Window() {
    state();
}

Window::~Window() {
    destroy();
    detach();
}

bool Window::create(const std::wstring& className, const std::wstring& text, std::uint32_t style,
                    const Rect& rect, Window* parent, int id) {
    if (handle_ != 0 || destroying_) return false;
    if (parent && !parent->isCreated()) return false;
    auto& s = state();
    handle_ = s.nextHandle++;
    s.windows[handle_] = this;
    className_ = className;
    text_ = text;
    style_ = style;
    rect_ = rect;
    id_ = id;
    invalid_ = true;
    attach(parent);
    if (sendMessage(WM_CREATE) == -1) {
        destroy();
        return false;
    }
    if (handle_ != 0) backend().windowEvent(*this, WindowEvent::Created);
    return true;
}

bool Window::destroy() {
    if (handle_ == 0 || destroying_) return false;
    destroying_ = true;
    backend().windowEvent(*this, WindowEvent::Destroying);
    sendMessage(WM_DESTROY);
    // Children go after the parent's WM_DESTROY; a handler may have
    // destroyed some already, so work on a copy and skip the dead.
    const std::vector<Window*> kids = children_;
    for (Window* kid : kids)
        if (std::find(children_.begin(), children_.end(), kid) != children_.end()) kid->destroy();
    auto& s = state();
    detail::killWindowTimers(handle_);
    s.dropTargets.erase(handle_);
    s.viewScroll.erase(handle_);
    // The children are gone, so the focus can only be on this window.
    if (s.focus == this) s.focus = nullptr;
    s.windows.erase(handle_);
    handle_ = 0;
    detach();
    // Controls the layer made are deleted with their parent.
    std::vector<std::unique_ptr<Window>> owned = std::move(owned_);
    owned_.clear();
    owned.clear();
    destroying_ = false;
    return true;
}

Window* Window::fromHandle(WindowHandle handle) {
    if (handle == 0) return nullptr;
    auto& windows = state().windows;
    auto it = windows.find(handle);
    return it == windows.end() ? nullptr : it->second;
}

void Window::attach(Window* parent) {
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
}

void Window::detach() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
}

void Window::adoptChild(std::unique_ptr<Window> child) {
    if (child) owned_.push_back(std::move(child));
}

Window* Window::child(int id) const {
    for (Window* kid : children_)
        if (kid->id_ == id) return kid;
    return nullptr;
}

Window* Window::descendant(int id) const {
    for (Window* kid : children_) {
        if (kid->id_ == id) return kid;
        if (Window* found = kid->descendant(id)) return found;
    }
    return nullptr;
}

Window* Window::topLevel() {
    Window* w = this;
    while (w->parent_)
        w = w->parent_;
    return w;
}

void Window::setRect(const Rect& rect) {
    const bool resized = rect.size() != rect_.size();
    const bool moved = rect != rect_;
    rect_ = rect;
    if (moved && isCreated()) backend().windowEvent(*this, WindowEvent::Moved);
    if (resized && isCreated())
        sendMessage(WM_SIZE, SIZE_RESTORED, makeLParam(rect.width(), rect.height()));
}

Point Window::clientToScreen(Point p) const {
    for (const Window* w = this; w; w = w->parent_) {
        p.x += w->rect_.left;
        p.y += w->rect_.top;
    }
    return p;
}

void Window::setText(const std::wstring& text) {
    if (text_ == text) return;
    text_ = text;
    if (isCreated()) backend().windowEvent(*this, WindowEvent::TextChanged);
    invalidate();
}

void Window::enable(bool enabled) {
    if (enabled == isEnabled()) return;
    modifyStyle(WS_DISABLED, enabled ? 0 : WS_DISABLED);
    if (!isCreated()) return;
    if (!enabled) moveFocusAway(this);
    sendMessage(WM_ENABLE, enabled ? 1 : 0);
    backend().windowEvent(*this, WindowEvent::StyleChanged);
    invalidate();
}

bool Window::isVisible() const {
    for (const Window* w = this; w; w = w->parent_)
        if ((w->style_ & WS_VISIBLE) == 0) return false;
    return true;
}

void Window::show(bool visible) {
    if (visible == ((style_ & WS_VISIBLE) != 0)) return;
    modifyStyle(WS_VISIBLE, visible ? WS_VISIBLE : 0);
    if (!isCreated()) return;
    if (!visible) moveFocusAway(this);
    sendMessage(WM_SHOWWINDOW, visible ? 1 : 0);
    backend().windowEvent(*this, WindowEvent::StyleChanged);
    invalidate();
}

namespace {

// Moves the focus to `next` (may be nullptr) with the focus messages.
void changeFocus(Window* next) {
    auto& s = state();
    Window* previous = s.focus;
    if (previous == next) return;
    s.focus = next;
    const WindowHandle prevHandle = previous ? previous->handle() : 0;
    const WindowHandle nextHandle = next ? next->handle() : 0;
    if (previous) previous->sendMessage(WM_KILLFOCUS, nextHandle);
    // The handler of the old window may have moved the focus elsewhere.
    if (next && s.focus == next && Window::fromHandle(nextHandle))
        next->sendMessage(WM_SETFOCUS, prevHandle);
}

} // namespace

void Window::moveFocusAway(Window* from) {
    for (Window* w = state().focus; w; w = w->parent_)
        if (w == from) {
            changeFocus(nullptr);
            return;
        }
}

bool Window::setFocus() {
    if (!isCreated() || !isEnabled() || (style_ & WS_VISIBLE) == 0) return false;
    changeFocus(this);
    return true;
}

bool Window::hasFocus() const {
    return isCreated() && state().focus == this;
}

Window* Window::focus() {
    return state().focus;
}

void Window::invalidate() {
    if (!isCreated() || invalid_) return;
    invalid_ = true;
    backend().windowEvent(*this, WindowEvent::Invalidated);
}

void Window::update() {
    if (!isCreated() || !invalid_) return;
    invalid_ = false;
    ++paintCount_;
    sendMessage(WM_PAINT);
}

std::uintptr_t Window::setTimer(std::uintptr_t id, unsigned intervalMs) {
    return win::setTimer(this, id, intervalMs);
}

bool Window::killTimer(std::uintptr_t id) {
    return win::killTimer(this, id);
}

LRESULT Window::sendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!isCreated()) return 0;
    return windowProc(msg, wParam, lParam);
}

bool Window::postMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return win::postMessage(this, msg, wParam, lParam);
}

bool Window::dispatchInput(const Message& msg) {
    if (!msg.window || !msg.window->isCreated()) return false;
    std::vector<WindowHandle> chain;
    for (Window* w = msg.window; w; w = w->parent_)
        chain.push_back(w->handle());
    const WindowHandle target = msg.window->handle();
    for (WindowHandle h : chain) {
        Window* w = fromHandle(h);
        if (w && w->preTranslateMessage(msg)) return true;
    }
    if (Window* w = fromHandle(target)) w->sendMessage(msg.message, msg.wParam, msg.lParam);
    return false;
}

void Window::notifyParent(int code) {
    if (!isCreated() || !parent_) return;
    parent_->sendMessage(WM_COMMAND,
                         makeWParam(static_cast<unsigned>(id_), static_cast<unsigned>(code)),
                         reinterpret_cast<LPARAM>(this));
}

LRESULT Window::notifyParent(NotifyHeader& hdr, UINT code) {
    if (!isCreated() || !parent_) return 0;
    hdr.window = this;
    hdr.idFrom = id_;
    hdr.code = code;
    return parent_->sendMessage(WM_NOTIFY, static_cast<WPARAM>(id_),
                                reinterpret_cast<LPARAM>(&hdr));
}

bool Window::preTranslateMessage(const Message&) {
    return false;
}

namespace {

Point pointOf(LPARAM lParam) {
    return {loSigned(lParam), hiSigned(lParam)};
}

// Control ids travel as 16 bits; 0xFFFF is the id of unaddressed labels.
int commandId(WPARAM wParam) {
    const unsigned id = loWord(wParam);
    return id == 0xFFFF ? IDC_STATIC : static_cast<int>(id);
}

} // namespace

LRESULT Window::windowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_SIZE:
        onSize(static_cast<int>(loWord(static_cast<std::uintptr_t>(lParam))),
               static_cast<int>(hiWord(static_cast<std::uintptr_t>(lParam))));
        return 0;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_SETFOCUS:
        onSetFocus(fromHandle(wParam));
        return 0;
    case WM_KILLFOCUS:
        onKillFocus(fromHandle(wParam));
        return 0;
    case WM_KEYDOWN:
        onKeyDown(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        onChar(static_cast<wchar_t>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        onLButtonDown(wParam, pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        onLButtonUp(wParam, pointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        onLButtonDblClk(wParam, pointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        onRButtonDown(wParam, pointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        onRButtonUp(wParam, pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(wParam, pointOf(lParam));
        return 0;
    case WM_CONTEXTMENU:
        onContextMenu(fromHandle(wParam), pointOf(lParam));
        return 0;
    case WM_COMMAND: {
        const int id = commandId(wParam);
        const int code = static_cast<int>(hiWord(wParam));
        if (!onCommand(id, code)) defaultCommand(id, code);
        return 0;
    }
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NotifyHeader*>(lParam);
        if (!hdr) return 0;
        LRESULT result = 0;
        onNotify(hdr->idFrom, *hdr, result);
        return result;
    }
    default:
        return defWindowProc(msg, wParam, lParam);
    }
}

LRESULT Window::defWindowProc(UINT msg, WPARAM, LPARAM) {
    if (msg == WM_CLOSE) destroy();
    return 0;
}

void Window::onSize(int, int) {}
void Window::onTimer(std::uintptr_t) {}
void Window::onSetFocus(Window*) {}
void Window::onKillFocus(Window*) {}
void Window::onKeyDown(int) {}
void Window::onChar(wchar_t) {}
void Window::onLButtonDown(WPARAM, Point) {}
void Window::onLButtonUp(WPARAM, Point) {}
void Window::onLButtonDblClk(WPARAM, Point) {}
void Window::onRButtonDown(WPARAM, Point) {}
void Window::onMouseMove(WPARAM, Point) {}

// Releasing the right button asks for a context menu, as a real toolkit does.
void Window::onRButtonUp(WPARAM, Point p) {
    const Point screen = clientToScreen(p);
    sendMessage(WM_CONTEXTMENU, handle_, makeLParam(screen.x, screen.y));
}

// A child that does not handle its context menu passes it to its parent.
void Window::onContextMenu(Window* where, Point screen) {
    if (parent_)
        parent_->sendMessage(WM_CONTEXTMENU, where ? where->handle() : handle_,
                             makeLParam(screen.x, screen.y));
}

bool Window::onCommand(int, int) {
    return false;
}
void Window::defaultCommand(int, int) {}
bool Window::onNotify(int, const NotifyHeader&, LRESULT&) {
    return false;
}

Window& mainWindow() {
    static Window* const frame = [] {
        auto* w = new Window;
        w->create(L"ZrlMainFrame", L"", WS_VISIBLE | WS_CAPTION, {0, 0, 1280, 1024}, nullptr, 0);
        return w;
    }();
    return *frame;
}

} // namespace win
