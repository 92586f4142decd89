#include "platform/win/detail_state.h"

#include <algorithm>

namespace win::detail {

State& state() {
    static State* const instance = new State;
    return *instance;
}

void killWindowTimers(WindowHandle window) {
    auto& timers = state().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [window](const TimerEntry& t) { return t.window == window; }),
                 timers.end());
}

} // namespace win::detail
