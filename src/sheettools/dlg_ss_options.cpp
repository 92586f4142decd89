// The sheet size and captions dialog.
#include "sheettools/dlg_ss_options.h"

#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "platform/spread/formula.h"
#include "platform/text/number.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgSSOptions::dialogTemplate());
});

// Dialog-unit rectangle from a position and a size.
win::Rect box(int x, int y, int w, int h) {
    return {x, y, x + w, y + h};
}

// The caption shown at `pos`: what was read back there before, else the
// caption the dialog started with, else nothing.
Zrl_String captionAt(const Zrl_StringArray& memory, const Zrl_StringArray& captions, int pos) {
    if (pos < memory.length()) return memory[pos];
    if (pos < captions.length()) return captions[pos];
    return Zrl_String();
}

// The small grids' cells hold plain editable text.
void plainCells(Zrl_Spread& grid) {
    const int cols = grid.getMaxCols();
    const int rows = grid.getMaxRows();
    if (cols > 0 && rows > 0) grid.setCellTypeRange(1, 1, cols, rows, spread::CellType::general());
}

} // namespace

CDlgSSOptions::CDlgSSOptions(win::Window* parent) : Dialog(kTemplateId, parent) {}

CDlgSSOptions::~CDlgSSOptions() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSSOptions::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = kTemplateId;
    t.width = 252;
    t.height = 206;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_VISIBLE;
    const std::uint32_t field = win::ES_AUTOHSCROLL | win::WS_TABSTOP | win::WS_BORDER;
    t.controls = {
        {kIntroId, ControlKind::Static, box(7, 7, 238, 19), 0, L""},
        {kColumnGridId, ControlKind::Placeholder, box(7, 28, 238, 31), win::WS_BORDER, L""},
        {kRowGridId, ControlKind::Placeholder, box(7, 66, 70, 109), win::WS_BORDER, L""},
        {kColumnsLabelId, ControlKind::Static, box(82, 68, 90, 10), 0, L""},
        {kColumnsId, ControlKind::Edit, box(175, 66, 70, 14), field, L""},
        {kRowsLabelId, ControlKind::Static, box(82, 86, 90, 10), 0, L""},
        {kRowsId, ControlKind::Edit, box(175, 84, 70, 14), field, L""},
        {kHeaderHeightLabelId, ControlKind::Static, box(82, 104, 90, 10), 0, L""},
        {kHeaderHeightId, ControlKind::Edit, box(175, 102, 70, 14), field, L""},
        {kHeaderWidthLabelId, ControlKind::Static, box(82, 122, 90, 10), 0, L""},
        {kHeaderWidthId, ControlKind::Edit, box(175, 120, 70, 14), field, L""},
        {kNoteId, ControlKind::Static, box(82, 139, 163, 35), 0, L""},
        {win::IDOK, ControlKind::Button, box(7, 185, 50, 14), win::WS_TABSTOP, L""},
        {win::IDCANCEL, ControlKind::Button, box(66, 185, 50, 14), win::WS_TABSTOP, L""},
    };
    return t;
}

int CDlgSSOptions::readCount(const std::wstring& text, int most) {
    const long long value = zrltext::leadingInteger(text);
    return static_cast<int>(std::clamp<long long>(value, 0, most));
}

bool CDlgSSOptions::onInitDialog() {
    columnGrid_.createInPlaceOf(this, kColumnGridId, true);
    rowGrid_.createInPlaceOf(this, kRowGridId, true);
    setUpColumnGrid();
    setUpRowGrid();
    fillColumnGrid();
    fillRowGrid();

    setText(dialString(1369).str());
    setItemText(kIntroId, (dialString(1370) + L"\n" + dialString(1371)).str());
    setItemText(kNoteId, dialString(1372).str());
    setItemText(kColumnsLabelId, dialString(1373).str());
    setItemText(kRowsLabelId, dialString(1374).str());
    setItemText(kHeaderHeightLabelId, dialString(1375).str());
    setItemText(kHeaderWidthLabelId, dialString(1376).str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    setItemInt(kColumnsId, columns);
    setItemInt(kRowsId, rows);
    setItemInt(kHeaderHeightId, headerHeight);
    setItemInt(kHeaderWidthId, headerWidth);
    followEdits_ = true;
    return true;
}

void CDlgSSOptions::setUpColumnGrid() {
    columnGrid_.setMaxCols(columns);
    columnGrid_.setMaxRows(1);
    columnGrid_.setBool(GridProperty::WholeRowSelection, true);
    columnGrid_.setBool(GridProperty::ArrowKeysMoveActiveCell, false);
    columnGrid_.setBool(GridProperty::RowHeadersShown, false);
    columnGrid_.setBool(GridProperty::ColumnHeadersShown, false);
    columnGrid_.setRowHeightInPixels(1, headerHeight);
    plainCells(columnGrid_);
}

void CDlgSSOptions::setUpRowGrid() {
    rowGrid_.setMaxCols(1);
    rowGrid_.setMaxRows(rows);
    rowGrid_.setBool(GridProperty::WholeRowSelection, false);
    rowGrid_.setBool(GridProperty::ArrowKeysMoveActiveCell, true);
    rowGrid_.setBool(GridProperty::RowHeadersShown, false);
    rowGrid_.setBool(GridProperty::ColumnHeadersShown, false);
    rowGrid_.setColWidthInPixels(1, headerWidth);
    plainCells(rowGrid_);
}

void CDlgSSOptions::fillColumnGrid() {
    for (int i = 0; i < columns; ++i)
        columnGrid_.setCellData(i + 1, 1, captionAt(columnMemory_, columnCaptions, i));
}

void CDlgSSOptions::fillRowGrid() {
    for (int i = 0; i < rows; ++i)
        rowGrid_.setCellData(1, i + 1, captionAt(rowMemory_, rowCaptions, i));
}

void CDlgSSOptions::readBackColumnGrid() {
    columnCaptions.setLogicalLength(0);
    const int count = std::max(columnGrid_.getMaxCols(), 0);
    if (columnMemory_.length() < count) columnMemory_.setLogicalLength(count);
    Zrl_String text;
    for (int i = 0; i < count; ++i) {
        columnGrid_.getCellText(i + 1, 1, text, Zrl_Spread::kText);
        columnCaptions.append(text);
        columnMemory_[i] = text;
    }
}

void CDlgSSOptions::readBackRowGrid() {
    rowCaptions.setLogicalLength(0);
    const int count = std::max(rowGrid_.getMaxRows(), 0);
    if (rowMemory_.length() < count) rowMemory_.setLogicalLength(count);
    Zrl_String text;
    for (int i = 0; i < count; ++i) {
        rowGrid_.getCellText(1, i + 1, text, Zrl_Spread::kText);
        rowCaptions.append(text);
        rowMemory_[i] = text;
    }
}

bool CDlgSSOptions::onCommand(int id, int notifyCode) {
    if (notifyCode != win::EN_CHANGE) return false;
    if (!followEdits_) return true;
    switch (id) {
    case kColumnsId:
        columns = readCount(getItemText(kColumnsId), spread::kMaxSheetCols);
        readBackColumnGrid();
        setUpColumnGrid();
        fillColumnGrid();
        return true;
    case kRowsId:
        rows = readCount(getItemText(kRowsId), spread::kMaxSheetRows);
        readBackRowGrid();
        setUpRowGrid();
        fillRowGrid();
        return true;
    case kHeaderHeightId:
        headerHeight = readCount(getItemText(kHeaderHeightId), 0x7fff);
        columnGrid_.setRowHeightInPixels(1, headerHeight);
        return true;
    case kHeaderWidthId:
        headerWidth = readCount(getItemText(kHeaderWidthId), 0x7fff);
        rowGrid_.setColWidthInPixels(1, headerWidth);
        return true;
    default:
        return false;
    }
}

void CDlgSSOptions::onOK() {
    readBackColumnGrid();
    readBackRowGrid();
    Dialog::onOK();
}
