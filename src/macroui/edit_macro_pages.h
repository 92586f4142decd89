// The four pages of the macro editor: rules, geometries, variables and the
// drawing commands. Each shows the editor's record and is refreshed from it
// after every core operation.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/edit_constr_data.h"
#include "macroui/dlg_edit_macro_ids.h"
#include "platform/win/bitmap.h"
#include "platform/win/dialog.h"

#include <array>
#include <functional>
#include <optional>

class CEditMacroPage : public win::Dialog {
public:
    explicit CEditMacroPage(EditConstrData* data) : data_(data) {}
    ~CEditMacroPage() override;
    virtual void refresh() = 0;

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

// The rules: name, type and two values per rule.
class CTabEditConstraints : public CEditMacroGridPage {
public:
    explicit CTabEditConstraints(EditConstrData* data);
    static win::DialogTemplate dialogTemplate();
};

// The geometries with their flexibility.
class CTabGeometries : public CEditMacroGridPage {
public:
    explicit CTabGeometries(EditConstrData* data);
    static win::DialogTemplate dialogTemplate();
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
    const win::Bitmap* icon(int command) const {
        return icons_[command] ? &*icons_[command] : nullptr;
    }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    Run run_;
    std::array<std::optional<win::Bitmap>, 14> icons_;
};
