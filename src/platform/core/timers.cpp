#include "platform/core/timers.h"

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
