// CDlgMacroCuts: the cuts of a macro in a grid, one row per cut: its name
// (read-only), its type (a list of the cut types) and one number column per
// offset type. The offsets a cut's type does not use are greyed and locked;
// changing the type greys and locks anew and keeps every value, so that
// switching back finds them again. An offset is checked as it is typed: a
// text that is no finite number (or a negative radius) is refused and the
// cell keeps its value. A typed offset stays as typed on the screen.
//
// A check box tells whether the caller applies the cuts to every selected
// macro.
#pragma once

#include "frame/export.h"
#include "grid/zrl_spread.h"
#include "macroui/dlg_macro_cuts_ids.h"
#include "platform/core/macro_cuts_data.h"
#include "platform/win/dialog.h"

class CDlgMacroCuts : public win::Dialog {
public:
    static constexpr int kColName = 1;
    static constexpr int kColType = 2;
    // Offset type t is shown in column kColFirstOffset + t.
    static constexpr int kColFirstOffset = 3;

    explicit CDlgMacroCuts(win::Window* parent = nullptr);
    ~CDlgMacroCuts() override;

    static win::DialogTemplate dialogTemplate();
    DlgMacroCutsData& record() { return data_; }
    void takeArguments(const bool& applyToAll) { applyToAll_ = applyToAll; }
    void giveArguments(bool& applyToAll) const { applyToAll = applyToAll_; }
    Zrl_Spread& grid() { return grid_; }

    // Whether `text` is accepted as an offset of type `offsetType`; the
    // number in `value`.
    static bool readOffset(int offsetType, const Zrl_String& text, double& value);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    void onOK() override;

private:
    void setUpGrid();
    // Greys and locks the offsets row `row`'s cut does not use.
    void showUsedOffsets(int row);
    void cellEdited(int col, int row);

    DlgMacroCutsData data_;
    bool applyToAll_ = false;
    Zrl_Spread grid_;
};

// Runs the dialog on a copy of `data`; on OK the cuts, the current cut and
// the apply-to-all flag go back and the result is true. Cancel leaves both.
ZRLSS_EXPORT bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& applyToAll);
