// Zrl_Spread: creation, messages, keys, the context menu, focus and files.
#include "grid/zrl_spread.h"

#include "grid/dlg_find_replace.h"
#include "grid/dyn_menu.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/win/clipboard.h"
#include "platform/win/control.h"
#include "platform/win/paint.h"

#include <algorithm>

namespace {

// Size of the window a grid without a dialog lives in; the calculation
// windows are never shown, the size only keeps layouts meaningful.
constexpr win::Rect kHiddenRect{0, 0, 800, 600};

// Offset between a placeholder's rectangle measured from the corner of the
// dialog's whole window and the place where the grid is created (about the
// dialog's border and caption).
constexpr int kPlaceShiftX = 5;
constexpr int kPlaceShiftY = 20;

} // namespace

Zrl_Spread::Zrl_Spread() : actions_(0, 8) {}

Zrl_Spread::~Zrl_Spread() {
    if (findDlg_) findDlg_->close();
    findDlg_.reset();
    menu_.reset();
    // Destroy the window while this object is still whole, so that the
    // destroy handling reaches this class and not only the base.
    if (isCreated()) destroy();
    if (hiddenParent_) hiddenParent_->destroy();
}

bool Zrl_Spread::createWindow(win::Window* parent, const win::Rect& rect, int controlId,
                              std::uint32_t style) {
    if (isCreated()) return false;
    if (!create(kClassName, L"", style, rect, parent, controlId)) return false;
    parentWnd_ = parent;
    finishCreation(controlId);
    return true;
}

void Zrl_Spread::finishCreation(int controlId) {
    setMaxRowsRaw(0);
    setMaxColsRaw(0);
    created_ = true;
    controlId_ = controlId;
    look().appearance = 1;
    for (int& key : look().actionKeys)
        key = 0;
}

bool Zrl_Spread::createInPlaceOf(win::Window* parent, int controlId, bool keepPosition) {
    if (!parent || isCreated()) return false;
    win::Window* placeholder = parent->child(controlId);
    if (!placeholder) return false;
    win::Rect rect = placeholder->rect();
    if (!keepPosition) {
        const win::Point origin = win::clientOrigin(*parent);
        rect = rect.offset(origin.x - kPlaceShiftX, origin.y - kPlaceShiftY);
    }
    placeholder->destroy();
    return createWindow(parent, rect, controlId, win::WS_CHILD | win::WS_VISIBLE);
}

bool Zrl_Spread::createHidden(win::Window* parent, int controlId) {
    if (isCreated()) return false;
    if (!parent) {
        if (!hiddenParent_) hiddenParent_ = std::make_unique<win::Window>();
        if (!hiddenParent_->isCreated() &&
            !hiddenParent_->create(L"ZrlHiddenGridFrame", L"", win::WS_POPUP, kHiddenRect, nullptr,
                                   0))
            return false;
        parent = hiddenParent_.get();
    }
    return createWindow(parent, kHiddenRect, controlId, win::WS_CHILD);
}

void Zrl_Spread::onDestroy() {
    created_ = false;
    TSpread::onDestroy();
}

bool Zrl_Spread::inSheet(int col, int row) const {
    if (!created_) return false;
    return col <= TSpread::getMaxCols() && row <= TSpread::getMaxRows() &&
           sheet().contains(col, row);
}

void Zrl_Spread::markChanged() {
    setBool(GridProperty::Changed, true);
}

// --- context menu ---------------------------------------------------------

void Zrl_Spread::addMenuAction(int code) {
    // Codes outside the table would shift the menu's positions against the
    // handler's, so they are not taken.
    if (code < kActionSeparator || code > kActionUncheckAll) return;
    actions_.append(code);
    if (!menu_) menu_ = std::make_unique<dynMenu>();
}

void Zrl_Spread::onRButtonDown(win::WPARAM flags, win::Point p) {
    if (!menu_ || actions_.isEmpty()) {
        TSpread::onRButtonDown(flags, p);
        return;
    }
    // Texts of the actions 2..9.
    static constexpr int kTexts[] = {0, 0, 1154, 1155, 774, 775, 1156, 1157, 1400, 1401};
    menu_->clear();
    for (int i = 0; i < actions_.length(); ++i) {
        const int code = actions_[i];
        if (code == kActionSeparator)
            menu_->addSeparator();
        else
            menu_->addEntry(1, dialString(kTexts[code]));
    }
    menu_->show(clientToScreen(p), this);
}

void Zrl_Spread::rightClick(win::Point client) {
    if (!isCreated()) return;
    win::Window::dispatchInput(
        {this, win::WM_RBUTTONDOWN, win::MK_RBUTTON, win::makeLParam(client.x, client.y)});
}

bool Zrl_Spread::runMenuAction(int position) {
    AcArray<int> entries;
    for (int i = 0; i < actions_.length(); ++i)
        if (actions_[i] != kActionSeparator) entries.append(actions_[i]);
    if (position < 0 || position >= entries.length()) return false;
    switch (entries[position]) {
    case kActionCopy:
        return copyToClipboard();
    case kActionPaste:
        return pasteFromClipboard();
    case kActionInsertRow:
        return insertRow(activeRow(), false, true);
    case kActionDeleteRow:
        return deleteActiveRow();
    case kActionInsertColumn:
        return insertColumn(activeCol(), false, true);
    case kActionDeleteColumn:
        return deleteActiveColumn();
    case kActionCheckAll:
        return setCheckRange(true);
    case kActionUncheckAll:
        return setCheckRange(false);
    default:
        return false;
    }
}

// --- commands, messages, keys ------------------------------------------------

bool Zrl_Spread::onCommand(int id, int notifyCode) {
    const int position = dynMenu::positionOf(id);
    if (position >= 0 && notifyCode == 0) runMenuAction(position);
    if (checkCol_ > 0 && lockedCol_ > 0 &&
        (notifyCode == kNotifyClick || notifyCode == kNotifyDblClick)) {
        int col = 0, row = 0;
        getCellSendingMsg(col, row);
        if (col == checkCol_) {
            applyCheckLock(row);
            setActiveCell(col, row);
        }
    }
    return TSpread::onCommand(id, notifyCode);
}

bool Zrl_Spread::clickCell(int col, int row, bool doubleClick) {
    if (!created_ || col < 1 || row < 1 || !inSheet(col, row) || !isEnabled()) return false;
    setFocus();
    setActiveCell(col, row);
    if (!doubleClick && getCellType(col, row) == static_cast<int>(spread::CellKind::CheckBox) &&
        !isLocked(col, row)) {
        Zrl_String text;
        getCellText(col, row, text, kValue);
        setCellData(col, row, text == L"1" ? L"0" : L"1");
    }
    setCellSendingMsg(col, row);
    const int code = doubleClick ? kNotifyDblClick : kNotifyClick;
    sendMessage(win::WM_COMMAND, win::makeWParam(controlId_, code),
                reinterpret_cast<win::LPARAM>(static_cast<win::Window*>(this)));
    if (isCreated()) notifyParent(code);
    return true;
}

win::LRESULT Zrl_Spread::windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == kMsgSwallowed) return 0;
    return TSpread::windowProc(msg, wParam, lParam);
}

void Zrl_Spread::onSize(int cx, int cy) {
    TSpread::onSize(cx, cy);
    applyLayout();
}

bool Zrl_Spread::preTranslateMessage(const win::Message& msg) {
    if (msg.message == win::WM_KEYDOWN && created_) {
        const int key = static_cast<int>(msg.wParam);
        if (key == win::VK_F3 || key == win::VK_F5) {
            if (CDlgFindReplace* dlg = findDialog()) {
                if (key == win::VK_F3)
                    dlg->findNext(true);
                else
                    dlg->replace(true);
            }
            return true;
        }
        if (key == win::VK_F8 && f8Allowed_)
            setBool(GridProperty::EditingStaysOn, !getBool(GridProperty::EditingStaysOn));
    }
    return TSpread::preTranslateMessage(msg);
}

CDlgFindReplace* Zrl_Spread::findDialog() {
    if (!created_) return nullptr;
    if (!findDlg_) findDlg_ = std::make_unique<CDlgFindReplace>(*this);
    if (!findDlg_->open()) return nullptr;
    return findDlg_.get();
}

// --- focus, clipboard, files, functions ------------------------------------------

bool Zrl_Spread::gridHasFocus() {
    const win::Window* focus = win::Window::focus();
    if (!focus) return false;
    // Grids are known by their window class: ours, and the older grid class
    // names a dialog may still carry.
    const Zrl_String name(focus->className());
    return name.startsWith(L"SPR32", true) || name.startsWith(L"fpSpr", true);
}

namespace {

// The selected block, else the active cell, inside the sheet.
bool selectionOrActive(Zrl_Spread& grid, spread::CellRange& block) {
    if (grid.getMaxCols() < 1 || grid.getMaxRows() < 1) return false;
    if (!grid.getSelectBlock(block)) {
        int col = 0, row = 0;
        grid.getActiveCell(col, row);
        block = {col, row, col, row};
    }
    block.col1 = std::max(block.col1, 1);
    block.row1 = std::max(block.row1, 1);
    block.col2 = std::min(block.col2, grid.getMaxCols());
    block.row2 = std::min(block.row2, grid.getMaxRows());
    return block.col1 <= block.col2 && block.row1 <= block.row2;
}

} // namespace

bool Zrl_Spread::copyToClipboard() {
    spread::CellRange block;
    if (!created_ || !selectionOrActive(*this, block)) return false;
    win::setClipboardText(copyText(block));
    return true;
}

namespace {

// A block selected again after edits, which leave only their cell active.
void selectAgain(Zrl_Spread& grid, const spread::CellRange& block) {
    grid.setActiveCell(block.col1, block.row1);
    if (block.col2 != block.col1 || block.row2 != block.row1)
        grid.setSelection(block.col1, block.row1, block.col2, block.row2);
}

} // namespace

bool Zrl_Spread::scriptCopy(bool cut) {
    spread::CellRange block;
    if (!isEnabled() || !selectionOrActive(*this, block) || !copyToClipboard()) return false;
    if (!cut) return true;
    const win::WindowHandle self = handle();
    for (int row = block.row1; row <= block.row2; ++row)
        for (int col = block.col1; col <= block.col2; ++col) {
            if (getData(col, row).empty() || !scriptTakesTyping(col, row)) continue;
            editCell(col, row, Zrl_String());
            // The dialog may close or rebuild the grid over an edit.
            if (!win::Window::fromHandle(self) || !created_) return true;
        }
    selectAgain(*this, block);
    return true;
}

bool Zrl_Spread::scriptPaste() {
    spread::CellRange block;
    const auto text = win::getClipboardText();
    if (!isEnabled() || !text || !selectionOrActive(*this, block)) return false;
    const auto rows = spread::Sheet::splitCopyText(*text);
    const win::WindowHandle self = handle();
    spread::CellRange pasted{block.col1, block.row1, block.col1, block.row1};
    bool wrote = false;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t f = 0; f < rows[r].size(); ++f) {
            const int col = block.col1 + static_cast<int>(f), row = block.row1 + static_cast<int>(r);
            if (!inSheet(col, row)) continue;
            pasted.col2 = std::max(pasted.col2, col);
            pasted.row2 = std::max(pasted.row2, row);
            if (getData(col, row) == rows[r][f] || !scriptTakesTyping(col, row)) continue;
            wrote = editCell(col, row, Zrl_String(rows[r][f])) || wrote;
            if (!win::Window::fromHandle(self) || !created_) return wrote;
        }
    selectAgain(*this, pasted);
    return wrote;
}

bool Zrl_Spread::pasteFromClipboard() {
    if (!created_) return false;
    const auto text = win::getClipboardText();
    if (!text) return false;
    int col = 0, row = 0;
    getActiveCell(col, row);
    // A locked cell keeps its text, as it does against typing.
    if (!pasteText(col, row, *text, true)) return false;
    markChanged();
    return true;
}

bool Zrl_Spread::loadSheet(const Zrl_String& path, Zrl_String* error) {
    if (!created_) return false;
    std::wstring reason;
    const bool ok = loadFromFile(resolvePath(path), &reason);
    if (error) *error = Zrl_String(reason);
    return ok;
}

bool Zrl_Spread::saveSheet(const Zrl_String& path, Zrl_String* error) const {
    if (!created_) return false;
    std::wstring reason;
    const bool ok = saveToFile(resolvePath(path), &reason);
    if (error) *error = Zrl_String(reason);
    return ok;
}

bool Zrl_Spread::registerFunction(const Zrl_String& name, int minArgs, int maxArgs,
                                  spread::CustomFunctionProc proc, int flags) {
    if (!created_ || name.isEmpty() || !proc || minArgs < 0 || maxArgs < minArgs) return false;
    addCustomFunction(name.toUpper().str(), minArgs, maxArgs, std::move(proc), flags);
    return true;
}

bool Zrl_Spread::recalculate() {
    if (!created_) return false;
    reCalc();
    return true;
}
