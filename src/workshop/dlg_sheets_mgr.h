// CDlgSheetsMgr: the sheets manager, a docked window beside the drawing
// that lists the workshop-drawing sheets with their parts (upper grid) and
// the parts (lower grid, on the "Parts" tab), with context menus and an
// output menu. Its commands report the chosen item on the host's command
// line; "Change format" also asks the core for format "A4".
//
// One manager exists at a time, in a docking bar held module-wide; the
// user closing the bar ends it as EndModelessDlgSheetsMgr does.
#pragma once

#include "grid/dyn_menu.h"
#include "platform/core/resizer.h"
#include "platform/core/sheets_mgr_data.h"
#include "platform/win/dialog.h"
#include "sheettools/dock_control_bar.h"
#include "sheettools/tree_spread.h"

class CDlgSheetsMgr : public win::Dialog {
public:
    static constexpr const wchar_t* kCaption = L"Sheets manager";
    static constexpr const wchar_t* kToolId = L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F}";
    static constexpr int kStartWidth = 500;
    static constexpr int kStartHeight = 400;

    CDlgSheetsMgr();
    ~CDlgSheetsMgr() override;

    static win::DialogTemplate dialogTemplate();

    VkSheetsMgrDlgData& record() { return data_; }
    VkTreeSpread& upperGrid() { return upper_; }
    VkTreeSpread& lowerGrid() { return lower_; }
    const Zrl_StringArray& upperItems() const { return upperItems_; }
    const Zrl_StringArray& lowerItems() const { return lowerItems_; }
    const Zrl_StringArray& outputItems() const { return outputItems_; }
    // The size getSafeDlgSize made of the starting size.
    win::Size startSize() const { return startSize_; }

    bool preTranslateMessage(const win::Message& msg) override;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onCancel() override {}
    void onSize(int cx, int cy) override;
    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void fillGrid(VkTreeSpread& grid);
    void menuItemChosen(const Zrl_StringArray& items, int position);

    VkSheetsMgrDlgData data_;
    VkTreeSpread upper_;
    VkTreeSpread lower_;
    CResizer resizer_;
    dynMenu outputMenu_;
    Zrl_StringArray upperItems_;
    Zrl_StringArray lowerItems_;
    Zrl_StringArray outputItems_;
    win::Size startSize_;
};

// The docking bar of the sheets manager: closing it ends the manager.
class CSheetsMgrBar : public CVkDockControlBar {
public:
    using CVkDockControlBar::CVkDockControlBar;

protected:
    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
};

// Shows the manager (true when it is open afterwards); a manager that is
// open already keeps its data.
bool StartModelessDlgSheetsMgr(const VkSheetsMgrDlgData& data);
// Closes the manager; false when none is open or its bar would not close.
bool EndModelessDlgSheetsMgr();
// The open manager, null when none is open.
CDlgSheetsMgr* openSheetsMgr();
