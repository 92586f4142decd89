#include "macroui/tab_macro_mapping.h"

#include "frame/module_resources.h"
#include "macroui/tab_macro_mapping_ids.h"
#include "platform/core/numbered_texts.h"

#include <algorithm>

namespace {

constexpr int kIconUp = 261;
constexpr int kIconDown = 262;
constexpr int kColSheet = 1;
constexpr int kColMapsTo = 2;
constexpr int kColName = 1;
constexpr int kColCombo = 2;

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CTabMacroMapping::dialogTemplate());
});

int typeSlot(VkValueType type) {
    return type == VkValueInt ? 0 : type == VkValueDouble ? 1 : 2;
}

const wchar_t* typeLabel(VkValueType type) {
    return type == VkValueInt ? L"Getal" : type == VkValueDouble ? L"Decim" : L"Tekst";
}

std::vector<std::wstring> toItems(const Zrl_StringArray& texts) {
    std::vector<std::wstring> items;
    items.reserve(static_cast<size_t>(texts.length()));
    for (const Zrl_String& t : texts)
        items.push_back(t.str());
    return items;
}

} // namespace

CTabMacroMapping::CTabMacroMapping(TabMappingData* data)
    : Dialog(IDD_TAB_MACRO_MAPPING), data_(data) {}

CTabMacroMapping::~CTabMacroMapping() {
    if (isCreated()) destroy();
}

win::DialogTemplate CTabMacroMapping::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_TAB_MACRO_MAPPING;
    t.width = 330;
    t.height = 300;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_MAPPING_STANDARDS_GROUP, ControlKind::Button, {5, 5, 325, 120}, win::BS_GROUPBOX,
         L"Add and edit standards-spreadsheets"},
        {IDC_MAPPING_STANDARDS, ControlKind::Placeholder, {12, 18, 295, 95}, tab, L""},
        {IDC_MAPPING_UP, ControlKind::Button, {300, 18, 318, 34}, tab | win::BS_ICON, L""},
        {IDC_MAPPING_DOWN, ControlKind::Button, {300, 38, 318, 54}, tab | win::BS_ICON, L""},
        {IDC_MAPPING_ADD, ControlKind::Button, {12, 100, 72, 114}, tab, L""},
        {IDC_MAPPING_REMOVE, ControlKind::Button, {77, 100, 137, 114}, tab, L""},
        {IDC_MAPPING_TABLE_GROUP, ControlKind::Button, {5, 125, 325, 295}, win::BS_GROUPBOX,
         L"Choose how the Spreadsheet should be mapped to this macro"},
        {IDC_MAPPING_TABLE, ControlKind::Placeholder, {12, 138, 318, 288}, tab, L""},
    };
    return t;
}

bool CTabMacroMapping::onInitDialog() {
    if (!data_) return true;
    standards_.createInPlaceOf(this, IDC_MAPPING_STANDARDS, true);
    standards_.setLook(1);
    standards_.setLayout(1);
    mapping_.createInPlaceOf(this, IDC_MAPPING_TABLE, true);
    mapping_.setLook(0);
    up_.SubclassDlgItem(IDC_MAPPING_UP, this);
    up_.SetIcon(kIconUp);
    up_.SetTooltipText(dialString(173));
    down_.SubclassDlgItem(IDC_MAPPING_DOWN, this);
    down_.SetIcon(kIconDown);
    down_.SetTooltipText(dialString(174));
    setItemText(IDC_MAPPING_STANDARDS_GROUP, L"Add and edit standards-spreadsheets");
    setItemText(IDC_MAPPING_TABLE_GROUP,
                L"Choose how the Spreadsheet should be mapped to this macro");
    setItemText(IDC_MAPPING_ADD, dialString(606).str());
    setItemText(IDC_MAPPING_REMOVE, dialString(607).str());
    fillStandards();
    showMapping(current_);
    return true;
}

// --- the standards list

void CTabMacroMapping::fillStandards() {
    if (!data_ || !standards_.isCreated()) return;
    const Zrl_StringArray sheets = mapedit::sheetChoices(mapedit::standardsFolder());
    const Zrl_StringArray targets = mapedit::mapsToChoices(*data_);
    const std::vector<mapedit::StandardRow> rows = mapedit::standardRows(*data_);
    standards_.setMaxCols(2);
    standards_.setMaxRows(static_cast<int>(rows.size()));
    standards_.setCellData(kColSheet, Zrl_Spread::kHeader, L"Spreadsheet");
    standards_.setCellData(kColMapsTo, Zrl_Spread::kHeader, L"Maps to");
    const auto shared = [](const Zrl_StringArray& choices) {
        return std::make_shared<const spread::CellType>(
            spread::CellType::comboBox(toItems(choices)));
    };
    const std::shared_ptr<const spread::CellType> columnTypes[2] = {shared(sheets),
                                                                    shared(targets)};
    const Zrl_StringArray* columnChoices[2] = {&sheets, &targets};
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const Zrl_String texts[2] = {rows[r].sheet, rows[r].mapsTo};
        for (int c = 0; c < 2; ++c) {
            // A text the choices lack (a sheet missing today, a group gone)
            // stays a choice of its own cell, so reading back keeps it.
            if (texts[c].isEmpty() || columnChoices[c]->contains(texts[c], false)) {
                standards_.setTypeBeforeValue(c + 1, row, columnTypes[c]);
            } else {
                Zrl_StringArray own = *columnChoices[c];
                own.append(texts[c]);
                standards_.setTypeBeforeValue(c + 1, row,
                                              spread::CellType::comboBox(toItems(own)));
            }
            standards_.setLock(c + 1, row, false);
            standards_.setCellData(c + 1, row, texts[c]);
        }
    }
    standards_.formatHeaders();
}

std::vector<mapedit::StandardRow> CTabMacroMapping::rowsOnScreen() const {
    std::vector<mapedit::StandardRow> rows;
    const int count = standards_.getMaxRows();
    for (int r = 1; r <= count; ++r) {
        mapedit::StandardRow row;
        standards_.getCellText(kColSheet, r, row.sheet);
        standards_.getCellText(kColMapsTo, r, row.mapsTo);
        rows.push_back(row);
    }
    return rows;
}

void CTabMacroMapping::readStandardsBack() {
    if (!data_ || !standards_.isCreated()) return;
    if (mapedit::readStandardsBack(*data_, rowsOnScreen())) modified_ = true;
}

// --- the mapping table

void CTabMacroMapping::clearMapping() {
    shown_ = false;
    shownSheet_ = Zrl_String();
    links_.removeAll();
    edited_ = VkSSMapping();
    if (!mapping_.isCreated()) return;
    mapping_.setMaxRows(0);
    mapping_.setMaxCols(2);
}

void CTabMacroMapping::showMapping(int index) {
    if (!ready() || index < 0 || index >= data_->keys.length() ||
        index >= data_->sheetNames.length() || !mapping_.isCreated())
        return;
    const Zrl_String sheet = data_->sheetNames[index];
    const Zrl_String key = data_->keys[index];
    // A module group maps by the sheet's names: nothing to choose. A sheet
    // that does not load or scan shows nothing, so that nothing of another
    // standard can be saved into its file.
    if (mapedit::isModuleKey(key) ||
        mapping_.load(mapedit::standardsFolder() + sheet + L".vks") != Acad::eOk ||
        mapping_.scanDeclarations() != Acad::eOk) {
        clearMapping();
        return;
    }
    edited_ = mapedit::storedMapping(sheet, key);
    if (!items_ || &items_->candidates() != data_->candidates) {
        items_ = std::make_unique<mapedit::CandidateItems>(*data_->candidates);
        for (VkValueType type : {VkValueInt, VkValueDouble, VkValueString}) {
            comboTypes_[typeSlot(type)] = std::make_shared<const spread::CellType>(
                spread::CellType::comboBox(*items_->items(type)));
        }
    }

    const VkVarCells& vars = mapping_.varCells;
    const std::vector<int> shownVars = mapedit::mappedVariables(vars);
    links_.removeAll();
    mapping_.removeAllSpans();
    mapping_.setMaxRows(0);
    mapping_.setMaxCols(2);
    mapping_.setMaxRows(4 + static_cast<int>(shownVars.size()));
    mapping_.setCellData(Zrl_Spread::kHeader, Zrl_Spread::kHeader, L"Type");
    mapping_.setCellData(kColName, Zrl_Spread::kHeader, L"Std Name");
    mapping_.setCellData(kColCombo, Zrl_Spread::kHeader, L"Macro object");
    const std::shared_ptr<const spread::CellType> title =
        std::make_shared<const spread::CellType>(spread::CellType::staticText(kTitleStyle));
    const std::shared_ptr<const spread::CellType> name =
        std::make_shared<const spread::CellType>(spread::CellType::staticText());
    int row = 0;
    size_t next = 0;
    for (VkCellType section : {VkCellInput, VkCellOutput}) {
        ++row;
        mapping_.setCellData(Zrl_Spread::kHeader, row, L" ");
        mapping_.setColorRange(kColName, row, kColCombo, row, kSeparatorColor, kSeparatorColor);
        ++row;
        mapping_.setCellData(Zrl_Spread::kHeader, row,
                             section == VkCellInput ? L"Input" : L"Output");
        mapping_.setTypeBeforeValue(kColName, row, title);
        mapping_.setTypeBeforeValue(kColCombo, row, title);
        for (; next < shownVars.size() && vars[shownVars[next]].cellType == section; ++next) {
            const int varIndex = shownVars[next];
            const VkVarCell& var = vars[varIndex];
            ++row;
            mapping_.setCellData(Zrl_Spread::kHeader, row, typeLabel(var.valueType));
            mapping_.setTypeBeforeValue(kColName, row, name);
            mapping_.setCellData(kColName, row, var.name);
            mapping_.setColorRange(kColName, row, kColName, row, kNameGround, kSeparatorColor);
            mapping_.setLock(kColName, row, true);
            mapping_.setTypeBeforeValue(kColCombo, row, comboTypes_[typeSlot(var.valueType)]);
            mapping_.setLock(kColCombo, row, false);
            const int item = mapedit::preselect(edited_, *items_, var);
            const std::vector<std::wstring>& texts = *items_->items(var.valueType);
            mapping_.setCellData(kColCombo, row,
                                 item >= 0 ? Zrl_String(texts[static_cast<size_t>(item)])
                                           : Zrl_String());
            VkComboMapLink link;
            link.col = kColCombo;
            link.row = row;
            link.varIndex = varIndex;
            link.validVars = items_->validVars(var.valueType);
            links_.append(std::move(link));
        }
    }
    mapping_.formatHeaders();
    shown_ = true;
    shownSheet_ = sheet;
}

VkSSMapping CTabMacroMapping::readMappingBack() const {
    std::vector<mapedit::Choice> choices;
    choices.reserve(static_cast<size_t>(links_.length()));
    const VkVarCells& vars = mapping_.varCells;
    for (const VkComboMapLink& link : links_) {
        mapedit::Choice choice{link.varIndex, -1};
        Zrl_String text;
        if (link.varIndex >= 0 && link.varIndex < vars.length() &&
            mapping_.getCellText(link.col, link.row, text) && !text.isEmpty()) {
            // Item n is candidate validVars[n]: the first item reading the
            // cell's text is its selection.
            const std::vector<int> found =
                items_->itemsReading(vars[link.varIndex].valueType, text);
            if (!found.empty()) choice.item = found.front();
        }
        choices.push_back(choice);
    }
    return mapedit::mappingFromChoices(*items_, vars, choices);
}

void CTabMacroMapping::saveMapping(int index) {
    // Only the standard whose sheet the grid shows.
    if (!ready() || !shown_ || index != current_ || !items_ || index < 0 ||
        index >= data_->sheetNames.length() || !(data_->sheetNames[index] == shownSheet_))
        return;
    edited_ = readMappingBack();
    mapedit::saveStandard(*data_, index, edited_, modified_);
}

// --- selection and list operations

void CTabMacroMapping::selectActiveStandard() {
    if (!ready()) return;
    const int row = standards_.activeRow();
    const int index = row - 1;
    if (index < 0 || index >= data_->sheetNames.length() || index == current_) return;
    saveMapping(current_);
    current_ = index;
    showMapping(current_);
}

void CTabMacroMapping::listOperation(ListOp op) {
    if (!ready()) return;
    saveMapping(current_);
    int row = standards_.activeRow();
    readStandardsBack();
    Zrl_StringArray& sheets = data_->sheetNames;
    Zrl_StringArray& keys = data_->keys;
    const int count = sheets.length();
    int index = row - 1;
    switch (op) {
    case ListOp::Add:
        if (index < 0 || index > count) index = count;
        sheets.insertAt(index, Zrl_String());
        keys.insertAt(index, Zrl_String());
        row = index + 1;
        break;
    case ListOp::Remove:
        if (index < 0 || index >= count) return;
        sheets.removeAt(index);
        keys.removeAt(index);
        row = std::min(index + 1, count - 1);
        break;
    case ListOp::Up:
    case ListOp::Down: {
        // Never exchanged with an entry outside the lists.
        const int other = op == ListOp::Up ? index - 1 : index + 1;
        if (index < 0 || index >= count || other < 0 || other >= count) return;
        std::swap(sheets[index], sheets[other]);
        std::swap(keys[index], keys[other]);
        row = other + 1;
        break;
    }
    }
    fillStandards();
    if (row >= 1) standards_.setActiveCell(kColSheet, row);
    standards_.setFocus();
    current_ = -1;
    shown_ = false;
    if (row >= 1) {
        selectActiveStandard();
    } else {
        links_.removeAll();
    }
    modified_ = true;
}

bool CTabMacroMapping::apply() {
    if (!ready()) return modified_;
    readStandardsBack();
    saveMapping(current_);
    return modified_;
}

bool CTabMacroMapping::onCommand(int id, int notifyCode) {
    if (id == IDC_MAPPING_STANDARDS) {
        if (notifyCode == Zrl_Spread::kNotifyClick || notifyCode == Zrl_Spread::kNotifyDblClick) {
            selectActiveStandard();
            return true;
        }
        if (notifyCode == Zrl_Spread::kNotifyEdited) {
            // An edit of the list: the choices shown belong to the standard
            // as it was, so they are saved before the list is read back.
            if (ready()) {
                saveMapping(current_);
                readStandardsBack();
                showMapping(current_);
            }
            return true;
        }
    }
    switch (id) {
    case IDC_MAPPING_ADD:
        listOperation(ListOp::Add);
        return true;
    case IDC_MAPPING_REMOVE:
        listOperation(ListOp::Remove);
        return true;
    case IDC_MAPPING_UP:
        listOperation(ListOp::Up);
        return true;
    case IDC_MAPPING_DOWN:
        listOperation(ListOp::Down);
        return true;
    default:
        return win::Dialog::onCommand(id, notifyCode);
    }
}
