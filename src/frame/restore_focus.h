// Focus memory of the macro dialogs: each tab page remembers which control
// had the keyboard focus when the user left it, and gets it back on return.
//
// Zrl_RestoreFocusTab (one per tab page, found by its name) remembers one
// of the cases of Zrl_FocusState (numbered 0 to 3 as they always were).
// What a spreadsheet or a bolt-count control is, and how their cell and
// selection are read and set, the page tells through a FocusProbe.
#pragma once

#include "platform/core/zrl_string.h"

#include <functional>
#include <vector>

namespace win {
class Window;
}

// What a tab page offers to the focus memory. Missing functions mean the
// page has no such control.
struct Zrl_FocusProbe {
    // True when the page's spreadsheet has the focus; its active cell then.
    std::function<bool(int& column, int& row)> spreadHasFocus;
    // True when the control is a bolt-count control of a designed dialog.
    std::function<bool(int controlId)> isTypeBoltCount;
    // Reads / sets the selection of a bolt-count control's edit field.
    std::function<bool(int controlId, int& start, int& end)> getBoltCountSelection;
    std::function<void(int controlId, int start, int end)> setBoltCountSelection;
    // Focuses the page's spreadsheet and selects a cell.
    std::function<void(int column, int row)> focusSpreadCell;
};

// What a tab page remembers about its focus.
enum class Zrl_FocusState : int {
    // Nothing.
    None = 0,
    // A bolt-count control of a designed dialog had the focus: its id and
    // the text selection of its edit field.
    BoltCountSelection = 1,
    // The page's spreadsheet had the focus: its active cell.
    SpreadCell = 2,
    // Another control had the focus: its id.
    Control = 3,
};

class Zrl_RestoreFocusTab {
public:
    Zrl_RestoreFocusTab() = default;
    explicit Zrl_RestoreFocusTab(const Zrl_String& tabName) : name(tabName) {}
    virtual ~Zrl_RestoreFocusTab() = default;

    // Remembers the focus of `page` (the focus window must lie inside it).
    void remember(const win::Window& page, const Zrl_FocusProbe& probe);
    // Gives the remembered focus back; nothing when nothing was remembered.
    void restore(win::Window& page, const Zrl_FocusProbe& probe) const;

    Zrl_String name;
    Zrl_FocusState state = Zrl_FocusState::None;
    int controlId = 0;
    int column = 0;
    int row = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
};

class Zrl_RestoreFocus {
public:
    virtual ~Zrl_RestoreFocus() = default;

    // The tab of this name (compared without case; the first match), or null.
    Zrl_RestoreFocusTab* find(const Zrl_String& name);
    // The tab of this name, appended when there is none.
    Zrl_RestoreFocusTab& tab(const Zrl_String& name);

    std::vector<Zrl_RestoreFocusTab> tabs;
};
