// Popup menus chosen by the scripted user.
#include "platform/win/menu.h"

#include "platform/text/fold.h"
#include "platform/win/backend.h"
#include "platform/win/constants.h"
#include "platform/win/detail_state.h"
#include "platform/win/window.h"

namespace win {

namespace {

// The text without access-key marks ("&&" stays a single "&") and without
// the shortcut after a tab.
std::wstring plainText(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\t') break;
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += L'&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

void collectTexts(const Menu& menu, const std::wstring& prefix, std::vector<std::wstring>& out) {
    for (const MenuItem& item : menu.items()) {
        if (item.separator) {
            out.push_back(prefix + L"-");
            continue;
        }
        out.push_back(prefix + plainText(item.text));
        if (item.submenu) collectTexts(*item.submenu, prefix + plainText(item.text) + L" > ", out);
    }
}

} // namespace

void Menu::appendItem(int id, const std::wstring& text, bool enabled, bool checked) {
    MenuItem item;
    item.id = id;
    item.text = text;
    item.enabled = enabled;
    item.checked = checked;
    items_.push_back(std::move(item));
}

void Menu::appendSeparator() {
    MenuItem item;
    item.separator = true;
    items_.push_back(std::move(item));
}

void Menu::appendSubmenu(const std::wstring& text, Menu submenu) {
    MenuItem item;
    item.text = text;
    item.submenu = std::make_shared<Menu>(std::move(submenu));
    items_.push_back(std::move(item));
}

MenuItem* Menu::findItem(int id) {
    return const_cast<MenuItem*>(static_cast<const Menu*>(this)->findItem(id));
}

const MenuItem* Menu::findItem(int id) const {
    for (const MenuItem& item : items_) {
        if (item.submenu) {
            if (const MenuItem* found = item.submenu->findItem(id)) return found;
        } else if (!item.separator && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

const MenuItem* Menu::findItemByText(const std::wstring& text) const {
    const std::wstring wanted = plainText(text);
    for (const MenuItem& item : items_) {
        if (item.separator) continue;
        if (item.submenu) {
            if (const MenuItem* found = item.submenu->findItemByText(text)) return found;
        } else if (zrltext::equalNoCase(plainText(item.text), wanted)) {
            return &item;
        }
    }
    return nullptr;
}

bool Menu::enableItem(int id, bool enabled) {
    MenuItem* item = findItem(id);
    if (!item) return false;
    item->enabled = enabled;
    return true;
}

bool Menu::checkItem(int id, bool checked) {
    MenuItem* item = findItem(id);
    if (!item) return false;
    item->checked = checked;
    return true;
}

std::vector<std::wstring> menuTexts(const Menu& menu) {
    std::vector<std::wstring> out;
    collectTexts(menu, L"", out);
    return out;
}

int trackPopupMenu(const Menu& menu, Point screen, Window* owner, UINT flags) {
    MenuRecord record;
    record.items = menuTexts(menu);
    const int chosen = backend().popupMenu(menu, screen, owner);
    record.chosen = chosen;
    detail::state().shown.menus.push_back(std::move(record));
    if (chosen != 0 && (flags & TPM_RETURNCMD) == 0 && owner && owner->isCreated())
        owner->sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(chosen), 0), 0);
    return chosen;
}

} // namespace win
