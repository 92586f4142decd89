// CDlgGrid: the modal dialog of a structural grid: for each of two
// directions the number of grid lines, their spacing and the label of the
// first line, and whether the grid lines are drawn.
#pragma once

#include "dialogs/dialog_records.h"
#include "dialogs/dlg_grid_ids.h"
#include "platform/win/dialog.h"

class CDlgGrid : public win::Dialog {
public:
    explicit CDlgGrid(win::Window* parent = nullptr);
    ~CDlgGrid() override;

    static win::DialogTemplate dialogTemplate();
    VkGridDlgData& record() { return data_; }

protected:
    bool onInitDialog() override;
    void onOK() override;

private:
    VkGridDlgData data_;
};

// Runs the dialog on a copy of `data`; on OK the values typed go back into
// `data` (counts that are not numbers as 0) and the result is true.
ZRLSS_EXPORT bool StartDlgGrid(VkGridDlgData& data);
