// The scripted user's queues and the record of what was shown.
#include "platform/win/script.h"

#include "platform/win/constants.h"
#include "platform/win/detail_state.h"
#include "platform/win/dialog.h"
#include "platform/win/timers.h"
#include "platform/win/window.h"

namespace win {

using detail::state;

Script& script() {
    static Script instance;
    return instance;
}

void Script::reset() {
    auto& s = state();
    s.timers.clear();
    s.timerSeq = 0;
    s.nextThreadTimerId = 1;
    s.now = 0;
    s.posted.clear();
    s.messageBoxAnswers.clear();
    s.fileAnswers.clear();
    s.modals.clear();
    s.menuChoices.clear();
    s.drops.clear();
    s.shown = Shown{};
    s.messageBoxObserver = nullptr;
    s.clipboard.clear();
    s.keysDown.clear();
}

void Script::queueMessageBoxAnswer(int answer) {
    state().messageBoxAnswers.push_back(answer);
}

void Script::queueFileDialog(std::vector<std::wstring> paths) {
    state().fileAnswers.emplace_back(std::move(paths));
}

void Script::queueFileDialogCancel() {
    state().fileAnswers.emplace_back(std::nullopt);
}

void Script::onNextModal(std::function<void(Dialog&)> play) {
    state().modals.push_back(std::move(play));
}

bool Script::playOpenDialog(Dialog& dlg) {
    auto& s = state();
    if (s.modals.empty() || !dlg.isCreated()) return false;
    std::function<void(Dialog&)> play = std::move(s.modals.front());
    s.modals.pop_front();
    try {
        play(dlg);
    } catch (...) {
        detail::recordError(L"scripted dialog \"" + dlg.text() + L"\"", std::current_exception());
    }
    pumpMessages();
    return true;
}

void Script::queueMenuChoice(int commandId) {
    state().menuChoices.push_back({detail::MenuChoice::ById, commandId, {}});
}

void Script::queueMenuChoice(const std::wstring& itemText) {
    state().menuChoices.push_back({detail::MenuChoice::ByText, 0, itemText});
}

void Script::queueMenuDismiss() {
    state().menuChoices.push_back({detail::MenuChoice::Dismiss, 0, {}});
}

void Script::queueDrop(Window* target, Point point) {
    state().drops.push_back({target ? target->handle() : 0, point});
}

void Script::queueDragCancel() {
    state().drops.push_back({0, {}});
}

void Script::setKeyDown(int vk, bool down) {
    if (down)
        state().keysDown.insert(vk);
    else
        state().keysDown.erase(vk);
}

int Script::pendingMessageBoxAnswers() const {
    return static_cast<int>(state().messageBoxAnswers.size());
}
int Script::pendingFileDialogs() const {
    return static_cast<int>(state().fileAnswers.size());
}
int Script::pendingModals() const {
    return static_cast<int>(state().modals.size());
}
int Script::pendingMenuChoices() const {
    return static_cast<int>(state().menuChoices.size());
}
int Script::pendingDrops() const {
    return static_cast<int>(state().drops.size());
}

const Shown& Script::shown() const {
    return state().shown;
}

void Script::setMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer) {
    state().messageBoxObserver = std::move(observer);
}

short getKeyState(int vk) {
    return state().keysDown.count(vk) ? static_cast<short>(0x8001 & 0xFFFF) : 0;
}

namespace {

WPARAM mouseKeys(WPARAM button) {
    WPARAM keys = button;
    if (getKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (getKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    return keys;
}

// Sends one input message; false once the target is gone.
bool send(WindowHandle target, UINT msg, WPARAM w, LPARAM l) {
    Window* window = Window::fromHandle(target);
    if (!window) return false;
    Window::dispatchInput({window, msg, w, l});
    return true;
}

} // namespace

bool pressKey(Window& target, int vk) {
    if (!target.isCreated()) return false;
    const WindowHandle h = target.handle();
    send(h, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    send(h, WM_KEYUP, static_cast<WPARAM>(vk), 0);
    return true;
}

bool clickMouse(Window& target, Point point, bool right) {
    if (!target.isCreated()) return false;
    const WindowHandle h = target.handle();
    const LPARAM at = makeLParam(point.x, point.y);
    if (right) {
        send(h, WM_RBUTTONDOWN, mouseKeys(MK_RBUTTON), at);
        send(h, WM_RBUTTONUP, mouseKeys(0), at);
    } else {
        send(h, WM_LBUTTONDOWN, mouseKeys(MK_LBUTTON), at);
        send(h, WM_LBUTTONUP, mouseKeys(0), at);
    }
    return true;
}

bool doubleClickMouse(Window& target, Point point) {
    if (!target.isCreated()) return false;
    const WindowHandle h = target.handle();
    const LPARAM at = makeLParam(point.x, point.y);
    send(h, WM_LBUTTONDOWN, mouseKeys(MK_LBUTTON), at);
    send(h, WM_LBUTTONUP, mouseKeys(0), at);
    send(h, WM_LBUTTONDBLCLK, mouseKeys(MK_LBUTTON), at);
    send(h, WM_LBUTTONUP, mouseKeys(0), at);
    return true;
}

} // namespace win
