// dynMenu: a popup menu built at run time from entries with levels.
//
// An entry of level 1 belongs to the top menu; an entry of level L + 1 goes
// into the submenu of the nearest preceding entry of level L (an entry that
// gets such children becomes the submenu's title and is no command itself).
// A level deeper than the preceding entries allow is placed one level below
// the preceding entry, and a level below 1 counts as 1, so any list of
// levels gives a usable menu.
//
// Commands by position: the entries that can be chosen, counted in order
// from 0 (separators and submenu titles take no position), send the command
// identifiers kCommandIds[position] to the owner window (WM_COMMAND, code 0);
// positions from 10 on take the identifiers kFurtherIdBase + (position - 10),
// so that a long menu's last entries can be chosen too. Entries beyond
// kMaxPositions are shown disabled.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/win/menu.h"
#include "platform/win/types.h"

#include <array>
#include <vector>

namespace win {
class Window;
}

class dynMenu {
public:
    static constexpr std::array<int, 10> kCommandIds = {32811, 32812, 32816, 32817, 32818,
                                                        32800, 32801, 32802, 32803, 32804};
    static constexpr int kFurtherIdBase = 32840;
    static constexpr int kMaxPositions = 160;
    // The command identifier of a position, 0 beyond the last.
    static int commandId(int position);
    // The position of a command identifier, -1 for other commands.
    static int positionOf(int commandId);

    struct Entry {
        int level = 1;
        Zrl_String text;
        bool separator = false;
    };

    dynMenu() = default;
    virtual ~dynMenu() = default;

    void clear() { entries_.clear(); }
    void addEntry(int level, const Zrl_String& text);
    void addSeparator(int level = 1);
    const std::vector<Entry>& entries() const { return entries_; }

    // The platform menu of the current entries.
    win::Menu build() const;
    // Shows the menu at a screen position for `owner`; the chosen entry goes
    // to the owner as a command. Answers the chosen command identifier, 0
    // when the menu was dismissed or has no entries.
    int show(win::Point screen, win::Window* owner);

private:
    std::vector<Entry> entries_;
};
