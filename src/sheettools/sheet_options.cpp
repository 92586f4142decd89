// The sheet options operation.
#include "sheettools/sheet_options.h"

#include "frame/library_instance.h"
#include "sheettools/dlg_ss_options.h"

#include <algorithm>

namespace {

void readGrid(const Zrl_Spread& grid, CDlgSSOptions& dlg) {
    dlg.columns = std::max(grid.getMaxCols(), 0);
    dlg.rows = std::max(grid.getMaxRows(), 0);
    dlg.headerHeight = grid.getRowHeightInPixels(0);
    dlg.headerWidth = grid.getColWidthInPixels(0);
    Zrl_String text;
    for (int col = 1; col <= dlg.columns; ++col) {
        grid.getCellText(col, 0, text, Zrl_Spread::kValue);
        dlg.columnCaptions.append(text);
    }
    for (int row = 1; row <= dlg.rows; ++row) {
        grid.getCellText(0, row, text, Zrl_Spread::kValue);
        dlg.rowCaptions.append(text);
    }
}

void applyToGrid(const CDlgSSOptions& dlg, Zrl_Spread& grid) {
    grid.setMaxCols(dlg.columns);
    grid.setMaxRows(dlg.rows);
    grid.setColWidthInPixels(0, dlg.headerWidth);
    grid.setRowHeightInPixels(0, dlg.headerHeight);
    const int rows = std::min(dlg.rows, dlg.rowCaptions.length());
    for (int i = 0; i < rows; ++i)
        grid.setCellData(0, i + 1, dlg.rowCaptions[i]);
    const int cols = std::min(dlg.columns, dlg.columnCaptions.length());
    for (int i = 0; i < cols; ++i)
        grid.setCellData(i + 1, 0, dlg.columnCaptions[i]);
    grid.setBool(GridProperty::Changed, true);
}

} // namespace

bool runSheetOptions(Zrl_Spread& grid) {
    try {
        zrlss::ResourceScope resources;
        CDlgSSOptions dlg;
        readGrid(grid, dlg);
        if (dlg.doModal() != win::IDOK) return false;
        applyToGrid(dlg, grid);
        return true;
    } catch (...) {
        return false;
    }
}
