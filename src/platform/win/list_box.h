// List box, single or multiple selection (LBS_MULTIPLESEL, LBS_EXTENDEDSEL);
// LBS_SORT keeps the items sorted without case.
//
// The program's operations are quiet; errors answer LB_ERR (-1). The user's
// `choose` takes the focus, selects the item (in a multiple-selection box:
// toggles it) and sends LBN_SELCHANGE; `doubleClick` also sends LBN_DBLCLK.
#pragma once

#include "platform/win/control.h"
#include "platform/win/string_list.h"

#include <vector>

namespace win {

class ZRLWIN_API ListBox : public Control {
public:
    ListBox() : Control(ControlKind::ListBox) {}

    bool isMultiSelect() const { return (style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

    int addString(const std::wstring& text);
    int insertString(int index, const std::wstring& text); // -1 = at the end
    int deleteString(int index);                           // count left or LB_ERR
    void resetContent();
    int getCount() const { return items_.count(); }
    // Single selection: the selected item or LB_ERR. Multiple selection: the
    // item with the caret.
    int getCurSel() const;
    int setCurSel(int index); // single selection only; -1 clears
    std::wstring getText(int index) const { return items_.text(index); }
    int getTextLen(int index) const;
    int findString(int start, const std::wstring& prefix) const {
        return items_.find(start, prefix);
    }
    int findStringExact(int start, const std::wstring& text) const {
        return items_.findExact(start, text);
    }
    int selectString(int start, const std::wstring& prefix);
    std::uintptr_t getItemData(int index) const { return items_.data(index); }
    int setItemData(int index, std::uintptr_t data) {
        return items_.setData(index, data) ? 0 : LB_ERR;
    }

    // Multiple selection. setSel with index -1 applies to every item.
    int setSel(int index, bool selected);
    bool getSel(int index) const;
    int getSelCount() const;
    std::vector<int> getSelItems() const;

    // The user's operations.
    bool choose(int index);
    bool choose(const std::wstring& text);
    bool doubleClick(int index);

private:
    StringList items_;
    std::vector<bool> selected_; // parallel to the items
    int caret_ = -1;
};

} // namespace win
