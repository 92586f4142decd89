#include "dialogs/dlg_string_array.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"

#include <algorithm>
#include <utility>

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgStringArray>);

// Cursor kind 1 and the gray area's colours.
constexpr int kCursorKind = 1;
constexpr spread::Color kGrayBack = 0xC0C0C0;
constexpr spread::Color kGrayFore = 0x8000000B;
constexpr int kEnterAction = 5;

// The grid's numbered on/off properties, set in this order.
constexpr std::pair<int, bool> kGridSettings[] = {
    {8, false}, {12, false}, {25, true}, {7, false}, {21, true},  {26, false}, {13, true},
    {32, true}, {18, true},  {0, true},  {11, true}, {10, false}, {22, true}};

const spread::Font kHeaderFont{L"Tahoma", 15, 700};
const spread::Font kCellFont{L"Tahoma", 15, 400};

} // namespace

CDlgStringArray::CDlgStringArray(win::Window* parent) : win::Dialog(IDD_DLG_STRING_ARRAY, parent) {}

CDlgStringArray::~CDlgStringArray() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgStringArray::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_STRING_ARRAY, 299, 132, L"", true);
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_STRINGS_GRID, ControlKind::Placeholder, {3, 4, 296, 109}, 0, L""},
        {win::IDOK, ControlKind::Button, {3, 115, 53, 129}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {59, 115, 109, 129}, tab, L"Cancel"},
        {IDC_STRINGS_ADD, ControlKind::Button, {213, 115, 250, 129}, tab, L"Add"},
        {IDC_STRINGS_REMOVE, ControlKind::Button, {256, 115, 296, 129}, tab, L"Remove"},
    };
    return t;
}

bool CDlgStringArray::onInitDialog() {
    grid_.createInPlaceOf(this, IDC_STRINGS_GRID, false);
    grid_.setLook(1);
    grid_.setLayout(1);

    getDlgSize(this, minWidth_, minHeight_);
    using R = CResizer;
    resizer_.init(this, {R::rule(IDC_STRINGS_GRID, R::kNear, R::kNear, R::kFar, R::kFar),
                         R::rule(win::IDOK, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(win::IDCANCEL, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_STRINGS_ADD, R::kFar, R::kFar, R::kFar, R::kFar),
                         R::rule(IDC_STRINGS_REMOVE, R::kFar, R::kFar, R::kFar, R::kFar)});
    ChangeDlgSize(this, setup_.sizeName, minWidth_, minHeight_);

    setText(setup_.caption.str());
    for (const ControlText& t :
         {ControlText{win::IDOK, 1}, ControlText{win::IDCANCEL, 2},
          ControlText{IDC_STRINGS_ADD, 606}, ControlText{IDC_STRINGS_REMOVE, 607}})
        setItemText(t.id, dialString(t.text).str());
    if (!setup_.rowsEditable) {
        showItem(IDC_STRINGS_ADD, false);
        showItem(IDC_STRINGS_REMOVE, false);
    }
    setUpGrid();
    return true;
}

void CDlgStringArray::setUpGrid() {
    Zrl_Spread& g = grid_;
    for (const auto& [property, on] : kGridSettings)
        g.setBool(property, on);
    spread::SheetLook& look = g.look();
    look.enterAction = kEnterAction;
    look.cursorKind = kCursorKind;
    look.cursor = -1;
    look.grayBack = kGrayBack;
    look.grayFore = kGrayFore;

    const int cols = setup_.columnHeaders.length();
    const int rows = rows_.length();
    g.setMaxCols(cols);
    g.setBool(4, !setup_.rowHeaders.isEmpty());
    g.setMaxRows(rows);
    g.setFontRange(Zrl_Spread::kHeader, Zrl_Spread::kHeader, cols, Zrl_Spread::kHeader,
                   kHeaderFont);
    if (rows > 0) g.setFontRange(1, 1, cols, rows, kCellFont);
    look.textTipFont = kCellFont;
    g.applyLayout();
    g.setBool(8, true);

    for (int i = 0; i < cols; ++i)
        g.setCellData(i + 1, Zrl_Spread::kHeader, setup_.columnHeaders[i]);
    for (int i = 0; i < setup_.rowHeaders.length() && i < rows; ++i)
        g.setCellData(Zrl_Spread::kHeader, i + 1, setup_.rowHeaders[i]);
    // Every column takes typing, however long the first row is.
    if (rows > 0)
        g.setEditType(1, 1, cols, rows, Zrl_Spread::kEditStyle, Zrl_Spread::kEditMaxLength);
    for (int r = 0; r < rows; ++r)
        g.setRowTexts(r + 1, rows_[r]);
}

void CDlgStringArray::activate(int col, int row) {
    grid_.setFocus();
    grid_.setActiveCell(col, row);
    grid_.setSelection(col, row, col, row);
}

void CDlgStringArray::addRow() {
    const int cols = grid_.getMaxCols();
    const int col = std::clamp(grid_.activeCol(), 1, std::max(cols, 1));
    const int rows = grid_.getMaxRows();
    const int row = rows > 0 ? std::clamp(grid_.activeRow() + 1, 1, rows + 1) : 1;
    if (!grid_.insertRow(row, false, false)) return;
    grid_.setFontRange(Zrl_Spread::kHeader, row, cols, row, kCellFont);
    grid_.setEditType(1, row, cols, row, Zrl_Spread::kEditStyle, Zrl_Spread::kEditMaxLength);
    activate(col, row);
}

void CDlgStringArray::removeRow() {
    if (grid_.getMaxRows() < 1) return;
    const int col = grid_.activeCol();
    const int row = grid_.activeRow();
    if (!grid_.deleteRow(row)) return;
    const int rows = grid_.getMaxRows();
    grid_.setFocus();
    if (rows < 1) return;
    // The row that took the deleted one's place; the new last row when the
    // last was deleted.
    activate(col, std::min(row, rows));
    Zrl_String text;
    grid_.getCellText(col, std::min(row, rows), text);
    grid_.setEditMode(true);
    grid_.setSel(0, text.length());
}

bool CDlgStringArray::onCommand(int id, int notifyCode) {
    if (notifyCode == win::BN_CLICKED && setup_.rowsEditable) {
        if (id == IDC_STRINGS_ADD) {
            addRow();
            return true;
        }
        if (id == IDC_STRINGS_REMOVE) {
            removeRow();
            return true;
        }
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgStringArray::onOK() {
    rows_.removeAll();
    const int rows = grid_.getMaxRows();
    rows_.setPhysicalLength(std::max(rows, 0));
    Zrl_StringArray row;
    for (int r = 1; r <= rows; ++r) {
        grid_.getRowTexts(r, row, Zrl_Spread::kText);
        rows_.append(row);
    }
    win::Dialog::onOK();
}

void CDlgStringArray::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized() || keepMinimumSize(this, minWidth_, minHeight_)) return;
    resizer_.move();
}

void CDlgStringArray::onDestroy() {
    WriteDlgSize(this, setup_.sizeName);
    win::Dialog::onDestroy();
}

bool startGridDialog(const Zrl_StringArray& columnHeaders, const Zrl_StringArray& rowHeaders,
                     Zrl_Array<Zrl_StringArray>& rows, bool rowsEditable, Zrl_String sizeName,
                     Zrl_String caption) {
    if (columnHeaders.isEmpty()) return false;
    if (sizeName.isEmpty()) sizeName = CDlgStringArray::kDefaultSizeName;
    const StringGridSetup setup{columnHeaders, rowHeaders, rowsEditable, sizeName, caption};
    return zrlss::runModalStarter<CDlgStringArray>(rows, setup);
}
