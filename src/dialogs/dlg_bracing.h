// CDlgBracing: the modal dialog of a bracing's settings: the kind of each
// of its two members, the profile name of a member of the named kind, and
// one switch.
#pragma once

#include "dialogs/dlg_bracing_ids.h"
#include "frame/export.h"
#include "platform/core/bracing_data.h"
#include "platform/win/dialog.h"

class CDlgBracing : public win::Dialog {
public:
    explicit CDlgBracing(win::Window* parent = nullptr);
    ~CDlgBracing() override;

    static win::DialogTemplate dialogTemplate();
    VkBracingDlgData& record() { return data_; }

    // The entry of `list` that shows `name`: the first equal to it (without
    // case), else the first that begins with it; -1 for an empty name or
    // when none fits.
    static int findName(const Zrl_StringArray& list, const Zrl_String& name);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void readBack();
    // Reads back, then offers a member's name exactly when its kind takes one.
    void enableNames();

    VkBracingDlgData data_;
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgBracing(VkBracingDlgData& data);
