// CDlgMacro: the macro dialog. It edits the values of one or more macros of
// the drawing while the drawing follows each change: one page per tab of
// its MacroData record (CMacroTabGeneral for kinds 0, 1 and 3,
// CMacroTabProf for kind 2, none for other kinds), two filters that narrow
// the tabs, view changes, a re-selection of macros, loading from the
// standards, applying the macro again, and loading and saving property
// lists (CDlgOpenSave).
//
// It runs modally (StartDlgMacro; index -1) or modeless under the table of
// macro dialogs (macro_starters.h), whose index it keeps for its close.
// Every change goes to the drawing through the core (UpdateModule,
// setAllToMacro); a page edits a copy of its tab and the dialog applies it
// (applyPage), then refreshes every page from the record, so a value the
// core refuses leaves the screen again.
#pragma once

#include "frame/restore_focus.h"
#include "macroui/dlg_macro_ids.h"
#include "macroui/macro_page.h"
#include "platform/core/button_st.h"
#include "platform/core/macro_data.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

#include <memory>
#include <vector>

class CDlgMacro : public win::Dialog, public MacroPageHost {
public:
    // The frame around the pages: width and height added to the largest need.
    static constexpr int kFrameWidth = 47;
    static constexpr int kFrameHeight = 160;
    // The smallest size before the dialog was first sized.
    static constexpr int kFirstMinWidth = 280;
    static constexpr int kFirstMinHeight = 300;

    explicit CDlgMacro(win::Window* parent = nullptr, int tableIndex = -1);
    ~CDlgMacro() override;

    static win::DialogTemplate dialogTemplate();
    // Action scripts address it as `dialog macro`, whatever its caption.
    std::wstring scriptName() const override { return L"macro"; }

    MacroData& record() { return record_; }
    const MacroData& record() const { return record_; }
    int tableIndex() const { return index_; }
    // The modeless table asks whether the close must wait.
    bool postponeClose() const { return record_.postponeClose; }

    // The name the dialog's size is kept under.
    Zrl_String sizeKey() const;
    // The page of tab `index` (null for none), the page shown.
    CMacroPage* page(int index) const;
    int pageCount() const { return static_cast<int>(pages_.size()); }
    int currentTab() const;
    int minTrackWidth() const { return minWidth_; }
    int minTrackHeight() const { return minHeight_; }
    bool isClosing() const { return closing_; }

    // MacroPageHost
    const MacroData& pageRecord() const override { return record_; }
    void applyPage(int tabIndex, const MacroTabData& pageTab) override;
    bool openDetail(int tabIndex, int buttonId) override;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    void onOK() override;
    void onCancel() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;
    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void setUpButtons();
    void buildPages();
    void destroyPages();
    void layoutPages();
    void showPage(int index);
    void saveFocusOfShown();
    void fillFilters();
    void fitToPages();
    void refreshPages();
    void applyAllPages();
    void changeView(int direction);
    void selectOtherMacros();
    void filterChanged(bool first);
    void loadPropertyList();
    void savePropertyList();
    void closeDialog();

    std::vector<std::unique_ptr<CButtonST>> iconButtons_;
    int index_ = -1;
    MacroData record_;
    std::vector<std::unique_ptr<CMacroPage>> pages_;
    std::vector<int> kinds_;
    CResizer resizer_;
    Zrl_RestoreFocus focus_;
    bool sizedOnce_ = false;
    bool pagesShownOnce_ = false;
    bool closing_ = false;
    int lastShown_ = -1;
    int initialWidth_ = 0;
    int initialHeight_ = 0;
    int minWidth_ = kFirstMinWidth;
    int minHeight_ = kFirstMinHeight;
};
