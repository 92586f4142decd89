// Data objects, drop targets and drags completed by the scripted user.
#include "platform/win/drag_drop.h"

#include "platform/win/backend.h"
#include "platform/win/clipboard.h"
#include "platform/win/detail_state.h"
#include "platform/win/detail_wide.h"
#include "platform/win/window.h"

#include <algorithm>

namespace win {

void DataObject::setData(UINT format, std::vector<std::uint8_t> bytes) {
    data_[format] = std::move(bytes);
}

std::optional<std::vector<std::uint8_t>> DataObject::data(UINT format) const {
    auto it = data_.find(format);
    if (it == data_.end()) return std::nullopt;
    return it->second;
}

std::vector<UINT> DataObject::formats() const {
    std::vector<UINT> out;
    for (const auto& entry : data_)
        out.push_back(entry.first);
    return out;
}

void DataObject::setText(const std::wstring& text) {
    setData(CF_UNICODETEXT, detail::wideToBytes(text));
}

std::optional<std::wstring> DataObject::text() const {
    auto bytes = data(CF_UNICODETEXT);
    if (!bytes) return std::nullopt;
    return detail::bytesToWide(*bytes);
}

namespace {

constexpr std::uint8_t kDropFilesHeader = 20;
constexpr size_t kWideFlagAt = 16;

} // namespace

void DataObject::setFiles(const std::vector<std::wstring>& paths) {
    std::vector<std::uint8_t> bytes(kDropFilesHeader, 0);
    bytes[0] = kDropFilesHeader;
    bytes[kWideFlagAt] = 1;
    for (const std::wstring& path : paths) {
        const std::vector<std::uint8_t> name = detail::wideToBytes(path + L'\0');
        bytes.insert(bytes.end(), name.begin(), name.end());
    }
    bytes.insert(bytes.end(), {0, 0});
    setData(CF_HDROP, std::move(bytes));
}

std::vector<std::wstring> DataObject::files() const {
    const auto bytes = data(CF_HDROP);
    if (!bytes || bytes->size() < kDropFilesHeader) return {};
    auto word = [&](size_t at) {
        return static_cast<std::uint32_t>((*bytes)[at]) | (static_cast<std::uint32_t>((*bytes)[at + 1]) << 8) |
               (static_cast<std::uint32_t>((*bytes)[at + 2]) << 16) |
               (static_cast<std::uint32_t>((*bytes)[at + 3]) << 24);
    };
    const std::uint32_t offset = word(0);
    if (word(kWideFlagAt) == 0 || offset < kDropFilesHeader || offset > bytes->size()) return {};
    const std::wstring all =
        detail::bytesToWide(std::vector<std::uint8_t>(bytes->begin() + offset, bytes->end()));
    std::vector<std::wstring> paths;
    for (size_t at = 0; at < all.size();) {
        const size_t end = std::min(all.find(L'\0', at), all.size());
        if (end == at) break; // the empty name after the last
        paths.push_back(all.substr(at, end - at));
        at = end + 1;
    }
    return paths;
}

std::uint32_t DropTarget::dragEnter(Window&, const DataObject&, KeyState, Point) {
    return DROPEFFECT_NONE;
}
std::uint32_t DropTarget::dragOver(Window&, const DataObject&, KeyState, Point) {
    return DROPEFFECT_NONE;
}
void DropTarget::dragLeave(Window&) {}
std::uint32_t DropTarget::drop(Window&, const DataObject&, std::uint32_t, Point) {
    return DROPEFFECT_NONE;
}

bool registerDropTarget(Window& window, DropTarget* target) {
    if (!window.isCreated() || !target) return false;
    detail::state().dropTargets[window.handle()] = target;
    return true;
}

bool revokeDropTarget(Window& window) {
    return window.isCreated() && detail::state().dropTargets.erase(window.handle()) != 0;
}

DropTarget* dropTargetOf(const Window& window) {
    if (!window.isCreated()) return nullptr;
    const auto& targets = detail::state().dropTargets;
    auto it = targets.find(window.handle());
    return it == targets.end() ? nullptr : it->second;
}

std::uint32_t dropOn(Window& window, const DataObject& data, Point point,
                     std::uint32_t allowedEffects, KeyState keys) {
    DropTarget* target = dropTargetOf(window);
    if (!target) return DROPEFFECT_NONE;
    const WindowHandle self = window.handle();
    // Each step may end the window's life or its registration.
    auto stillThere = [&] { return Window::fromHandle(self) && dropTargetOf(window) == target; };
    std::uint32_t effect = target->dragEnter(window, data, keys, point) & allowedEffects;
    if (!stillThere()) return DROPEFFECT_NONE;
    effect = target->dragOver(window, data, keys, point) & allowedEffects;
    if (!stillThere()) return DROPEFFECT_NONE;
    if (effect == DROPEFFECT_NONE) {
        target->dragLeave(window);
        return DROPEFFECT_NONE;
    }
    return target->drop(window, data, effect, point) & allowedEffects;
}

std::uint32_t doDragDrop(const DataObject& data, std::uint32_t allowedEffects) {
    return backend().dragDrop(data, allowedEffects);
}

} // namespace win
