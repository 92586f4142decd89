// CDlgLookUp: the modal look-up dialog: texts to look for in five editable
// lists, how the fifth matches and how the results are ordered, two
// options, and a check box that only the first option offers. "Show All"
// confirms like OK but asks the caller to show everything (closeMode 2).
#pragma once

#include "dialogs/dialog_records.h"
#include "dialogs/dlg_lookup_ids.h"
#include "platform/win/dialog.h"

class CDlgLookUp : public win::Dialog {
public:
    explicit CDlgLookUp(win::Window* parent = nullptr);
    ~CDlgLookUp() override;

    static win::DialogTemplate dialogTemplate();
    VkLookUpDlgData& record() { return data_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void readBack();
    void enableFlag();

    VkLookUpDlgData data_;
};

// Runs the dialog on a copy of `data`; on OK or "Show All" the answers go
// back into `data` and the result is true.
ZRLSS_EXPORT bool StartDlgLookUp(VkLookUpDlgData& data);
