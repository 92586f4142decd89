// CDlgStringArray: a table of texts edited in a grid. The caller gives the
// column headers, optional row headers, the rows, a caption and the name
// under which the dialog's size is kept; the user edits the cells and, when
// the caller allows it, adds and removes rows. OK hands back every row with
// one text per column.
#pragma once

#include "dialogs/dlg_string_array_ids.h"
#include "frame/export.h"
#include "grid/zrl_spread.h"
#include "platform/core/resizer.h"
#include "platform/core/text_helpers.h"
#include "platform/win/dialog.h"

// What the caller gives beside the rows.
struct StringGridSetup {
    Zrl_StringArray columnHeaders;
    Zrl_StringArray rowHeaders;
    bool rowsEditable = true;
    Zrl_String sizeName;
    Zrl_String caption;
};

class CDlgStringArray : public win::Dialog {
public:
    static constexpr const wchar_t* kDefaultSizeName = L"DLG_SS_STRINGARRAY";

    explicit CDlgStringArray(win::Window* parent = nullptr);
    ~CDlgStringArray() override;

    static win::DialogTemplate dialogTemplate();

    // The rows: copied in before opening, read back from the grid on OK.
    Zrl_StringArrayArray& record() { return rows_; }
    void takeArguments(const StringGridSetup& setup) { setup_ = setup; }
    void giveArguments(const StringGridSetup&) {}

    Zrl_Spread& grid() { return grid_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void setUpGrid();
    void addRow();
    void removeRow();
    // Makes (col, row) the active cell, the grid focused.
    void activate(int col, int row);

    StringGridSetup setup_;
    Zrl_StringArrayArray rows_;
    Zrl_Spread grid_;
    CResizer resizer_;
    int minWidth_ = 50;
    int minHeight_ = 50;
};

// Shows the rows for editing. An empty list of column headers shows nothing
// and answers false; an empty size name is DLG_SS_STRINGARRAY. On OK `rows`
// is replaced by the rows edited (each as long as there are columns) and the
// answer is true; otherwise `rows` is left as it was.
ZRLSS_EXPORT bool startGridDialog(const Zrl_StringArray& columnHeaders,
                                  const Zrl_StringArray& rowHeaders,
                                  Zrl_Array<Zrl_StringArray>& rows, bool rowsEditable,
                                  Zrl_String sizeName, Zrl_String caption);
