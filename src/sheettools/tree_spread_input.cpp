// VkTreeSpread: the user's clicks, the popup actions and dragging.
#include "grid/dyn_menu.h"
#include "platform/win/clipboard.h"
#include "platform/win/drag_drop.h"
#include "sheettools/tree_spread.h"

void VkTreeSpread::setPopupActions(const Zrl_StringArray& actions) {
    actions_ = actions;
    if (!menu_) menu_ = std::make_unique<dynMenu>();
}

void VkTreeSpread::onRButtonDown(win::WPARAM flags, win::Point p) {
    if (!menu_ || actions_.isEmpty()) {
        Zrl_Spread::onRButtonDown(flags, p);
        return;
    }
    menu_->clear();
    for (const Zrl_String& action : actions_)
        menu_->addEntry(1, action);
    menu_->show(clientToScreen(p), this);
    // The press goes on to the grid itself (not to the grid's own menu).
    if (isCreated()) TSpread::onRButtonDown(flags, p);
}

bool VkTreeSpread::onCommand(int id, int notifyCode) {
    const int position = dynMenu::positionOf(id);
    if (menu_ && notifyCode == 0 && position >= 0 && position < actions_.length()) {
        if (win::Window* owner = parent())
            owner->sendMessage(win::WM_COMMAND, static_cast<win::WPARAM>(controlId()),
                               static_cast<win::LPARAM>(position));
        return true;
    }
    if (isTree_ && (notifyCode == kNotifyClick || notifyCode == kNotifyDblClick)) {
        int col = 0, row = 0;
        getCellSendingMsg(col, row);
        sendMessage(notifyCode == kNotifyClick ? kMsgButtonClicked : kMsgRowDblClick,
                    static_cast<win::WPARAM>(col), static_cast<win::LPARAM>(row));
    }
    return Zrl_Spread::onCommand(id, notifyCode);
}

win::LRESULT VkTreeSpread::windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (isTree_ && (msg == kMsgButtonClicked || msg == kMsgRowDblClick)) {
        const int col = static_cast<int>(wParam);
        const int row = static_cast<int>(lParam);
        // A button press toggles only on the row's own expand cell.
        if (msg == kMsgRowDblClick || col == expandColumn(row)) toggleRow(row);
        return 0;
    }
    return Zrl_Spread::windowProc(msg, wParam, lParam);
}

std::uint32_t VkTreeSpread::startDrag() {
    if (!isTree_ || getMaxRows() < 1) return win::DROPEFFECT_NONE;
    const int row = activeRow();
    Zrl_String text;
    if (row < 1 || !getCellText(gridColumn(textCol_), row, text, kValue))
        return win::DROPEFFECT_NONE;
    win::DataObject data;
    data.setText(text.str());
    data.setData(win::registerClipboardFormat(kDragFormatName), {});
    return win::doDragDrop(data, win::DROPEFFECT_COPY);
}

void VkTreeSpread::onLButtonDown(win::WPARAM flags, win::Point p) {
    if (isTree_) startDrag();
    if (isCreated()) Zrl_Spread::onLButtonDown(flags, p);
}
