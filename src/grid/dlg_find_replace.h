// CDlgFindReplace: the modeless find-and-replace dialog of a grid (template
// "DLG_FINDREPLACE"), opened by the grid on F3 and F5.
//
// While it is open the grid's EditingStaysOn property is on and
// EditReplacesText off; closing switches EditingStaysOn off again unless it
// was on before. The dialog's size is kept under "DLG_FINDREPLACE".
//
// Searching runs through value texts in reading order after the active
// cell, comparing as a part without case; a hit makes the cell active, puts
// it into editing and selects the occurrence.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/win/dialog.h"

class Zrl_Spread;

class CDlgFindReplace : public win::Dialog {
public:
    static constexpr const wchar_t* kTemplateName = L"DLG_FINDREPLACE";
    enum ControlId {
        IDC_FIND_LABEL = 1101,
        IDC_FIND_TEXT = 1102,
        IDC_REPLACE_LABEL = 1103,
        IDC_REPLACE_TEXT = 1104,
        IDC_FIND_NEXT = 1105,
        IDC_REPLACE = 1106,
        IDC_REPLACE_ALL = 1107,
    };

    explicit CDlgFindReplace(Zrl_Spread& grid);
    ~CDlgFindReplace() override;

    // The dialog's template, as the module registers it.
    static win::DialogTemplate dialogTemplate();

    // Creates the dialog at need and shows it. False when it cannot be made.
    bool open();
    // Stores the size, restores EditingStaysOn and destroys the window.
    void close();

    Zrl_String findWhat() const;
    Zrl_String replaceWith() const;
    void setFindWhat(const Zrl_String& text);
    void setReplaceWith(const Zrl_String& text);

    // The next occurrence; without a hit and with `askWrap` the user is asked
    // whether to search again from the first cell. False when nothing was found.
    bool findNext(bool askWrap);
    // Finds the next occurrence and replaces it in the edited cell.
    bool replace(bool askWrap);
    // Replaces every occurrence in every cell; answers the number of cells
    // changed (also shown to the user).
    int replaceAll();

    bool preTranslateMessage(const win::Message& msg) override;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onCancel() override;
    void onDestroy() override;

private:
    // Makes (col, row) active, enters editing and selects the occurrence.
    bool selectIn(int col, int row);
    // The dialog's size, kept under the template's name.
    void restoreSize();
    void storeSize();

    Zrl_Spread& grid_;
    bool editingWasOn_ = false;
    bool optionsSet_ = false;
};
