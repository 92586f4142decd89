// CDlgLevels: the modal dialog in which the user edits the named levels of
// the building model: picks a level, changes its height over its reference,
// adds levels (choosing the reference of a new level while it is shown) and
// deletes levels that no other level refers to.
#pragma once

#include "dialogs/dlg_levels_ids.h"
#include "frame/export.h"
#include "platform/core/button_st.h"
#include "platform/core/levels_data.h"
#include "platform/win/dialog.h"

class CDlgLevels : public win::Dialog {
public:
    explicit CDlgLevels(win::Window* parent = nullptr);
    ~CDlgLevels() override;

    static win::DialogTemplate dialogTemplate();

    VkLevelsDlgData& record() { return data_; }
    // The level shown, -1 when none; whether it was added in this dialog
    // and not left since (only then its reference can be chosen).
    int shownIndex() const { return index_; }
    bool isNewLevel() const { return newLevel_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void fillLevels();
    // Shows level i; a level the record does not give clears the fields.
    void showLevel(int i);
    void clearFields();
    // Writes the height typed (and a new level's reference) into the record.
    void keepLevel();
    void addLevel();
    void deleteLevel();

    CButtonST add_;
    CButtonST delete_;
    VkLevelsDlgData data_;
    int index_ = -1;
    bool newLevel_ = false;
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgLevels(VkLevelsDlgData& data);
