#include "dialogs/dlg_levels.h"

#include "dialogs/dialog_setup.h"
#include "frame/dlg_prompt_string.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/number_text.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/combo_box.h"
#include "platform/win/message_box.h"

#include <algorithm>

namespace {

constexpr int kIconAdd = 212;
constexpr int kIconDelete = 206;
// How often the name of a new level is asked before the add is given up.
constexpr int kMaxNameAsks = 20;

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgLevels>);

} // namespace

CDlgLevels::CDlgLevels(win::Window* parent) : win::Dialog(IDD_DLG_LEVELS, parent) {}

CDlgLevels::~CDlgLevels() = default;

win::DialogTemplate CDlgLevels::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_LEVELS, 208, 162, L"Levels");
    const std::uint32_t tab = win::WS_TABSTOP;
    // Only the reference list is read back by its text and may stay sorted;
    // the level list's positions are the levels' indexes.
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {IDC_LEVELS_LIST, ControlKind::ComboBox, {7, 12, 157, 149}, list, L""},
        {IDC_LEVELS_ADD, ControlKind::Button, {165, 12, 179, 25}, tab | win::BS_ICON, L""},
        {IDC_LEVELS_DELETE, ControlKind::Button, {187, 12, 201, 25}, tab | win::BS_ICON, L""},
        {IDC_LEVELS_GROUP, ControlKind::Button, {7, 33, 201, 128}, win::BS_GROUPBOX, L"Level"},
        {IDC_LEVELS_NAME_LABEL, ControlKind::Static, {14, 47, 80, 57}, 0, L"Name"},
        {IDC_LEVELS_NAME, ControlKind::Edit, {84, 45, 194, 57}, field | win::WS_DISABLED, L""},
        {IDC_LEVELS_REF_LABEL, ControlKind::Static, {14, 67, 80, 77}, 0, L"Reference level"},
        {IDC_LEVELS_REFERENCE,
         ControlKind::ComboBox,
         {84, 65, 194, 150},
         list | win::CBS_SORT | win::WS_DISABLED,
         L""},
        {IDC_LEVELS_VALUE_LABEL, ControlKind::Static, {14, 87, 80, 97}, 0, L"Value"},
        {IDC_LEVELS_VALUE, ControlKind::Edit, {84, 85, 194, 97}, field, L""},
        {IDC_LEVELS_ABS_LABEL, ControlKind::Static, {14, 107, 80, 117}, 0, L"Level"},
        {IDC_LEVELS_ABSOLUTE,
         ControlKind::Edit,
         {84, 105, 194, 117},
         field | win::WS_DISABLED,
         L""},
        {win::IDOK, ControlKind::Button, {7, 141, 57, 155}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {65, 141, 115, 155}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgLevels::onInitDialog() {
    setUpIconButton(add_, IDC_LEVELS_ADD, this, kIconAdd, 131);
    setUpIconButton(delete_, IDC_LEVELS_DELETE, this, kIconDelete, 134);
    setDialogTexts(this, 1478,
                   {{IDC_LEVELS_GROUP, 760},
                    {IDC_LEVELS_NAME_LABEL, 87},
                    {IDC_LEVELS_REF_LABEL, 1473},
                    {IDC_LEVELS_VALUE_LABEL, 593},
                    {IDC_LEVELS_ABS_LABEL, 1474},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    fillLevels();
    showLevel(0);
    return true;
}

void CDlgLevels::fillLevels() {
    Zrl_StringArray names;
    data_.getNames(names);
    FillCombo(this, IDC_LEVELS_LIST, names);
}

void CDlgLevels::clearFields() {
    for (int id : {IDC_LEVELS_NAME, IDC_LEVELS_VALUE, IDC_LEVELS_ABSOLUTE})
        setItemText(id, L"");
    FillCombo(this, IDC_LEVELS_REFERENCE, Zrl_StringArray());
}

void CDlgLevels::showLevel(int i) {
    Zrl_String name, reference;
    double value = 0, absolute = 0;
    if (data_.getLevelData(i, name, reference, value, absolute)) {
        Zrl_StringArray others;
        data_.getNames(others);
        int self = -1;
        if (others.find(name, self, false)) others.removeAt(self);
        FillCombo(this, IDC_LEVELS_REFERENCE, others);
        setItemText(IDC_LEVELS_NAME, name.str());
        if (win::ComboBox* refs = combo(IDC_LEVELS_REFERENCE))
            refs->setCurSel(reference.isEmpty() ? -1 : refs->findStringExact(-1, reference.str()));
        setItemText(IDC_LEVELS_VALUE, Zrl_String(value, 3).str());
        setItemText(IDC_LEVELS_ABSOLUTE, Zrl_String(absolute, 3).str());
        index_ = i;
    } else {
        // Nothing shown may be kept into a level it does not belong to.
        clearFields();
        index_ = -1;
    }
    if (win::ComboBox* levels = combo(IDC_LEVELS_LIST)) levels->setCurSel(index_);
    newLevel_ = false;
    enableItem(IDC_LEVELS_REFERENCE, false);
    enableItem(IDC_LEVELS_NAME, false);
    enableItem(IDC_LEVELS_ABSOLUTE, false);
}

void CDlgLevels::keepLevel() {
    if (index_ < 0) return;
    data_.updateLevel(index_, fieldDouble(Zrl_String(getItemText(IDC_LEVELS_VALUE))));
    if (newLevel_) data_.updateLevel(index_, Zrl_String(getItemText(IDC_LEVELS_REFERENCE)));
}

void CDlgLevels::addLevel() {
    keepLevel();
    Zrl_StringArray taken;
    data_.getNames(taken);
    taken.append(L"wcs");
    Zrl_DlgPromptString prompt(dialString(87), dialString(1475), dialString(171), dialString(1),
                               dialString(2), this);
    const auto accept = [&](const Zrl_String& typed) {
        const Zrl_String name = typed.trimmed();
        if (name.isEmpty()) return false;
        if (!taken.contains(name, false)) return true;
        win::messageBox(this, (dialString(857) + L".\n" + dialString(858) + L".").str(),
                        dialString(856).str(), win::MB_ICONEXCLAMATION);
        return false;
    };
    const auto name = promptStringUntil(prompt, accept, kMaxNameAsks);
    int added = -1;
    if (!name || !data_.addLevel(name->trimmed(), added)) return;
    fillLevels();
    showLevel(added);
    newLevel_ = true;
    enableItem(IDC_LEVELS_REFERENCE, true);
}

void CDlgLevels::deleteLevel() {
    const int deleted = index_;
    if (!data_.deleteLevel(deleted)) return;
    fillLevels();
    // The level before the deleted one (the first when that was the first);
    // none left clears the fields.
    showLevel(std::max(deleted - 1, 0));
}

bool CDlgLevels::onCommand(int id, int notifyCode) {
    if (id == IDC_LEVELS_LIST && notifyCode == win::CBN_SELCHANGE) {
        keepLevel();
        if (win::ComboBox* levels = combo(IDC_LEVELS_LIST)) showLevel(levels->getCurSel());
        return true;
    }
    if (notifyCode == win::BN_CLICKED && id == IDC_LEVELS_ADD) {
        addLevel();
        return true;
    }
    if (notifyCode == win::BN_CLICKED && id == IDC_LEVELS_DELETE) {
        deleteLevel();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgLevels::onOK() {
    keepLevel();
    win::Dialog::onOK();
}

bool StartDlgLevels(VkLevelsDlgData& data) {
    return zrlss::runModalStarter<CDlgLevels>(data);
}
