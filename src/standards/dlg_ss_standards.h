// CDlgSSStandards: the hidden window that carries the calculation sheet of a
// standards evaluation. The pool of the module (VkSSDlgsMgr) makes these
// windows from dialog template 253 ("OK", "Cancel" and one static area for
// the sheet) and never shows them.
#pragma once

#include "platform/win/dialog.h"
#include "standards/calc_ss.h"
#include "standards/dlg_standards_data.h"

// Dialog template of the standards window and the id of its sheet area.
inline constexpr int IDD_DLG_SS_STANDARDS = 253;
inline constexpr int IDC_SS_STANDARDS_SHEET = 1000;

class CDlgSSStandards : public win::Dialog {
public:
    explicit CDlgSSStandards(win::Window* parent = nullptr);
    ~CDlgSSStandards() override;

    // Creates the window modeless and hidden, with its sheet in the static
    // area. False when the template is missing, the window exists already or
    // the sheet could not be made.
    bool createHidden();

    // The calculation sheet, placed in the template's static area.
    VkCalcSS sheet;
    // The record of the evaluation in progress.
    VkDlgStandardsData data;

protected:
    bool onInitDialog() override;

private:
    win::Window* parent_;
};
