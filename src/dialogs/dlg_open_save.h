// CDlgOpenSave: choose a name from one of two lists (open) or enter one
// (save), within one folder and one extension; a listed file can be
// deleted. The macro dialog loads and saves property lists with it.
//
// The caller fills the folder (with its final separator), the extension
// (with its full stop) and the two name lists, sets the mode, runs it and on
// OK reads name(). The file of a name is folder + name + extension.
//
// Check box 1382 shows the second names instead of the first. The list box
// sorts its items, so the selected name is the selected item's own text
// (never a position in the caller's list). Names are trimmed; a blank name
// counts as empty.
#pragma once

#include "dialogs/dlg_open_save_ids.h"
#include "platform/core/button_st.h"
#include "platform/core/resizer.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/win/dialog.h"

class CDlgOpenSave : public win::Dialog {
public:
    static constexpr const wchar_t* kSizeName = L"DLG_OPENSAVEFILTERED";

    explicit CDlgOpenSave(win::Window* parent = nullptr);
    ~CDlgOpenSave() override;

    static win::DialogTemplate dialogTemplate();
    // Action scripts address it as `dialog open-save`, whatever its caption.
    std::wstring scriptName() const override { return L"open-save"; }

    // 0: open; any other value: save.
    int saveMode = 0;
    Zrl_StringArray firstNames;
    Zrl_StringArray secondNames;
    Zrl_String folder;
    Zrl_String extension;

    const Zrl_String& name() const { return name_; }
    // The file of a name.
    Zrl_String pathOf(const Zrl_String& name) const { return folder + name + extension; }
    // The list shown now (by check box 1382).
    const Zrl_StringArray& shownNames() const;
    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    // The selected item's text, trimmed; empty when nothing is selected.
    Zrl_String selectedName() const;
    void fillList();
    bool confirmOverwrite(const Zrl_String& name);
    void deleteSelected();

    CButtonST deleteButton_;
    CResizer resizer_;
    Zrl_String name_;
    int minWidth_ = 50;
    int minHeight_ = 50;
};
