// Check boxes on list box items.
#include "platform/core/check_list_box.h"

bool CCheckListBox::SubclassDlgItem(int id, win::Window* parent) {
    auto* old = parent ? dynamic_cast<win::ListBox*>(parent->child(id)) : nullptr;
    if (!old) return false;
    if (old == this) return true;
    const win::Rect rect = old->rect();
    const std::uint32_t style = old->style();
    old->destroy();
    return create(L"ListBox", L"", style, rect, parent, id);
}

int CCheckListBox::AddString(const Zrl_String& text, bool checked) {
    const int index = addString(text.str());
    setItemData(index, checked ? 1 : 0);
    return index;
}

bool CCheckListBox::SetCheck(int index, bool checked) {
    if (index < 0 || index >= getCount()) return false;
    setItemData(index, checked ? 1 : 0);
    invalidate();
    return true;
}

bool CCheckListBox::GetCheck(int index) const { return getItemData(index) != 0; }

bool CCheckListBox::ToggleByUser(int index) {
    if (!acceptsUser() || index < 0 || index >= getCount()) return false;
    setFocus();
    SetCheck(index, !GetCheck(index));
    setCurSel(index);
    notifyParent(CLBN_CHKCHANGE);
    return true;
}

std::vector<std::wstring> CCheckListBox::scriptItems() const {
    std::vector<std::wstring> out;
    for (int i = 0; i < getCount(); ++i)
        out.push_back(getText(i));
    return out;
}
