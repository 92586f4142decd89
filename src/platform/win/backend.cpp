// The back-end switch and the scripted user's back end, the default.
#include "platform/win/backend.h"

#include "platform/text/utf.h"
#include "platform/win/constants.h"
#include "platform/win/detail_state.h"
#include "platform/win/dialog.h"
#include "platform/win/message_box.h"
#include "platform/win/timers.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

namespace win {

using detail::state;

void Backend::windowEvent(Window&, WindowEvent) {}
void Backend::timersChanged() {}
void Backend::clipboardChanged() {}

namespace {

bool exists(const std::wstring& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(zrltext::toUtf8(path)), ec);
}

// Adds ".ext" to a file name without an extension.
std::wstring withExtension(const std::wstring& path, const std::wstring& ext) {
    if (ext.empty()) return path;
    const size_t slash = path.find_last_of(L"/\\");
    const size_t name = slash == std::wstring::npos ? 0 : slash + 1;
    if (path.find(L'.', name) != std::wstring::npos || name == path.size()) return path;
    return path + L"." + ext;
}

class ScriptedBackend final : public Backend {
public:
    void beginModal(Dialog& dialog) override {
        // The scripted user plays the dialogs in the order they are created,
        // so the function is taken before a nested dialog of onInitDialog can.
        auto& s = state();
        std::function<void(Dialog&)> play;
        if (!s.modals.empty()) {
            play = std::move(s.modals.front());
            s.modals.pop_front();
        }
        plays_.emplace_back(&dialog, std::move(play));
    }

    void runModal(Dialog& dialog) override {
        std::function<void(Dialog&)> play = takePlay(dialog);
        if (play) {
            try {
                play(dialog);
            } catch (...) {
                // A failing script is the test's fault; the dialog still ends.
                detail::recordError(L"scripted dialog \"" + dialog.text() + L"\"",
                                    std::current_exception());
            }
        }
        pumpMessages();
    }

    void endModal(Dialog& dialog) override { takePlay(dialog); }

    void messageBox(Window*, MessageBoxRecord& box) override {
        auto& s = state();
        box.answer = messageBoxDefault(box.style);
        if (s.messageBoxAnswers.empty()) return;
        const int queued = s.messageBoxAnswers.front();
        s.messageBoxAnswers.pop_front();
        const std::vector<int> buttons = messageBoxButtons(box.style);
        if (std::find(buttons.begin(), buttons.end(), queued) != buttons.end()) {
            box.answer = queued;
            box.scripted = true;
        } else {
            box.rejected = true;
        }
    }

    FileDialogResult fileDialog(const FileDialogRequest& request) override {
        auto& s = state();
        const std::wstring title =
            request.title.empty() ? (request.save ? L"Save As" : L"Open") : request.title;
        FileDialogResult result;
        while (!s.fileAnswers.empty()) {
            std::optional<std::vector<std::wstring>> answer = std::move(s.fileAnswers.front());
            s.fileAnswers.pop_front();
            if (!answer || answer->empty()) break;
            std::vector<std::wstring> paths = std::move(*answer);
            if (!request.multiSelect || request.save) paths.resize(1);
            for (auto& p : paths)
                p = withExtension(p, request.defaultExt);

            bool accepted = true;
            if (request.save && request.overwritePrompt && exists(paths.front())) {
                const int answerYes = win::messageBox(
                    request.parent,
                    paths.front() + L" already exists.\nDo you want to replace it?", title,
                    MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
                accepted = answerYes == IDYES;
            }
            if (!request.save && request.fileMustExist) {
                for (const auto& p : paths)
                    if (accepted && !exists(p)) {
                        win::messageBox(request.parent,
                                        p + L"\nFile not found.\nCheck the file name and try again.",
                                        title, MB_OK | MB_ICONEXCLAMATION);
                        accepted = false;
                    }
            }
            if (accepted) {
                result.ok = true;
                result.paths = std::move(paths);
                break;
            }
        }
        return result;
    }

    int popupMenu(const Menu& menu, Point, Window*) override {
        auto& s = state();
        if (s.menuChoices.empty()) return 0;
        const detail::MenuChoice choice = s.menuChoices.front();
        s.menuChoices.pop_front();
        const MenuItem* item = nullptr;
        if (choice.kind == detail::MenuChoice::ById) item = menu.findItem(choice.id);
        if (choice.kind == detail::MenuChoice::ByText) item = menu.findItemByText(choice.text);
        return item && item->enabled ? item->id : 0;
    }

    std::uint32_t dragDrop(const DataObject& data, std::uint32_t allowedEffects) override {
        auto& s = state();
        if (s.drops.empty()) return DROPEFFECT_NONE;
        const detail::DropChoice choice = s.drops.front();
        s.drops.pop_front();
        Window* target = Window::fromHandle(choice.target);
        if (!target) return DROPEFFECT_NONE;
        KeyState keys = 0;
        if (s.keysDown.count(VK_SHIFT)) keys |= MK_SHIFT;
        if (s.keysDown.count(VK_CONTROL)) keys |= MK_CONTROL;
        return dropOn(*target, data, choice.point, allowedEffects, keys);
    }

private:
    // The function taken for a dialog in beginModal; the newest entry first,
    // as modal runs nest.
    std::function<void(Dialog&)> takePlay(Dialog& dialog) {
        for (auto it = plays_.rbegin(); it != plays_.rend(); ++it)
            if (it->first == &dialog) {
                std::function<void(Dialog&)> play = std::move(it->second);
                plays_.erase(std::next(it).base());
                return play;
            }
        return {};
    }

    std::vector<std::pair<Dialog*, std::function<void(Dialog&)>>> plays_;
};

ScriptedBackend& scripted() {
    // Never destroyed: windows that live to the end of the process still
    // report to it.
    static auto* instance = new ScriptedBackend;
    return *instance;
}

Backend* current = nullptr;

} // namespace

Backend& scriptedBackend() {
    return scripted();
}

Backend& backend() {
    return current ? *current : scripted();
}

Backend* setBackend(Backend* next) {
    Backend* previous = &backend();
    current = next;
    return previous;
}

std::optional<std::uint64_t> nextTimerDue() {
    const auto& timers = state().timers;
    if (timers.empty()) return std::nullopt;
    std::uint64_t due = timers.front().due;
    for (const auto& t : timers)
        due = std::min(due, t.due);
    return due;
}

} // namespace win
