// CCheckListBox: a list box whose items carry check boxes. It takes the
// place of a list box of the dialog template (same id, rectangle and style)
// and keeps each item's check in the item's data (0 or 1).
//
// The user: a click on an item selects it (LBN_SELCHANGE); a click on its
// check box toggles the check and tells the parent CLBN_CHKCHANGE with that
// item current. Action scripts: `select ID "item"` selects, `dblclick ID
// "item"` clicks the item's check box (win::ScriptItems).
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/win/list_box.h"
#include "platform/win/script_controls.h"

class CCheckListBox : public win::ListBox, public win::ScriptItems {
public:
    // The notification of a check changed by the user.
    static constexpr int CLBN_CHKCHANGE = 40;

    // Replaces the list box `id` of `parent`; false when there is none.
    bool SubclassDlgItem(int id, win::Window* parent);

    int AddString(const Zrl_String& text, bool checked = false);
    bool SetCheck(int index, bool checked);
    bool GetCheck(int index) const;

    // The user's click on an item's check box. False when the control takes
    // no input or there is no such item.
    bool ToggleByUser(int index);

    std::vector<std::wstring> scriptItems() const override;
    bool scriptSelectItem(int index) override { return choose(index); }
    bool scriptDoubleClickItem(int index) override { return ToggleByUser(index); }
};
