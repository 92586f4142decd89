#include "macroui/edit_macro_pages.h"

#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"

namespace {

template <class Page> void registerPage(win::ModuleHandle module) {
    win::registerTemplate(module, Page::dialogTemplate());
}

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    registerPage<CTabEditConstraints>(module);
    registerPage<CTabGeometries>(module);
    registerPage<CTabEditVars>(module);
    registerPage<CTabMacroCommands>(module);
});

win::DialogTemplate pageTemplate(int id, std::vector<win::ControlTemplate> controls) {
    win::DialogTemplate t;
    t.id = id;
    t.width = 330;
    t.height = 220;
    t.style = win::WS_CHILD;
    t.controls = std::move(controls);
    return t;
}

struct CommandFace {
    const wchar_t* icon; // null: the button is hidden
    int text;
};
constexpr CommandFace kCommands[kMacroCommandCount] = {
    {L"Parallel.bmp", 903},   {L"Perpendicular.bmp", 904}, {L"Coincident.bmp", 905},
    {nullptr, 906},           {L"Tangent.bmp", 907},       {L"Concentric.bmp", 908},
    {L"EqualRadius.bmp", 909}, {L"Distance.bmp", 910},     {L"Angle.bmp", 911},
    {L"Radius.bmp", 912},     {nullptr, 0},                {L"AddModule.bmp", 913},
    {L"BoltPattern.bmp", 914}, {L"CoordSys.bmp", 915},
};

} // namespace

CEditMacroPage::~CEditMacroPage() {
    if (isCreated()) destroy();
}

void CEditMacroPage::createGrid(Zrl_Spread& grid, int id) {
    grid.setFontName(L"Tahoma");
    grid.createInPlaceOf(this, id, true);
    grid.setLook(0);
}

void CEditMacroPage::fillGrid(Zrl_Spread& grid, const Zrl_StringArray& heads,
                              const Zrl_Array<Zrl_StringArray>& rows) {
    if (!grid.isCreated()) return;
    // The header fixes the columns: a table without rows still shows them.
    int cols = heads.length();
    for (const Zrl_StringArray& row : rows)
        cols = std::max(cols, row.length());
    grid.setMaxCols(cols);
    grid.setMaxRows(rows.length());
    for (int c = 0; c < heads.length(); ++c)
        grid.setCellData(c + 1, Zrl_Spread::kHeader, heads[c]);
    for (int r = 0; r < rows.length(); ++r)
        for (int c = 0; c < cols; ++c)
            grid.setCellData(c + 1, r + 1, c < rows[r].length() ? rows[r][c] : Zrl_String());
    if (rows.length() > 0) grid.setLockRange(1, 1, cols, rows.length(), true);
    grid.formatHeaders();
}

bool CEditMacroGridPage::onInitDialog() {
    createGrid(grid_, gridId_);
    refresh();
    return true;
}

CTabEditConstraints::CTabEditConstraints(EditConstrData* data)
    : CEditMacroGridPage(
          data, IDC_RULES_GRID,
          [] {
              return Zrl_StringArray({dialString(87), dialString(883), dialString(2333) + L"1",
                              dialString(2333) + L"2"});
          },
          &EditConstrData::rules) {}

win::DialogTemplate CTabEditConstraints::dialogTemplate() {
    return pageTemplate(IDD_TAB_EDIT_CONSTRAINTS,
                        {{IDC_RULES_GRID, win::ControlKind::Placeholder, {5, 5, 325, 215},
                          win::WS_TABSTOP, L""}});
}

CTabGeometries::CTabGeometries(EditConstrData* data)
    : CEditMacroGridPage(
          data, IDC_GEOMETRIES_GRID,
          [] {
              return Zrl_StringArray({dialString(889), dialString(890), dialString(87), dialString(891),
                              dialString(892)});
          },
          &EditConstrData::geometries) {}

win::DialogTemplate CTabGeometries::dialogTemplate() {
    return pageTemplate(IDD_TAB_GEOMETRIES,
                        {{IDC_GEOMETRIES_GRID, win::ControlKind::Placeholder, {5, 5, 325, 215},
                          win::WS_TABSTOP, L""}});
}

win::DialogTemplate CTabEditVars::dialogTemplate() {
    return pageTemplate(IDD_TAB_EDIT_VARS,
                        {{IDC_VARS_GRID, win::ControlKind::Placeholder, {5, 5, 325, 130},
                          win::WS_TABSTOP, L""},
                         {IDC_DIALOG_VARS_GRID, win::ControlKind::Placeholder, {5, 135, 325, 215},
                          win::WS_TABSTOP, L""}});
}

bool CTabEditVars::onInitDialog() {
    createGrid(vars_, IDC_VARS_GRID);
    createGrid(dialogVars_, IDC_DIALOG_VARS_GRID);
    refresh();
    return true;
}

void CTabEditVars::refresh() {
    fillGrid(vars_, Zrl_StringArray({dialString(87), dialString(86), dialString(101)}), data_->variables);
    fillGrid(dialogVars_, Zrl_StringArray({dialString(87), dialString(86)}), data_->dialogVariables);
}

win::DialogTemplate CTabMacroCommands::dialogTemplate() {
    std::vector<win::ControlTemplate> buttons;
    for (int k = 0; k < kMacroCommandCount; ++k) {
        const int x = 5 + (k % 2) * 160, y = 5 + (k / 2) * 22;
        buttons.push_back({IDC_COMMAND_FIRST + k, win::ControlKind::Button, {x, y, x + 155, y + 18},
                           win::WS_TABSTOP, L"", kCommands[k].icon == nullptr});
    }
    return pageTemplate(IDD_TAB_MACRO_COMMANDS, std::move(buttons));
}

Zrl_String CTabMacroCommands::iconFile(int command) {
    if (command < 0 || command >= kMacroCommandCount || !kCommands[command].icon) return {};
    return Zrl_Settings::zrlDir() + L"icons\\" + kCommands[command].icon;
}

bool CTabMacroCommands::onInitDialog() {
    for (int k = 0; k < kMacroCommandCount; ++k) {
        if (!kCommands[k].icon) continue;
        setItemText(IDC_COMMAND_FIRST + k, dialString(kCommands[k].text).str());
        // A missing icon leaves the button with its text.
        icons_[k] = win::Bitmap::load(pathToText(resolvePath(iconFile(k))).str());
    }
    return true;
}

bool CTabMacroCommands::onCommand(int id, int notifyCode) {
    const int command = id - IDC_COMMAND_FIRST;
    if (command >= 0 && command < kMacroCommandCount && notifyCode == win::BN_CLICKED) {
        if (run_) run_(command);
        return true;
    }
    return CEditMacroPage::onCommand(id, notifyCode);
}
