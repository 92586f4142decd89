// Zrl_Spread: the user's edits of one cell by typing or by choosing an item.
#include "grid/zrl_spread.h"

bool Zrl_Spread::typeInCell(int col, int row, const Zrl_String& text) {
    return editCell(col, row, text);
}

bool Zrl_Spread::chooseInCell(int col, int row, int item) {
    if (!inSheet(col, row) || col < 1 || row < 1) return false;
    const spread::CellType& type = sheet().cellType(col, row);
    if (type.kind != spread::CellKind::ComboBox || item < 0 ||
        item >= static_cast<int>(type.items.size()))
        return false;
    return editCell(col, row, Zrl_String(type.items[static_cast<size_t>(item)]));
}
