// CDlgCis2: the modal dialog of the options of a CIS/2 export, and the
// editor of the names the export gives to sections (the file
// "CIS2ProfNames.dat" in the library folder).
#pragma once

#include "dialogs/dialog_records.h"
#include "dialogs/dlg_cis2_ids.h"
#include "platform/win/dialog.h"

class CDlgCis2 : public win::Dialog {
public:
    static constexpr const wchar_t* kNamesFile = L"CIS2ProfNames.dat";

    explicit CDlgCis2(win::Window* parent = nullptr);
    ~CDlgCis2() override;

    static win::DialogTemplate dialogTemplate();
    VkDlgCis2Data& record() { return data_; }

    // libDir + kNamesFile.
    static Zrl_String namesFile();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void enableOptions();
    // Opens the editor of the section names; a file that cannot be read is
    // reported and not opened, so that its translations are not lost.
    void editNames();

    VkDlgCis2Data data_;
};

// Runs the dialog on a copy of `data`; on OK the options chosen go back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgCis2Info(VkDlgCis2Data& data);
