// Lists of plain-function hooks that tools add and remove in nested scopes
// (custom painters, custom input handlers).
#pragma once

#include <algorithm>
#include <vector>

namespace win::detail {

template <class Hook>
void addHook(std::vector<Hook>& list, Hook hook) {
    if (hook) list.push_back(hook);
}

// Removes the newest entry of `hook` only: scopes that add the same hook nest.
template <class Hook>
void removeHook(std::vector<Hook>& list, Hook hook) {
    const auto it = std::find(list.rbegin(), list.rend(), hook);
    if (it != list.rend()) list.erase(std::next(it).base());
}

} // namespace win::detail
