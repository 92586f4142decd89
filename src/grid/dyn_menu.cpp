// dynMenu: entries with levels turned into a platform popup menu.
#include "grid/dyn_menu.h"

#include "platform/win/window.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int kFirstIds = static_cast<int>(dynMenu::kCommandIds.size());

} // namespace

int dynMenu::commandId(int position) {
    if (position < 0 || position >= kMaxPositions) return 0;
    if (position >= kFirstIds) return kFurtherIdBase + (position - kFirstIds);
    return kCommandIds[static_cast<size_t>(position)];
}

int dynMenu::positionOf(int commandId) {
    const auto it = std::find(kCommandIds.begin(), kCommandIds.end(), commandId);
    if (it != kCommandIds.end()) return static_cast<int>(it - kCommandIds.begin());
    const int further = commandId - kFurtherIdBase;
    return further >= 0 && further < kMaxPositions - kFirstIds ? kFirstIds + further : -1;
}

void dynMenu::addEntry(int level, const Zrl_String& text) {
    entries_.push_back({level, text, false});
}

void dynMenu::addSeparator(int level) {
    entries_.push_back({level, Zrl_String(), true});
}

namespace {

struct Node {
    const dynMenu::Entry* entry = nullptr;
    std::vector<Node> children;
};

// Fills `menu` from the nodes; `position` counts the entries that can be
// chosen, in the order of the entry list.
void fill(win::Menu& menu, const std::vector<Node>& nodes, int& position) {
    for (const Node& node : nodes) {
        if (node.entry->separator) {
            menu.appendSeparator();
        } else if (!node.children.empty()) {
            win::Menu sub;
            fill(sub, node.children, position);
            menu.appendSubmenu(node.entry->text.str(), std::move(sub));
        } else {
            const int id = dynMenu::commandId(position++);
            menu.appendItem(id, node.entry->text.str(), id != 0);
        }
    }
}

} // namespace

win::Menu dynMenu::build() const {
    // The tree of entries: each entry hangs under the nearest preceding
    // entry one level up; levels are clamped to what the preceding entries
    // allow. A separator never holds children.
    std::vector<Node> roots;
    std::vector<std::vector<Node>*> path; // path[i]: the child list at level i + 1
    path.push_back(&roots);
    for (const Entry& entry : entries_) {
        int level = std::clamp(entry.level, 1, static_cast<int>(path.size()));
        path.resize(static_cast<size_t>(level));
        std::vector<Node>& siblings = *path.back();
        siblings.push_back({&entry, {}});
        if (!entry.separator) path.push_back(&siblings.back().children);
    }
    // Counting positions needs the order of the entry list, which a depth-first
    // walk of the tree keeps: children follow their title directly.
    win::Menu menu;
    int position = 0;
    fill(menu, roots, position);
    return menu;
}

int dynMenu::show(win::Point screen, win::Window* owner) {
    if (entries_.empty()) return 0;
    const win::Menu menu = build();
    const int chosen = win::trackPopupMenu(menu, screen, owner, win::TPM_RETURNCMD);
    if (chosen != 0 && owner && owner->isCreated())
        owner->sendMessage(win::WM_COMMAND, win::makeWParam(static_cast<unsigned>(chosen), 0), 0);
    return chosen;
}
