// Zrl_Spread: the user's cell edits, and the grid as action scripts play it.
#include "grid/zrl_spread.h"

#include <algorithm>
#include <type_traits>

namespace {

// Whether the user can type `text` into a cell of this type at all.
bool takesTyping(const spread::CellType& type, const std::wstring& text) {
    switch (type.kind) {
    case spread::CellKind::StaticText:
    case spread::CellKind::Button:
    case spread::CellKind::Picture:
    case spread::CellKind::CheckBox:
        return false;
    case spread::CellKind::ComboBox:
        return type.editable || text.empty() ||
               std::find(type.items.begin(), type.items.end(), text) != type.items.end();
    default:
        return true;
    }
}

bool isDataCell(int col, int row) {
    return col >= 1 && row >= 1;
}

} // namespace

const Zrl_Spread::CellEditNotify* Zrl_Spread::editNotify(const win::NotifyHeader& hdr) {
    // The header is the first member, so the notification is reached from it.
    static_assert(std::is_standard_layout_v<CellEditNotify>);
    if (hdr.code != kNotifyEditEnding || !dynamic_cast<const Zrl_Spread*>(hdr.window))
        return nullptr;
    return reinterpret_cast<const CellEditNotify*>(&hdr);
}

bool Zrl_Spread::editCell(int col, int row, const Zrl_String& text) {
    if (!isDataCell(col, row) || !inSheet(col, row) || !isEnabled()) return false;
    setFocus();
    clearSelectBlock();
    setActiveCell(col, row);
    if (isLocked(col, row) || !takesTyping(sheet().cellType(col, row), text.str())) return false;

    const win::WindowHandle self = handle();
    CellEditNotify ask;
    ask.col = col;
    ask.row = row;
    ask.text = text;
    if (notifyParent(ask.hdr, kNotifyEditEnding) != 0) return false;
    // The dialog may have closed over the question.
    if (!win::Window::fromHandle(self) || !created_) return false;
    if (!setData(col, row, text.str())) return false;
    markChanged();
    setCellSendingMsg(col, row);
    notifyParent(kNotifyEdited);
    return true;
}

win::Point Zrl_Spread::cellCenter(int col, int row) const {
    // Column and row 0 are the headers; the first cell starts after them.
    auto centre = [](int index, auto size) {
        int start = 0;
        for (int i = 0; i < std::max(index, 0); ++i)
            start += std::max(size(i), 0);
        return start + std::max(size(std::max(index, 0)), 0) / 2;
    };
    return {centre(col, [this](int c) { return getColWidthInPixels(c); }),
            centre(row, [this](int r) { return getRowHeightInPixels(r); })};
}

// --- action scripts ------------------------------------------------------------

bool Zrl_Spread::scriptHasCell(int col, int row) const {
    return inSheet(col, row);
}

std::wstring Zrl_Spread::scriptCellText(int col, int row) const {
    Zrl_String text;
    getCellText(col, row, text, kText);
    return text.str();
}

bool Zrl_Spread::scriptCellEdit(int col, int row, const std::wstring& text) {
    return editCell(col, row, Zrl_String(text));
}

bool Zrl_Spread::scriptSelect(int col, int row, int col2, int row2) {
    if (!isDataCell(col, row) || !isDataCell(col2, row2)) return false;
    if (col == col2 && row == row2) {
        // One cell: the user clicks it.
        clearSelectBlock();
        return clickCell(col, row);
    }
    // A block: the user drags from the first cell to the second.
    if (!isEnabled() || !setActiveCell(col, row)) return false;
    setFocus();
    return setSelection(col, row, col2, row2);
}

bool Zrl_Spread::scriptRightClick(int col, int row) {
    if (!created_ || !isEnabled()) return false;
    // A right click outside the selection moves it to the cell clicked; one
    // inside keeps it, so that the menu's actions take the whole block.
    spread::CellRange block;
    const bool inBlock = getSelectBlock(block) && col >= block.col1 && col <= block.col2 &&
                         row >= block.row1 && row <= block.row2;
    if (!inBlock && isDataCell(col, row)) {
        clearSelectBlock();
        setActiveCell(col, row);
    }
    setFocus();
    rightClick(cellCenter(col, row));
    return true;
}

bool Zrl_Spread::scriptTakesTyping(int col, int row) const {
    return isDataCell(col, row) && inSheet(col, row) && !isLocked(col, row) &&
           takesTyping(sheet().cellType(col, row), {});
}

bool Zrl_Spread::scriptDoubleClick(int col, int row) {
    if (!isDataCell(col, row)) return false;
    clearSelectBlock();
    return clickCell(col, row, true);
}
