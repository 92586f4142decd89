// CDlgCladdingSettings: how cladding is fixed: the profile of its rails
// (chosen as in the profile features dialog), two constraint types among
// those the record's kind allows, a fixing and a position from fixed lists,
// a value that only two positions use, and one switch.
#pragma once

#include "dialogs/dlg_cladding_ids.h"
#include "frame/export.h"
#include "platform/core/cladding_data.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/win/dialog.h"

class CDlgCladdingSettings : public win::Dialog {
public:
    explicit CDlgCladdingSettings(win::Window* parent = nullptr);
    ~CDlgCladdingSettings() override;

    static win::DialogTemplate dialogTemplate();

    VkCladdingDlgData& record() { return data_; }

    // The name of constraint type t (0-4), and the type of a name: the
    // first type so named (without case), 0 when none is.
    static Zrl_String typeName(int t);
    static int typeOf(const Zrl_String& name);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void showRecord();
    void selectType(int id, int type);
    // Takes what the controls show into the record; the profile only when
    // a section entry is selected.
    void readBack();
    // Reads back, then enables the value for the positions that use it.
    void applyEnabling();
    void chooseProfile();

    VkCladdingDlgData data_;
    Zrl_StringArray names_; // the section names behind the profile entries
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgCladdingSettings(VkCladdingDlgData& data);
