// CTabEditLibValues: one section table in a sheet.
#include "sections/tab_edit_lib_values.h"

#include "frame/dlg_prompt_string.h"
#include "frame/module_resources.h"
#include "grid/dlg_find_replace.h"
#include "platform/core/dialog_services.h"
#include "platform/core/files.h"
#include "platform/core/macro_langs.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/section_table_file.h"
#include "platform/win/combo_box.h"
#include "platform/win/message_box.h"
#include "platform/win/resources.h"
#include "sections/dlg_edit_lib_sections_ids.h"
#include "sections/section_shapes.h"
#include "sheettools/sheet_options.h"

#include <algorithm>

namespace {

constexpr int kFirstLanguageCol = 2;
constexpr int kFirstBitmap = 223;
constexpr int kFindBitmap = 238;
constexpr int kFirstTooltip = 772;

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CTabEditLibValues::dialogTemplate());
});

int ask(win::Window* parent, const Zrl_String& text, int caption, win::UINT buttons) {
    return win::messageBox(parent, text.str(), dialString(caption).str(), buttons);
}

// The message of a table file that could not be written.
void sayNotWritten(win::Window* parent, const Zrl_String& name) {
    win::messageBox(parent, (dialString(2525) + L"\n" + sectionTablePath(name)).str(),
                    dialString(784).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
}

} // namespace

CTabEditLibValues::~CTabEditLibValues() {
    if (isCreated()) destroy();
}

win::DialogTemplate CTabEditLibValues::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_EDITLIB_VALUES;
    t.width = 440;
    t.height = 260;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST;
    t.controls = {
        {IDC_VALUES_TABLES, ControlKind::ComboBox, {5, 5, 120, 100}, list, L""},
        {IDC_VALUES_SHAPE, ControlKind::ComboBox, {125, 5, 226, 100}, list, L""},
        {IDC_VALUES_NEW, ControlKind::Button, {231, 4, 276, 18}, tab, L"New"},
        {IDC_VALUES_DELETE, ControlKind::Button, {279, 4, 324, 18}, tab, L"Delete"},
        {IDC_VALUES_RENAME, ControlKind::Button, {327, 4, 372, 18}, tab, L"Rename"},
        {IDC_VALUES_OPTIONS, ControlKind::Button, {375, 4, 435, 18}, tab, L"Options"},
        {IDC_VALUES_GRID, ControlKind::Placeholder, {5, 42, 435, 255}, 0, L""},
    };
    for (int i = 0; i <= IDC_VALUES_FIND - IDC_VALUES_COPY; ++i)
        t.controls.push_back({IDC_VALUES_COPY + i, ControlKind::Button,
                              {5 + 20 * i, 23, 23 + 20 * i, 39},
                              tab | win::BS_PUSHBUTTON | win::BS_ICON, L""});
    return t;
}

bool CTabEditLibValues::onInitDialog() {
    grid_.createInPlaceOf(this, IDC_VALUES_GRID, true);
    grid_.setLook(1);
    grid_.setLayout(2);
    setItemText(IDC_VALUES_NEW, dialString(779).str());
    setItemText(IDC_VALUES_DELETE, dialString(780).str());
    setItemText(IDC_VALUES_OPTIONS, dialString(781).str());
    setItemText(IDC_VALUES_RENAME, dialString(782).str());
    for (int i = 0; i < static_cast<int>(rowButtons_.size()); ++i) {
        rowButtons_[static_cast<size_t>(i)].SubclassDlgItem(IDC_VALUES_COPY + i, this);
        rowButtons_[static_cast<size_t>(i)].SetIcon(IDC_VALUES_COPY + i == IDC_VALUES_FIND
                                                        ? kFindBitmap
                                                        : kFirstBitmap + i);
        rowButtons_[static_cast<size_t>(i)].SetTooltipText(dialString(kFirstTooltip + i));
    }
    if (win::ComboBox* shapes = combo(IDC_VALUES_SHAPE))
        for (int s = 1; s <= kSectionShapeCount; ++s)
            shapes->addString(sectionShapeName(s).str());
    fillTables();
    showEmpty();
    return true;
}

void CTabEditLibValues::fillTables() {
    win::ComboBox* tables = combo(IDC_VALUES_TABLES);
    if (!tables) return;
    tables->resetContent();
    for (const Zrl_String& name : data_.availableFiles)
        tables->addString(name.str());
    reselectCurrent();
}

void CTabEditLibValues::reselectCurrent() {
    win::ComboBox* tables = combo(IDC_VALUES_TABLES);
    int index = -1;
    if (tables && !current_.isEmpty()) data_.availableFiles.find(current_, index, false);
    if (tables) tables->setCurSel(index);
}

void CTabEditLibValues::showEmpty() {
    table_ = Zrl_ProfValuesTable();
    current_ = Zrl_String();
    table_.setToSS(&grid_);
    showShape(Zrl_String());
    reselectCurrent();
}

void CTabEditLibValues::loadTable(const Zrl_String& name) {
    // A fresh table each time: nothing of the last one stays behind.
    table_ = Zrl_ProfValuesTable();
    if (!table_.readFromFile(name)) table_.tableName = name;
    current_ = name;
    table_.setToSS(&grid_);
    // A table without rows keeps its captions for the empty sheet.
    if (table_.rows.isEmpty()) {
        grid_.setMaxCols(table_.headers.length());
        grid_.setRowTexts(Zrl_Spread::kHeader, table_.headers);
    }
    grid_.setBool(GridProperty::Changed, false);
    showShape(table_.picture);
    reselectCurrent();
}

bool CTabEditLibValues::openTable(const Zrl_String& name) {
    int index = -1;
    Zrl_String sysName;
    if (!data_.availableFiles.find(name, index, false)) {
        // TABLE-SYS: the longest table name followed by "-".
        for (int i = 0; i < data_.availableFiles.length(); ++i) {
            const Zrl_String prefix = data_.availableFiles[i] + L"-";
            if (name.startsWith(prefix, false) &&
                (index < 0 || data_.availableFiles[i].length() > data_.availableFiles[index].length()))
                index = i;
        }
        if (index < 0) return false;
        sysName = name.getSubStringAt(data_.availableFiles[index].length() + 1);
    }
    loadTable(data_.availableFiles[index]);
    int row = -1;
    if (!sysName.isEmpty() && table_.findSysName(sysName, row)) grid_.setActiveCell(1, row + 1);
    return true;
}

Zrl_String CTabEditLibValues::chosenPicture() const {
    const win::ComboBox* shapes = combo(IDC_VALUES_SHAPE);
    const int sel = shapes ? shapes->getCurSel() : -1;
    if (sel < 0) return table_.picture;
    if (sel < kSectionShapeCount) return Zrl_String(sel + 1);
    return Zrl_String(shapes->getLBText(sel));
}

void CTabEditLibValues::showShape(const Zrl_String& picture) {
    win::ComboBox* shapes = combo(IDC_VALUES_SHAPE);
    if (!shapes) return;
    while (shapes->getCount() > kSectionShapeCount)
        shapes->deleteString(kSectionShapeCount);
    if (picture.endsWith(L".dwg", false)) {
        shapes->setCurSel(shapes->addString(picture.str()));
        return;
    }
    shapes->setCurSel(sectionShapeNumber(picture) - 1);
}

int CTabEditLibValues::sheetLanguages() const {
    Zrl_StringArray headers;
    grid_.getRowTexts(Zrl_Spread::kHeader, headers);
    return sectionLanguageCount(headers.isEmpty() ? table_.headers : headers);
}

Zrl_StringArray CTabEditLibValues::standardCaptions(int languages) const {
    Zrl_StringArray captions;
    captions.append(L"SysName");
    captions.append(L"I/O");
    const Zrl_StringArray& names = MacroLangs::Languages();
    for (int l = 0; l < languages && l < names.length(); ++l)
        captions.append(names[l]);
    const int shape = sectionShapeNumber(chosenPicture());
    if (shape > 0) {
        captions.append(sectionShapeCaptions(shape));
    } else {
        // A drawing's table keeps its own value captions.
        Zrl_StringArray headers;
        grid_.getRowTexts(Zrl_Spread::kHeader, headers);
        for (int c = kFirstLanguageCol + languages; c < headers.length(); ++c)
            captions.append(headers[c]);
    }
    return captions;
}

void CTabEditLibValues::writeColumnCaptions(const Zrl_StringArray& captions) {
    // Columns beyond the captions keep theirs.
    for (int c = 0; c < captions.length() && c < grid_.getMaxCols(); ++c)
        grid_.setCellData(c + 1, Zrl_Spread::kHeader, captions[c]);
    grid_.formatHeaders();
}

void CTabEditLibValues::onShapeChosen() {
    const Zrl_StringArray captions = standardCaptions(sheetLanguages());
    const int cols = grid_.getMaxCols();
    if (cols < captions.length()) {
        grid_.setMaxCols(captions.length());
    } else if (cols > captions.length()) {
        const Zrl_String text = dialString(793) + L" " + sectionPictureName(chosenPicture()) + L" " +
                                dialString(794) + L"\n" + dialString(795);
        if (ask(this, text, 792, win::MB_YESNO) == win::IDYES) grid_.setMaxCols(captions.length());
    }
    writeColumnCaptions(captions);
    grid_.setBool(GridProperty::Changed, true);
}

bool CTabEditLibValues::save() {
    if (current_.isEmpty()) return true;
    Zrl_ProfValuesTable out;
    out.picture = chosenPicture();
    if (!out.getFromSS(&grid_)) {
        // Every row deleted: the captions alone.
        if (grid_.getMaxCols() > 0)
            grid_.getRowTexts(Zrl_Spread::kHeader, out.headers);
        else
            out.headers = table_.headers;
    }
    out.tableName = current_;
    if (!out.writeToFile(current_)) {
        sayNotWritten(this, current_);
        return false;
    }
    table_ = out;
    grid_.setBool(GridProperty::Changed, false);
    return true;
}

bool CTabEditLibValues::askSave() {
    if (current_.isEmpty() || !grid_.getBool(GridProperty::Changed)) return true;
    const Zrl_String text = dialString(785) + L" <" + current_ + L"> " + dialString(786);
    switch (ask(this, text, 784, win::MB_YESNOCANCEL)) {
    case win::IDYES:
        return save();
    case win::IDNO:
        return true;
    default:
        return false;
    }
}

void CTabEditLibValues::newTable() {
    if (!askSave()) return;
    const Zrl_String name = findNonExistingString(data_.availableFiles, dialString(779));
    data_.availableFiles.append(name);
    table_ = Zrl_ProfValuesTable();
    table_.tableName = name;
    current_ = name;
    // Every language of the product, and two value columns.
    table_.headers.append(L"SysName");
    table_.headers.append(L"I/O");
    table_.headers.append(MacroLangs::Languages());
    Zrl_StringArray row;
    row.append(Zrl_String());
    row.append(L"1");
    for (int l = 0; l < MacroLangs::Languages().length(); ++l)
        row.append(Zrl_String());
    for (int v = 1; v <= 2; ++v) {
        table_.headers.append(dialString(86) + Zrl_String(v));
        row.append(L"0");
    }
    table_.rows.append(row);
    table_.setToSS(&grid_);
    grid_.setBool(GridProperty::Changed, true);
    fillTables();
    showShape(Zrl_String());
}

void CTabEditLibValues::deleteTable() {
    if (current_.isEmpty()) return;
    const Zrl_String text = dialString(788) + L" <" + current_ + L"> " + dialString(789);
    if (ask(this, text, 787, win::MB_YESNO) != win::IDYES) return;
    int index = -1;
    if (data_.availableFiles.find(current_, index, false)) data_.availableFiles.removeAt(index);
    deleteFile(sectionTablePath(current_));
    current_ = Zrl_String();
    fillTables();
    if (data_.availableFiles.isEmpty())
        showEmpty();
    else
        loadTable(data_.availableFiles[0]);
}

void CTabEditLibValues::renameTable() {
    if (current_.isEmpty()) return;
    const Zrl_String old = current_;
    Zrl_DlgPromptString prompt(dialString(790), dialString(791), old, dialString(1), dialString(2),
                               this);
    const auto name = promptStringUntil(prompt, [&](const Zrl_String& entered) {
        const Zrl_String n = entered.trimmed();
        if (n.isEmpty() || n.equal(old, true)) return true;
        if (warnInvalidFileName(n, this)) return false;
        int at = -1;
        if (data_.availableFiles.find(n, at, false) && !n.equal(old, false)) {
            win::messageBox(this,
                            (L"<" + n + L">\n" + dialString(857) + L"\n" + dialString(858)).str(),
                            dialString(856).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
            return false;
        }
        return true;
    });
    if (!name) return;
    const Zrl_String fresh = name->trimmed();
    if (fresh.isEmpty() || fresh.equal(old, true)) return;

    Zrl_ProfValuesTable out;
    out.picture = chosenPicture();
    if (!out.getFromSS(&grid_)) out.headers = table_.headers;
    out.tableName = fresh;
    // Write the new file first: a failed write keeps the old one and its name.
    if (!out.writeToFile(fresh)) {
        sayNotWritten(this, fresh);
        return;
    }
    if (!fresh.equal(old, false)) deleteFile(sectionTablePath(old));
    int index = -1;
    if (data_.availableFiles.find(old, index, false)) data_.availableFiles[index] = fresh;
    current_ = fresh;
    table_ = out;
    for (int r = 1; r <= grid_.getMaxRows(); ++r)
        grid_.setCellData(Zrl_Spread::kHeader, r, fresh);
    grid_.setBool(GridProperty::Changed, false);
    fillTables();
}

void CTabEditLibValues::sheetOptions() {
    if (!runSheetOptions(grid_)) return;
    for (int r = 1; r <= grid_.getMaxRows(); ++r)
        grid_.setCellData(Zrl_Spread::kHeader, r, current_);
    writeColumnCaptions(standardCaptions(sheetLanguages()));
}

void CTabEditLibValues::rowCommand(int id) {
    switch (id - IDC_VALUES_COPY) {
    case 0:
        grid_.copyToClipboard();
        break;
    case 1:
        grid_.pasteFromClipboard();
        break;
    case 2:
        grid_.insertRowAfterActive(true);
        break;
    case 3:
        grid_.deleteActiveRow();
        break;
    case 4:
        grid_.moveActiveRowUp();
        break;
    case 5:
        grid_.moveActiveRowDown();
        break;
    default:
        if (CDlgFindReplace* find = grid_.findDialog()) find->open();
    }
}

bool CTabEditLibValues::onCommand(int id, int notifyCode) {
    if (id == IDC_VALUES_TABLES && notifyCode == win::CBN_SELCHANGE) {
        const win::ComboBox* tables = combo(IDC_VALUES_TABLES);
        const int sel = tables ? tables->getCurSel() : -1;
        if (sel < 0 || sel >= data_.availableFiles.length()) return true;
        const Zrl_String chosen = data_.availableFiles[sel];
        if (chosen.equal(current_, true)) return true;
        if (askSave())
            loadTable(chosen);
        else
            reselectCurrent();
        return true;
    }
    if (id == IDC_VALUES_SHAPE && notifyCode == win::CBN_SELCHANGE) {
        onShapeChosen();
        return true;
    }
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    switch (id) {
    case IDC_VALUES_NEW:
        newTable();
        return true;
    case IDC_VALUES_DELETE:
        deleteTable();
        return true;
    case IDC_VALUES_RENAME:
        renameTable();
        return true;
    case IDC_VALUES_OPTIONS:
        sheetOptions();
        return true;
    default:
        if (id >= IDC_VALUES_COPY && id <= IDC_VALUES_FIND) {
            rowCommand(id);
            return true;
        }
    }
    return win::Dialog::onCommand(id, notifyCode);
}
