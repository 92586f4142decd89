// CDlgEditMacro: the macro editor. A module list with its buttons above
// four pages (rules, geometries, variables, commands) that show the core's
// record of the current module. Every change goes to the macro through a
// core operation, after which the editor refreshes from the record; the
// operations that need the drawing hide the editor while they run.
#pragma once

#include "frame/export.h"
#include "macroui/dlg_edit_macro_ids.h"
#include "macroui/edit_macro_pages.h"
#include "platform/core/edit_constr_data.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

#include <memory>

class CDlgEditMacro : public win::Dialog {
public:
    enum Page { kRules, kGeometries, kVariables, kCommands, kPageCount };

    explicit CDlgEditMacro(win::Window* parent = nullptr);
    ~CDlgEditMacro() override;

    static win::DialogTemplate dialogTemplate();
    std::wstring scriptName() const override { return L"edit-macro"; }

    EditConstrData& record() { return data_; }
    bool modeless = false;

    CEditMacroPage* page(Page p) const { return pages_[p].get(); }
    int currentPage() const;
    void showPage(int page);
    // The module list's selected text; empty when none.
    Zrl_String selectedModule() const;

    // The buttons' work, also for tests.
    void pickModule(int index);
    void selectOtherMacro();
    void renameModule();
    void removeModule();
    void zoom();
    void runCommand(int command);
    // Settings: the macro settings dialog on GetMacroSettings; on OK the
    // result goes back with SetMacroSettings.
    void settings();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    void onOK() override;
    void onCancel() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void fillModules();
    void refreshPages();
    // Writes the pages' pending edits (before any change of row, tab or
    // module, any operation and the end).
    void commitPages();
    // Another module becomes current: no rule or geometry is chosen.
    void forgetChoices();
    void close(int code);

    EditConstrData data_;
    std::unique_ptr<CEditMacroPage> pages_[kPageCount];
    CResizer resizer_;
    bool zoomRunning_ = false;
    int shownPage_ = -1;
    int minWidth_ = 50;
    int minHeight_ = 50;
};

// Opens the modeless editor on a copy of the record; an open editor is
// kept with its data. Always true.
ZRLSS_EXPORT bool StartDlgEditConstraints(EditConstrData& data);
// Closes the modeless editor, if any.
ZRLSS_EXPORT void EndDlgEditConstraints();
// Runs the editor modally; true when it closed with OK. The record is not
// copied back: the edits reached the macro through the core.
ZRLSS_EXPORT bool StartDlgEditConstrModal(EditConstrData& data);

namespace macroui {
// The modeless editor, null when none is open.
CDlgEditMacro* modelessEditMacro();
} // namespace macroui
