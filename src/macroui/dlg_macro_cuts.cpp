#include "macroui/dlg_macro_cuts.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"

#include <cmath>

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgMacroCuts>);

// The texts of the cut types and of the offset types' columns.
constexpr int kCutTypeTexts = 2604;
constexpr int kOffsetTexts = 2610;

// The look of an offset the cut's type does not use.
constexpr spread::Color kUnusedBack = 0xC0C0C0;
constexpr spread::Color kUnusedFore = 0x808080;

Zrl_StringArray cutTypeTexts() {
    Zrl_StringArray texts;
    for (int t = 0; t < kZrlCutTypeCount; ++t)
        texts.append(dialString(kCutTypeTexts + t));
    return texts;
}

} // namespace

CDlgMacroCuts::CDlgMacroCuts(win::Window* parent) : win::Dialog(IDD_DLG_MACRO_CUTS, parent) {}

CDlgMacroCuts::~CDlgMacroCuts() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgMacroCuts::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_MACRO_CUTS, 420, 170, L"Cuts");
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_CUTS_GRID, ControlKind::Placeholder, {7, 7, 413, 130}, tab, L""},
        {IDC_CUTS_APPLY_ALL,
         ControlKind::Button,
         {7, 134, 300, 144},
         tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {7, 150, 57, 164}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 150, 113, 164}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgMacroCuts::readOffset(int offsetType, const Zrl_String& text, double& value) {
    double number = 0;
    if (!macroTextToNumber(text.trimmed(), number) || !std::isfinite(number)) return false;
    // A cope or full cut's radius is a size, never negative.
    if (offsetType == VkCutRadius && number < 0) return false;
    value = number;
    return true;
}

bool CDlgMacroCuts::onInitDialog() {
    setDialogTexts(this, 2601, {{IDC_CUTS_APPLY_ALL, 2619}, {win::IDOK, 1}, {win::IDCANCEL, 2}});
    setUpGrid();
    check(IDC_CUTS_APPLY_ALL, applyToAll_ ? win::BST_CHECKED : win::BST_UNCHECKED);
    return true;
}

void CDlgMacroCuts::setUpGrid() {
    grid_.createInPlaceOf(this, IDC_CUTS_GRID, true);
    grid_.setLook(1);
    const int cols = kColFirstOffset + kVkCutOffsetTypeCount - 1;
    const int rows = data_.cuts.length();
    grid_.setMaxCols(cols);
    grid_.setMaxRows(rows);
    grid_.setCellData(kColName, Zrl_Spread::kHeader, dialString(2602));
    grid_.setCellData(kColType, Zrl_Spread::kHeader, dialString(2603));
    for (int t = 0; t < kVkCutOffsetTypeCount; ++t)
        grid_.setCellData(kColFirstOffset + t, Zrl_Spread::kHeader, dialString(kOffsetTexts + t));
    if (rows == 0) return;
    grid_.setStaticTextType(kColName, 1, kColName, rows);
    grid_.lockColumn(kColName);
    grid_.setComboType(kColType, 1, kColType, rows, cutTypeTexts(), false);
    grid_.setEditType(kColFirstOffset, 1, cols, rows);
    for (int r = 1; r <= rows; ++r) {
        const Zrl_MacroCut& cut = data_.cuts[r - 1];
        grid_.setCellData(kColName, r, cut.name);
        const bool knownType = cut.cutType >= 0 && cut.cutType < kZrlCutTypeCount;
        grid_.setCellData(kColType, r, knownType ? dialString(kCutTypeTexts + cut.cutType)
                                                 : Zrl_String());
        for (int t = 0; t < kVkCutOffsetTypeCount; ++t)
            grid_.setCellData(kColFirstOffset + t, r, macroNumberText(cut.offsets[t]));
        showUsedOffsets(r);
    }
    for (int c = 1; c <= cols; ++c)
        grid_.autoSizeColumn(c);
    if (data_.current >= 0 && data_.current < rows)
        grid_.setActiveCell(kColType, data_.current + 1);
}

void CDlgMacroCuts::showUsedOffsets(int row) {
    const int cutType = data_.cuts[row - 1].cutType;
    for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
        const int col = kColFirstOffset + t;
        const bool used = DlgMacroCutsData::usesOffset(cutType, t);
        grid_.setLock(col, row, !used);
        if (used)
            grid_.setColorRange(col, row, col, row, spread::kDefaultColor, spread::kDefaultColor);
        else
            grid_.setColorRange(col, row, col, row, kUnusedBack, kUnusedFore);
    }
}

bool CDlgMacroCuts::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    const Zrl_Spread::CellEditNotify* edit = Zrl_Spread::editNotify(hdr);
    if (id != IDC_CUTS_GRID || !edit) return win::Dialog::onNotify(id, hdr, result);
    bool ok = edit->row >= 1 && edit->row <= data_.cuts.length();
    if (ok && edit->col >= kColFirstOffset) {
        double value = 0;
        ok = readOffset(edit->col - kColFirstOffset, edit->text, value);
    }
    result = ok ? 0 : 1;
    return true;
}

void CDlgMacroCuts::cellEdited(int col, int row) {
    if (row < 1 || row > data_.cuts.length()) return;
    Zrl_MacroCut& cut = data_.cuts[row - 1];
    const Zrl_String text(grid_.getData(col, row));
    if (col == kColType) {
        int type = -1;
        if (!cutTypeTexts().find(text, type, false)) return;
        cut.cutType = type;
        showUsedOffsets(row);
        return;
    }
    const int offsetType = col - kColFirstOffset;
    double value = 0;
    if (offsetType >= 0 && offsetType < kVkCutOffsetTypeCount &&
        readOffset(offsetType, text, value))
        cut.offsets[offsetType] = value;
}

bool CDlgMacroCuts::onCommand(int id, int notifyCode) {
    if (id == IDC_CUTS_GRID && notifyCode == Zrl_Spread::kNotifyEdited) {
        int col = 0, row = 0;
        grid_.getCellSendingMsg(col, row);
        cellEdited(col, row);
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgMacroCuts::onOK() {
    if (!data_.cuts.isEmpty()) data_.current = grid_.activeRow() - 1;
    applyToAll_ = isChecked(IDC_CUTS_APPLY_ALL) == win::BST_CHECKED;
    win::Dialog::onOK();
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& applyToAll) {
    return zrlss::runModalStarter<CDlgMacroCuts>(data, applyToAll);
}
