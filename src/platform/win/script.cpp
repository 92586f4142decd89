// The scripted user's queues and the record of what was shown.
#include "platform/win/script.h"

#include "platform/win/detail_state.h"
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

} // namespace win
