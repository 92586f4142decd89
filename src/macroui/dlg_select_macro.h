// CDlgSelectMacro: the choice of one macro drawing from a gallery of
// thumbnails, narrowed by a collapsible grid of module and property check
// boxes above it. OK hands back the chosen drawing; the alternative button
// (when the caller allows it) ends the dialog asking for another way.
#pragma once

#include "frame/export.h"
#include "grid/zrl_spread.h"
#include "macroui/dlg_select_macro_ids.h"
#include "platform/core/button_st.h"
#include "platform/core/image_list_ctrl.h"
#include "platform/core/macro_props_filter.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

class CDlgSelectMacro : public win::Dialog {
public:
    explicit CDlgSelectMacro(win::Window* parent = nullptr);
    ~CDlgSelectMacro() override;

    static win::DialogTemplate dialogTemplate();
    std::wstring scriptName() const override { return L"select-macro"; }

    Zrl_String title;
    Zrl_MacroPropsFilter filter;
    bool alternative = false;
    bool showNote = false;
    Zrl_String result;

    CImageListCtrl& gallery() { return gallery_; }
    Zrl_Spread& grid() { return grid_; }
    bool gridFilled() const { return gridFilled_; }
    bool filterShown() const { return filterShown_; }
    const CButtonST& toggleButton() const { return toggle_; }

    // Refills the filter grid from the filter's merged properties.
    void fillFilterGrid();
    // Refills the gallery with the drawings the filter passes.
    void fillGallery();
    // Shows or hides the filter grid, moving the gallery below it.
    void toggleFilter() { applyFilterShown(!filterShown_, false); }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void onCheckClick();
    void applyFilterShown(bool shown, bool opening);
    void setUpResizer();

    CImageListCtrl gallery_;
    CButtonST toggle_;
    CResizer resizer_;
    Zrl_Spread grid_;
    Zrl_Array<Zrl_StringArray> keys_;
    bool gridFilled_ = false;
    int minWidth_ = 50;
    int minHeight_ = 50;
    int collapseHeight_ = 140;
    bool filterShown_ = false;
};

// Runs the dialog; on OK `result` gets the chosen drawing (".dwg") and
// `alternative` whether the alternative button closed it, and the answer is
// true. Otherwise both are left as they were.
ZRLSS_EXPORT bool StartDlgSelectMacro(const Zrl_String& title, const Zrl_StringArray& names,
                                      const AcArray<bool>& flags, const int& width,
                                      const int& height, Zrl_String& result, bool& alternative,
                                      bool showNote);
ZRLSS_EXPORT bool StartDlgSelectMacro(const Zrl_String& title, const Zrl_StringArray& names,
                                      const int& width, const int& height, Zrl_String& result,
                                      bool& alternative, bool showNote);
