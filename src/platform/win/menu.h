// Popup menus.
//
// A Menu holds items (command id and text), separators and submenus. The
// texts may mark their access key with "&", which choosing by text ignores.
//
// trackPopupMenu shows the menu at a screen point for `owner`. Headless, the
// choice is the next one queued with Script::queueMenuChoice (by command id
// or by item text, looked up in submenus too); with none queued the menu is
// dismissed. A queued choice that is not an enabled item of the menu also
// dismisses it. Answers: with TPM_RETURNCMD the chosen command (0 when
// dismissed); without, the command goes to the owner as WM_COMMAND (id,
// code 0) and the answer is nonzero when an item was chosen. Every menu
// shown is recorded (Script::shown).
#pragma once

#include "platform/win/types.h"

#include <memory>
#include <string>
#include <vector>

namespace win {

class Window;
class Menu;

struct MenuItem {
    int id = 0;
    std::wstring text;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    std::shared_ptr<Menu> submenu;
};

class ZRLWIN_API Menu {
public:
    void appendItem(int id, const std::wstring& text, bool enabled = true, bool checked = false);
    void appendSeparator();
    void appendSubmenu(const std::wstring& text, Menu submenu);
    const std::vector<MenuItem>& items() const { return items_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    // The item with this command id, here or in a submenu; nullptr if none.
    MenuItem* findItem(int id);
    const MenuItem* findItem(int id) const;
    // The item whose text (without "&") equals `text`, without case.
    const MenuItem* findItemByText(const std::wstring& text) const;
    bool enableItem(int id, bool enabled);
    bool checkItem(int id, bool checked);
    void clear() { items_.clear(); }

private:
    std::vector<MenuItem> items_;
};

ZRLWIN_API int trackPopupMenu(const Menu& menu, Point screen, Window* owner, UINT flags = 0);

// A menu's texts as shown: separators as "-", submenu items as
// "Parent > Item", without the "&" marks.
ZRLWIN_API std::vector<std::wstring> menuTexts(const Menu& menu);

} // namespace win
