// Combo box: a drop-down list (CBS_DROPDOWNLIST: choose only) or an editable
// one (CBS_DROPDOWN, CBS_SIMPLE: choose or type). CBS_SORT keeps the items
// sorted without case.
//
// The program's operations are quiet (no notifications), as with a real
// toolkit. Errors answer CB_ERR (-1). The window text is the text of the
// current item (of a drop-down list) or the edit text (of an editable one).
//
// The user's `choose` takes the focus, selects an item and sends
// CBN_SELCHANGE (and CBN_SELENDOK); `type` (editable only) sets the edit
// text, clears the selection and sends CBN_EDITCHANGE.
#pragma once

#include "platform/win/control.h"
#include "platform/win/string_list.h"

namespace win {

class ZRLWIN_API ComboBox : public Control {
public:
    ComboBox() : Control(ControlKind::ComboBox) {}

    bool isDropDownList() const { return (style() & CBS_TYPEMASK) == CBS_DROPDOWNLIST; }
    bool isEditable() const { return !isDropDownList(); }

    int addString(const std::wstring& text);
    int insertString(int index, const std::wstring& text); // -1 = at the end
    // Count left or CB_ERR. Deleting the current item clears the selection.
    int deleteString(int index);
    void resetContent();
    int getCount() const { return items_.count(); }
    int getCurSel() const { return curSel_; }
    // Selects quietly; -1 clears the selection. Answers the index, or CB_ERR
    // for -1 and for a bad index (which also clears the selection).
    int setCurSel(int index);
    // Text of an item; empty for a bad index.
    std::wstring getLBText(int index) const { return items_.text(index); }
    int getLBTextLen(int index) const;
    int findString(int start, const std::wstring& prefix) const {
        return items_.find(start, prefix);
    }
    int findStringExact(int start, const std::wstring& text) const {
        return items_.findExact(start, text);
    }
    // Selects the first item after `start` whose text begins with `prefix`;
    // answers its index or CB_ERR (selection unchanged).
    int selectString(int start, const std::wstring& prefix);
    std::uintptr_t getItemData(int index) const { return items_.data(index); }
    int setItemData(int index, std::uintptr_t data) {
        return items_.setData(index, data) ? 0 : CB_ERR;
    }

    std::wstring text() const override;
    void setText(const std::wstring& text) override;

    // The user's operations.
    bool choose(int index);
    bool choose(const std::wstring& text); // the item whose text matches exactly
    bool type(const std::wstring& text);

private:
    void sync();

    StringList items_;
    int curSel_ = -1;
};

} // namespace win
