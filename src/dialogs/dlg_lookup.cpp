#include "dialogs/dlg_lookup.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/combo_box.h"

#include <array>

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgLookUp>);

// closeMode after "Show All".
constexpr int kShowAll = 2;

constexpr int kTextIds[] = {IDC_LOOKUP_TEXT1, IDC_LOOKUP_TEXT2, IDC_LOOKUP_TEXT3, IDC_LOOKUP_TEXT4,
                            IDC_LOOKUP_TEXT5};

struct TextAndItems {
    Zrl_String* text;
    Zrl_StringArray* items;
};

std::array<TextAndItems, 5> lists(VkLookUpDlgData& d) {
    return {{{&d.text1, &d.items1},
             {&d.text2, &d.items2},
             {&d.text3, &d.items3},
             {&d.text4, &d.items4},
             {&d.text5, &d.items5}}};
}

} // namespace

CDlgLookUp::CDlgLookUp(win::Window* parent) : win::Dialog(IDD_DLG_LOOKUP, parent) {}

CDlgLookUp::~CDlgLookUp() = default;

win::DialogTemplate CDlgLookUp::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_LOOKUP, 250, 200, L"Look up");
    const std::uint32_t tab = win::WS_TABSTOP;
    // Lists keep the order given: positions are read back as indexes.
    const std::uint32_t editable = tab | win::CBS_DROPDOWN | win::WS_VSCROLL;
    const std::uint32_t fixed = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    t.controls = {
        {IDC_LOOKUP_GROUP, ControlKind::Button, {7, 7, 243, 80}, win::BS_GROUPBOX, L""},
        {IDC_LOOKUP_LABEL1, ControlKind::Static, {14, 20, 70, 30}, 0, L""},
        {IDC_LOOKUP_LABEL2, ControlKind::Static, {14, 35, 70, 45}, 0, L""},
        {IDC_LOOKUP_LABEL3, ControlKind::Static, {14, 50, 70, 60}, 0, L""},
        {IDC_LOOKUP_LABEL4, ControlKind::Static, {14, 65, 70, 75}, 0, L""},
        {IDC_LOOKUP_LABEL5, ControlKind::Static, {14, 90, 70, 100}, 0, L""},
        {IDC_LOOKUP_MATCH_LABEL, ControlKind::Static, {14, 107, 70, 117}, 0, L""},
        {IDC_LOOKUP_SHOW_ALL, ControlKind::Button, {180, 179, 243, 193}, tab, L"Show all"},
        {IDC_LOOKUP_OPTION0,
         ControlKind::Button,
         {14, 140, 120, 150},
         tab | win::WS_GROUP | win::BS_AUTORADIOBUTTON,
         L""},
        {IDC_LOOKUP_OPTION1,
         ControlKind::Button,
         {124, 140, 236, 150},
         win::BS_AUTORADIOBUTTON,
         L""},
        {IDC_LOOKUP_FLAG,
         ControlKind::Button,
         {14, 156, 236, 166},
         tab | win::BS_AUTOCHECKBOX,
         L""},
        {IDC_LOOKUP_TEXT1, ControlKind::ComboBox, {74, 18, 236, 100}, editable, L""},
        {IDC_LOOKUP_TEXT2, ControlKind::ComboBox, {74, 33, 236, 115}, editable, L""},
        {IDC_LOOKUP_TEXT3, ControlKind::ComboBox, {74, 48, 236, 130}, editable, L""},
        {IDC_LOOKUP_TEXT4, ControlKind::ComboBox, {74, 63, 236, 145}, editable, L""},
        {IDC_LOOKUP_TEXT5, ControlKind::ComboBox, {74, 88, 236, 170}, editable, L""},
        {IDC_LOOKUP_MATCH, ControlKind::ComboBox, {74, 105, 150, 160}, fixed, L""},
        {IDC_LOOKUP_ORDER, ControlKind::ComboBox, {156, 105, 236, 160}, fixed, L""},
        {win::IDOK, ControlKind::Button, {7, 179, 57, 193}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 179, 113, 193}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgLookUp::onInitDialog() {
    setDialogTexts(this, 1499,
                   {{IDC_LOOKUP_GROUP, 1500},
                    {IDC_LOOKUP_LABEL1, 87},
                    {IDC_LOOKUP_LABEL4, 95},
                    {IDC_LOOKUP_LABEL5, 96},
                    {IDC_LOOKUP_MATCH_LABEL, 1501},
                    {IDC_LOOKUP_SHOW_ALL, 1503},
                    {IDC_LOOKUP_OPTION0, 1516},
                    {IDC_LOOKUP_OPTION1, 1517},
                    {IDC_LOOKUP_FLAG, 1502},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    // Two labels are texts of the second table.
    setItemText(IDC_LOOKUP_LABEL2, string(2262).str());
    setItemText(IDC_LOOKUP_LABEL3, string(2263).str());

    const auto texts = lists(data_);
    for (size_t i = 0; i < texts.size(); ++i) {
        FillCombo(this, kTextIds[i], *texts[i].items);
        setItemText(kTextIds[i], texts[i].text->str());
    }
    FillCombo(this, IDC_LOOKUP_MATCH, stringArr(dialString(88), dialString(89), dialString(1511)));
    FillCombo(this, IDC_LOOKUP_ORDER,
              stringArr(dialString(1504), dialString(1505), dialString(1506)));
    if (win::ComboBox* match = combo(IDC_LOOKUP_MATCH)) match->setCurSel(data_.choiceA);
    if (win::ComboBox* order = combo(IDC_LOOKUP_ORDER)) order->setCurSel(data_.choiceB);
    checkRadioButton(IDC_LOOKUP_OPTION0, IDC_LOOKUP_OPTION1,
                     data_.option == 0 ? IDC_LOOKUP_OPTION0 : IDC_LOOKUP_OPTION1);
    check(IDC_LOOKUP_FLAG, data_.flag ? win::BST_CHECKED : win::BST_UNCHECKED);
    enableFlag();
    return true;
}

void CDlgLookUp::enableFlag() {
    enableItem(IDC_LOOKUP_FLAG, isChecked(IDC_LOOKUP_OPTION0) == win::BST_CHECKED);
}

void CDlgLookUp::readBack() {
    const auto texts = lists(data_);
    for (size_t i = 0; i < texts.size(); ++i)
        *texts[i].text = Zrl_String(getItemText(kTextIds[i]));
    const win::ComboBox* match = combo(IDC_LOOKUP_MATCH);
    const win::ComboBox* order = combo(IDC_LOOKUP_ORDER);
    data_.choiceA = match ? match->getCurSel() : -1;
    data_.choiceB = order ? order->getCurSel() : -1;
    data_.option = isChecked(IDC_LOOKUP_OPTION0) == win::BST_CHECKED ? 0 : 1;
    data_.flag = isChecked(IDC_LOOKUP_FLAG) == win::BST_CHECKED;
    data_.closeMode = 0;
}

bool CDlgLookUp::onCommand(int id, int notifyCode) {
    if (notifyCode == win::BN_CLICKED && (id == IDC_LOOKUP_OPTION0 || id == IDC_LOOKUP_OPTION1)) {
        enableFlag();
        return true;
    }
    if (notifyCode == win::BN_CLICKED && id == IDC_LOOKUP_SHOW_ALL) {
        readBack();
        data_.closeMode = kShowAll;
        endDialog(win::IDOK);
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgLookUp::onOK() {
    readBack();
    win::Dialog::onOK();
}

bool StartDlgLookUp(VkLookUpDlgData& data) {
    return zrlss::runModalStarter<CDlgLookUp>(data);
}
