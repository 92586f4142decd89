#include "dialogs/dlg_cladding.h"

#include "dialogs/dialog_setup.h"
#include "dialogs/profile_combo.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/combo_box.h"

namespace {

constexpr int kFirstTypeText = 1723;
// The positions of list B that take a value.
constexpr int kValuePositions[] = {3, 4};

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgCladdingSettings>);

} // namespace

CDlgCladdingSettings::CDlgCladdingSettings(win::Window* parent)
    : win::Dialog(IDD_DLG_CLADDING, parent) {}

CDlgCladdingSettings::~CDlgCladdingSettings() = default;

win::DialogTemplate CDlgCladdingSettings::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t =
        inputDialogTemplate(IDD_DLG_CLADDING, 287, 151, L"Cladding settings");
    const std::uint32_t tab = win::WS_TABSTOP;
    // No list is sorted: positions are indexes (the profile names, lists A
    // and B) and the types keep their order.
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    t.controls = {
        {IDC_CLAD_PROFILE_LABEL, ControlKind::Static, {7, 8, 92, 19}, 0, L"Profile"},
        {IDC_CLAD_PROFILE, ControlKind::ComboBox, {93, 7, 226, 146}, list, L""},
        {IDC_CLAD_CHOOSE, ControlKind::Button, {231, 7, 280, 19}, tab, L"Select..."},
        {IDC_CLAD_TYPE1_LABEL, ControlKind::Static, {7, 27, 92, 46}, 0, L""},
        {IDC_CLAD_TYPE1, ControlKind::ComboBox, {94, 26, 165, 165}, list, L""},
        {IDC_CLAD_TYPE2_LABEL, ControlKind::Static, {167, 26, 209, 41}, 0, L""},
        {IDC_CLAD_TYPE2, ControlKind::ComboBox, {209, 26, 280, 165}, list, L""},
        {IDC_CLAD_A_LABEL, ControlKind::Static, {7, 47, 92, 58}, 0, L""},
        {IDC_CLAD_A, ControlKind::ComboBox, {94, 46, 280, 185}, list, L""},
        {IDC_CLAD_B_LABEL, ControlKind::Static, {7, 67, 92, 78}, 0, L""},
        {IDC_CLAD_B, ControlKind::ComboBox, {94, 67, 280, 206}, list, L""},
        {IDC_CLAD_VALUE_LABEL, ControlKind::Static, {7, 89, 205, 100}, 0, L""},
        {IDC_CLAD_VALUE, ControlKind::Edit, {207, 86, 280, 98},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL, L""},
        {IDC_CLAD_SWITCH, ControlKind::Button, {7, 108, 280, 121}, tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {7, 130, 57, 144}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {69, 130, 119, 144}, tab, L"Cancel"},
    };
    return t;
}

Zrl_String CDlgCladdingSettings::typeName(int t) {
    return dialString(kFirstTypeText + t);
}

int CDlgCladdingSettings::typeOf(const Zrl_String& name) {
    for (int t = 0; t < kConstrainTypeCount; ++t)
        if (typeName(t).equal(name, false)) return t;
    return 0;
}

bool CDlgCladdingSettings::onInitDialog() {
    setDialogTexts(this, 1708,
                   {{IDC_CLAD_PROFILE_LABEL, 1012},
                    {IDC_CLAD_CHOOSE, 969},
                    {IDC_CLAD_A_LABEL, 1709},
                    {IDC_CLAD_B_LABEL, 1710},
                    {IDC_CLAD_VALUE_LABEL, 1711},
                    {IDC_CLAD_SWITCH, 1712},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    setItemText(IDC_CLAD_TYPE1_LABEL, appStrs(dialString(1721), L":").str());
    setItemText(IDC_CLAD_TYPE2_LABEL, appStrs(dialString(1722), L":").str());
    FillCombo(this, IDC_CLAD_A, stringArr(dialString(1713), dialString(1714), dialString(1715)));
    FillCombo(this, IDC_CLAD_B,
              stringArr(dialString(1716), dialString(1717), dialString(1718), dialString(1719),
                        dialString(1720)));
    Zrl_StringArray types;
    for (int t = 0; t < kConstrainTypeCount; ++t)
        if (isValidConstrainType(data_.kind, t, true)) types.append(typeName(t));
    FillCombo(this, IDC_CLAD_TYPE1, types);
    FillCombo(this, IDC_CLAD_TYPE2, types);
    showRecord();
    applyEnabling();
    return true;
}

void CDlgCladdingSettings::selectType(int id, int type) {
    win::ComboBox* box = combo(id);
    if (!box) return;
    // A type outside 0-4 has no name: nothing is selected for it.
    int at = -1;
    if (type >= 0 && type < kConstrainTypeCount) {
        const std::wstring name = typeName(type).str();
        at = box->findStringExact(-1, name);
        if (at < 0) at = box->findString(-1, name);
    }
    box->setCurSel(at);
}

void CDlgCladdingSettings::showRecord() {
    fillProfileCombo(this, IDC_CLAD_PROFILE, data_.profile, names_);
    selectType(IDC_CLAD_TYPE1, data_.type1);
    selectType(IDC_CLAD_TYPE2, data_.type2);
    combo(IDC_CLAD_A)->setCurSel(data_.choiceA);
    combo(IDC_CLAD_B)->setCurSel(data_.choiceB);
    setItemText(IDC_CLAD_VALUE, data_.value.str());
    check(IDC_CLAD_SWITCH, data_.switchOn ? win::BST_CHECKED : win::BST_UNCHECKED);
}

void CDlgCladdingSettings::readBack() {
    data_.profile = selectedProfile(this, IDC_CLAD_PROFILE, names_, data_.profile);
    data_.type1 = typeOf(getItemText(IDC_CLAD_TYPE1));
    data_.type2 = typeOf(getItemText(IDC_CLAD_TYPE2));
    // A choice the list does not hold shows no entry; it stays as it was.
    if (const int a = combo(IDC_CLAD_A)->getCurSel(); a >= 0) data_.choiceA = a;
    if (const int b = combo(IDC_CLAD_B)->getCurSel(); b >= 0) data_.choiceB = b;
    data_.value = getItemText(IDC_CLAD_VALUE);
    data_.switchOn = isChecked(IDC_CLAD_SWITCH) == win::BST_CHECKED;
}

void CDlgCladdingSettings::applyEnabling() {
    readBack();
    bool uses = false;
    for (int p : kValuePositions)
        uses = uses || data_.choiceB == p;
    enableItem(IDC_CLAD_VALUE, uses);
}

void CDlgCladdingSettings::chooseProfile() {
    readBack();
    if (auto name = ::chooseProfile(data_.profile, this)) {
        data_.profile = *name;
        showRecord();
        applyEnabling();
    }
}

bool CDlgCladdingSettings::onCommand(int id, int notifyCode) {
    if (id == IDC_CLAD_B && notifyCode == win::CBN_SELCHANGE) {
        applyEnabling();
        return true;
    }
    if (id == IDC_CLAD_CHOOSE && notifyCode == win::BN_CLICKED) {
        chooseProfile();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgCladdingSettings::onOK() {
    readBack();
    win::Dialog::onOK();
}

bool StartDlgCladdingSettings(VkCladdingDlgData& data) {
    return zrlss::runModalStarter<CDlgCladdingSettings>(data);
}
