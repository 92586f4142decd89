// CDlgDstvGroups: the DSTV point groups. A drop-down list of the groups
// with a check mark on the standard one, and the buttons that add a group,
// delete one, make one the standard and edit one. Everything is written at
// once, so the dialog has no result.
//
// Group names become file names: a name that cannot be one is refused
// before anything is written, and so is a name in use (in any case). A
// group file that cannot be read is not edited (an empty list written over
// it would lose its points); a write that fails is reported, never taken as
// done.
#pragma once

#include "platform/core/check_combo_box.h"
#include "platform/win/dialog.h"

class CDlgDstvGroups : public win::Dialog {
public:
    explicit CDlgDstvGroups(win::Window* parent = nullptr);
    ~CDlgDstvGroups() override;

    static win::DialogTemplate dialogTemplate();

    // The selected group's name; empty when none is selected.
    Zrl_String selectedGroup() const;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    // Lists the groups again, the standard one checked, and selects the
    // entry at `index` (clamped to the list; none for an empty list).
    void fill(int index);
    void addGroup();
    void removeGroup();
    void useGroup();
    void editGroup();

    CCheckComboBox groups_;
};

// Tells the user why `name` cannot name a group (blank, or not a valid
// file name); true when it was refused.
bool refuseGroupName(const Zrl_String& name, win::Window* parent);

// Runs the DSTV point groups dialog.
void StartDSTVPointsDlg();
