#include "macroui/edit_macro_pages.h"

#include "frame/module_resources.h"
#include "grid/dyn_menu.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/host/command_line.h"
#include "platform/host/host_windows.h"
#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/message_box.h"
#include "platform/win/static_control.h"
#include "platform/win/timers.h"

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

constexpr unsigned kRecentSelectionMs = 2000;
bool gRecentSelection = false;
std::uintptr_t gSelectionTimer = 0;

// Texts of the rules page: the context menu's sort and delete entries, the
// labels of the variable and choice fields, the two flags.
constexpr int kTextSortByColumn = 2760;
constexpr int kTextDeleteRule = 2761;
constexpr int kTextVariable = 2762;
constexpr int kTextChoice = 2763;
constexpr int kTextFlag1 = 2764;
constexpr int kTextFlag2 = 2765;

bool isInside(const win::Window* w, const win::Window* ancestor) {
    for (; w; w = w->parent())
        if (w == ancestor) return true;
    return false;
}

bool isKey(const win::Message& msg, int vk) {
    return msg.message == win::WM_KEYDOWN && msg.wParam == static_cast<win::WPARAM>(vk);
}

// Escape on the rules or geometries page: closes the editor through its OK
// path, unless a rule was chosen within the last two seconds or `stay` (the
// rules page's skip flag, used up here) is set; then the page keeps the key.
// Answers whether the page itself keeps it.
bool escapeStaysOnPage(win::Window& page, bool& stay) {
    if (macroui::recentSelection() || stay) {
        stay = false;
        return true;
    }
    // The editor may be gone when this returns: nothing of the page is
    // touched afterwards.
    page.topLevel()->sendMessage(win::WM_COMMAND, win::makeWParam(win::IDOK, win::BN_CLICKED), 0);
    return false;
}

// The grid's row of a click or edit notification (from 0), -1 for none.
int sendingRow(Zrl_Spread& grid) {
    int col = 0, row = 0;
    grid.getCellSendingMsg(col, row);
    return row >= 1 && row <= grid.getMaxRows() ? row - 1 : -1;
}

} // namespace

namespace macroui {

bool recentSelection() {
    return gRecentSelection;
}

void noteSelection() {
    if (gSelectionTimer) win::killTimer(gSelectionTimer);
    gRecentSelection = true;
    gSelectionTimer = win::setTimer(kRecentSelectionMs, [](std::uintptr_t id) {
        win::killTimer(id);
        gSelectionTimer = 0;
        gRecentSelection = false;
    });
}

void endRecentSelection() {
    if (gSelectionTimer) win::killTimer(gSelectionTimer);
    gSelectionTimer = 0;
    gRecentSelection = false;
}

bool inDrawing(win::Window* editor, const std::function<bool()>& operation) {
    BeginEditorCommand(editor);
    const bool ok = operation();
    CompleteEditorCommand(editor);
    return ok;
}

} // namespace macroui

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

CTabEditConstraints::~CTabEditConstraints() {
    if (isCreated()) destroy();
}

win::DialogTemplate CTabEditConstraints::dialogTemplate() {
    using win::ControlKind;
    const std::uint32_t tab = win::WS_TABSTOP;
    std::vector<win::ControlTemplate> controls = {
        {IDC_RULES_GRID, ControlKind::Placeholder, {5, 5, 325, 138}, tab, L""},
        {IDC_RULE_NAME_LABEL, ControlKind::Static, {5, 144, 40, 154}, 0, L"Name"},
        {IDC_RULE_NAME, ControlKind::Edit, {42, 142, 160, 154}, tab | win::ES_AUTOHSCROLL, L""},
        {IDC_RULE_VARIABLE_LABEL, ControlKind::Static, {165, 144, 205, 154}, 0, L"Variable"},
        {IDC_RULE_VARIABLE, ControlKind::Edit, {207, 142, 325, 154}, tab | win::ES_AUTOHSCROLL,
         L""},
        {IDC_RULE_VALUE_LABEL, ControlKind::Static, {5, 161, 40, 171}, 0, L"Value"},
        {IDC_RULE_VALUE, ControlKind::Edit, {42, 159, 160, 171}, tab | win::ES_READONLY, L""},
        {IDC_RULE_CHOICE_LABEL, ControlKind::Static, {165, 161, 205, 171}, 0, L"Choice"},
        {IDC_RULE_CHOICE, ControlKind::ComboBox, {207, 159, 325, 230},
         tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL, L""},
        {IDC_RULE_FLAG1, ControlKind::Button, {5, 178, 80, 190}, tab | win::BS_AUTOCHECKBOX,
         L"Flag 1"},
        {IDC_RULE_FLAG2, ControlKind::Button, {85, 178, 160, 190}, tab | win::BS_AUTOCHECKBOX,
         L"Flag 2"},
    };
    for (int k = 0; k < kRuleEnumCount; ++k) {
        const int x = 207 + k * 24;
        controls.push_back({IDC_RULE_ENUM_FIRST + k, ControlKind::Button, {x, 176, x + 22, 190}, tab,
                            L"0", true});
    }
    return pageTemplate(IDD_TAB_EDIT_CONSTRAINTS, std::move(controls));
}

bool CTabEditConstraints::onInitDialog() {
    setItemText(IDC_RULE_NAME_LABEL, dialString(87).str());
    setItemText(IDC_RULE_VARIABLE_LABEL, dialString(kTextVariable).str());
    setItemText(IDC_RULE_VALUE_LABEL, dialString(2333).str());
    setItemText(IDC_RULE_CHOICE_LABEL, dialString(kTextChoice).str());
    setItemText(IDC_RULE_FLAG1, dialString(kTextFlag1).str());
    setItemText(IDC_RULE_FLAG2, dialString(kTextFlag2).str());
    for (int k = 0; k < kRuleEnumCount; ++k) {
        enums_[k].SubclassDlgItem(IDC_RULE_ENUM_FIRST + k, this);
        enums_[k].SetFlat(true);
        enums_[k].SetTooltipText(Zrl_String(L"Enum ") + Zrl_String(std::to_wstring(k + 1)));
    }
    return CEditMacroGridPage::onInitDialog();
}

void CTabEditConstraints::refresh() {
    CEditMacroGridPage::refresh();
    // The record's current rule stays chosen; without one the first row
    // shows its fields (a choice of the user's also highlights it).
    const int rows = data_->rules.length();
    row_ = data_->currentRule >= 0 && data_->currentRule < rows ? data_->currentRule
                                                                 : (rows > 0 ? 0 : -1);
    data_->currentRule = row_;
    if (row_ >= 0 && grid().isCreated()) grid().setActiveCell(std::max(grid().activeCol(), 1), row_ + 1);
    showFields();
}

void CTabEditConstraints::showFields() {
    const EditConstrData& d = *data_;
    const int r = row_;
    const bool valid = r >= 0 && r < d.rules.length() && r < d.ruleKinds.length() &&
                       r < d.ruleNames.length() && r < d.ruleVariables.length() &&
                       r < d.ruleFlags1.length() && r < d.ruleFlags2.length() &&
                       r < d.ruleChoices.length() && r < d.ruleLists.length();
    const int kind = valid ? d.ruleKinds[r] : 0;
    filling_ = true;
    setItemText(IDC_RULE_NAME, valid ? d.ruleNames[r].str() : L"");
    setItemText(IDC_RULE_VARIABLE, valid ? d.ruleVariables[r].str() : L"");
    setItemText(IDC_RULE_VALUE, valid && d.rules[r].length() > 2 ? d.rules[r][2].str() : L"");
    if (win::ComboBox* choice = combo(IDC_RULE_CHOICE)) {
        choice->resetContent();
        for (const Zrl_String& t : d.choiceTexts)
            choice->addString(t.str());
        choice->setCurSel(valid ? d.ruleChoices[r] : -1);
    }
    check(IDC_RULE_FLAG1, valid && d.ruleFlags1[r] ? win::BST_CHECKED : win::BST_UNCHECKED);
    check(IDC_RULE_FLAG2, valid && d.ruleFlags2[r] ? win::BST_CHECKED : win::BST_UNCHECKED);
    list_ = valid ? d.ruleLists[r] : AcArray<int>();
    struct Field {
        int bit;
        int ids[2];
    };
    static constexpr Field kFields[] = {
        {kRuleFieldName, {IDC_RULE_NAME, IDC_RULE_NAME_LABEL}},
        {kRuleFieldVariable, {IDC_RULE_VARIABLE, IDC_RULE_VARIABLE_LABEL}},
        {kRuleFieldValue, {IDC_RULE_VALUE, IDC_RULE_VALUE_LABEL}},
        {kRuleFieldChoice, {IDC_RULE_CHOICE, IDC_RULE_CHOICE_LABEL}},
        {kRuleFieldFlag1, {IDC_RULE_FLAG1, 0}},
        {kRuleFieldFlag2, {IDC_RULE_FLAG2, 0}},
    };
    for (const Field& f : kFields)
        for (int id : f.ids)
            if (id) showItem(id, (kind & f.bit) != 0);
    for (int k = 0; k < kRuleEnumCount; ++k) {
        showItem(IDC_RULE_ENUM_FIRST + k, k < list_.length());
        if (k < list_.length()) setItemText(IDC_RULE_ENUM_FIRST + k, std::to_wstring(list_[k]));
    }
    filling_ = false;
}

bool CTabEditConstraints::acceptVariable(const Zrl_String& name) {
    // The row's own name, in any case, needs no tests.
    if (name.equal(data_->ruleVariables[row_], false)) return true;
    const std::wstring quoted = L"\"" + name.str() + L"\"\n";
    auto refuse = [&](const std::wstring& text, int caption) {
        win::messageBox(topLevel(), text, dialString(caption).str(), win::MB_ICONWARNING);
        return false;
    };
    if (VarNameInUse(*data_, name))
        return refuse(quoted + dialString(857).str() + L".\n" + dialString(858).str() + L".", 856);
    if (!hasOnlyLettersNumbers(name))
        return refuse(quoted + dialString(1455).str() + L".\n" + dialString(1456).str() +
                          L".\n\n" + dialString(888).str() + L".",
                      884);
    if (startsWithNumber(name))
        return refuse(quoted + dialString(885).str() + L".\n" + dialString(886).str() + L".\n" +
                          dialString(887).str() + L".\n\n" + dialString(888).str() + L".",
                      884);
    return true;
}

void CTabEditConstraints::commit() {
    if (taking_ || filling_ || row_ < 0 || !isCreated()) return;
    EditConstrData& d = *data_;
    const int r = row_;
    // The row must stand in every per-row list of the record; otherwise the
    // edit is dropped.
    if (r >= d.rules.length() || r >= d.ruleKinds.length() || r >= d.ruleNames.length() ||
        r >= d.ruleVariables.length() || r >= d.ruleFlags1.length() ||
        r >= d.ruleFlags2.length() || r >= d.ruleChoices.length() || r >= d.ruleLists.length())
        return;
    if (list_.length() != d.ruleLists[r].length()) {
        acutPrintf(L"*Error* Array size mismatch.\n");
        return;
    }
    taking_ = true;
    const Zrl_String name(getItemText(IDC_RULE_NAME));
    Zrl_String variable(getItemText(IDC_RULE_VARIABLE));
    const bool flag1 = isChecked(IDC_RULE_FLAG1) == win::BST_CHECKED;
    const bool flag2 = isChecked(IDC_RULE_FLAG2) == win::BST_CHECKED;
    const win::ComboBox* box = combo(IDC_RULE_CHOICE);
    const int choice = box && box->getCurSel() >= 0 ? box->getCurSel() : d.ruleChoices[r];
    d.currentRule = r;
    if (variable != d.ruleVariables[r] && !acceptVariable(variable)) {
        // A refused name goes back to the row's own.
        variable = d.ruleVariables[r];
        filling_ = true;
        setItemText(IDC_RULE_VARIABLE, variable.str());
        filling_ = false;
    }
    const bool changed = name != d.ruleNames[r] || variable != d.ruleVariables[r] ||
                         flag1 != d.ruleFlags1[r] || flag2 != d.ruleFlags2[r] ||
                         choice != d.ruleChoices[r] || !(list_ == d.ruleLists[r]);
    if (changed) {
        d.ruleNames[r] = name;
        d.ruleVariables[r] = variable;
        d.ruleFlags1[r] = flag1;
        d.ruleFlags2[r] = flag2;
        d.ruleChoices[r] = choice;
        d.ruleLists[r] = list_;
        UpdateConstraint(d);
    }
    taking_ = false;
    if (changed) refresh();
}

void CTabEditConstraints::leave() {
    commit();
    UnHighlightConstraints(*data_);
    acedUpdateDisplay();
}

void CTabEditConstraints::onDestroy() {
    UnHighlightConstraints(*data_);
    macroui::endRecentSelection();
    CEditMacroGridPage::onDestroy();
}

void CTabEditConstraints::chooseRow(int row) {
    commit();
    if (row < 0 || row >= data_->rules.length()) return;
    row_ = row;
    data_->currentRule = row;
    if (grid().activeRow() != row + 1) grid().setActiveCell(std::max(grid().activeCol(), 1), row + 1);
    HighlightConstraint(*data_);
    macroui::noteSelection();
    showFields();
}

void CTabEditConstraints::deleteRow() {
    commit();
    if (row_ < 0 || row_ >= data_->rules.length()) return;
    data_->currentRule = row_;
    if (DeleteConstraint(*data_)) refresh();
}

void CTabEditConstraints::runMenuEntry(int entry) {
    commit();
    EditConstrData& d = *data_;
    if (entry == kMenuSort) {
        d.sortColumn = std::clamp(grid().activeCol(), 1, 4) - 1;
        if (SortConstraints(d)) refresh();
        return;
    }
    if (entry == kMenuDelete) {
        deleteRow();
        return;
    }
    if (entry < 0 || entry >= kMenuSort || row_ < 0) return;
    d.currentRule = row_;
    d.action = entry;
    if (macroui::inDrawing(topLevel(), [&] { return ContextMenuAction(d); })) refresh();
}

void CTabEditConstraints::contextMenu() {
    Zrl_Spread& g = grid();
    const int row = g.activeRow() - 1;
    if (row >= 0 && row < data_->rules.length() && row != row_) chooseRow(row);
    dynMenu menu;
    for (int k = 0; k < kMenuSort; ++k)
        menu.addEntry(1, k < data_->actionTexts.length()
                             ? data_->actionTexts[k]
                             : Zrl_String(L"Action ") + Zrl_String(std::to_wstring(k + 1)));
    menu.addSeparator();
    menu.addEntry(1, dialString(kTextSortByColumn));
    menu.addEntry(1, dialString(kTextDeleteRule));
    const win::Point at = g.clientToScreen(g.cellCenter(g.activeCol(), std::max(g.activeRow(), 0)));
    const int position = dynMenu::positionOf(menu.show(at, nullptr));
    if (position >= 0) runMenuEntry(position);
}

bool CTabEditConstraints::onCommand(int id, int notifyCode) {
    if (id == IDC_RULES_GRID && notifyCode == Zrl_Spread::kNotifyClick) {
        chooseRow(sendingRow(grid()));
        return true;
    }
    if (id == IDC_RULE_NAME || id == IDC_RULE_VARIABLE) {
        if (notifyCode == win::EN_CHANGE && !filling_) skip_ = true;
        if (notifyCode == win::EN_KILLFOCUS) commit();
        return true;
    }
    if ((id == IDC_RULE_FLAG1 || id == IDC_RULE_FLAG2) && notifyCode == win::BN_CLICKED) {
        commit();
        return true;
    }
    if (id == IDC_RULE_CHOICE && notifyCode == win::CBN_SELCHANGE) {
        commit();
        return true;
    }
    const int k = id - IDC_RULE_ENUM_FIRST;
    if (k >= 0 && k < kRuleEnumCount && notifyCode == win::BN_CLICKED) {
        if (k < list_.length()) list_[k] = list_[k] == 0 ? 1 : 0;
        commit();
        return true;
    }
    return CEditMacroGridPage::onCommand(id, notifyCode);
}

bool CTabEditConstraints::preTranslateMessage(const win::Message& msg) {
    const bool onGrid = isInside(msg.window, &grid());
    if (msg.message == win::WM_RBUTTONDOWN && onGrid) {
        contextMenu();
        return true;
    }
    if (isKey(msg, win::VK_DELETE) && onGrid) {
        deleteRow();
        return true;
    }
    if (isKey(msg, win::VK_ESCAPE)) {
        if (!escapeStaysOnPage(*this, skip_)) return true;
        acutPrintf(L"cancel\n");
        return true;
    }
    if (isKey(msg, win::VK_RETURN) && !dynamic_cast<win::Button*>(msg.window)) {
        acutPrintf(L"Ok\n");
        return true;
    }
    return CEditMacroGridPage::preTranslateMessage(msg);
}

CTabGeometries::CTabGeometries(EditConstrData* data)
    : CEditMacroGridPage(
          data, IDC_GEOMETRIES_GRID,
          [] {
              return Zrl_StringArray({dialString(889), dialString(890), dialString(87),
                                      dialString(891), dialString(892)});
          },
          &EditConstrData::geometries) {}

win::DialogTemplate CTabGeometries::dialogTemplate() {
    return pageTemplate(IDD_TAB_GEOMETRIES,
                        {{IDC_GEOMETRIES_GRID, win::ControlKind::Placeholder, {5, 5, 325, 215},
                          win::WS_TABSTOP, L""}});
}

void CTabGeometries::refresh() {
    CEditMacroGridPage::refresh();
    Zrl_Spread& g = grid();
    const int rows = data_->geometries.length();
    if (!g.isCreated() || rows == 0) return;
    // The name and the flexibility can be edited; the flexibility is one of
    // three texts.
    const Zrl_StringArray flex({dialString(893), dialString(894), dialString(895)});
    g.setComboType(4, 1, 4, rows, flex, false);
    for (int r = 0; r < rows; ++r) {
        const int f = r < data_->geometryFlexibility.length() ? data_->geometryFlexibility[r] : 0;
        g.setCellData(4, r + 1, flex[std::clamp(f, 0, 2)]);
        g.setLock(3, r + 1, false);
        g.setLock(4, r + 1, false);
    }
}

void CTabGeometries::chooseRow(int row) {
    if (row < 0 || row >= data_->geometries.length()) return;
    if (highlighted_) UnHighlightObject(*data_);
    data_->currentGeometry = row;
    highlighted_ = HighlightObject(*data_);
}

void CTabGeometries::leave() {
    if (highlighted_) UnHighlightObject(*data_);
    highlighted_ = false;
}

bool CTabGeometries::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    // A geometry keeps a name: an empty one is refused.
    if (const Zrl_Spread::CellEditNotify* edit = Zrl_Spread::editNotify(hdr);
        edit && id == IDC_GEOMETRIES_GRID) {
        result = edit->col == 3 && edit->text.trimmed().isEmpty() ? 1 : 0;
        return true;
    }
    return CEditMacroGridPage::onNotify(id, hdr, result);
}

bool CTabGeometries::onCommand(int id, int notifyCode) {
    if (id != IDC_GEOMETRIES_GRID) return CEditMacroGridPage::onCommand(id, notifyCode);
    const int row = sendingRow(grid());
    if (notifyCode == Zrl_Spread::kNotifyClick) {
        chooseRow(row);
        return true;
    }
    if (notifyCode != Zrl_Spread::kNotifyEdited || row < 0) return true;
    int col = 0, r = 0;
    grid().getCellSendingMsg(col, r);
    Zrl_String text;
    grid().getCellText(col, r, text);
    EditConstrData& d = *data_;
    d.currentGeometry = row;
    if (col == 3 && d.geometries[row].length() > 2) {
        d.geometries[row][2] = text.trimmed();
        SetNameTags(d);
    } else if (col == 4 && row < d.geometryFlexibility.length()) {
        for (int f = 0; f < 3; ++f)
            if (text == dialString(893 + f)) d.geometryFlexibility[row] = f;
        UpdateGeomFlexibility(d);
    }
    refresh();
    return true;
}

bool CTabGeometries::preTranslateMessage(const win::Message& msg) {
    if (isKey(msg, win::VK_ESCAPE)) {
        bool stay = false;
        escapeStaysOnPage(*this, stay);
        return true;
    }
    return CEditMacroGridPage::preTranslateMessage(msg);
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
    fillGrid(vars_, Zrl_StringArray({dialString(87), dialString(86), dialString(101)}),
             data_->variables);
    fillGrid(dialogVars_, Zrl_StringArray({dialString(87), dialString(86)}), data_->dialogVariables);
}

win::DialogTemplate CTabMacroCommands::dialogTemplate() {
    std::vector<win::ControlTemplate> controls;
    for (int k = 0; k < kMacroCommandCount; ++k) {
        const int x = 5 + (k % 2) * 160, y = 5 + (k / 2) * 22;
        const bool hidden = kCommands[k].icon == nullptr;
        controls.push_back({IDC_COMMAND_ICON_FIRST + k, win::ControlKind::Picture,
                            {x, y + 2, x + 14, y + 16}, 0, L"", hidden});
        controls.push_back({IDC_COMMAND_FIRST + k, win::ControlKind::Button,
                            {x + 16, y, x + 155, y + 18}, win::WS_TABSTOP, L"", hidden});
    }
    return pageTemplate(IDD_TAB_MACRO_COMMANDS, std::move(controls));
}

Zrl_String CTabMacroCommands::iconFile(int command) {
    if (command < 0 || command >= kMacroCommandCount || !kCommands[command].icon) return {};
    return Zrl_Settings::zrlDir() + L"icons\\" + kCommands[command].icon;
}

const win::Bitmap* CTabMacroCommands::icon(int command) const {
    const win::Picture* p = picture(IDC_COMMAND_ICON_FIRST + command);
    return p && (p->style() & win::WS_VISIBLE) != 0 ? p->bitmap() : nullptr;
}

bool CTabMacroCommands::onInitDialog() {
    for (int k = 0; k < kMacroCommandCount; ++k) {
        if (!kCommands[k].icon) continue;
        setItemText(IDC_COMMAND_FIRST + k, dialString(kCommands[k].text).str());
        // A missing icon leaves the button with its text alone.
        const auto bitmap = win::Bitmap::load(pathToText(resolvePath(iconFile(k))).str());
        win::Picture* p = picture(IDC_COMMAND_ICON_FIRST + k);
        if (bitmap && p) p->setBitmap(*bitmap);
        showItem(IDC_COMMAND_ICON_FIRST + k, bitmap.has_value());
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
