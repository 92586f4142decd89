#include "dialogs/dlg_prof_features.h"

#include "dialogs/dialog_setup.h"
#include "dialogs/dlg_levels.h"
#include "dialogs/profile_combo.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/combo_box.h"

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgProfFeatures>);

// Selects the entry of `text` (none for an empty or unlisted text).
void selectText(win::ComboBox* box, const Zrl_String& text) {
    if (box) box->setCurSel(text.isEmpty() ? -1 : box->findStringExact(-1, text.str()));
}

} // namespace

CDlgProfFeatures::CDlgProfFeatures(win::Window* parent)
    : win::Dialog(IDD_DLG_PROF_FEATURES, parent) {}

CDlgProfFeatures::~CDlgProfFeatures() = default;

win::DialogTemplate CDlgProfFeatures::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t =
        inputDialogTemplate(IDD_DLG_PROF_FEATURES, 243, 135, L"Profile features");
    const std::uint32_t tab = win::WS_TABSTOP;
    // No list is sorted: the profile entries' positions are those of the
    // section names, and the levels keep the drawing's order.
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {IDC_FEAT_PROFILE_LABEL, ControlKind::Static, {7, 8, 92, 19}, 0, L"Profile"},
        {IDC_FEAT_PROFILE, ControlKind::ComboBox, {93, 7, 183, 146}, list, L""},
        {IDC_FEAT_CHOOSE, ControlKind::Button, {187, 7, 236, 19}, tab, L"Select..."},
        {IDC_FEAT_A_LABEL, ControlKind::Static, {7, 28, 92, 39}, 0, L""},
        {IDC_FEAT_A, ControlKind::ComboBox, {93, 27, 183, 166}, list, L""},
        {IDC_FEAT_A_LEVELS, ControlKind::Button, {187, 27, 236, 39}, tab, L""},
        {IDC_FEAT_B_LABEL, ControlKind::Static, {7, 44, 92, 55}, 0, L""},
        {IDC_FEAT_B, ControlKind::Edit, {93, 43, 182, 56}, field, L""},
        {IDC_FEAT_C_LABEL, ControlKind::Static, {7, 60, 92, 71}, 0, L""},
        {IDC_FEAT_C, ControlKind::Edit, {93, 59, 182, 72}, field, L""},
        {IDC_FEAT_C_LEVEL, ControlKind::ComboBox, {93, 59, 183, 198}, list, L""},
        {IDC_FEAT_C_LEVELS, ControlKind::Button, {187, 59, 236, 71}, tab, L""},
        {IDC_FEAT_D_LABEL, ControlKind::Static, {7, 76, 92, 87}, 0, L""},
        {IDC_FEAT_D, ControlKind::Edit, {93, 75, 182, 88}, field, L""},
        {IDC_FEAT_SWITCH, ControlKind::Button, {7, 96, 236, 107}, tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {7, 114, 57, 128}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {67, 114, 117, 128}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgProfFeatures::onInitDialog() {
    setText(data_.caption.str());
    setItemText(IDC_FEAT_PROFILE_LABEL, dialString(1003).str());
    setItemText(IDC_FEAT_CHOOSE, dialString(969).str());
    const struct {
        int id;
        const Zrl_String& text;
    } labels[] = {{IDC_FEAT_A_LABEL, data_.labelA}, {IDC_FEAT_B_LABEL, data_.labelB},
                  {IDC_FEAT_C_LABEL, data_.labelC}, {IDC_FEAT_D_LABEL, data_.labelD},
                  {IDC_FEAT_SWITCH, data_.switchLabel}};
    for (const auto& l : labels)
        setItemText(l.id, l.text.str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    const Zrl_String levelsText = appStrs(dialString(329), L"...");
    setItemText(IDC_FEAT_A_LEVELS, levelsText.str());
    setItemText(IDC_FEAT_C_LEVELS, levelsText.str());

    fillProfileCombo(this, IDC_FEAT_PROFILE, data_.profile, names_);
    fillLevelCombos();

    // A field without a label is left out, with its levels button.
    const bool a = !data_.labelA.isEmpty();
    for (int id : {IDC_FEAT_A_LABEL, IDC_FEAT_A, IDC_FEAT_A_LEVELS})
        showItem(id, a);
    if (a) selectText(combo(IDC_FEAT_A), data_.valueA);
    const struct {
        const Zrl_String& label;
        const Zrl_String& value;
        int labelId, valueId;
    } plain[] = {{data_.labelB, data_.valueB, IDC_FEAT_B_LABEL, IDC_FEAT_B},
                 {data_.labelD, data_.valueD, IDC_FEAT_D_LABEL, IDC_FEAT_D}};
    for (const auto& f : plain) {
        showItem(f.labelId, !f.label.isEmpty());
        showItem(f.valueId, !f.label.isEmpty());
        if (!f.label.isEmpty()) setItemText(f.valueId, f.value.str());
    }
    const bool c = !data_.labelC.isEmpty();
    showItem(IDC_FEAT_C_LABEL, c);
    showItem(IDC_FEAT_C, c && !data_.cIsLevel);
    showItem(IDC_FEAT_C_LEVEL, c && data_.cIsLevel);
    showItem(IDC_FEAT_C_LEVELS, c && data_.cIsLevel);

    cSwitch_ = data_.switchOn;
    if (data_.switchLabel.isEmpty())
        showItem(IDC_FEAT_SWITCH, false);
    else
        check(IDC_FEAT_SWITCH, data_.switchOn ? win::BST_CHECKED : win::BST_UNCHECKED);
    applySwitch();
    return true;
}

void CDlgProfFeatures::fillLevelCombos() {
    for (int id : {IDC_FEAT_A, IDC_FEAT_C_LEVEL}) {
        win::ComboBox* box = combo(id);
        const Zrl_String kept = box && box->getCurSel() >= 0 ? Zrl_String(box->text()) : Zrl_String();
        FillCombo(this, id, data_.levels);
        selectText(box, kept);
    }
}

Zrl_String& CDlgProfFeatures::valueCShown() {
    return cSwitch_ ? data_.altValueC : data_.valueC;
}

void CDlgProfFeatures::showValueC() {
    if (data_.labelC.isEmpty()) return;
    if (data_.cIsLevel)
        selectText(combo(IDC_FEAT_C_LEVEL), valueCShown());
    else
        setItemText(IDC_FEAT_C, valueCShown().str());
}

void CDlgProfFeatures::keepValueC() {
    if (data_.labelC.isEmpty()) return;
    valueCShown() = getItemText(data_.cIsLevel ? IDC_FEAT_C_LEVEL : IDC_FEAT_C);
}

void CDlgProfFeatures::applySwitch() {
    if (!data_.altLabelC.isEmpty())
        setItemText(IDC_FEAT_C_LABEL, (cSwitch_ ? data_.altLabelC : data_.labelC).str());
    showValueC();
}

void CDlgProfFeatures::switchClicked() {
    // What the field showed goes into the value it showed before the
    // switch changes which value it shows.
    keepValueC();
    cSwitch_ = isChecked(IDC_FEAT_SWITCH) == win::BST_CHECKED;
    applySwitch();
}

void CDlgProfFeatures::chooseProfile() {
    if (auto name = ::chooseProfile(Zrl_String(), this))
        fillProfileCombo(this, IDC_FEAT_PROFILE, *name, names_);
}

void CDlgProfFeatures::editLevels() {
    VkLevelsDlgData levels;
    levels.initialize(data_.transaction);
    if (!StartDlgLevels(levels)) return;
    levels.setRealLevels();
    data_.getAllLevels();
    fillLevelCombos();
}

bool CDlgProfFeatures::onCommand(int id, int notifyCode) {
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    switch (id) {
    case IDC_FEAT_SWITCH:
        switchClicked();
        return true;
    case IDC_FEAT_CHOOSE:
        chooseProfile();
        return true;
    case IDC_FEAT_A_LEVELS:
    case IDC_FEAT_C_LEVELS:
        editLevels();
        return true;
    default:
        return win::Dialog::onCommand(id, notifyCode);
    }
}

void CDlgProfFeatures::onOK() {
    data_.profile = selectedProfile(this, IDC_FEAT_PROFILE, names_, data_.profile);
    if (!data_.switchLabel.isEmpty()) data_.switchOn = cSwitch_;
    if (!data_.labelA.isEmpty()) data_.valueA = getItemText(IDC_FEAT_A);
    if (!data_.labelB.isEmpty()) data_.valueB = getItemText(IDC_FEAT_B);
    if (!data_.labelD.isEmpty()) data_.valueD = getItemText(IDC_FEAT_D);
    keepValueC();
    win::Dialog::onOK();
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return zrlss::runModalStarter<CDlgProfFeatures>(data);
}
