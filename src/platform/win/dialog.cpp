// Dialog creation from templates, the modal run through the back end, and
// default key handling.
#include "platform/win/dialog.h"

#include "platform/win/backend.h"
#include "platform/win/detail_state.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "platform/win/timers.h"

#include <cwctype>
#include <functional>

namespace win {

using detail::state;

Dialog::~Dialog() {
    destroy();
}

bool Dialog::build(const ResourceId& templateId, Window* parent, bool modal) {
    if (isCreated()) return false;
    const DialogTemplate* found = findTemplate(templateId);
    if (!found) return false;
    // A copy: registrations made while the dialog starts may move the original.
    const DialogTemplate tmpl = *found;
    templateId_ = templateId;
    owner_ = parent;
    modal_ = modal;
    running_ = true;
    endCode_ = 0;

    const bool child = (tmpl.style & WS_CHILD) != 0 && parent != nullptr;
    const int cx = dialogUnitsToPixelsX(tmpl.width);
    const int cy = dialogUnitsToPixelsY(tmpl.height);
    Rect rect{0, 0, cx, cy};
    if (!child) {
        // Centred on the owner's top-level window.
        Window& over = parent ? *parent->topLevel() : mainWindow();
        const Rect o = over.rect();
        rect = rect.offset(o.left + (o.width() - cx) / 2, o.top + (o.height() - cy) / 2);
    }
    if (!Window::create(L"Dialog", tmpl.caption, tmpl.style & ~WS_VISIBLE, rect,
                        child ? parent : nullptr, 0)) {
        running_ = false;
        return false;
    }
    for (const ControlTemplate& ctl : tmpl.controls) {
        auto control = Control::fromTemplate(ctl, dialogUnitsToPixels(ctl.rect), *this);
        adoptChild(std::move(control));
    }
    return true;
}

void Dialog::focusFirstTabStop() {
    for (Window* kid : children())
        if ((kid->style() & WS_TABSTOP) != 0 && kid->isEnabled() &&
            (kid->style() & WS_VISIBLE) != 0) {
            kid->setFocus();
            return;
        }
}

intptr_t Dialog::doModal() {
    if (isCreated()) return -1;
    auto& s = state();
    Backend& runner = backend();
    runner.beginModal(*this);
    if (!build(templateId_, owner_, true)) {
        runner.endModal(*this);
        return -1;
    }
    const WindowHandle self = handle();

    Window& owner = owner_ ? *owner_->topLevel() : mainWindow();
    const WindowHandle ownerHandle = owner.handle();
    const bool ownerWasEnabled = owner.isEnabled();

    sendMessage(WM_INITDIALOG);
    if (fromHandle(self) && running_) {
        show(true);
        s.shown.dialogs.push_back(text());
        owner.enable(false);
        runner.runModal(*this);
    }
    runner.endModal(*this);
    if (fromHandle(self) && running_) {
        // The user gives up: Cancel, as Escape would; a dialog that refuses
        // is ended all the same.
        sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), 0);
        if (running_) endDialog(IDCANCEL);
    }
    const intptr_t code = endCode_;
    running_ = false;
    if (Window* o = fromHandle(ownerHandle); o && ownerWasEnabled) o->enable(true);
    destroy();
    return code;
}

bool Dialog::create(const ResourceId& templateId, Window* parent) {
    if (!build(templateId, parent, false)) return false;
    const WindowHandle self = handle();
    const DialogTemplate* tmpl = findTemplate(templateId);
    const bool visible = tmpl && (tmpl->style & WS_VISIBLE) != 0;
    sendMessage(WM_INITDIALOG);
    if (!fromHandle(self)) return false;
    state().shown.dialogs.push_back(text());
    if (visible && running_) show(true);
    return true;
}

void Dialog::endDialog(intptr_t code) {
    endCode_ = code;
    running_ = false;
    if (!modal_ && isCreated()) show(false);
}

Button* Dialog::button(int id) const {
    return dynamic_cast<Button*>(item(id));
}
Edit* Dialog::edit(int id) const {
    return dynamic_cast<Edit*>(item(id));
}
ComboBox* Dialog::combo(int id) const {
    return dynamic_cast<ComboBox*>(item(id));
}
ListBox* Dialog::listBox(int id) const {
    return dynamic_cast<ListBox*>(item(id));
}
ListView* Dialog::listView(int id) const {
    return dynamic_cast<ListView*>(item(id));
}
TabControl* Dialog::tab(int id) const {
    return dynamic_cast<TabControl*>(item(id));
}
Picture* Dialog::picture(int id) const {
    return dynamic_cast<Picture*>(item(id));
}

bool Dialog::setItemText(int id, const std::wstring& text) {
    Window* w = item(id);
    if (!w) return false;
    w->setText(text);
    return true;
}

std::wstring Dialog::getItemText(int id) const {
    const Window* w = item(id);
    return w ? w->text() : std::wstring();
}

bool Dialog::setItemInt(int id, long long value) {
    return setItemText(id, std::to_wstring(value));
}

long long Dialog::getItemInt(int id, bool* ok) const {
    const std::wstring t = getItemText(id);
    size_t pos = 0;
    while (pos < t.size() && (t[pos] == L' ' || (t[pos] >= L'\t' && t[pos] <= L'\r')))
        ++pos;
    size_t end = pos;
    if (end < t.size() && (t[end] == L'-' || t[end] == L'+')) ++end;
    const size_t digits = end;
    while (end < t.size() && t[end] >= L'0' && t[end] <= L'9')
        ++end;
    size_t rest = end;
    while (rest < t.size() && (t[rest] == L' ' || (t[rest] >= L'\t' && t[rest] <= L'\r')))
        ++rest;
    const bool valid = end > digits && rest == t.size() && end - digits <= 18;
    if (ok) *ok = valid;
    return valid ? std::stoll(t.substr(pos, end - pos)) : 0;
}

bool Dialog::check(int id, int state) {
    Button* b = button(id);
    if (!b || !b->isCheckable()) return false;
    b->setCheck(state);
    return true;
}

int Dialog::isChecked(int id) const {
    const Button* b = button(id);
    return b ? b->checkState() : BST_UNCHECKED;
}

bool Dialog::checkRadioButton(int first, int last, int id) {
    for (int i = first; i <= last; ++i)
        if (Button* b = button(i)) b->setCheck(i == id ? BST_CHECKED : BST_UNCHECKED);
    return button(id) != nullptr;
}

int Dialog::checkedRadioButton(int first, int last) const {
    for (int i = first; i <= last; ++i)
        if (isChecked(i) == BST_CHECKED) return i;
    return 0;
}

bool Dialog::enableItem(int id, bool enabled) {
    Window* w = item(id);
    if (!w) return false;
    w->enable(enabled);
    return true;
}

bool Dialog::showItem(int id, bool visible) {
    Window* w = item(id);
    if (!w) return false;
    w->show(visible);
    return true;
}

bool Dialog::focusItem(int id) {
    Window* w = item(id);
    return w && w->setFocus();
}

bool Dialog::click(int id) {
    Button* b = button(id);
    return b && b->click();
}

bool Dialog::type(int id, const std::wstring& text) {
    if (Edit* e = edit(id)) return e->type(text);
    if (ComboBox* c = combo(id)) return c->type(text);
    return false;
}

bool Dialog::choose(int id, int index) {
    if (ComboBox* c = combo(id)) return c->choose(index);
    if (ListBox* l = listBox(id)) return l->choose(index);
    if (ListView* v = listView(id)) return v->choose(index);
    if (TabControl* t = tab(id)) return t->choose(index);
    return false;
}

bool Dialog::choose(int id, const std::wstring& text) {
    if (ComboBox* c = combo(id)) return c->choose(text);
    if (ListBox* l = listBox(id)) return l->choose(text);
    if (ListView* v = listView(id)) {
        for (int i = 0; i < v->getItemCount(); ++i)
            if (v->getItemText(i) == text) return v->choose(i);
        return false;
    }
    if (TabControl* t = tab(id)) {
        for (int i = 0; i < t->getItemCount(); ++i)
            if (t->getItemText(i) == text) return t->choose(i);
        return false;
    }
    return false;
}

void Dialog::pressKey(int vk) {
    if (!isCreated()) return;
    Window* target = this;
    for (Window* w = Window::focus(); w; w = w->parent())
        if (w == this) {
            target = Window::focus();
            break;
        }
    win::pressKey(*target, vk);
}

namespace {

bool isPushButton(const Window* w) {
    const auto* b = dynamic_cast<const Button*>(w);
    return b && (b->buttonType() == BS_PUSHBUTTON || b->buttonType() == BS_DEFPUSHBUTTON);
}

// The next (or previous) control with WS_TABSTOP that can take the focus.
Window* nextTabStop(Dialog& dlg, Window* from, bool forward) {
    const std::vector<Window*>& kids = dlg.children();
    const int n = static_cast<int>(kids.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (kids[static_cast<size_t>(i)] == from) start = i;
    for (int k = 1; k <= n; ++k) {
        const int i = ((forward ? start + k : start - k) % n + n) % n;
        Window* w = kids[static_cast<size_t>(i)];
        if ((w->style() & WS_TABSTOP) != 0 && w->isEnabled() && w->isVisible()) return w;
    }
    return nullptr;
}

} // namespace

bool Dialog::preTranslateMessage(const Message& msg) {
    // Pages inside another dialog leave the keys to the outer dialog.
    if (msg.message != WM_KEYDOWN || (style() & WS_CHILD) != 0) return false;
    bool inside = false;
    for (Window* w = msg.window; w; w = w->parent())
        if (w == this) inside = true;
    if (!inside) return false;
    switch (static_cast<int>(msg.wParam)) {
    case VK_ESCAPE:
        sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), 0);
        return true;
    case VK_RETURN: {
        if (const auto* e = dynamic_cast<const Edit*>(msg.window);
            e && e->isMultiLine() && (e->style() & ES_WANTRETURN) != 0)
            return false;
        if (isPushButton(msg.window) && msg.window->parent() == this) {
            static_cast<Button*>(msg.window)->click();
            return true;
        }
        // The default button: pressing Return does nothing when it is
        // disabled or hidden.
        const Window* ok = item(IDOK);
        if (ok && (!ok->isEnabled() || (ok->style() & WS_VISIBLE) == 0)) return true;
        sendMessage(WM_COMMAND, makeWParam(IDOK, BN_CLICKED), 0);
        return true;
    }
    case VK_TAB: {
        const bool back = getKeyState(VK_SHIFT) < 0;
        Window* from = msg.window;
        while (from && from->parent() != this)
            from = from->parent();
        if (Window* next = nextTabStop(*this, from, !back)) next->setFocus();
        return true;
    }
    default:
        return false;
    }
}

void Dialog::defaultCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return;
    if (id == IDOK)
        onOK();
    else if (id == IDCANCEL)
        onCancel();
}

LRESULT Dialog::windowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        if (onInitDialog()) focusFirstTabStop();
        return 1;
    case WM_CLOSE:
        sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), 0);
        return 0;
    case WM_DESTROY:
        running_ = false;
        return Window::windowProc(msg, wParam, lParam);
    default:
        return Window::windowProc(msg, wParam, lParam);
    }
}

} // namespace win
