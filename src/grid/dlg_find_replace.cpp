// CDlgFindReplace: finding and replacing texts in a grid.
#include "grid/dlg_find_replace.h"

#include "frame/module_resources.h"
#include "grid/zrl_spread.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/edit.h"
#include "platform/win/message_box.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgFindReplace::dialogTemplate());
});

} // namespace

CDlgFindReplace::CDlgFindReplace(Zrl_Spread& grid) : grid_(grid) {}

CDlgFindReplace::~CDlgFindReplace() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgFindReplace::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = kTemplateName;
    t.width = 290;
    t.height = 62;
    t.caption = L"Find and Replace";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_FIND_LABEL, ControlKind::Static, {7, 9, 62, 17}, 0, L"Find what:"},
        {IDC_FIND_TEXT, ControlKind::Edit, {66, 7, 214, 19}, tab | win::ES_AUTOHSCROLL, L""},
        {IDC_REPLACE_LABEL, ControlKind::Static, {7, 27, 62, 35}, 0, L"Replace with:"},
        {IDC_REPLACE_TEXT, ControlKind::Edit, {66, 25, 214, 37}, tab | win::ES_AUTOHSCROLL, L""},
        {IDC_FIND_NEXT,
         ControlKind::Button,
         {222, 6, 283, 20},
         tab | win::BS_DEFPUSHBUTTON,
         L"Find Next"},
        {IDC_REPLACE, ControlKind::Button, {222, 23, 283, 37}, tab, L"Replace"},
        {IDC_REPLACE_ALL, ControlKind::Button, {222, 40, 283, 54}, tab, L"Replace All"},
        {win::IDCANCEL, ControlKind::Button, {160, 40, 214, 54}, tab, L"Close"},
    };
    return t;
}

bool CDlgFindReplace::open() {
    if (!isCreated()) {
        if (!grid_.isCreated()) return false;
        editingWasOn_ = grid_.getBool(GridProperty::EditingStaysOn);
        win::Window* owner = grid_.parentWindow() ? grid_.parentWindow()->topLevel() : nullptr;
        if (!create(kTemplateName, owner)) return false;
    }
    show(true);
    return true;
}

void CDlgFindReplace::close() {
    if (isCreated()) destroy();
}

bool CDlgFindReplace::onInitDialog() {
    setText(dialString(1136).str());
    setItemText(IDC_FIND_LABEL, dialString(1137).str());
    setItemText(IDC_REPLACE_LABEL, dialString(1138).str());
    setItemText(IDC_FIND_NEXT, dialString(1139).str());
    setItemText(IDC_REPLACE, dialString(1140).str());
    setItemText(IDC_REPLACE_ALL, dialString(1141).str());
    setItemText(win::IDCANCEL, dialString(285).str());
    grid_.setBool(GridProperty::EditingStaysOn, true);
    grid_.setBool(GridProperty::EditReplacesText, false);
    optionsSet_ = true;
    restoreSize();
    return true;
}

void CDlgFindReplace::onDestroy() {
    storeSize();
    if (optionsSet_ && !editingWasOn_) grid_.setBool(GridProperty::EditingStaysOn, false);
    optionsSet_ = false;
    win::Dialog::onDestroy();
}

void CDlgFindReplace::onCancel() {
    close();
}

bool CDlgFindReplace::onCommand(int id, int notifyCode) {
    if (notifyCode != win::BN_CLICKED) return false;
    switch (id) {
    case IDC_FIND_NEXT:
        findNext(true);
        return true;
    case IDC_REPLACE:
        replace(true);
        return true;
    case IDC_REPLACE_ALL:
        replaceAll();
        return true;
    default:
        return false;
    }
}

bool CDlgFindReplace::preTranslateMessage(const win::Message& msg) {
    if (msg.message == win::WM_KEYDOWN) {
        if (msg.wParam == static_cast<win::WPARAM>(win::VK_F3)) {
            findNext(true);
            return true;
        }
        if (msg.wParam == static_cast<win::WPARAM>(win::VK_F5)) {
            replace(true);
            return true;
        }
    }
    return win::Dialog::preTranslateMessage(msg);
}

Zrl_String CDlgFindReplace::findWhat() const {
    return Zrl_String(getItemText(IDC_FIND_TEXT));
}

Zrl_String CDlgFindReplace::replaceWith() const {
    return Zrl_String(getItemText(IDC_REPLACE_TEXT));
}

void CDlgFindReplace::setFindWhat(const Zrl_String& text) {
    setItemText(IDC_FIND_TEXT, text.str());
}

void CDlgFindReplace::setReplaceWith(const Zrl_String& text) {
    setItemText(IDC_REPLACE_TEXT, text.str());
}

// --- searching ---------------------------------------------------------------------

bool CDlgFindReplace::selectIn(int col, int row) {
    const Zrl_String what = findWhat();
    Zrl_String text;
    grid_.getCellText(col, row, text, Zrl_Spread::kText);
    grid_.setActiveCell(col, row);
    grid_.setEditMode(true);
    const int pos = text.findFirst(what, false);
    if (pos >= 0)
        grid_.setSel(pos, pos + what.length());
    else
        grid_.setSel(0, 0);
    grid_.invalidate();
    return true;
}

bool CDlgFindReplace::findNext(bool askWrap) {
    const Zrl_String what = findWhat();
    if (!grid_.isCreated() || what.isEmpty()) return false;
    grid_.setFocus();
    int col = 0, row = 0;
    grid_.getActiveCell(col, row);

    // Further on in the cell being edited.
    int start = 0, end = 0;
    if (grid_.getEditSelection(start, end)) {
        Zrl_String text;
        grid_.getCellText(col, row, text, Zrl_Spread::kText);
        const int pos = text.findFirstFrom(what, end, false);
        if (pos >= 0) {
            grid_.setSel(pos, pos + what.length());
            return true;
        }
    }

    int foundCol = 0, foundRow = 0;
    if (grid_.findPartial(what, row, col + 1, foundCol, foundRow))
        return selectIn(foundCol, foundRow);

    if (askWrap) {
        const Zrl_String question = dialString(1142) + L"\n" + dialString(1143) + L"\n";
        if (win::messageBox(this, question.str(), dialString(1144).str(),
                            win::MB_YESNO | win::MB_ICONQUESTION) != win::IDYES)
            return false;
        if (grid_.findPartial(what, 1, 1, foundCol, foundRow)) return selectIn(foundCol, foundRow);
    }
    win::messageBox(this, dialString(1145).str(), dialString(1146).str(),
                    win::MB_OK | win::MB_ICONINFORMATION);
    return false;
}

namespace {

// Whether the dialog may change a cell: locked cells are closed to the
// user, and a formula cell would lose its formula if its shown text were
// written back.
bool mayChange(const Zrl_Spread& grid, int col, int row) {
    Zrl_String formula;
    grid.getCellText(col, row, formula, Zrl_Spread::kFormula);
    return formula.isEmpty() && !grid.isLocked(col, row);
}

} // namespace

bool CDlgFindReplace::replace(bool askWrap) {
    if (!findNext(askWrap)) return false;
    int start = 0, end = 0;
    if (!grid_.getEditSelection(start, end) || start >= end) return false;
    int col = 0, row = 0;
    grid_.getActiveCell(col, row);
    if (!mayChange(grid_, col, row)) return false;
    Zrl_String text;
    grid_.getCellText(col, row, text, Zrl_Spread::kText);
    // Only the search text itself is replaced, never a selection that has
    // drifted from it.
    if (!text.getSubStringAt(start, end - start).equal(findWhat(), false)) return false;
    const Zrl_String with = replaceWith();
    text.removeAt(start, end - start);
    text.insertAt(start, with);
    if (!grid_.setCellData(col, row, text)) return false;
    grid_.invalidate();
    grid_.setActiveCell(col, row);
    grid_.setEditMode(true);
    grid_.setSel(start + with.length(), start + with.length());
    return true;
}

int CDlgFindReplace::replaceAll() {
    const Zrl_String what = findWhat();
    const Zrl_String with = replaceWith();
    int count = 0;
    int row = 1, col = 1;
    int foundCol = 0, foundRow = 0;
    while (!what.isEmpty() && grid_.findPartial(what, row, col, foundCol, foundRow)) {
        Zrl_String text;
        grid_.getCellText(foundCol, foundRow, text, Zrl_Spread::kValue);
        if (mayChange(grid_, foundCol, foundRow) && text.replaceSubString(what, with, false) > 0 &&
            grid_.setCellData(foundCol, foundRow, text))
            ++count;
        // On after that cell, in reading order.
        row = foundRow;
        col = foundCol + 1;
    }
    const Zrl_String message =
        dialString(1147) + L" " + Zrl_String(count) + L" " + dialString(1148);
    win::messageBox(this, message.str(), dialString(1149).str(),
                    win::MB_OK | win::MB_ICONINFORMATION);
    grid_.invalidate();
    return count;
}

// --- size ------------------------------------------------------------------------

void CDlgFindReplace::restoreSize() {
    ChangeDlgSize(this, kTemplateName);
}

void CDlgFindReplace::storeSize() {
    if (isCreated()) WriteDlgSize(this, kTemplateName);
}
