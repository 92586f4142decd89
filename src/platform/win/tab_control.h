// Tab control: a row of tabs with texts. The program's setCurSel is quiet.
// The user's `choose` first asks the parent with TCN_SELCHANGING (a nonzero
// answer keeps the current tab), then changes the tab and sends
// TCN_SELCHANGE. Both are WM_NOTIFY messages with a plain NotifyHeader.
#pragma once

#include "platform/win/control.h"

#include <string>
#include <vector>

namespace win {

class ZRLWIN_API TabControl : public Control {
public:
    TabControl() : Control(ControlKind::TabControl) {}

    // Inserts at `index` (clamped to the end); answers the new index. The
    // first tab inserted becomes the current one.
    int insertItem(int index, const std::wstring& text);
    // Deleting the current tab leaves none current (-1).
    bool deleteItem(int index);
    void deleteAllItems();
    int getItemCount() const { return static_cast<int>(tabs_.size()); }
    std::wstring getItemText(int index) const;
    bool setItemText(int index, const std::wstring& text);
    int getCurSel() const { return curSel_; }
    // Answers the previous current tab, or -1 for a bad index (unchanged).
    int setCurSel(int index);

    bool choose(int index);

private:
    std::vector<std::wstring> tabs_;
    int curSel_ = -1;
};

} // namespace win
