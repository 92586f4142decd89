// CDlgEditLibSimple: adds one section size to a section table from a form
// with a field per dimension, starting from an existing size.
//
// The name is made automatically from the values as the table's other names
// are ("200x100" from the height and the width), or typed as an own name.
// OK adds the row at its sorted place in the dialog's copy of the table and
// ends; a refused row (no name, a name in use, a rectangular tube's radius)
// says why and keeps the dialog open with the table as it was.
#pragma once

#include "frame/export.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"
#include "sections/dlg_edit_lib_simple_ids.h"
#include "sections/simple_section.h"

class CDlgEditLibSimple : public win::Dialog {
public:
    explicit CDlgEditLibSimple(win::Window* parent = nullptr);
    ~CDlgEditLibSimple() override;

    static win::DialogTemplate dialogTemplate();

    // The dialog's copy of the table, and the system name it starts from.
    Zrl_ProfValuesTable table;
    Zrl_ProfValuesTable& record() { return table; }
    void takeArguments(const Zrl_String& sysName, int&) { startName_ = sysName; }
    // The new row's position among the active rows.
    void giveArguments(const Zrl_String&, int& index) const {
        index = table.getfilteredIdx(newRow_);
    }

    // The row added on OK (-1 before).
    int newRow() const { return newRow_; }
    const SectionNaming& naming() const { return naming_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void showPicture();
    void showFields();
    // The field texts over the start row's values.
    Zrl_StringArray enteredValues() const;
    bool automaticName() const;
    // The system name the form stands for now.
    Zrl_String currentSysName() const;
    void showName();
    // The refusal as a message box.
    void explainRefusal(SimpleSectionRefusal refusal, const Zrl_String& name);

    Zrl_String startName_;
    int startRow_ = -1;
    Zrl_StringArray startValues_;
    SectionNaming naming_;
    int languageIndex_ = 0;
    int newRow_ = -1;
    CResizer resizer_;
    int minWidth_ = 0;
    int minHeight_ = 0;
};

// Runs the editor on a copy of the table from the row of `sysName`; on OK
// the table takes the new row and `index` its position among the active
// rows. False (table and index unchanged) on Cancel.
ZRLSS_EXPORT bool StartDlgEditLibSimple(const Zrl_String& sysName, Zrl_ProfValuesTable& table,
                                        int& index);
