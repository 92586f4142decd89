// CFormula ("Formulas"): a small spreadsheet bench with a grid, a file name
// field with "Load from File" and "Save to File", a choice of reference style
// and a switch for automatic calculation.
//
// The module runs it in one of three modes, set before it starts:
//   1 evaluation: load `fileName`, recalculate cell (evalColumn, evalRow) and
//     keep its text in `result`; the dialog then stays open for the user;
//   2 look-up: load the file of `lookUp` and perform that FROMTABLE look-up;
//     the dialog then stays open for the user;
//   4 reading: load `fileName`, copy the title (cell (1, 1)), the column
//     titles and every row into `title`, *columnNames and *rows, and close
//     with OK at once.
// Modes 1 and 2 name the dialog's grid as the calling sheet while they
// evaluate and put the previous calling sheet back afterwards.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/win/dialog.h"
#include "sheettools/from_table.h"

class CFormula : public win::Dialog {
public:
    static constexpr const wchar_t* kTemplateName = L"IDD_FORMULA";
    static constexpr int kGridId = 1001;
    static constexpr int kFileNameId = 1002;
    static constexpr int kLoadId = 1003;
    static constexpr int kSaveId = 1004;
    static constexpr int kAutoCalcId = 1005;
    static constexpr int kRecalcId = 1006;
    static constexpr int kStyleDefaultId = 1007;
    static constexpr int kStyleA1Id = 1008;
    static constexpr int kStyleR1C1Id = 1009;

    enum Mode { kModeEvaluate = 1, kModeLookUp = 2, kModeRead = 4 };

    explicit CFormula(win::Window* parent = nullptr);
    ~CFormula() override;

    static win::DialogTemplate dialogTemplate();

    Zrl_Spread& spread() { return spread_; }
    // Whether the load at the start succeeded.
    bool startLoadSucceeded() const { return startLoaded_; }

    int mode = 0;
    Zrl_String fileName;
    int evalColumn = 1;
    int evalRow = 1;
    Zrl_String result;
    FromTableLookUp lookUp;
    Zrl_String title;
    Zrl_StringArray* columnNames = nullptr;
    Zrl_Array<Zrl_StringArray>* rows = nullptr;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    void prepareGrid();
    void evaluate();
    void readTable();
    void loadFromField();
    void saveToField();
    void switchAutoCalculation();
    void showReferenceStyle(int style);

    Zrl_Spread spread_;
    bool startLoaded_ = false;
};
