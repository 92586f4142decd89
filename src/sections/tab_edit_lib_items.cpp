// The groups and types pages of the library editor.
#include "sections/tab_edit_lib_items.h"

#include "frame/module_resources.h"
#include "platform/core/macro_langs.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/combo_box.h"
#include "platform/win/resources.h"
#include "sections/dlg_edit_lib_sections_ids.h"

#include <algorithm>

namespace {

constexpr int kIconUp = 261;
constexpr int kIconDown = 262;

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CTabEditLibGroups::dialogTemplate());
    win::registerTemplate(module, CTabEditLibTypes::dialogTemplate());
});

size_t at(int index) { return static_cast<size_t>(index); }

// Text 764 in each of the product's languages; English for a language
// without its text file.
Zrl_StringArray newTypeNames() {
    Zrl_StringArray available;
    Zrl_StringArray texts;
    availableLanguages(available);
    dialStringAllLangs(764, texts);
    int english = -1;
    available.find(L"English", english, false);
    Zrl_StringArray names;
    for (const Zrl_String& language : MacroLangs::Languages()) {
        int index = -1;
        if (!available.find(language, index, false)) index = english;
        names.append(index >= 0 && index < texts.length() ? texts[index] : dialString(764));
    }
    return names;
}

} // namespace

CTabEditLibItems::~CTabEditLibItems() {
    if (isCreated()) destroy();
}

win::DialogTemplate CTabEditLibItems::itemsTemplate(const wchar_t* id, bool withTypeFields) {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = id;
    t.width = 440;
    t.height = 260;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_ITEMS_LIST, ControlKind::ListBox, {5, 5, 150, 230}, tab | win::WS_BORDER, L""},
        {IDC_ITEMS_UP, ControlKind::Button, {155, 5, 175, 21}, tab | win::BS_ICON, L""},
        {IDC_ITEMS_DOWN, ControlKind::Button, {155, 25, 175, 41}, tab | win::BS_ICON, L""},
        {IDC_ITEMS_NEW, ControlKind::Button, {5, 236, 75, 252}, tab, L"New"},
        {IDC_ITEMS_REMOVE, ControlKind::Button, {80, 236, 150, 252}, tab, L"Remove"},
        {IDC_ITEMS_ENABLED, ControlKind::Button, {185, 5, 300, 17}, tab | win::BS_AUTOCHECKBOX,
         L"Enabled"},
        {IDC_ITEMS_IMAGE_LABEL, ControlKind::Static, {185, 24, 240, 34}, 0, L"Image"},
        {IDC_ITEMS_IMAGE, ControlKind::Edit, {245, 22, 435, 34},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL, L""},
        {IDC_ITEMS_NAMES, ControlKind::Placeholder, {185, 80, 435, 180}, 0, L""},
    };
    if (withTypeFields) {
        const std::uint32_t list = tab | win::CBS_DROPDOWNLIST;
        t.controls.push_back({IDC_TYPES_GROUP_LABEL, ControlKind::Static, {185, 42, 240, 52}, 0,
                              L"Group"});
        t.controls.push_back({IDC_TYPES_GROUP, ControlKind::ComboBox, {245, 40, 435, 120}, list,
                              L""});
        t.controls.push_back({IDC_TYPES_TABLE_LABEL, ControlKind::Static, {185, 60, 240, 70}, 0,
                              L"Table"});
        t.controls.push_back({IDC_TYPES_TABLE, ControlKind::ComboBox, {245, 58, 435, 140}, list,
                              L""});
    }
    return t;
}

bool CTabEditLibItems::onInitDialog() {
    list_.SubclassDlgItem(IDC_ITEMS_LIST, this);
    names_.createInPlaceOf(this, IDC_ITEMS_NAMES, true);
    names_.setLook(1);
    names_.setLayout(1);
    const Zrl_StringArray& languages = MacroLangs::Languages();
    names_.setMaxCols(1);
    names_.setMaxRows(languages.length());
    names_.setCellData(1, Zrl_Spread::kHeader, dialString(87));
    names_.setColumnTexts(Zrl_Spread::kHeader, languages);
    names_.formatHeaders();
    up_.SubclassDlgItem(IDC_ITEMS_UP, this);
    up_.SetIcon(kIconUp);
    up_.SetTooltipText(dialString(173));
    down_.SubclassDlgItem(IDC_ITEMS_DOWN, this);
    down_.SetIcon(kIconDown);
    down_.SetTooltipText(dialString(174));
    setItemText(IDC_ITEMS_NEW, dialString(newText()).str());
    setItemText(IDC_ITEMS_REMOVE, dialString(removeText()).str());
    setItemText(IDC_ITEMS_ENABLED, dialString(761).str());
    setItemText(IDC_ITEMS_IMAGE_LABEL, dialString(762).str());
    current_ = count() > 0 ? 0 : -1;
    refresh();
    return true;
}

void CTabEditLibItems::refresh() {
    list_.resetContent();
    for (int i = 0; i < count(); ++i)
        list_.AddString(itemName(i), itemEnabled(i));
    if (current_ >= count()) current_ = count() - 1;
    list_.setCurSel(current_);
    showCurrent();
}

void CTabEditLibItems::showCurrent() {
    const bool any = current_ >= 0;
    check(IDC_ITEMS_ENABLED, any && itemEnabled(current_) ? win::BST_CHECKED : win::BST_UNCHECKED);
    setItemText(IDC_ITEMS_IMAGE, any ? itemImage(current_).str() : std::wstring());
    const Zrl_StringArray names = any ? itemNames(current_) : Zrl_StringArray();
    for (int r = 1; r <= names_.getMaxRows(); ++r)
        names_.setCellData(1, r, r - 1 < names.length() ? names[r - 1] : Zrl_String());
    for (int id : {IDC_ITEMS_ENABLED, IDC_ITEMS_IMAGE, IDC_ITEMS_REMOVE, IDC_ITEMS_UP,
                   IDC_ITEMS_DOWN})
        enableItem(id, any);
    showExtra(current_);
}

void CTabEditLibItems::storeCurrent() {
    if (current_ < 0 || current_ >= count()) return;
    setItemEnabled(current_, isChecked(IDC_ITEMS_ENABLED) == win::BST_CHECKED);
    Zrl_StringArray names;
    names_.getColumnValues(1, names);
    setItemFields(current_, Zrl_String(getItemText(IDC_ITEMS_IMAGE)), names);
}

void CTabEditLibItems::select(int index) {
    storeCurrent();
    current_ = index;
    refresh();
}

bool CTabEditLibItems::onCommand(int id, int notifyCode) {
    if (id == IDC_ITEMS_LIST) {
        const int sel = list_.getCurSel();
        if (notifyCode == CCheckListBox::CLBN_CHKCHANGE) {
            storeCurrent();
            setItemEnabled(sel, list_.GetCheck(sel));
            current_ = sel;
            refresh();
        } else if (notifyCode == win::LBN_SELCHANGE && sel != current_) {
            select(sel);
        }
        return true;
    }
    if (id == IDC_ITEMS_ENABLED && notifyCode == win::BN_CLICKED) {
        if (current_ >= 0) list_.SetCheck(current_, isChecked(IDC_ITEMS_ENABLED) == win::BST_CHECKED);
        return true;
    }
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    switch (id) {
    case IDC_ITEMS_NEW:
        storeCurrent();
        current_ = appendItem();
        refresh();
        return true;
    case IDC_ITEMS_REMOVE:
        if (current_ >= 0) {
            removeItem(current_);
            // The same position, or the last.
            current_ = std::min(current_, count() - 1);
            refresh();
        }
        return true;
    case IDC_ITEMS_UP:
    case IDC_ITEMS_DOWN: {
        const int other = current_ + (id == IDC_ITEMS_UP ? -1 : 1);
        if (current_ < 0 || other < 0 || other >= count()) return true;
        storeCurrent();
        swapItems(current_, other);
        current_ = other;
        refresh();
        return true;
    }
    default:
        return win::Dialog::onCommand(id, notifyCode);
    }
}

// --- groups ------------------------------------------------------------------

win::DialogTemplate CTabEditLibGroups::dialogTemplate() {
    return itemsTemplate(IDD_EDITLIB_GROUPS, false);
}

int CTabEditLibGroups::count() const { return data_.groups.length(); }
Zrl_String CTabEditLibGroups::itemName(int index) const { return data_.groups.getName(index); }
bool CTabEditLibGroups::itemEnabled(int index) const { return data_.groups.getEnabled(index); }
void CTabEditLibGroups::setItemEnabled(int index, bool enabled) {
    data_.groups.setEnabled(index, enabled);
}
Zrl_String CTabEditLibGroups::itemImage(int index) const { return data_.groups.getImage(index); }
Zrl_StringArray CTabEditLibGroups::itemNames(int index) const {
    return data_.groups.getLangs(index);
}
void CTabEditLibGroups::setItemFields(int index, const Zrl_String& image,
                                      const Zrl_StringArray& names) {
    data_.groups.setImage(index, image);
    data_.groups.setLangs(index, names);
}
int CTabEditLibGroups::appendItem() { return data_.groups.appendNewGrp(); }
void CTabEditLibGroups::removeItem(int index) { data_.groups.removeAt(index); }
void CTabEditLibGroups::swapItems(int a, int b) { data_.groups.swap(a, b); }

// --- types -------------------------------------------------------------------

win::DialogTemplate CTabEditLibTypes::dialogTemplate() {
    return itemsTemplate(IDD_EDITLIB_TYPES, true);
}

bool CTabEditLibTypes::onInitDialog() {
    setItemText(IDC_TYPES_GROUP_LABEL, string(2262).str());
    setItemText(IDC_TYPES_TABLE_LABEL, dialString(757).str());
    fillTables();
    return CTabEditLibItems::onInitDialog();
}

void CTabEditLibTypes::fillTables() {
    win::ComboBox* groups = combo(IDC_TYPES_GROUP);
    win::ComboBox* tables = combo(IDC_TYPES_TABLE);
    if (!groups || !tables) return;
    Zrl_StringArray names;
    data_.groups.namesOfAllGroups(names, groupIds_);
    groups->resetContent();
    for (const Zrl_String& n : names)
        groups->addString(n.str());
    tables->resetContent();
    for (const Zrl_String& n : data_.availableFiles)
        tables->addString(n.str());
    showExtra(current_);
}

void CTabEditLibTypes::showExtra(int index) {
    win::ComboBox* groups = combo(IDC_TYPES_GROUP);
    win::ComboBox* tables = combo(IDC_TYPES_TABLE);
    if (!groups || !tables) return;
    int group = -1;
    int table = -1;
    if (index >= 0) {
        const SectionType& t = data_.types[at(index)];
        for (int i = 0; i < groupIds_.length(); ++i)
            if (groupIds_[i] == t.group) group = i;
        data_.availableFiles.find(t.table, table, false);
    }
    groups->setCurSel(group);
    tables->setCurSel(table);
    enableItem(IDC_TYPES_GROUP, index >= 0);
    enableItem(IDC_TYPES_TABLE, index >= 0);
}

void CTabEditLibTypes::storeCurrent() {
    CTabEditLibItems::storeCurrent();
    if (current_ < 0 || current_ >= count()) return;
    SectionType& t = data_.types[at(current_)];
    const win::ComboBox* groups = combo(IDC_TYPES_GROUP);
    const win::ComboBox* tables = combo(IDC_TYPES_TABLE);
    // The group's position gives its identifier; no choice is no group.
    const int g = groups ? groups->getCurSel() : -1;
    t.group = g >= 0 && g < groupIds_.length() ? groupIds_[g] : -1;
    const int tb = tables ? tables->getCurSel() : -1;
    if (tb >= 0 && tb < data_.availableFiles.length()) t.table = data_.availableFiles[tb];
}

int CTabEditLibTypes::count() const { return static_cast<int>(data_.types.size()); }
Zrl_String CTabEditLibTypes::itemName(int index) const { return data_.types[at(index)].name; }
bool CTabEditLibTypes::itemEnabled(int index) const {
    return index >= 0 && index < count() && data_.types[at(index)].enabled;
}
void CTabEditLibTypes::setItemEnabled(int index, bool enabled) {
    if (index >= 0 && index < count()) data_.types[at(index)].enabled = enabled;
}
Zrl_String CTabEditLibTypes::itemImage(int index) const { return data_.types[at(index)].image; }
Zrl_StringArray CTabEditLibTypes::itemNames(int index) const {
    return data_.types[at(index)].names;
}
void CTabEditLibTypes::setItemFields(int index, const Zrl_String& image,
                                     const Zrl_StringArray& names) {
    SectionType& t = data_.types[at(index)];
    t.image = image;
    t.names = names;
    if (!names.isEmpty() && !names[0].isEmpty()) t.name = names[0];
}
int CTabEditLibTypes::appendItem() {
    SectionType t;
    t.names = newTypeNames();
    t.name = t.names.isEmpty() ? dialString(764) : t.names[0];
    data_.types.push_back(t);
    return count() - 1;
}
void CTabEditLibTypes::removeItem(int index) {
    if (index >= 0 && index < count()) data_.types.erase(data_.types.begin() + index);
}
void CTabEditLibTypes::swapItems(int a, int b) { std::swap(data_.types[at(a)], data_.types[at(b)]); }
