#include "dialogs/dlg_cis2.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/section_translation.h"
#include "platform/core/settings.h"
#include "platform/win/message_box.h"

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgCis2>);

// The controls that apply only while optionA is cleared.
constexpr int kDependent[] = {IDC_CIS2_B, IDC_CIS2_D, IDC_CIS2_E, IDC_CIS2_C_FALSE,
                              IDC_CIS2_C_TRUE};

} // namespace

CDlgCis2::CDlgCis2(win::Window* parent) : win::Dialog(IDD_DLG_CIS2, parent) {}

CDlgCis2::~CDlgCis2() = default;

win::DialogTemplate CDlgCis2::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_CIS2, 220, 150, L"CIS/2 export");
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t firstRadio = tab | win::WS_GROUP | win::BS_AUTORADIOBUTTON;
    const std::uint32_t box = tab | win::BS_AUTOCHECKBOX;
    t.controls = {
        {IDC_CIS2_HEADING, ControlKind::Static, {7, 7, 213, 17}, 0, L""},
        {IDC_CIS2_A_TRUE, ControlKind::Button, {7, 22, 110, 32}, firstRadio, L""},
        {IDC_CIS2_A_FALSE, ControlKind::Button, {114, 22, 213, 32}, win::BS_AUTORADIOBUTTON, L""},
        {IDC_CIS2_B, ControlKind::Button, {17, 40, 213, 50}, box, L""},
        {IDC_CIS2_D, ControlKind::Button, {17, 54, 213, 64}, box, L"", true},
        {IDC_CIS2_E, ControlKind::Button, {17, 54, 213, 64}, box, L""},
        {IDC_CIS2_C_FALSE, ControlKind::Button, {17, 72, 110, 82}, firstRadio, L""},
        {IDC_CIS2_C_TRUE, ControlKind::Button, {114, 72, 213, 82}, win::BS_AUTORADIOBUTTON, L""},
        {IDC_CIS2_NAMES, ControlKind::Button, {7, 100, 110, 114}, tab, L""},
        {win::IDOK, ControlKind::Button, {7, 129, 57, 143}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 129, 113, 143}, tab, L"Cancel"},
    };
    return t;
}

Zrl_String CDlgCis2::namesFile() {
    return Zrl_Settings::libDir() + kNamesFile;
}

bool CDlgCis2::onInitDialog() {
    setDialogTexts(this, 1731,
                   {{IDC_CIS2_A_TRUE, 1734},
                    {IDC_CIS2_A_FALSE, 1735},
                    {IDC_CIS2_B, 665},
                    {IDC_CIS2_D, 1736},
                    {IDC_CIS2_E, 1741},
                    {IDC_CIS2_C_FALSE, 1737},
                    {IDC_CIS2_C_TRUE, 1738},
                    {IDC_CIS2_NAMES, 1739},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    setItemText(IDC_CIS2_HEADING, (dialString(1733) + L" " + dialString(1732)).str());
    checkRadioButton(IDC_CIS2_A_TRUE, IDC_CIS2_A_FALSE,
                     data_.optionA ? IDC_CIS2_A_TRUE : IDC_CIS2_A_FALSE);
    checkRadioButton(IDC_CIS2_C_FALSE, IDC_CIS2_C_TRUE,
                     data_.optionC ? IDC_CIS2_C_TRUE : IDC_CIS2_C_FALSE);
    const auto state = [](bool on) { return on ? win::BST_CHECKED : win::BST_UNCHECKED; };
    check(IDC_CIS2_B, state(data_.optionB));
    check(IDC_CIS2_D, state(data_.optionD));
    check(IDC_CIS2_E, state(data_.optionE));
    enableOptions();
    return true;
}

void CDlgCis2::enableOptions() {
    const bool apply = isChecked(IDC_CIS2_A_FALSE) == win::BST_CHECKED;
    for (int id : kDependent)
        enableItem(id, apply);
}

void CDlgCis2::editNames() {
    const Zrl_String path = namesFile();
    Zrl_StringArray names, translations;
    Zrl_String message;
    if (!readSectionTranslation(path, names, translations, message)) {
        win::messageBox(this, message.str(), dialString(1731).str(), win::MB_ICONEXCLAMATION);
        return;
    }
    writeSectionTranslation(path, names, translations, dialString(670), dialString(1740), this);
}

bool CDlgCis2::onCommand(int id, int notifyCode) {
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    if (id == IDC_CIS2_A_TRUE || id == IDC_CIS2_A_FALSE) {
        enableOptions();
        return true;
    }
    if (id == IDC_CIS2_NAMES) {
        editNames();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgCis2::onOK() {
    const auto checked = [this](int id) { return isChecked(id) == win::BST_CHECKED; };
    data_.optionA = checked(IDC_CIS2_A_TRUE);
    data_.optionB = checked(IDC_CIS2_B);
    data_.optionC = checked(IDC_CIS2_C_TRUE);
    data_.optionD = checked(IDC_CIS2_D);
    data_.optionE = checked(IDC_CIS2_E);
    win::Dialog::onOK();
}

bool StartDlgCis2Info(VkDlgCis2Data& data) {
    return zrlss::runModalStarter<CDlgCis2>(data);
}
