// CCheckComboBox: a drop-down list whose items are check boxes; the closed
// box shows the checked items' texts joined by ", ".
//
// It takes the place of a combo box of the dialog template (same id,
// rectangle and style, as a drop-down list) and keeps each item's check in
// the item's data (0 or 1). The user's click on an item in the list toggles
// its check and tells the parent CBN_SELCHANGE with that item current; the
// scripted user's `choose ID "item"` does the same (win::ScriptItems).
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/win/combo_box.h"
#include "platform/win/script_controls.h"

class CCheckComboBox : public win::ComboBox, public win::ScriptItems {
public:
    // Replaces the combo box `id` of `parent`; false when there is none.
    bool SubclassDlgItem(int id, win::Window* parent);

    int AddString(const Zrl_String& text, bool checked = false);
    bool SetCheck(int index, bool checked);
    bool GetCheck(int index) const;
    void CheckAll(bool checked);
    Zrl_StringArray GetCheckedTexts() const;

    // The user's click on an item of the open list. False when the control
    // takes no input or there is no such item.
    bool ToggleByUser(int index);

    std::wstring text() const override;

    std::vector<std::wstring> scriptItems() const override;
    bool scriptSelectItem(int index) override { return ToggleByUser(index); }
    bool scriptDoubleClickItem(int) override { return false; }
};
