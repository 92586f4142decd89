// Drag and drop: data objects, drop targets registered on windows, and drag
// sources.
//
// A drop onto a window (the user's, dropOn) asks its DropTarget: dragEnter,
// dragOver, then drop when the target accepted an effect, else dragLeave.
// Points are in the target window's client coordinates.
//
// A drag started with doDragDrop ends where the scripted user drops it
// (Script::queueDrop: a window and point); with nothing queued the drag is
// cancelled (DROPEFFECT_NONE). The answer is the effect the target chose,
// limited to the effects the source allows.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace win {

class Window;

inline constexpr std::uint32_t DROPEFFECT_NONE = 0;
inline constexpr std::uint32_t DROPEFFECT_COPY = 1;
inline constexpr std::uint32_t DROPEFFECT_MOVE = 2;
inline constexpr std::uint32_t DROPEFFECT_LINK = 4;

// Key state during a drag (the MK_ values of mouse messages).
using KeyState = std::uint32_t;

class ZRLWIN_API DataObject {
public:
    void setData(UINT format, std::vector<std::uint8_t> bytes);
    std::optional<std::vector<std::uint8_t>> data(UINT format) const;
    bool hasFormat(UINT format) const { return data_.count(format) != 0; }
    std::vector<UINT> formats() const;
    // Text as CF_UNICODETEXT.
    void setText(const std::wstring& text);
    std::optional<std::wstring> text() const;
    // Paths of files as CF_HDROP: a DROPFILES header (names at offset 20,
    // wide) and each path ended by a NUL, one more NUL after the last.
    void setFiles(const std::vector<std::wstring>& paths);
    // Empty without CF_HDROP data or with narrow names.
    std::vector<std::wstring> files() const;

private:
    std::map<UINT, std::vector<std::uint8_t>> data_;
};

// What a window does with drops. Answers are DROPEFFECT_ values; the
// defaults refuse everything.
class ZRLWIN_API DropTarget {
public:
    virtual ~DropTarget() = default;
    virtual std::uint32_t dragEnter(Window& window, const DataObject& data, KeyState keys,
                                    Point point);
    virtual std::uint32_t dragOver(Window& window, const DataObject& data, KeyState keys,
                                   Point point);
    virtual void dragLeave(Window& window);
    virtual std::uint32_t drop(Window& window, const DataObject& data, std::uint32_t effect,
                               Point point);
};

// Registers `target` (not owned) for a live window, replacing an earlier
// one. The registration ends with revokeDropTarget or when the window is
// destroyed.
ZRLWIN_API bool registerDropTarget(Window& window, DropTarget* target);
ZRLWIN_API bool revokeDropTarget(Window& window);
ZRLWIN_API DropTarget* dropTargetOf(const Window& window);

// The user drops `data` on `window` at `point`. Answers the effect, NONE
// when the window has no drop target or refused.
ZRLWIN_API std::uint32_t dropOn(Window& window, const DataObject& data, Point point,
                                std::uint32_t allowedEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE,
                                KeyState keys = 0);
// Starts a drag of `data` and answers the effect once it ends.
ZRLWIN_API std::uint32_t doDragDrop(const DataObject& data, std::uint32_t allowedEffects);

} // namespace win
