// CDlgEditProfCuts: the dialog in which the detailer goes through the cuts
// of a profile of the drawing, each previewed in the drawing while it is
// selected, deletes cuts, and picks another profile without leaving the
// dialog. Deletions take effect at once, so the dialog has one button,
// Close; Escape and the close box act as it.
#pragma once

#include "dialogs/dlg_prof_cuts_ids.h"
#include "frame/export.h"
#include "platform/core/button_st.h"
#include "platform/core/prof_cuts_data.h"
#include "platform/win/dialog.h"

class CDlgEditProfCuts : public win::Dialog {
public:
    explicit CDlgEditProfCuts(win::Window* parent = nullptr);
    ~CDlgEditProfCuts() override;

    static win::DialogTemplate dialogTemplate();

    DlgProfCutsData& record() { return data_; }
    // The cut selected, -1 when the list is empty.
    int currentCut() const { return current_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onCancel() override;
    void onDestroy() override;

private:
    void fillCuts();
    // Selects cut i, clamped to the list, and draws its preview.
    void selectCut(int i);
    void cutChosen();
    void deleteCut();
    void selectOtherProfile();

    CButtonST select_;
    CButtonST delete_;
    DlgProfCutsData data_;
    // Set: a preview is removed when its cut is left and all when the
    // dialog closes. The check box shows the opposite ("keep them shown").
    bool removePreviews_ = true;
    int current_ = -1;
};

// Runs the dialog on a copy of `data` and copies it back when it closes
// (true); false only when the dialog could not run.
ZRLSS_EXPORT bool StartEditProfCutsDlg(DlgProfCutsData& data);
