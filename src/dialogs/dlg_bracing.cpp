#include "dialogs/dlg_bracing.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/combo_box.h"

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgBracing>);

// The kinds' texts are numbered in their order from this one.
constexpr int kFirstKindText = 1745;

// One member's controls.
struct Member {
    int kind, name, label;
};
constexpr Member kMembers[] = {{IDC_BRACING_KIND1, IDC_BRACING_NAME1, IDC_BRACING_NAME1_LABEL},
                               {IDC_BRACING_KIND2, IDC_BRACING_NAME2, IDC_BRACING_NAME2_LABEL}};

} // namespace

CDlgBracing::CDlgBracing(win::Window* parent) : win::Dialog(IDD_DLG_BRACING, parent) {}

CDlgBracing::~CDlgBracing() = default;

win::DialogTemplate CDlgBracing::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_BRACING, 194, 190, L"Bracing");
    const std::uint32_t tab = win::WS_TABSTOP;
    // The kinds are stored as positions and keep their order; the names are
    // read back by their text and may be sorted.
    const std::uint32_t kinds = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    const std::uint32_t names = kinds | win::CBS_SORT;
    t.controls = {
        {IDC_BRACING_GROUP1, ControlKind::Button, {7, 7, 187, 65}, win::BS_GROUPBOX, L""},
        {IDC_BRACING_KIND1, ControlKind::ComboBox, {17, 21, 179, 103}, kinds, L""},
        {IDC_BRACING_NAME1_LABEL, ControlKind::Static, {20, 42, 71, 54}, 0, L""},
        {IDC_BRACING_NAME1, ControlKind::ComboBox, {71, 40, 179, 122}, names, L""},
        {IDC_BRACING_GROUP2, ControlKind::Button, {7, 76, 187, 136}, win::BS_GROUPBOX, L""},
        {IDC_BRACING_KIND2, ControlKind::ComboBox, {17, 90, 179, 164}, kinds, L""},
        {IDC_BRACING_NAME2_LABEL, ControlKind::Static, {20, 111, 71, 123}, 0, L""},
        {IDC_BRACING_NAME2, ControlKind::ComboBox, {71, 109, 179, 191}, names, L""},
        {IDC_BRACING_SWITCH,
         ControlKind::Button,
         {7, 149, 187, 160},
         tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {7, 169, 57, 183}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {65, 169, 115, 183}, tab, L"Cancel"},
    };
    return t;
}

int CDlgBracing::findName(const Zrl_StringArray& list, const Zrl_String& name) {
    if (name.isEmpty()) return -1;
    int index = -1;
    if (list.find(name, index, false)) return index;
    for (int i = 0; i < list.length(); ++i)
        if (list[i].startsWith(name, false)) return i;
    return -1;
}

bool CDlgBracing::onInitDialog() {
    setDialogTexts(this, 1742,
                   {{IDC_BRACING_GROUP1, 1743},
                    {IDC_BRACING_GROUP2, 1744},
                    {IDC_BRACING_SWITCH, 1757},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    const Zrl_String nameLabel = appStrs(dialString(1486), L":");
    Zrl_StringArray kinds;
    for (int k = 0; k < VkBracingDlgData::kKindCount; ++k)
        kinds.append(dialString(kFirstKindText + k));
    const int kindOf[] = {data_.kind1, data_.kind2};
    const Zrl_String* nameOf[] = {&data_.name1, &data_.name2};
    for (int m = 0; m < 2; ++m) {
        const Member& member = kMembers[m];
        setItemText(member.label, nameLabel.str());
        FillCombo(this, member.kind, kinds);
        FillCombo(this, member.name, data_.names);
        if (win::ComboBox* kind = combo(member.kind)) kind->setCurSel(kindOf[m]);
        if (win::ComboBox* name = combo(member.name)) {
            Zrl_StringArray shown;
            for (int i = 0; i < name->getCount(); ++i)
                shown.append(Zrl_String(name->getLBText(i)));
            const int at = findName(shown, *nameOf[m]);
            if (at >= 0) name->setCurSel(at);
        }
    }
    check(IDC_BRACING_SWITCH, data_.switchOn ? win::BST_CHECKED : win::BST_UNCHECKED);
    enableNames();
    return true;
}

void CDlgBracing::readBack() {
    const win::ComboBox* kind1 = combo(IDC_BRACING_KIND1);
    const win::ComboBox* kind2 = combo(IDC_BRACING_KIND2);
    data_.kind1 = kind1 ? kind1->getCurSel() : -1;
    data_.kind2 = kind2 ? kind2->getCurSel() : -1;
    data_.name1 = Zrl_String(getItemText(IDC_BRACING_NAME1));
    data_.name2 = Zrl_String(getItemText(IDC_BRACING_NAME2));
    data_.switchOn = isChecked(IDC_BRACING_SWITCH) == win::BST_CHECKED;
}

void CDlgBracing::enableNames() {
    readBack();
    const int kinds[] = {data_.kind1, data_.kind2};
    for (int m = 0; m < 2; ++m) {
        const bool named = kinds[m] == VkBracingDlgData::kNamedKind;
        enableItem(kMembers[m].name, named);
        enableItem(kMembers[m].label, named);
    }
}

bool CDlgBracing::onCommand(int id, int notifyCode) {
    if (notifyCode == win::CBN_SELCHANGE && (id == IDC_BRACING_KIND1 || id == IDC_BRACING_KIND2)) {
        enableNames();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgBracing::onOK() {
    readBack();
    win::Dialog::onOK();
}

bool StartDlgBracing(VkBracingDlgData& data) {
    return zrlss::runModalStarter<CDlgBracing>(data);
}
