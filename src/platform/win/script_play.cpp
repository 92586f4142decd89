// The player of action scripts: dialog blocks handed to the modal dialogs as
// they open, each action done on the dialog's controls, the checks, and the
// account of what was left unused.
#include "platform/win/script_play.h"

#include "platform/win/controls.h"
#include "platform/text/fold.h"
#include "platform/text/utf.h"
#include "platform/win/detail_state.h"
#include "platform/win/dialog.h"
#include "platform/win/script_controls.h"
#include "platform/win/timers.h"

#include <algorithm>
#include <memory>
#include <set>

namespace win {

namespace {

using detail::state;

void clearQueues() {
    auto& s = state();
    s.messageBoxAnswers.clear();
    s.fileAnswers.clear();
    s.modals.clear();
    s.menuChoices.clear();
    s.drops.clear();
}

// Line breaks and runs of blanks as one blank, none at the ends.
std::wstring squeezeBlanks(const std::wstring& text) {
    std::wstring out;
    bool blank = false;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += L' ';
        blank = false;
        out += c;
    }
    return out;
}

// The control's texts as a list the user chooses from; false when the
// control is no list.
bool listItems(Window* w, std::vector<std::wstring>& items) {
    if (auto* si = dynamic_cast<ScriptItems*>(w)) {
        items = si->scriptItems();
    } else if (auto* c = dynamic_cast<ComboBox*>(w)) {
        for (int i = 0; i < c->getCount(); ++i)
            items.push_back(c->getLBText(i));
    } else if (auto* l = dynamic_cast<ListBox*>(w)) {
        for (int i = 0; i < l->getCount(); ++i)
            items.push_back(l->getText(i));
    } else if (auto* v = dynamic_cast<ListView*>(w)) {
        for (int i = 0; i < v->getItemCount(); ++i)
            items.push_back(v->getItemText(i));
    } else if (auto* t = dynamic_cast<TabControl*>(w)) {
        for (int i = 0; i < t->getItemCount(); ++i)
            items.push_back(t->getItemText(i));
    } else {
        return false;
    }
    return true;
}

// The user chooses (or double-clicks) item `index` of a list control.
// nullopt: the control cannot do this at all.
std::optional<bool> actOnItem(Window* w, int index, bool doubleClick) {
    if (auto* si = dynamic_cast<ScriptItems*>(w))
        return doubleClick ? si->scriptDoubleClickItem(index) : si->scriptSelectItem(index);
    if (auto* l = dynamic_cast<ListBox*>(w))
        return doubleClick ? l->doubleClick(index) : l->choose(index);
    if (auto* v = dynamic_cast<ListView*>(w))
        return doubleClick ? v->doubleClick(index) : v->choose(index);
    if (doubleClick) return std::nullopt;
    if (auto* c = dynamic_cast<ComboBox*>(w)) return c->choose(index);
    if (auto* t = dynamic_cast<TabControl*>(w)) return t->choose(index);
    return std::nullopt;
}

Window* findIn(const Window& parent, int id, bool visibleOnly) {
    for (Window* kid : parent.children()) {
        if (kid->id() == id && (!visibleOnly || kid->isVisible())) return kid;
        if (Window* found = findIn(*kid, id, visibleOnly)) return found;
    }
    return nullptr;
}

class Player : public std::enable_shared_from_this<Player> {
public:
    explicit Player(const ParsedScript& script) : script_(script) {
        levels_.push_back({&script.actions, 0});
    }

    ScriptResult play(const std::function<void()>& run) {
        clearQueues();
        boxesBefore_ = state().shown.messageBoxes.size();
        for (const ScriptAction& a : script_.actions)
            if (isQueued(a.verb)) queueAnswer(a);
        queueTrampoline();
        try {
            if (run) run();
        } catch (...) {
            fail(ScriptBad, nullptr, "the code run under the script threw an exception");
        }
        active_ = false;
        clearModals();
        for (const ScriptAction& a : script_.actions)
            if (!failed() && (a.verb == ScriptVerb::Wait || a.verb == ScriptVerb::ExpectBox))
                step(a, nullptr);
        if (!failed()) checkUnused();
        if (!failed()) checkRejectedAnswers();
        clearQueues();
        return result_;
    }

private:
    struct Level {
        const std::vector<ScriptAction>* actions;
        size_t next; // where to look for the next block
    };

    static bool isQueued(ScriptVerb v) {
        return v == ScriptVerb::Answer || v == ScriptVerb::File || v == ScriptVerb::Menu;
    }

    bool failed() const { return result_.status != ScriptOk; }

    void fail(int status, const ScriptAction* a, const std::string& what) {
        if (failed()) return;
        result_.status = status;
        result_.line = a ? a->line : 0;
        result_.message =
            a ? "line " + std::to_string(a->line) + ": " + a->head + ": " + what : what;
        active_ = false;
        clearQueues();
    }

    void note(const ScriptAction& a, const std::string& what) {
        result_.notes.push_back("line " + std::to_string(a.line) + ": " + a.head + ": " + what);
    }

    // One function in the modal queue at a time; each dialog that takes it
    // puts the next one there before it plays.
    void queueTrampoline() {
        state().modals.push_back([weak = weak_from_this()](Dialog& dlg) {
            if (auto self = weak.lock()) self->playDialog(dlg);
        });
    }

    void clearModals() { state().modals.clear(); }

    void playDialog(Dialog& dlg) {
        if (!active_) return;
        queueTrampoline();
        Level& level = levels_.back();
        const auto& actions = *level.actions;
        while (level.next < actions.size() && actions[level.next].verb != ScriptVerb::Dialog)
            ++level.next;
        if (level.next == actions.size()) return; // not scripted: Cancel
        const ScriptAction& block = actions[level.next++];
        played_.insert(&block);
        if (block.byName && !zrltext::equalNoCase(dlg.scriptName(), block.text)) {
            const std::wstring name = dlg.scriptName();
            fail(ScriptFailed, &block,
                 "the dialog shown is " + quoteScriptText(dlg.text()) +
                     (name.empty() ? std::string(" (no script name)")
                                   : " (named " + zrltext::toUtf8(name) + ")") +
                     ", expected the dialog named " + zrltext::toUtf8(block.text));
            return;
        }
        if (!block.anyCaption && !block.byName && dlg.text() != block.text) {
            fail(ScriptFailed, &block,
                 "the dialog shown is " + quoteScriptText(dlg.text()) + ", expected " +
                     quoteScriptText(block.text));
            return;
        }
        levels_.push_back({&block.body, 0});
        const WindowHandle handle = dlg.handle();
        for (const ScriptAction& a : block.body) {
            if (failed()) break;
            if (a.verb == ScriptVerb::Dialog) continue; // taken by the dialogs it opens
            if (Window::fromHandle(handle) != &dlg || !dlg.isRunning()) {
                fail(ScriptBad, &a,
                     "the dialog " + quoteScriptText(dlg.text()) +
                         " has already ended (the block's actions come before what closes it)");
                break;
            }
            step(a, &dlg);
        }
        levels_.pop_back();
    }

    void queueAnswer(const ScriptAction& a) {
        auto& s = script();
        switch (a.verb) {
        case ScriptVerb::Answer:
            s.queueMessageBoxAnswer(a.number);
            answerLines_.push_back(&a);
            break;
        case ScriptVerb::File:
            if (a.cancel)
                s.queueFileDialogCancel();
            else
                s.queueFileDialog(a.paths);
            fileLines_.push_back(&a);
            break;
        default:
            if (a.cancel)
                s.queueMenuDismiss();
            else if (a.byText)
                s.queueMenuChoice(a.text);
            else
                s.queueMenuChoice(a.id);
            menuLines_.push_back(&a);
            break;
        }
    }

    // The control the action names, or nullptr (reported) when there is none.
    Window* control(const ScriptAction& a, Dialog& dlg, int id) {
        Window* w = dlg.item(id);
        if (!w) w = findIn(dlg, id, true);
        if (!w) w = findIn(dlg, id, false);
        if (!w)
            fail(ScriptBad, &a,
                 "the dialog " + quoteScriptText(dlg.text()) + " has no control " +
                     std::to_string(id));
        return w;
    }

    // The control, when the user can reach it (live, visible, enabled).
    Window* usable(const ScriptAction& a, Dialog& dlg, int id) {
        Window* w = control(a, dlg, id);
        if (!w) return nullptr;
        if (!w->isVisible()) {
            fail(ScriptBad, &a, "the control is hidden");
            return nullptr;
        }
        for (const Window* p = w; p; p = p->parent())
            if (!p->isEnabled()) {
                fail(ScriptBad, &a, "the control is disabled");
                return nullptr;
            }
        return w;
    }

    template <class T> T* as(const ScriptAction& a, Window* w, const char* kind) {
        T* typed = w ? dynamic_cast<T*>(w) : nullptr;
        if (w && !typed) fail(ScriptBad, &a, std::string("the control is not ") + kind);
        return typed;
    }

    ScriptGrid* gridCell(const ScriptAction& a, Window* w) {
        auto* grid = as<ScriptGrid>(a, w, "a grid");
        if (!grid) return nullptr;
        bool inside = grid->scriptHasCell(a.col, a.row);
        if (inside && a.block) inside = grid->scriptHasCell(a.col2, a.row2);
        if (!inside) {
            fail(ScriptBad, &a, "the grid has no such cell");
            return nullptr;
        }
        return grid;
    }

    // The index of the action's item in a list control, -1 (reported) when
    // the control is no list or has no such item.
    int itemIndex(const ScriptAction& a, Window* w) {
        std::vector<std::wstring> items;
        if (!listItems(w, items)) {
            fail(ScriptBad, &a, "the control is not a list");
            return -1;
        }
        const int count = static_cast<int>(items.size());
        if (a.index >= 0) {
            if (a.index < count) return a.index;
            fail(ScriptBad, &a,
                 "no item #" + std::to_string(a.index) + " (the list has " + std::to_string(count) +
                     ")");
            return -1;
        }
        const auto it = std::find(items.begin(), items.end(), a.text);
        if (it != items.end()) return static_cast<int>(it - items.begin());
        fail(ScriptBad, &a, "no item " + quoteScriptText(a.text));
        return -1;
    }

    void setCheck(const ScriptAction& a, Button* b, int want) {
        if (!b->isCheckable()) {
            fail(ScriptBad, &a, "the control is not a check box");
            return;
        }
        if (want == BST_UNCHECKED && b->isRadio()) {
            fail(ScriptBad, &a, "a radio button cannot be unticked; tick another one");
            return;
        }
        const WindowHandle h = b->handle();
        for (int i = 0; i < 3 && Window::fromHandle(h) == b && b->checkState() != want; ++i)
            b->click();
        if (Window::fromHandle(h) == b && b->checkState() != want)
            note(a, "the check box did not change");
    }

    void expectBox(const ScriptAction& a) {
        const auto& boxes = state().shown.messageBoxes;
        const std::wstring want = squeezeBlanks(a.text);
        std::string seen;
        for (size_t i = boxesBefore_; i < boxes.size(); ++i) {
            if (squeezeBlanks(boxes[i].text) == want) return;
            seen += (seen.empty() ? "" : ", ") + quoteScriptText(boxes[i].text);
        }
        fail(ScriptFailed, &a,
             "no message box showed this text (shown: " +
                 (seen.empty() ? std::string("none") : seen) + ")");
    }

    // One action; `dlg` is null at the top level (only wait and expect-box).
    void step(const ScriptAction& a, Dialog* dlg) {
        switch (a.verb) {
        case ScriptVerb::Dialog:
            return;
        case ScriptVerb::Answer:
        case ScriptVerb::File:
        case ScriptVerb::Menu:
            return queueAnswer(a);
        case ScriptVerb::Wait:
            advanceClock(static_cast<std::uint64_t>(a.number));
            pumpMessages();
            return;
        case ScriptVerb::ExpectBox:
            return expectBox(a);
        default:
            break;
        }
        Dialog& d = *dlg;
        switch (a.verb) {
        case ScriptVerb::Type: {
            Window* w = usable(a, d, a.id);
            if (!w) return;
            std::optional<bool> done;
            if (auto* e = dynamic_cast<Edit*>(w)) done = e->type(a.text);
            if (auto* c = dynamic_cast<ComboBox*>(w)) done = c->type(a.text);
            if (!done) return fail(ScriptBad, &a, "the control takes no typing");
            if (!*done) note(a, "the control refused the text");
            return;
        }
        case ScriptVerb::Choose:
        case ScriptVerb::SelectItem:
        case ScriptVerb::DoubleClickItem: {
            Window* w = usable(a, d, a.id);
            const int index = w ? itemIndex(a, w) : -1;
            if (index < 0) return;
            const auto done = actOnItem(w, index, a.verb == ScriptVerb::DoubleClickItem);
            if (!done) return fail(ScriptBad, &a, "the control cannot be double-clicked");
            if (!*done) note(a, "the control refused the choice");
            return;
        }
        case ScriptVerb::Tick:
        case ScriptVerb::Untick:
            if (auto* b = as<Button>(a, usable(a, d, a.id), "a check box"))
                setCheck(a, b, a.verb == ScriptVerb::Tick ? BST_CHECKED : BST_UNCHECKED);
            return;
        case ScriptVerb::Click:
            if (auto* b = as<Button>(a, usable(a, d, a.id), "a button"); b && !b->click())
                note(a, "the button ignored the click");
            return;
        case ScriptVerb::Key:
            if (a.id == 0) {
                d.pressKey(a.number);
            } else if (Window* w = usable(a, d, a.id)) {
                w->setFocus();
                pressKey(*w, a.number);
            }
            return;
        case ScriptVerb::Focus:
            if (Window* w = usable(a, d, a.id); w && !w->setFocus())
                note(a, "the control did not take the focus");
            return;
        case ScriptVerb::Cell:
            if (auto* g = gridCell(a, usable(a, d, a.id));
                g && !g->scriptCellEdit(a.col, a.row, a.text))
                note(a, "the grid refused the edit");
            return;
        case ScriptVerb::SelectCells:
            if (auto* g = gridCell(a, usable(a, d, a.id));
                g &&
                !g->scriptSelect(a.col, a.row, a.block ? a.col2 : a.col, a.block ? a.row2 : a.row))
                note(a, "the grid refused the selection");
            return;
        case ScriptVerb::RightClickCell:
            if (auto* g = gridCell(a, usable(a, d, a.id)); g && !g->scriptRightClick(a.col, a.row))
                note(a, "the grid ignored the click");
            return;
        case ScriptVerb::DoubleClickCell:
            if (auto* g = gridCell(a, usable(a, d, a.id)); g && !g->scriptDoubleClick(a.col, a.row))
                note(a, "the grid ignored the click");
            return;
        case ScriptVerb::Drag: {
            Window* w = usable(a, d, a.id);
            const int index = w ? itemIndex(a, w) : -1;
            Window* target = index >= 0 ? control(a, d, a.target) : nullptr;
            if (!target) return;
            auto* source = dynamic_cast<ScriptItems*>(w);
            script().queueDrop(target, {a.col, a.row});
            dropLines_.push_back(&a);
            if (!source || !source->scriptDragItem(index))
                fail(ScriptBad, &a, "the control cannot drag this item");
            return;
        }
        case ScriptVerb::Expect:
            if (Window* w = control(a, d, a.id); w && w->text() != a.text)
                fail(ScriptFailed, &a,
                     "held " + quoteScriptText(w->text()) + ", expected " +
                         quoteScriptText(a.text));
            return;
        case ScriptVerb::ExpectCell:
            if (auto* g = gridCell(a, control(a, d, a.id))) {
                const std::wstring held = g->scriptCellText(a.col, a.row);
                if (held != a.text)
                    fail(ScriptFailed, &a,
                         "cell " + std::to_string(a.col) + " " + std::to_string(a.row) + " held " +
                             quoteScriptText(held) + ", expected " + quoteScriptText(a.text));
            }
            return;
        case ScriptVerb::ExpectEnabled:
        case ScriptVerb::ExpectDisabled:
            if (Window* w = control(a, d, a.id);
                w && w->isEnabled() != (a.verb == ScriptVerb::ExpectEnabled))
                fail(ScriptFailed, &a,
                     w->isEnabled() ? "the control is enabled" : "the control is disabled");
            return;
        case ScriptVerb::ExpectChecked:
            if (auto* b = as<Button>(a, control(a, d, a.id), "a check box");
                b && b->checkState() != BST_CHECKED)
                fail(ScriptFailed, &a, "the control is not checked");
            return;
        default:
            return;
        }
    }

    // Blocks no dialog took, and answers no box, file dialog, menu or drag took.
    void checkUnused() {
        int count = 0;
        int first = 0;
        auto unused = [&](int n, int line) {
            count += n;
            if (first == 0 || line < first) first = line;
        };
        auto walk = [&](auto& self, const std::vector<ScriptAction>& actions) -> void {
            for (const ScriptAction& a : actions) {
                if (a.verb != ScriptVerb::Dialog) continue;
                if (!played_.count(&a))
                    unused(1 + countActions(a.body), a.line);
                else
                    self(self, a.body);
            }
        };
        walk(walk, script_.actions);
        const auto& s = state();
        auto left = [&](const std::vector<const ScriptAction*>& lines, size_t pending) {
            for (size_t i = lines.size() - std::min(pending, lines.size()); i < lines.size(); ++i)
                unused(1, lines[i]->line);
        };
        left(answerLines_, s.messageBoxAnswers.size());
        left(fileLines_, s.fileAnswers.size());
        left(menuLines_, s.menuChoices.size());
        left(dropLines_, s.drops.size());
        if (count == 0) return;
        result_.status = ScriptFailed;
        result_.line = first;
        result_.message = std::to_string(count) + (count == 1 ? " action" : " actions") +
                          " not used, first at line " + std::to_string(first);
    }

    // The k-th box that took a queued answer took the k-th answer line.
    void checkRejectedAnswers() {
        const auto& boxes = state().shown.messageBoxes;
        size_t k = 0;
        for (size_t i = boxesBefore_; i < boxes.size() && k < answerLines_.size(); ++i) {
            if (!boxes[i].scripted && !boxes[i].rejected) continue;
            const ScriptAction* a = answerLines_[k++];
            if (boxes[i].rejected)
                return fail(ScriptFailed, a,
                            "the box " + quoteScriptText(boxes[i].text) + " has no such button");
        }
    }

    const ParsedScript& script_;
    bool active_ = true;
    ScriptResult result_;
    std::vector<Level> levels_;
    std::set<const ScriptAction*> played_;
    std::vector<const ScriptAction*> answerLines_, fileLines_, menuLines_, dropLines_;
    size_t boxesBefore_ = 0;
};

} // namespace

ScriptResult playScript(const ParsedScript& script, const std::function<void()>& run) {
    auto player = std::make_shared<Player>(script);
    return player->play(run);
}

ScriptResult playScript(std::string_view text, const std::function<void()>& run) {
    ParsedScript script;
    ScriptResult parsed = parseScript(text, script);
    if (!parsed.ok()) return parsed;
    return playScript(script, run);
}

} // namespace win
