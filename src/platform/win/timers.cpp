// Timers on the virtual clock, and the queue of posted messages.
#include "platform/win/timers.h"

#include "platform/win/backend.h"
#include "platform/win/detail_state.h"
#include "platform/win/window.h"

#include <algorithm>
#include <limits>

namespace win {

using detail::state;
using detail::TimerEntry;

namespace {

std::uintptr_t addTimer(WindowHandle window, std::uintptr_t id, unsigned intervalMs,
                        TimerProc proc) {
    auto& s = state();
    const unsigned interval = std::max(intervalMs, 1u);
    // Setting a running timer again restarts it.
    for (auto& t : s.timers)
        if (t.window == window && t.id == id) {
            t.interval = interval;
            t.due = s.now + interval;
            t.seq = s.timerSeq++;
            t.proc = std::move(proc);
            backend().timersChanged();
            return id;
        }
    TimerEntry entry;
    entry.due = s.now + interval;
    entry.seq = s.timerSeq++;
    entry.interval = interval;
    entry.window = window;
    entry.id = id;
    entry.proc = std::move(proc);
    s.timers.push_back(std::move(entry));
    backend().timersChanged();
    return id;
}

bool removeTimer(WindowHandle window, std::uintptr_t id) {
    auto& timers = state().timers;
    const auto it = std::find_if(timers.begin(), timers.end(), [&](const TimerEntry& t) {
        return t.window == window && t.id == id;
    });
    if (it == timers.end()) return false;
    timers.erase(it);
    backend().timersChanged();
    return true;
}

} // namespace

std::uintptr_t setTimer(unsigned intervalMs, TimerProc proc) {
    if (!proc) return 0;
    auto& s = state();
    std::uintptr_t id = s.nextThreadTimerId++;
    if (id == 0) id = s.nextThreadTimerId++;
    return addTimer(0, id, intervalMs, std::move(proc));
}

bool killTimer(std::uintptr_t id) {
    return removeTimer(0, id);
}

std::uintptr_t setTimer(Window* window, std::uintptr_t id, unsigned intervalMs) {
    if (!window || !window->isCreated()) return 0;
    return addTimer(window->handle(), id, intervalMs, nullptr);
}

bool killTimer(Window* window, std::uintptr_t id) {
    if (!window || !window->isCreated()) return false;
    return removeTimer(window->handle(), id);
}

int timerCount() {
    return static_cast<int>(state().timers.size());
}

std::uint64_t clockNow() {
    return state().now;
}

int advanceClock(std::uint64_t ms) {
    auto& s = state();
    const std::uint64_t target = ms > std::numeric_limits<std::uint64_t>::max() - s.now
                                     ? std::numeric_limits<std::uint64_t>::max()
                                     : s.now + ms;
    int fired = 0;
    for (;;) {
        pumpMessages();
        auto next = s.timers.end();
        for (auto it = s.timers.begin(); it != s.timers.end(); ++it)
            if (it->due <= target && (next == s.timers.end() || it->due < next->due ||
                                      (it->due == next->due && it->seq < next->seq)))
                next = it;
        if (next == s.timers.end()) break;
        s.now = next->due;
        // Due again one interval on; the handler may kill or restart it.
        next->due = s.now + next->interval;
        const WindowHandle window = next->window;
        const std::uintptr_t id = next->id;
        const TimerProc proc = next->proc;
        ++fired;
        if (window != 0) {
            if (Window* w = Window::fromHandle(window)) w->sendMessage(WM_TIMER, id, 0);
        } else if (proc) {
            try {
                proc(id);
            } catch (...) {
                detail::recordError(L"timer " + std::to_wstring(id), std::current_exception());
            }
        }
    }
    s.now = target;
    return fired;
}

bool postMessage(Window* window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!window || !window->isCreated()) return false;
    state().posted.push_back({window->handle(), msg, wParam, lParam});
    return true;
}

int pumpMessages() {
    auto& s = state();
    int delivered = 0;
    while (!s.posted.empty()) {
        const detail::PostedMessage m = s.posted.front();
        s.posted.pop_front();
        if (Window* w = Window::fromHandle(m.window)) {
            w->sendMessage(m.msg, m.wParam, m.lParam);
            ++delivered;
        }
    }
    // Paint what became invalid. Handles first: painting may destroy windows.
    std::vector<WindowHandle> handles;
    handles.reserve(s.windows.size());
    for (const auto& entry : s.windows)
        handles.push_back(entry.first);
    std::sort(handles.begin(), handles.end());
    for (WindowHandle h : handles)
        if (Window* w = Window::fromHandle(h)) w->update();
    return delivered;
}

} // namespace win
