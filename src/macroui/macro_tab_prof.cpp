#include "macroui/macro_tab_prof.h"

#include "frame/module_resources.h"
#include "macroui/dlg_macro_ids.h"
#include "macroui/macro_page_grid.h"
#include "platform/core/dialog_services.h"
#include "platform/core/macro_parts.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/section_tables.h"
#include "platform/win/combo_box.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CMacroTabProf::dialogTemplate());
});

// The control that edits a column of the selected row.
struct ColumnControl {
    int col;
    int id;
};
constexpr ColumnControl kColumnControls[] = {
    {CMacroTabProf::kColName, IDC_PROF_NAME},
    {CMacroTabProf::kColSection, IDC_PROF_SECTION},
    {CMacroTabProf::kColMaterial, IDC_PROF_MATERIAL},
    {CMacroTabProf::kColRotation, IDC_PROF_ROTATION},
};

Zrl_String& field(MacroProfData& group, int col) {
    switch (col) {
    case CMacroTabProf::kColName:
        return group.name;
    case CMacroTabProf::kColSection:
        return group.section;
    case CMacroTabProf::kColMaterial:
        return group.material;
    default:
        return group.rotation;
    }
}

} // namespace

CMacroTabProf::CMacroTabProf(MacroPageHost& host, int tabIndex)
    : CMacroGridPage(IDD_MACRO_TAB_PROF, host, tabIndex) {}

CMacroTabProf::~CMacroTabProf() {
    if (isCreated()) destroy();
}

win::DialogTemplate CMacroTabProf::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_MACRO_TAB_PROF;
    t.width = 290;
    t.height = 230;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    const std::uint32_t editable = tab | win::CBS_DROPDOWN | win::WS_VSCROLL;
    t.controls = {
        {IDC_PROF_GRID, ControlKind::Placeholder, {5, 5, 285, 130}, tab, L""},
        {IDC_PROF_GROUP, ControlKind::Button, {5, 134, 285, 226}, win::BS_GROUPBOX, L""},
        {IDC_PROF_FAMILY, ControlKind::ComboBox, {12, 146, 80, 220}, list, L""},
        {IDC_PROF_SIZE, ControlKind::ComboBox, {84, 146, 150, 220}, list, L""},
        {IDC_PROF_SECTION_LABEL, ControlKind::Static, {12, 164, 70, 174}, 0, L""},
        {IDC_PROF_SECTION, ControlKind::ComboBox, {72, 162, 150, 230}, editable, L""},
        {IDC_PROF_SECTION_PICK, ControlKind::Button, {154, 162, 200, 175}, tab, L""},
        {IDC_PROF_MATERIAL_LABEL, ControlKind::Static, {12, 180, 70, 190}, 0, L""},
        {IDC_PROF_MATERIAL, ControlKind::ComboBox, {72, 178, 150, 240}, editable, L""},
        {IDC_PROF_ROTATION_LABEL, ControlKind::Static, {12, 196, 70, 206}, 0, L""},
        {IDC_PROF_ROTATION, ControlKind::ComboBox, {72, 194, 150, 250}, editable, L""},
        {IDC_PROF_NAME_LABEL, ControlKind::Static, {160, 180, 200, 190}, 0, L""},
        {IDC_PROF_NAME, ControlKind::ComboBox, {202, 178, 262, 240}, editable, L""},
        {IDC_PROF_NAME_PICK, ControlKind::Button, {264, 178, 280, 191}, tab, L""},
        {IDC_MACRO_ADVANCED, ControlKind::Button, {160, 196, 220, 210}, tab, L""},
        {IDC_PROF_CUTS, ControlKind::Button, {224, 196, 280, 210}, tab, L""},
    };
    return t;
}

bool CMacroTabProf::onInitDialog() {
    createGrid(IDC_PROF_GRID, {{dialString(1002), 90},
                               {dialString(1006), 80},
                               {dialString(1003), 90},
                               {dialString(1004), 70},
                               {dialString(1005), 60}});
    setItemText(IDC_PROF_GROUP, dialString(1002).str());
    setItemText(IDC_PROF_SECTION_LABEL, dialString(1003).str());
    setItemText(IDC_PROF_SECTION_PICK, dialString(969).str());
    setItemText(IDC_PROF_MATERIAL_LABEL, dialString(1004).str());
    setItemText(IDC_PROF_ROTATION_LABEL, (dialString(1005) + L" (°):").str());
    setItemText(IDC_PROF_NAME_LABEL, dialString(1006).str());
    setItemText(IDC_PROF_NAME_PICK, dialString(1008).str());
    setItemText(IDC_MACRO_ADVANCED, dialString(1007).str());
    setItemText(IDC_PROF_CUTS, dialString(1009).str());

    Zrl_StringArray families;
    gSectionTables.getFamilies(families);
    FillCombo(this, IDC_PROF_FAMILY, families);
    FillCombo(this, IDC_PROF_MATERIAL, Zrl_StringArray{L"S235", L"S275", L"S355"});
    FillCombo(this, IDC_PROF_ROTATION, Zrl_StringArray{L"0", L"90", L"180", L"270"});
    if (const MacroTabData* tab = host_.pageRecord().getTab(tabIndex_)) refresh(*tab);
    return false;
}

int CMacroTabProf::selectedRow() {
    const int rows = tab_.profGroups.length();
    if (rows == 0) return 0;
    return std::clamp(grid_.activeRow(), 1, rows);
}

void CMacroTabProf::refresh(const MacroTabData& tab) {
    const int rows = tab.profGroups.length();
    const bool rebuild = rows != grid_.getMaxRows() || rows != tab_.profGroups.length();
    tab_ = tab;
    if (rebuild) {
        grid_.setMaxRows(rows);
        if (rows > 0) {
            grid_.setStaticTextType(kColGroup, 1, kColGroup, rows);
            grid_.lockColumn(kColGroup);
        }
    }
    for (int r = 1; r <= rows; ++r) {
        MacroProfData& group = tab_.profGroups[r - 1];
        macroui::setCellIfChanged(grid_, kColGroup, r, group.group);
        for (const ColumnControl& c : kColumnControls)
            macroui::setCellIfChanged(grid_, c.col, r, field(group, c.col));
    }
    fillRowControls();
}

void CMacroTabProf::fillRowControls() {
    const int row = selectedRow();
    for (const ColumnControl& c : kColumnControls) {
        const Zrl_String text = row > 0 ? field(tab_.profGroups[row - 1], c.col) : Zrl_String();
        if (Zrl_String(getItemText(c.id)) != text) setItemText(c.id, text.str());
    }
}

void CMacroTabProf::readBack(MacroTabData& tab) {
    grid_.setEditMode(false);
    tab = tab_;
}

bool CMacroTabProf::acceptText(int col, const Zrl_String& text, Zrl_String& kept) {
    const Zrl_String trimmed = text.trimmed();
    if (col == kColSection) return gSectionTables.getUserName(trimmed, kept) == Acad::eOk;
    if (col == kColRotation) {
        double degrees = 0;
        if (!macroTextToNumber(trimmed, degrees) || degrees < 0 || degrees > 360) return false;
        kept = macroNumberText(degrees);
        return true;
    }
    kept = trimmed;
    return col == kColName || col == kColMaterial;
}

bool CMacroTabProf::editRow(int row, int col, const Zrl_String& text) {
    if (row < 1 || row > tab_.profGroups.length()) return false;
    Zrl_String kept;
    if (!acceptText(col, text, kept)) return false;
    Zrl_String& value = field(tab_.profGroups[row - 1], col);
    if (value == kept) return true;
    value = kept;
    apply();
    return true;
}

bool CMacroTabProf::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    const Zrl_Spread::CellEditNotify* edit = Zrl_Spread::editNotify(hdr);
    if (id != IDC_PROF_GRID || !edit) return false;
    Zrl_String kept;
    result = acceptText(edit->col, edit->text, kept) ? 0 : 1;
    return true;
}

void CMacroTabProf::controlEdited(int id) {
    for (const ColumnControl& c : kColumnControls) {
        if (c.id != id) continue;
        win::ComboBox* box = combo(id);
        const int sel = box ? box->getCurSel() : -1;
        const Zrl_String text = sel >= 0 ? Zrl_String(box->getLBText(sel)) : Zrl_String(getItemText(id));
        // A refused text gives way to the row's value again.
        if (!editRow(selectedRow(), c.col, text)) fillRowControls();
        return;
    }
}

void CMacroTabProf::familyChosen() {
    Zrl_StringArray sections;
    gSectionTables.getSections(getItemText(IDC_PROF_FAMILY), sections);
    FillCombo(this, IDC_PROF_SIZE, sections);
    FillCombo(this, IDC_PROF_SECTION, sections);
    fillRowControls();
}

void CMacroTabProf::sizeChosen() {
    const Zrl_String section(getItemText(IDC_PROF_SIZE));
    setItemText(IDC_PROF_SECTION, section.str());
    if (!editRow(selectedRow(), kColSection, section)) fillRowControls();
}

bool CMacroTabProf::onCommand(int id, int notifyCode) {
    if (id == IDC_PROF_GRID) {
        if (notifyCode == Zrl_Spread::kNotifyEdited) {
            int col = 0, row = 0;
            grid_.getCellSendingMsg(col, row);
            editRow(row, col, Zrl_String(grid_.getData(col, row)));
        } else if (notifyCode == Zrl_Spread::kNotifyClick) {
            fillRowControls();
        }
        return true;
    }
    if (id == IDC_PROF_FAMILY && notifyCode == win::CBN_SELCHANGE) {
        familyChosen();
        return true;
    }
    if (id == IDC_PROF_SIZE && notifyCode == win::CBN_SELCHANGE) {
        sizeChosen();
        return true;
    }
    if (notifyCode == win::CBN_SELCHANGE || notifyCode == win::CBN_KILLFOCUS) {
        for (const ColumnControl& c : kColumnControls) {
            if (c.id == id) {
                controlEdited(id);
                return true;
            }
        }
    }
    if (notifyCode == win::BN_CLICKED) {
        for (int button : {IDC_MACRO_ADVANCED, IDC_PROF_CUTS, IDC_PROF_SECTION_PICK,
                           IDC_PROF_NAME_PICK}) {
            if (id == button) {
                openDetail(id);
                return true;
            }
        }
    }
    return false;
}
