// Internal: the one state of the windowing layer (live windows, focus,
// timers, clock, message queue, the scripted user's queues and records,
// clipboard, drop targets, scroll positions of lists, held keys). Not part of the interface.
#pragma once

#include "platform/win/drag_drop.h"
#include "platform/win/script.h"
#include "platform/win/timers.h"
#include "platform/win/window.h"

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace win::detail {

struct TimerEntry {
    std::uint64_t due = 0;
    std::uint64_t seq = 0; // order of setting, for timers due together
    unsigned interval = 1;
    WindowHandle window = 0; // 0 for a thread timer
    std::uintptr_t id = 0;
    TimerProc proc;
};

struct PostedMessage {
    WindowHandle window = 0;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct MenuChoice {
    enum Kind { ById, ByText, Dismiss } kind = Dismiss;
    int id = 0;
    std::wstring text;
};

struct DropChoice {
    WindowHandle target = 0; // 0: cancel the drag
    Point point;
};

struct State {
    std::unordered_map<WindowHandle, Window*> windows;
    WindowHandle nextHandle = 1;
    Window* focus = nullptr;

    std::vector<TimerEntry> timers;
    std::uint64_t timerSeq = 0;
    std::uintptr_t nextThreadTimerId = 1;
    std::uint64_t now = 0;
    std::deque<PostedMessage> posted;

    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::vector<std::wstring>>> fileAnswers;
    std::deque<std::function<void(Dialog&)>> modals;
    std::deque<MenuChoice> menuChoices;
    std::deque<DropChoice> drops;
    Shown shown;
    std::function<void(const MessageBoxRecord&)> messageBoxObserver;

    std::map<UINT, std::vector<std::uint8_t>> clipboard;
    std::vector<std::wstring> clipboardFormats; // index + 0xC000
    std::unordered_map<WindowHandle, DropTarget*> dropTargets;
    std::unordered_map<WindowHandle, Point> viewScroll; // lists a screen scrolled
    std::set<int> keysDown;
};

// Never destroyed, so that windows living until the end of the process can
// still leave it.
State& state();

// Records an exception that a caller's function let out (Shown::errors) and
// prints it on stderr.
void recordError(const std::wstring& where, std::exception_ptr error);

// Removes every timer of a window.
void killWindowTimers(WindowHandle window);

} // namespace win::detail
