// The formulas dialog: its template, its start in the three modes and its
// controls.
#include "sheettools/formula_dlg.h"

#include "frame/module_resources.h"
#include "platform/host/command_line.h"
#include "platform/spread/formula.h"
#include "platform/spread/sheet_types.h"
#include "sheettools/calling_sheet.h"
#include "standards/calc_area_bounds.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CFormula::dialogTemplate());
});

// Rows of column 4 whose formulas the bench shows as text in column 1.
constexpr int kShownFormulaColumn = 4;
constexpr int kShownFormulaRows = 4;

} // namespace

CFormula::CFormula(win::Window* parent) : Dialog(kTemplateName, parent) {}

CFormula::~CFormula() {
    if (isCreated()) destroy();
}

win::DialogTemplate CFormula::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = kTemplateName;
    t.width = 420;
    t.height = 230;
    t.caption = L"Formulas";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_VISIBLE;
    const std::uint32_t push = win::WS_TABSTOP;
    const std::uint32_t radio = win::BS_AUTORADIOBUTTON | win::WS_TABSTOP;
    t.controls = {
        {kGridId, ControlKind::Placeholder, {7, 7, 330, 200}, 0, L""},
        {kFileNameId, ControlKind::Edit, {7, 208, 240, 222}, win::ES_AUTOHSCROLL | push, L""},
        {kLoadId, ControlKind::Button, {340, 7, 413, 21}, push, L"Load from File"},
        {kSaveId, ControlKind::Button, {340, 24, 413, 38}, push, L"Save to File"},
        {kAutoCalcId,
         ControlKind::Button,
         {340, 48, 413, 60},
         win::BS_AUTOCHECKBOX | push,
         L"Auto calculate"},
        {kRecalcId, ControlKind::Button, {340, 63, 413, 77}, push, L"Recalculate"},
        {kStyleDefaultId,
         ControlKind::Button,
         {340, 88, 413, 100},
         radio | win::WS_GROUP,
         L"&Default"},
        {kStyleA1Id, ControlKind::Button, {340, 102, 413, 114}, radio, L"&A1"},
        {kStyleR1C1Id, ControlKind::Button, {340, 116, 413, 128}, radio, L"&R1C1"},
        {win::IDOK, ControlKind::Button, {340, 190, 413, 204}, push, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {340, 208, 413, 222}, push, L"Cancel"},
    };
    return t;
}

bool CFormula::onInitDialog() {
    setFocus();
    setItemText(kFileNameId, fileName.str());
    prepareGrid();
    check(kAutoCalcId, win::BST_UNCHECKED);
    checkRadioButton(kStyleDefaultId, kStyleR1C1Id, kStyleDefaultId);
    registerFromTable(spread_);

    if (!fileName.isEmpty()) {
        startLoaded_ = spread_.loadSheet(fileName);
        acutPrintf(L"Loading spreadsheet:%ls\n", fileName.c_str());
        // A load replaces the sheet's functions.
        registerFromTable(spread_);
    }

    if (mode == kModeRead) {
        readTable();
        endDialog(win::IDOK);
        return false;
    }
    evaluate();
    return true;
}

void CFormula::prepareGrid() {
    if (!spread_.createInPlaceOf(this, kGridId)) return;
    spread_.setBool(GridProperty::ProtectLocked, true);
    spread_.setBool(GridProperty::AutoCalc, false);
    spread_.setMaxRows(10);
    spread_.setMaxCols(8);
    spread_.look().autoSizeVisibleCols = 4;
    spread_.look().autoSizeVisibleRows = 5;
    spread_.setCellTypeRange(1, 1, 6, 6, spread::CellType::number(2, false, -9999, 9999));
}

void CFormula::evaluate() {
    CallingSheetScope calling(&spread_);
    if (mode == kModeEvaluate) {
        spread_.reCalcCell(evalColumn, evalRow);
        spread_.getCellText(evalColumn, evalRow, result, Zrl_Spread::kText);
    } else if (mode == kModeLookUp) {
        if (startLoaded_) performLookUp(spread_, lookUp);
    }
}

void CFormula::readTable() {
    if (columnNames == nullptr || rows == nullptr) return;
    columnNames->setLogicalLength(0);
    rows->setLogicalLength(0);
    spread_.getCellText(1, 1, title, Zrl_Spread::kText);
    // The used range, and the columns with a title of their own: the rest of
    // a sheet's declared size holds nothing and costs nothing.
    const spread::Sheet& sheet = spread_.sheet();
    int lastCol = calc_area::usedCols(spread_);
    const int lastRow = calc_area::usedRows(spread_);
    sheet.forEachCell(spread::CellRange{lastCol + 1, 0, sheet.maxCols(), 0},
                      [&](const spread::CellView& cell) {
                          if (!cell.value().isEmpty()) lastCol = cell.col();
                      });
    Zrl_String text;
    for (int col = 1; col <= lastCol; ++col) {
        spread_.getCellText(col, Zrl_Spread::kHeader, text, Zrl_Spread::kText);
        columnNames->append(text);
    }
    for (int row = 1; row <= lastRow; ++row) {
        Zrl_StringArray cells;
        for (int col = 1; col <= lastCol; ++col) {
            spread_.getCellText(col, row, text, Zrl_Spread::kText);
            cells.append(text);
        }
        rows->append(cells);
    }
}

bool CFormula::onCommand(int id, int notifyCode) {
    if (notifyCode != win::BN_CLICKED) return false;
    switch (id) {
    case kLoadId:
        loadFromField();
        return true;
    case kSaveId:
        saveToField();
        return true;
    case kAutoCalcId:
        switchAutoCalculation();
        return true;
    case kRecalcId:
        spread_.recalculate();
        return true;
    case kStyleDefaultId:
        showReferenceStyle(0);
        return true;
    case kStyleA1Id:
        showReferenceStyle(1);
        return true;
    case kStyleR1C1Id:
        showReferenceStyle(2);
        return true;
    default:
        return false;
    }
}

void CFormula::loadFromField() {
    const Zrl_String name(getItemText(kFileNameId));
    if (!spread_.loadSheet(name)) acutPrintf(L"Load failed\n");
    registerFromTable(spread_);
}

void CFormula::saveToField() {
    const Zrl_String name(getItemText(kFileNameId));
    if (!spread_.saveSheet(name)) acutPrintf(L"Save failed\n");
}

void CFormula::switchAutoCalculation() {
    const bool on = isChecked(kAutoCalcId) == win::BST_CHECKED;
    spread_.setBool(GridProperty::AutoCalc, on);
    enableItem(kRecalcId, !on);
}

void CFormula::showReferenceStyle(int style) {
    spread_.setRefStyle(static_cast<spread::RefStyle>(style));
    int lastRow = kShownFormulaRows;
    if (spread_.sheet().hasFormula(kShownFormulaColumn, kShownFormulaRows + 1)) ++lastRow;
    Zrl_String formula;
    for (int row = 1; row <= lastRow; ++row) {
        spread_.getCellText(kShownFormulaColumn, row, formula, Zrl_Spread::kFormula);
        spread_.setCellValue(1, row, formula);
    }
    spread_.autoSizeColumn(1);
}
