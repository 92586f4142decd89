#include "platform/win/registry_batch.h"

#include "platform/win/detail_registry.h"

#include <utility>

namespace win {

std::size_t RegistryBatch::setString(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name, const std::wstring& value) {
    changes_.push_back(Change{false, root, path, name, value, Outcome::Pending});
    return changes_.size() - 1;
}

std::size_t RegistryBatch::deleteTree(RegistryRoot root, const std::wstring& path) {
    changes_.push_back(Change{true, root, path, {}, {}, Outcome::Pending});
    return changes_.size() - 1;
}

bool RegistryBatch::apply() {
    for (Change& c : changes_)
        c.outcome = Outcome::Pending;
    detail::RegRoots* roots = detail::registryRoots();
    if (!roots) return false;
    // The roots are worked on in a copy that replaces them once saved.
    detail::RegRoots next = *roots;
    bool changed = false;
    std::vector<Outcome> outcomes;
    outcomes.reserve(changes_.size());
    for (const Change& c : changes_) {
        detail::RegKey& top = next[static_cast<size_t>(c.root)];
        const std::vector<std::wstring> parts = detail::splitRegPath(c.path);
        if (parts.empty()) {
            outcomes.push_back(Outcome::Refused);
        } else if (c.remove) {
            outcomes.push_back(detail::eraseRegTree(top, parts) ? Outcome::Done : Outcome::Absent);
            changed = changed || outcomes.back() == Outcome::Done;
        } else {
            const bool existed = detail::findRegKey(top, c.path) != nullptr;
            const bool valueChanged =
                detail::setRegValue(*detail::makeRegKey(top, c.path), c.name, c.value);
            changed = changed || !existed || valueChanged;
            outcomes.push_back(Outcome::Done);
        }
    }
    if (changed) {
        std::swap(*roots, next);
        if (!detail::saveRegistry()) {
            std::swap(*roots, next);
            return false;
        }
    }
    for (size_t i = 0; i < changes_.size(); ++i)
        changes_[i].outcome = outcomes[i];
    return true;
}

} // namespace win
