// The four pages of the macro editor: rules, geometries, variables and the
// drawing commands. Each shows the editor's record and is refreshed from it
// after every core operation.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/button_st.h"
#include "platform/core/edit_constr_data.h"
#include "macroui/dlg_edit_macro_ids.h"
#include "platform/win/bitmap.h"
#include "platform/win/dialog.h"

#include <functional>

namespace macroui {
// The recent-selection flag: set by each choice of a rule, cleared by a
// one-shot 2000 ms timer that every choice restarts. While it is set,
// Escape on the rules and geometries pages does not close the editor.
bool recentSelection();
void noteSelection();
// Kills the timer and clears the flag (the editor ends).
void endRecentSelection();
// Runs a drawing operation with the editor hidden (BeginEditorCommand,
// CompleteEditorCommand); answers the operation's result.
bool inDrawing(win::Window* editor, const std::function<bool()>& operation);
} // namespace macroui

class CEditMacroPage : public win::Dialog {
public:
    explicit CEditMacroPage(EditConstrData* data) : data_(data) {}
    ~CEditMacroPage() override;
    virtual void refresh() = 0;
    // Writes what the user typed and has not been taken yet.
    virtual void commit() {}
    // The page is left (another tab, or the editor closes): pending edits
    // are written and highlights cleared.
    virtual void leave() { commit(); }

protected:
    // A grid of the page in "Tahoma", read-mostly, in place of its
    // placeholder.
    void createGrid(Zrl_Spread& grid, int id);
    // Fills a grid: the headers, then one row per record row, locked.
    static void fillGrid(Zrl_Spread& grid, const Zrl_StringArray& headers,
                         const Zrl_Array<Zrl_StringArray>& rows);
    EditConstrData* data_;
};

// A page that is one grid over one table of the record.
class CEditMacroGridPage : public CEditMacroPage {
public:
    using Rows = Zrl_Array<Zrl_StringArray> EditConstrData::*;
    CEditMacroGridPage(EditConstrData* data, int gridId, Zrl_StringArray (*headers)(), Rows rows)
        : CEditMacroPage(data), gridId_(gridId), headers_(headers), rows_(rows) {}
    void refresh() override { fillGrid(grid_, headers_(), data_->*rows_); }
    Zrl_Spread& grid() { return grid_; }

protected:
    bool onInitDialog() override;

private:
    int gridId_;
    Zrl_StringArray (*headers_)();
    Rows rows_;
    Zrl_Spread grid_;
};

// The rules: a grid of name, type, value and variable per rule, and below
// it the fields of the chosen rule (those its kind flags). An edit is taken
// when a field loses the focus, on a check, choice or Enum click, and before
// a row, tab or module change or the editor's end; it is written through
// UpdateConstraint when it differs from the record.
class CTabEditConstraints : public CEditMacroGridPage {
public:
    explicit CTabEditConstraints(EditConstrData* data);
    ~CTabEditConstraints() override;
    static win::DialogTemplate dialogTemplate();
    void refresh() override;
    void commit() override;
    void leave() override;

    // The chosen row (from 0), -1 for none.
    int row() const { return row_; }
    // The user chooses a row (from 0): pending edit taken, rule highlighted.
    void chooseRow(int row);
    // The context menu's entries: the six actions, then sort and delete.
    enum MenuEntry { kMenuSort = 6, kMenuDelete = 7 };
    void runMenuEntry(int entry);
    void deleteRow();
    bool skipFlag() const { return skip_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool preTranslateMessage(const win::Message& msg) override;
    void onDestroy() override;

private:
    void showFields();
    // Checks a new variable name; false (after its warning box) refuses it.
    bool acceptVariable(const Zrl_String& name);
    void contextMenu();

    int row_ = -1;
    AcArray<int> list_;  // the row's list as the Enum buttons edited it
    bool filling_ = false; // fields being filled by the page, not typed
    bool taking_ = false;
    bool skip_ = false;    // the user typed: the next Escape stays on the page
    CButtonST enums_[kRuleEnumCount];
};

// The geometries with their flexibility: the name and the flexibility
// cells can be edited; a chosen geometry is highlighted in the drawing.
class CTabGeometries : public CEditMacroGridPage {
public:
    explicit CTabGeometries(EditConstrData* data);
    static win::DialogTemplate dialogTemplate();
    void refresh() override;
    void leave() override;
    void chooseRow(int row);

protected:
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    bool preTranslateMessage(const win::Message& msg) override;

private:
    bool highlighted_ = false;
};

class CTabEditVars : public CEditMacroPage {
public:
    using CEditMacroPage::CEditMacroPage;
    static win::DialogTemplate dialogTemplate();
    void refresh() override;
    Zrl_Spread& variables() { return vars_; }
    Zrl_Spread& dialogVariables() { return dialogVars_; }

protected:
    bool onInitDialog() override;

private:
    Zrl_Spread vars_, dialogVars_;
};

class CTabMacroCommands : public CEditMacroPage {
public:
    // Runs a command for the editor (the editor hides itself around it).
    using Run = std::function<void(int command)>;
    CTabMacroCommands(EditConstrData* data, Run run) : CEditMacroPage(data), run_(std::move(run)) {}
    static win::DialogTemplate dialogTemplate();
    void refresh() override {}
    // The icon file of a command, empty for none.
    static Zrl_String iconFile(int command);
    // The icon a command's button shows; null when it shows its text.
    const win::Bitmap* icon(int command) const;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    Run run_;
};
