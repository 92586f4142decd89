// ModelessTable<Dialog>: the table of modeless dialogs of one kind (the
// macro dialogs). An entry's index is the handle the caller keeps for its
// dialog; an empty entry is free.
//
// start: takes the highest free index, or appends an entry; asks `make` for
//   a live, shown dialog for that index and stores it. When `make` gives
//   nothing the reserved entry stays empty.
// end(index): closes the dialog at index, unless it asks to postpone its
//   close (Dialog::postponeClose()): then a 50 ms thread timer retries the
//   close, each try with a new timer and a new (timer, index) pair, until the
//   dialog no longer asks to postpone. Each try prints "Delayed timer
//   called.\n" on the host's command line. Closing empties the entry, drops
//   the trailing empty entries when the entry was the last, and posts a
//   fresh command prompt to the host.
//
// Dialog requirements: bool postponeClose() const, and those of a window
// (isCreated, destroy). Only one retry per index waits at a time, and a
// direct close cancels the waiting retry, so a late retry never closes the
// dialog that took the index over.
#pragma once

#include "frame/deferred_delete.h"
#include "platform/host/command_line.h"
#include "platform/win/timers.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zrlss {

inline constexpr unsigned kDeferredCloseMs = 50;

template <class Dialog> class ModelessTable {
public:
    using Maker = std::function<std::unique_ptr<Dialog>(int index)>;

    ModelessTable() = default;
    ModelessTable(const ModelessTable&) = delete;
    ModelessTable& operator=(const ModelessTable&) = delete;
    // Module unload: the retries stop and every dialog closes, postponed or not.
    ~ModelessTable() {
        for (const auto& [timer, index] : deferred_)
            win::killTimer(timer);
        deferred_.clear();
        for (auto& entry : entries_) {
            if (entry && entry->isCreated()) entry->destroy();
        }
        entries_.clear();
    }

    // Opens a dialog; `index` receives its index, -1 when `make` gave none.
    bool start(const Maker& make, int& index) {
        index = -1;
        int slot = -1;
        for (int i = 0; i < size(); ++i) {
            if (!entries_[static_cast<std::size_t>(i)]) slot = i;
        }
        if (slot < 0) {
            entries_.emplace_back();
            slot = size() - 1;
        }
        std::unique_ptr<Dialog> dlg = make ? make(slot) : nullptr;
        if (!dlg) return false;
        entries_[static_cast<std::size_t>(slot)] = std::move(dlg);
        index = slot;
        return true;
    }

    // The dialog at index, null for an index outside the table or an empty one.
    Dialog* at(int index) const {
        if (index < 0 || index >= size()) return nullptr;
        return entries_[static_cast<std::size_t>(index)].get();
    }

    // Closes the dialog at index (see above). False for no dialog there, or
    // when its window cannot be destroyed (the entry then stays).
    bool end(int index) {
        Dialog* dlg = at(index);
        if (!dlg) return false;
        if (dlg->postponeClose()) {
            if (!hasDeferred(index)) {
                const std::uintptr_t timer = win::setTimer(
                    kDeferredCloseMs, [this](std::uintptr_t id) { onDeferredTimer(id); });
                deferred_.emplace_back(timer, index);
            }
            return true;
        }
        // A window that is gone already counts as closed.
        if (dlg->isCreated() && !dlg->destroy()) return false;
        cancelDeferred(index);
        bin_.add(std::move(entries_[static_cast<std::size_t>(index)]));
        if (index == size() - 1) {
            while (!entries_.empty() && !entries_.back())
                entries_.pop_back();
        }
        acedPostCommandPrompt();
        return true;
    }

    // Closes every dialog, the last first.
    void endAll() {
        for (int i = size() - 1; i >= 0; --i)
            end(i);
    }

    int size() const { return static_cast<int>(entries_.size()); }
    int liveCount() const {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                              [](const auto& e) { return e != nullptr; }));
    }
    // The waiting retries: (timer id, index) in the order they were set.
    const std::vector<std::pair<std::uintptr_t, int>>& deferred() const { return deferred_; }
    // Deletes closed dialogs now rather than on the next message loop turn.
    void flushClosed() { bin_.flush(); }

private:
    bool hasDeferred(int index) const {
        return std::any_of(deferred_.begin(), deferred_.end(),
                           [&](const auto& p) { return p.second == index; });
    }

    void cancelDeferred(int index) {
        for (auto it = deferred_.begin(); it != deferred_.end();) {
            if (it->second == index) {
                win::killTimer(it->first);
                it = deferred_.erase(it);
            } else {
                ++it;
            }
        }
    }

    void onDeferredTimer(std::uintptr_t timer) {
        acutPrintf(L"Delayed timer called.\n");
        auto it = std::find_if(deferred_.begin(), deferred_.end(),
                               [&](const auto& p) { return p.first == timer; });
        if (it == deferred_.end()) return;
        const int index = it->second;
        win::killTimer(timer);
        deferred_.erase(it);
        end(index);
    }

    std::vector<std::unique_ptr<Dialog>> entries_;
    std::vector<std::pair<std::uintptr_t, int>> deferred_;
    DeferredDelete<Dialog> bin_;
};

} // namespace zrlss
