// SingleModeless<Window>: a modeless window of which at most one exists
// (the constraints editor, the docked sheets manager), held by a
// module-wide object.
//
// The helpers below give the two kinds their behaviour:
//   constraints editor: startModelessEditor keeps an existing editor and its
//     data and always answers true; endModelessEditor closes it, prints
//     "Erase window failed\n" when its window could not be destroyed, and
//     posts a fresh command prompt when there was an editor.
//   docked bar: startDockedSingle shows an existing bar again (true) or
//     answers whether a new one was made; endDockedSingle answers false when
//     there was no bar or its window could not be destroyed.
// Closed windows are deleted once the message loop runs again (see
// deferred_delete.h); the pointer is cleared at once.
#pragma once

#include "frame/deferred_delete.h"
#include "platform/host/command_line.h"
#include "platform/host/host_windows.h"
#include "platform/win/window.h"

#include <functional>
#include <memory>

namespace zrlss {

template <class W> class SingleModeless {
public:
    using Maker = std::function<std::unique_ptr<W>()>;
    enum class EndResult { NoWindow, Closed, DestroyFailed };

    SingleModeless() = default;
    SingleModeless(const SingleModeless&) = delete;
    SingleModeless& operator=(const SingleModeless&) = delete;
    ~SingleModeless() {
        if (window_ && window_->isCreated()) window_->destroy();
    }

    W* get() const { return window_.get(); }
    bool exists() const { return window_ != nullptr; }

    // Makes the window when there is none. True when one was made now.
    bool start(const Maker& make) {
        if (window_ || !make) return false;
        window_ = make();
        return window_ != nullptr;
    }

    // Destroys the window and lets go of the object, also when the
    // destruction failed.
    EndResult end() {
        if (!window_) return EndResult::NoWindow;
        const bool destroyed = window_->destroy();
        bin_.add(std::move(window_));
        return destroyed ? EndResult::Closed : EndResult::DestroyFailed;
    }

    void flushClosed() { bin_.flush(); }

private:
    std::unique_ptr<W> window_;
    DeferredDelete<W> bin_;
};

template <class W>
bool startModelessEditor(SingleModeless<W>& single, const typename SingleModeless<W>::Maker& make) {
    if (single.start(make)) adsw_acadMainWnd()->setFocus();
    return true;
}

template <class W> void endModelessEditor(SingleModeless<W>& single) {
    const auto result = single.end();
    if (result == SingleModeless<W>::EndResult::NoWindow) return;
    if (result == SingleModeless<W>::EndResult::DestroyFailed) acutPrintf(L"Erase window failed\n");
    acedPostCommandPrompt();
}

template <class W>
bool startDockedSingle(SingleModeless<W>& single, const typename SingleModeless<W>::Maker& make) {
    if (W* bar = single.get()) {
        bar->show(true);
        return true;
    }
    return single.start(make);
}

template <class W> bool endDockedSingle(SingleModeless<W>& single) {
    return single.end() == SingleModeless<W>::EndResult::Closed;
}

} // namespace zrlss
