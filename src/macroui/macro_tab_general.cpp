#include "macroui/macro_tab_general.h"

#include "frame/module_resources.h"
#include "macroui/dlg_macro_ids.h"
#include "macroui/macro_page_grid.h"
#include "platform/core/dialog_services.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/macro_parts.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/combo_box.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CMacroTabGeneral::dialogTemplate());
});

// Selects `text` in a combo box, adding it when the list lacks it.
void selectAdding(win::ComboBox* combo, const Zrl_String& text) {
    if (!combo) return;
    int at = combo->findStringExact(-1, text.str());
    if (at < 0 && !text.isEmpty()) at = combo->addString(text.str());
    combo->setCurSel(at);
}

Zrl_String comboText(const win::ComboBox* combo) {
    if (!combo) return {};
    const int sel = combo->getCurSel();
    return sel < 0 ? Zrl_String() : Zrl_String(combo->getLBText(sel));
}

void fillKeeping(win::Window* page, int id, const Zrl_StringArray& items, const Zrl_String& keep) {
    FillCombo(page, id, items);
    selectAdding(dynamic_cast<win::ComboBox*>(page->child(id)), keep);
}

} // namespace

CMacroTabGeneral::CMacroTabGeneral(MacroPageHost& host, int tabIndex)
    : CMacroGridPage(IDD_MACRO_TAB_GENERAL, host, tabIndex) {}

CMacroTabGeneral::~CMacroTabGeneral() {
    if (isCreated()) destroy();
}

win::DialogTemplate CMacroTabGeneral::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_MACRO_TAB_GENERAL;
    t.width = 250;
    t.height = 190;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    t.controls = {
        {IDC_GENERAL_GRID, ControlKind::Placeholder, {5, 5, 245, 150}, tab, L""},
        {IDC_GENERAL_ASSEMBLY_LABEL, ControlKind::Static, {5, 158, 60, 168}, 0, L""},
        {IDC_GENERAL_ASSEMBLY, ControlKind::ComboBox, {62, 156, 120, 230}, list, L""},
        {IDC_GENERAL_DIAMETER_LABEL, ControlKind::Static, {5, 173, 60, 183}, 0, L""},
        {IDC_GENERAL_DIAMETER, ControlKind::ComboBox, {62, 171, 120, 245}, list, L""},
        {IDC_MACRO_ADVANCED, ControlKind::Button, {130, 170, 210, 184}, tab, L""},
    };
    return t;
}

bool CMacroTabGeneral::onInitDialog() {
    createGrid(IDC_GENERAL_GRID, {{L"Name", 140}, {L"Value", 90}, {L"Fix", 32}});
    setItemText(IDC_GENERAL_ASSEMBLY_LABEL, dialString(275).str());
    setItemText(IDC_GENERAL_DIAMETER_LABEL, dialString(328).str());
    setItemText(IDC_MACRO_ADVANCED, dialString(968).str());
    const MacroTabData* tab = host_.pageRecord().getTab(tabIndex_);
    const bool bolts = tab && tab->kind == kMacroTabBolts;
    for (int id : {IDC_GENERAL_ASSEMBLY_LABEL, IDC_GENERAL_ASSEMBLY, IDC_GENERAL_DIAMETER_LABEL,
                   IDC_GENERAL_DIAMETER, IDC_MACRO_ADVANCED})
        ShowOrHideCtrl(this, id, bolts);
    if (tab) refresh(*tab);
    return false;
}

std::vector<CMacroTabGeneral::Row> CMacroTabGeneral::rowsOf(const MacroTabData& tab) const {
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(tab.values.length() + 2 * tab.patterns.length()));
    for (int i = 0; i < tab.values.length(); ++i)
        rows.push_back({Row::Value, i});
    for (int p = 0; p < tab.patterns.length(); ++p) {
        rows.push_back({Row::Count1, p});
        if (!tab.patterns[p].nrBolts2.isEmpty()) rows.push_back({Row::Count2, p});
    }
    return rows;
}

Zrl_String CMacroTabGeneral::rowValue(const Row& row) const {
    switch (row.kind) {
    case Row::Value:
        return tab_.values[row.index].value;
    case Row::Count1:
        return tab_.patterns[row.index].nrBolts1;
    case Row::Count2:
        return tab_.patterns[row.index].nrBolts2;
    }
    return {};
}

void CMacroTabGeneral::buildGrid() {
    const int count = static_cast<int>(rows_.size());
    grid_.setMaxRows(count);
    if (count == 0) return;
    grid_.setStaticTextType(kColName, 1, kColName, count);
    grid_.lockColumn(kColName);
    for (int r = 1; r <= count; ++r) {
        const Row& row = rows_[static_cast<size_t>(r - 1)];
        bool flex = false, fix = false;
        const bool hasButton = row.kind == Row::Value &&
                               tab_.getFlexFixBtnStatus(tab_.values[row.index].variable, flex, fix);
        if (hasButton) {
            grid_.setCheckBoxType(kColFix, r, kColFix, r);
            grid_.setLock(kColFix, r, false);
        } else {
            grid_.setStaticTextType(kColFix, r, kColFix, r);
            grid_.setLock(kColFix, r, true);
        }
        Zrl_String name;
        if (row.kind == Row::Value) {
            name = tab_.values[row.index].variable;
        } else {
            const Zrl_PatternCounts& p = tab_.patterns[row.index];
            name = p.nrBolts2.isEmpty() ? p.pattern
                                        : p.pattern + (row.kind == Row::Count1 ? L" (1)" : L" (2)");
        }
        grid_.setCellData(kColName, r, name);
    }
}

void CMacroTabGeneral::fillCells() {
    for (int r = 1; r <= static_cast<int>(rows_.size()); ++r) {
        const Row& row = rows_[static_cast<size_t>(r - 1)];
        macroui::setCellIfChanged(grid_, kColValue, r, rowValue(row));
        bool flex = false, fix = false;
        if (row.kind == Row::Value &&
            tab_.getFlexFixBtnStatus(tab_.values[row.index].variable, flex, fix))
            macroui::setCellIfChanged(grid_, kColFix, r, fix ? L"1" : L"0");
    }
}

void CMacroTabGeneral::fillBoltControls() {
    if (tab_.kind != kMacroTabBolts || !tab_.hasBoltData) return;
    Zrl_StringArray assemblies, diameters;
    GetAssemblies(assemblies);
    GetMergedDiameters(host_.pageRecord(), tab_.name, diameters);
    fillKeeping(this, IDC_GENERAL_ASSEMBLY, assemblies, tab_.boltData.assembly);
    fillKeeping(this, IDC_GENERAL_DIAMETER, diameters, tab_.boltData.diameter);
}

void CMacroTabGeneral::refresh(const MacroTabData& tab) {
    const bool sameShape = rowsOf(tab) == rows_ && tab.flexFix == tab_.flexFix;
    const bool boltsChanged = !(tab.boltData == tab_.boltData) || tab.kind != tab_.kind;
    tab_ = tab;
    if (!sameShape || grid_.getMaxRows() != static_cast<int>(rows_.size())) {
        rows_ = rowsOf(tab_);
        buildGrid();
    }
    fillCells();
    const win::ComboBox* assemblies = combo(IDC_GENERAL_ASSEMBLY);
    if (boltsChanged || (assemblies && assemblies->getCount() == 0)) fillBoltControls();
}

void CMacroTabGeneral::readBack(MacroTabData& tab) {
    grid_.setEditMode(false);
    tab = tab_;
    if (tab.kind != kMacroTabBolts || !tab.hasBoltData) return;
    tab.boltData.assembly = comboText(combo(IDC_GENERAL_ASSEMBLY));
    tab.boltData.diameter = comboText(combo(IDC_GENERAL_DIAMETER));
}

bool CMacroTabGeneral::acceptText(const Row& row, const Zrl_String& text, Zrl_String& kept) const {
    const Zrl_String trimmed = text.trimmed();
    if (row.kind == Row::Value) {
        double number = 0;
        if (!macroTextToNumber(trimmed, number)) return false;
        kept = macroNumberText(number);
        return true;
    }
    bool ok = false;
    const int count = trimmed.toInt(&ok);
    if (!ok || count < 1) return false;
    kept = Zrl_String(count);
    return true;
}

bool CMacroTabGeneral::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    const Zrl_Spread::CellEditNotify* edit = Zrl_Spread::editNotify(hdr);
    if (id != IDC_GENERAL_GRID || !edit) return false;
    Zrl_String kept;
    const bool ok = edit->col == kColValue && edit->row >= 1 &&
                    edit->row <= static_cast<int>(rows_.size()) &&
                    acceptText(rows_[static_cast<size_t>(edit->row - 1)], edit->text, kept);
    result = ok ? 0 : 1;
    return true;
}

void CMacroTabGeneral::cellEdited() {
    int col = 0, row = 0;
    grid_.getCellSendingMsg(col, row);
    if (col != kColValue || row < 1 || row > static_cast<int>(rows_.size())) return;
    const Row& r = rows_[static_cast<size_t>(row - 1)];
    Zrl_String kept;
    if (!acceptText(r, Zrl_String(grid_.getData(col, row)), kept)) return;
    switch (r.kind) {
    case Row::Value:
        tab_.values[r.index].value = kept;
        break;
    case Row::Count1:
        tab_.patterns[r.index].nrBolts1 = kept;
        break;
    case Row::Count2:
        tab_.patterns[r.index].nrBolts2 = kept;
        break;
    }
    apply();
}

void CMacroTabGeneral::cellClicked() {
    const int col = grid_.activeCol();
    const int row = grid_.activeRow();
    if (col != kColFix || row < 1 || row > static_cast<int>(rows_.size())) return;
    const Row& r = rows_[static_cast<size_t>(row - 1)];
    if (r.kind != Row::Value) return;
    if (!tab_.flexFixBtnClicked(tab_.values[r.index].variable, true)) return;
    apply();
}

void CMacroTabGeneral::assemblyChanged() {
    const Zrl_String assembly = comboText(combo(IDC_GENERAL_ASSEMBLY));
    if (!assembly.equal(dialString(695), false)) {
        const Zrl_String shown = comboText(combo(IDC_GENERAL_DIAMETER));
        Zrl_StringArray diameters;
        GetDiameters(assembly, diameters);
        FillCombo(this, IDC_GENERAL_DIAMETER, diameters);
        if (win::ComboBox* d = combo(IDC_GENERAL_DIAMETER))
            d->setCurSel(d->findStringExact(-1, shown.str()));
    }
    readBack(tab_);
    apply();
}

bool CMacroTabGeneral::onCommand(int id, int notifyCode) {
    if (id == IDC_GENERAL_GRID) {
        if (notifyCode == Zrl_Spread::kNotifyEdited) cellEdited();
        if (notifyCode == Zrl_Spread::kNotifyClick) cellClicked();
        return true;
    }
    if (id == IDC_GENERAL_ASSEMBLY && notifyCode == win::CBN_SELCHANGE) {
        assemblyChanged();
        return true;
    }
    if (id == IDC_GENERAL_DIAMETER && notifyCode == win::CBN_SELCHANGE) {
        readBack(tab_);
        apply();
        return true;
    }
    if (id == IDC_MACRO_ADVANCED && notifyCode == win::BN_CLICKED) {
        openAdvanced();
        return true;
    }
    return false;
}
