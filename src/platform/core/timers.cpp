#include "platform/core/timers.h"

#include <ctime>
#include <cwchar>

void Zrl_Timer::start() {
    started_ = Clock::now();
    running_ = true;
}

void Zrl_Timer::end() {
    if (!running_) return;
    total_ += Clock::now() - started_;
    ++count_;
    running_ = false;
}

void Zrl_Timer::reset() {
    total_ = Clock::duration{};
    count_ = 0;
    running_ = false;
}

Zrl_String Zrl_Timer::report() const {
    return name_ + L": " + Zrl_String(count_) + L" calls, " + Zrl_String(totalSeconds(), 6) + L" s";
}

Zrl_String getCurrentTime(const Zrl_String& format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return Zrl_String();
    wchar_t buf[256];
    const size_t n = std::wcsftime(buf, 256, format.c_str(), &local);
    return Zrl_String(std::wstring_view(buf, n));
}
