// Check boxes in a drop-down list.
#include "platform/core/check_combo_box.h"

#include "platform/core/combo_replace.h"

bool CCheckComboBox::SubclassDlgItem(int id, win::Window* parent) {
    return replaceCombo(*this, id, parent);
}

int CCheckComboBox::AddString(const Zrl_String& text, bool checked) {
    const int index = addString(text.str());
    setItemData(index, checked ? 1 : 0);
    invalidate();
    return index;
}

bool CCheckComboBox::SetCheck(int index, bool checked) {
    if (index < 0 || index >= getCount()) return false;
    setItemData(index, checked ? 1 : 0);
    invalidate();
    return true;
}

bool CCheckComboBox::GetCheck(int index) const {
    return getItemData(index) != 0;
}

void CCheckComboBox::CheckAll(bool checked) {
    for (int i = 0; i < getCount(); ++i)
        SetCheck(i, checked);
}

Zrl_StringArray CCheckComboBox::GetCheckedTexts() const {
    Zrl_StringArray out;
    for (int i = 0; i < getCount(); ++i)
        if (GetCheck(i)) out.append(getLBText(i));
    return out;
}

bool CCheckComboBox::ToggleByUser(int index) {
    if (!acceptsUser() || index < 0 || index >= getCount()) return false;
    setFocus();
    SetCheck(index, !GetCheck(index));
    setCurSel(index);
    notifyParent(win::CBN_SELCHANGE);
    return true;
}

std::wstring CCheckComboBox::text() const {
    std::wstring out;
    for (const Zrl_String& t : GetCheckedTexts())
        out += (out.empty() ? L"" : L", ") + t.str();
    return out;
}

std::vector<std::wstring> CCheckComboBox::scriptItems() const {
    std::vector<std::wstring> out;
    for (int i = 0; i < getCount(); ++i)
        out.push_back(getLBText(i));
    return out;
}
