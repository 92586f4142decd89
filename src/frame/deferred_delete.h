// Deleting a window object from within one of its own message handlers
// (a dialog whose button asks its table to close it) would pull the object
// away under the code that called the handler. Closed dialogs therefore go
// to a bin that a one-shot timer empties as soon as the message loop runs
// again; emptying the bin by hand (flush) deletes them at once.
#pragma once

#include "platform/win/timers.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zrlss {

template <class T> class DeferredDelete {
public:
    DeferredDelete() = default;
    DeferredDelete(const DeferredDelete&) = delete;
    DeferredDelete& operator=(const DeferredDelete&) = delete;
    ~DeferredDelete() { flush(); }

    void add(std::unique_ptr<T> object) {
        if (!object) return;
        bin_.push_back(std::move(object));
        if (timer_ == 0) timer_ = win::setTimer(0, [this](std::uintptr_t) { flush(); });
    }

    // Deletes everything in the bin now.
    void flush() {
        if (timer_ != 0) {
            win::killTimer(timer_);
            timer_ = 0;
        }
        // Deleting may close further windows that land in the bin again.
        while (!bin_.empty()) {
            std::vector<std::unique_ptr<T>> doomed;
            doomed.swap(bin_);
        }
    }

    int pending() const { return static_cast<int>(bin_.size()); }

private:
    std::vector<std::unique_ptr<T>> bin_;
    std::uintptr_t timer_ = 0;
};

} // namespace zrlss
