// Zrl_DlgCSP2: the cutting-stock dialog. Per profile it shows three lists
// of a DlgCSP2Data record in three grids: the pieces to cut, the shop stock
// and the purchase lengths; the combo box chooses the profile. The shop and
// purchase lists are loaded from and saved to the profile's stock files
// (stock_files.h).
//
// Input mode (before a run): every list is edited; the bottom command loads
// the latest stock files of all profiles and reports what it found.
// Result mode (after a run): only the shop list is edited; the bottom
// command saves the shop stock of every profile as a new numbered file,
// or through a file dialog per profile when the check box is ticked.
//
// The grids hold the current profile's rows; the lists are brought up to
// date from them (storeGrids) before anything reads the lists.
#pragma once

#include "cuttingstock/dlg_csp2_ids.h"
#include "frame/export.h"
#include "grid/zrl_spread.h"
#include "platform/core/button_st.h"
#include "platform/core/cutting_stock_data.h"
#include "platform/core/info_dialog.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

#include <array>

class Zrl_DlgCSP2 : public win::Dialog {
public:
    enum ListKind { kPieces = 0, kShop = 1, kPurchase = 2 };

    explicit Zrl_DlgCSP2(win::Window* parent = nullptr);
    ~Zrl_DlgCSP2() override;

    static win::DialogTemplate dialogTemplate();

    // The dialog's own copy of the record; brought up to date on OK.
    DlgCSP2Data data;
    DlgCSP2Data& record() { return data; }

    // The id of the profile shown, -1 when there is none.
    int currentProfile() const { return current_; }
    Zrl_Spread& grid(ListKind kind) { return grids_[kind]; }
    const CButtonST& iconButton(int id) const;
    // The size the dialog cannot be made smaller than: its template's.
    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }
    // The last report of the bottom command in input mode.
    const DlgInfoData& lastReport() const { return report_; }

    // Brings the lists up to date from the grids for the current profile.
    void storeGrids();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    // How one load or save of a stock list ended.
    enum class StockOutcome { Done, Cancelled, Missing, Unreadable, Unwritable, Unsavable };
    struct StockOp {
        StockOutcome outcome = StockOutcome::Cancelled;
        Zrl_String path; // the file concerned (the name for a refused profile name)
        int badRow = -1; // Unsavable: the row (from 0)
    };

    DlgCSP2List& list(ListKind kind);
    void fillGrids();
    void fillGrid(ListKind kind);
    void switchTo(int comboIndex);
    void addProfile();
    void removeProfile();
    void rowCommand(ListKind kind, bool add);

    // Loads or saves the stock list `kind` of the profile at `index`: with a
    // file dialog, or (load) the latest file / (save) the next numbered one.
    StockOp loadStock(int index, ListKind kind, bool fileDialog);
    StockOp saveStock(int index, ListKind kind, bool fileDialog);
    // The load and save buttons: the current profile, a file dialog, and a
    // message for what went wrong.
    void loadSaveButton(ListKind kind, bool load);
    Zrl_String failureText(const StockOp& op) const;
    void loadLatestAll();
    void saveAllShops();

    std::array<Zrl_Spread, 3> grids_;
    std::array<CButtonST, 10> icons_;
    CResizer resizer_;
    DlgInfoData report_;
    int current_ = -1;
    int minWidth_ = 50;
    int minHeight_ = 50;
};

// Runs the dialog on a copy of `data`; on OK the edited copy goes back into
// `data` and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgCSP2(DlgCSP2Data& data);
