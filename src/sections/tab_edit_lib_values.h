// CTabEditLibValues: the section tables page of the library editor. One
// table of the library at a time in a sheet: choosing another table, the
// table's shape (its dimension captions), new, rename, delete, the sheet's
// options, and row operations. Table files are written and deleted at once.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/button_st.h"
#include "platform/core/section_library_data.h"
#include "platform/win/dialog.h"
#include "sections/prof_values_table.h"

#include <array>

class CTabEditLibValues : public win::Dialog {
public:
    explicit CTabEditLibValues(DlgEditLibData& data) : data_(data) {}
    ~CTabEditLibValues() override;

    static win::DialogTemplate dialogTemplate();

    // Opens a table of the list (or TABLE-SYS: its row made active); false
    // when the list has no such table.
    bool openTable(const Zrl_String& name);
    // When the sheet was changed, asks whether to save it: true to go on
    // (saved or not), false when the user cancelled or the save failed.
    bool askSave();
    // The table shown ("" when none).
    const Zrl_String& currentTable() const { return current_; }
    Zrl_Spread& grid() { return grid_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    void fillTables();
    void loadTable(const Zrl_String& name);
    void showEmpty();
    // The picture the shape list stands for ("1".."24", a ".dwg" name).
    Zrl_String chosenPicture() const;
    void showShape(const Zrl_String& picture);
    // The captions of the table's columns for the chosen shape: "SysName",
    // "I/O", `languages` language names, the shape's dimensions (for a
    // drawing the sheet's own value captions).
    Zrl_StringArray standardCaptions(int languages) const;
    int sheetLanguages() const;
    void writeColumnCaptions(const Zrl_StringArray& captions);
    void onShapeChosen();
    bool save();
    void newTable();
    void deleteTable();
    void renameTable();
    void sheetOptions();
    void rowCommand(int id);
    void reselectCurrent();

    DlgEditLibData& data_;
    Zrl_Spread grid_;
    Zrl_ProfValuesTable table_;
    Zrl_String current_;
    std::array<CButtonST, 7> rowButtons_;
};
