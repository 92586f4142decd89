// Helpers the macro pages share for their grids.
#pragma once

#include "frame/restore_focus.h"
#include "grid/zrl_spread.h"
#include "macroui/macro_page.h"
#include "platform/win/types.h"

#include <vector>

namespace macroui {

// Writes a cell only when its text differs, so that a refresh of a large
// page costs what changed.
inline void setCellIfChanged(Zrl_Spread& grid, int col, int row, const Zrl_String& text) {
    if (grid.getData(col, row) != text.str()) grid.setCellData(col, row, text);
}

// The grid's size for all its columns and at most `maxRows` rows (the rest
// scrolls), with the frame and a scroll bar.
win::Size gridNeed(const Zrl_Spread& grid, int maxRows = 20);

} // namespace macroui

namespace macroui {

// A page of a grid above a band of controls: what it needs (the grid's need
// with its margins and the band), and its layout for a page size (the grid
// takes the page but the band; the band's controls keep their place below
// the grid).
win::Size pageNeed(const Zrl_Spread& grid, int bandHeight);
void layoutGridAndBand(win::Window& page, Zrl_Spread& grid, int bandHeight, int cx, int cy);
// The focus memory of a page whose spreadsheet is `grid`.
Zrl_FocusProbe gridFocusProbe(Zrl_Spread& grid);

} // namespace macroui

// A page of a grid above a band of controls (both pages of the macro
// dialog): the grid takes the place of a placeholder and the page's width
// and height but the band.
class CMacroGridPage : public CMacroPage {
public:
    using CMacroPage::CMacroPage;
    ~CMacroGridPage() override;

    win::Size neededSize() const override { return macroui::pageNeed(grid_, bandHeight_); }
    Zrl_FocusProbe focusProbe() override { return macroui::gridFocusProbe(grid_); }
    Zrl_Spread& grid() { return grid_; }

protected:
    // Makes the grid in place of the placeholder `id` with `columns` columns
    // of these header texts and widths.
    struct Column {
        Zrl_String header;
        int width;
    };
    void createGrid(int id, const std::vector<Column>& columns);
    void onSize(int cx, int cy) override;

    Zrl_Spread grid_;
    int bandHeight_ = 0;
};
