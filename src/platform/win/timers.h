// Timers, the virtual clock and the message queue.
//
// The clock is virtual: it stands still until advanceClock moves it. Then
// every timer that falls due fires in time order (timers due at the same
// moment in the order they were set), the clock standing at each timer's due
// time while it fires; a periodic timer fires again every interval while the
// clock advances. A timer set or killed by a firing timer takes effect at
// once (a new one fires in the same advance when it falls due within it).
// Posted messages are delivered before each firing and at the end.
//
// Window timers (Window::setTimer) arrive as WM_TIMER (onTimer); thread
// timers call their function with the timer id. Intervals below 1 ms count
// as 1 ms.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <functional>

namespace win {

class Window;

using TimerProc = std::function<void(std::uintptr_t id)>;

// Thread timer without a window. Answers its id (never 0). 0 for an empty
// function.
ZRLWIN_API std::uintptr_t setTimer(unsigned intervalMs, TimerProc proc);
// Kills a thread timer; false when it does not run.
ZRLWIN_API bool killTimer(std::uintptr_t id);
// Window timers through free functions, for code that holds a window.
ZRLWIN_API std::uintptr_t setTimer(Window* window, std::uintptr_t id, unsigned intervalMs);
ZRLWIN_API bool killTimer(Window* window, std::uintptr_t id);
// Number of running timers (window and thread).
ZRLWIN_API int timerCount();

// Milliseconds on the virtual clock since the last Script::reset.
ZRLWIN_API std::uint64_t clockNow();
// Advances the clock, firing due timers. Answers how many fired.
ZRLWIN_API int advanceClock(std::uint64_t ms);

// Queues a message for a window (false when the window is not live).
ZRLWIN_API bool postMessage(Window* window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Delivers the queued messages in order, including those posted meanwhile,
// then paints invalidated windows. Messages for windows gone meanwhile are
// dropped. Answers how many were delivered.
ZRLWIN_API int pumpMessages();

} // namespace win
