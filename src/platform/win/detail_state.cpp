#include "platform/win/detail_state.h"

#include "platform/text/utf.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace win::detail {

State& state() {
    static State* const instance = new State;
    return *instance;
}

void recordError(const std::wstring& where, std::exception_ptr error) {
    std::wstring what = L"unknown exception";
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        what = zrltext::fromUtf8(e.what());
    } catch (...) {
    }
    const std::wstring line = where + L": " + what;
    state().shown.errors.push_back(line);
    std::fprintf(stderr, "%s\n", zrltext::toUtf8(line).c_str());
}

void killWindowTimers(WindowHandle window) {
    auto& timers = state().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [window](const TimerEntry& t) { return t.window == window; }),
                 timers.end());
}

} // namespace win::detail
