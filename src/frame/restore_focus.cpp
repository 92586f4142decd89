#include "frame/restore_focus.h"

#include "platform/win/window.h"

namespace {

// The id of the focus window when it lies inside `page`, else 0.
int focusedControlIn(const win::Window& page) {
    for (win::Window* w = win::Window::focus(); w; w = w->parent()) {
        if (w->parent() == &page) return w->id();
    }
    return 0;
}

} // namespace

void Zrl_RestoreFocusTab::remember(const win::Window& page, const Zrl_FocusProbe& probe) {
    state = Zrl_FocusState::None;
    int col = 0;
    int r = 0;
    if (probe.spreadHasFocus && probe.spreadHasFocus(col, r)) {
        state = Zrl_FocusState::SpreadCell;
        column = col;
        row = r;
        return;
    }
    const int id = focusedControlIn(page);
    if (id == 0) return;
    controlId = id;
    if (!probe.isTypeBoltCount || !probe.isTypeBoltCount(id)) {
        state = Zrl_FocusState::Control;
        return;
    }
    int start = 0;
    int end = 0;
    if (probe.getBoltCountSelection && probe.getBoltCountSelection(id, start, end)) {
        state = Zrl_FocusState::BoltCountSelection;
        selectionStart = start;
        selectionEnd = end;
    } else {
        state = Zrl_FocusState::Control;
    }
}

void Zrl_RestoreFocusTab::restore(win::Window& page, const Zrl_FocusProbe& probe) const {
    switch (state) {
    case Zrl_FocusState::BoltCountSelection:
        if (probe.setBoltCountSelection)
            probe.setBoltCountSelection(controlId, selectionStart, selectionEnd);
        break;
    case Zrl_FocusState::SpreadCell:
        if (probe.focusSpreadCell) probe.focusSpreadCell(column, row);
        break;
    case Zrl_FocusState::Control:
        if (win::Window* control = page.descendant(controlId)) control->setFocus();
        break;
    case Zrl_FocusState::None:
        break;
    }
}

Zrl_RestoreFocusTab* Zrl_RestoreFocus::find(const Zrl_String& name) {
    for (Zrl_RestoreFocusTab& t : tabs) {
        if (t.name.equal(name, false)) return &t;
    }
    return nullptr;
}

Zrl_RestoreFocusTab& Zrl_RestoreFocus::tab(const Zrl_String& name) {
    if (Zrl_RestoreFocusTab* t = find(name)) return *t;
    tabs.emplace_back(name);
    return tabs.back();
}
