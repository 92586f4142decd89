// CDlgGenVars: the modal dialog in which the user edits the general
// variables that automatic standards apply: the variables set per drawing
// (name, value, filter) in the top grid and those set per standard (name,
// value, override, filter) in the bottom grid. A filter lists the drawings
// and folders, relative to the library's "Macros\" folder, that a row
// applies to; the "..." button at the end of a row adds to it.
#pragma once

#include "frame/export.h"
#include "grid/zrl_spread.h"
#include "platform/core/auto_standards_data.h"
#include "platform/core/button_st.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

inline constexpr int IDD_DLG_GENVARS = 256;
inline constexpr int IDC_GENVARS_DWG_GROUP = 1001;
inline constexpr int IDC_GENVARS_DWG_GRID = 1002;
inline constexpr int IDC_GENVARS_DWG_ADD = 1003;
inline constexpr int IDC_GENVARS_DWG_REMOVE = 1004;
inline constexpr int IDC_GENVARS_DWG_UP = 1005;
inline constexpr int IDC_GENVARS_DWG_DOWN = 1006;
inline constexpr int IDC_GENVARS_STD_GROUP = 1011;
inline constexpr int IDC_GENVARS_STD_GRID = 1012;
inline constexpr int IDC_GENVARS_STD_ADD = 1013;
inline constexpr int IDC_GENVARS_STD_REMOVE = 1014;
inline constexpr int IDC_GENVARS_STD_UP = 1015;
inline constexpr int IDC_GENVARS_STD_DOWN = 1016;

class CDlgGenVars : public win::Dialog {
public:
    explicit CDlgGenVars(win::Window* parent = nullptr);
    ~CDlgGenVars() override;

    // The dialog's own copy of the record; read back from the grids on OK.
    VkAutoStandardsData data;
    VkAutoStandardsData& record() { return data; }

    Zrl_Spread& drawingGrid() { return dwgGrid_; }
    Zrl_Spread& standardGrid() { return stdGrid_; }
    // The dialog cannot be made smaller than this (its size when opened).
    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }

    // The folder the filter paths are relative to: libDir + "Macros\".
    static Zrl_String filterFolder();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void fillGrid(Zrl_Spread& grid, const Zrl_StringArray* const* lists, int count);
    void readGrid(Zrl_Spread& grid, Zrl_StringArray* const* lists, int count);
    // Spans of equal names in column 1 and the "..." buttons of the last column.
    void formatGrid(Zrl_Spread& grid);
    // Adds the drawings and folders the user chooses to the active row's filter.
    void chooseFilterPaths(Zrl_Spread& grid);
    bool rowCommand(int id);

    CResizer resizer_;
    CButtonST dwgUp_, dwgDown_, stdUp_, stdDown_;
    int minWidth_ = 50;
    int minHeight_ = 50;
    Zrl_Spread dwgGrid_;
    Zrl_Spread stdGrid_;
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgGenVars(VkAutoStandardsData& data);
