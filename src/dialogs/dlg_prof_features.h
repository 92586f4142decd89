// CDlgProfFeatures: a form whose labels come from its record: a profile
// (from its family's sections or the profile chooser) and up to four
// further values, of which the first, and the third when the record says
// so, are levels of the drawing; one switch can swap the label and the
// value of the third field. Buttons beside the level fields open the levels
// dialog and refresh the level lists afterwards.
#pragma once

#include "dialogs/dlg_prof_features_ids.h"
#include "frame/export.h"
#include "platform/core/prof_features_data.h"
#include "platform/win/dialog.h"

class CDlgProfFeatures : public win::Dialog {
public:
    explicit CDlgProfFeatures(win::Window* parent = nullptr);
    ~CDlgProfFeatures() override;

    static win::DialogTemplate dialogTemplate();

    DlgProfFeaturesData& record() { return data_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    // Fills the level combos with the record's levels; an entry selected
    // before is selected again by its text (none when it is gone).
    void fillLevelCombos();
    // Field C shows the value OK writes to: the alternative value while the
    // switch is on, else value C.
    Zrl_String& valueCShown();
    void showValueC();
    void keepValueC();
    void applySwitch();
    void switchClicked();
    void chooseProfile();
    void editLevels();

    DlgProfFeaturesData data_;
    Zrl_StringArray names_; // the section names behind the profile entries
    bool cSwitch_ = false;  // the switch state field C shows
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgProfFeatures(DlgProfFeaturesData& data);
