// Profiling timers: Zrl_Timer accumulates the time between start and end and
// counts the completed intervals; Zrl_FunctionTimer brackets a scope. Also
// the current date and time as text.
#pragma once

#include "platform/core/zrl_string.h"

#include <chrono>

class Zrl_Timer {
public:
    explicit Zrl_Timer(const Zrl_String& name = Zrl_String()) : name_(name) {}
    virtual ~Zrl_Timer() = default;

    // Starts an interval; starting a running timer restarts its interval.
    void start();
    // Ends the running interval, adding it to the total; ignored when the
    // timer is not running (a step that failed before ending its interval
    // leaves it running, and the next start begins afresh).
    void end();
    // Forgets the totals and any running interval.
    void reset();

    const Zrl_String& name() const { return name_; }
    bool isRunning() const { return running_; }
    // Completed intervals and their summed time in seconds.
    int count() const { return count_; }
    double totalSeconds() const { return std::chrono::duration<double>(total_).count(); }
    // "name: count calls, total s" with 6 decimals, for reports.
    Zrl_String report() const;

private:
    using Clock = std::chrono::steady_clock;
    Zrl_String name_;
    Clock::time_point started_{};
    Clock::duration total_{};
    int count_ = 0;
    bool running_ = false;
};

class Zrl_FunctionTimer {
public:
    explicit Zrl_FunctionTimer(Zrl_Timer& timer) : timer_(timer) { timer_.start(); }
    ~Zrl_FunctionTimer() { timer_.end(); }
    Zrl_FunctionTimer(const Zrl_FunctionTimer&) = delete;
    Zrl_FunctionTimer& operator=(const Zrl_FunctionTimer&) = delete;

private:
    Zrl_Timer& timer_;
};

// The current local date and time formatted with `format` (the strftime
// conversions; month and day names as the process locale gives them, English
// in the default locale), e.g. "06 December, 2026 (14:05)". Empty when the
// format gives more than 255 characters.
Zrl_String getCurrentTime(const Zrl_String& format = L"%d %B, %Y (%H:%M)");
