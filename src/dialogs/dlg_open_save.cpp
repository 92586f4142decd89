// CDlgOpenSave: the filtered open and save dialog.
#include "dialogs/dlg_open_save.h"

#include "frame/minimum_size.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/files.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/list_box.h"
#include "platform/win/message_box.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgOpenSave::dialogTemplate());
});

// Removes every entry equal to `name` (without case).
void removeName(Zrl_StringArray& names, const Zrl_String& name) {
    int at = 0;
    while (names.find(name, at, false, at))
        names.removeAt(at);
}

} // namespace

CDlgOpenSave::CDlgOpenSave(win::Window* parent) : Dialog(IDD_DLG_OPENSAVE, parent) {}

CDlgOpenSave::~CDlgOpenSave() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgOpenSave::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DLG_OPENSAVE;
    t.width = 198;
    t.height = 183;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_OPENSAVE_LIST,
         ControlKind::ListBox,
         {5, 5, 171, 119},
         tab | win::LBS_NOTIFY | win::LBS_SORT | win::WS_VSCROLL | win::WS_BORDER,
         L""},
        {IDC_OPENSAVE_NAME,
         ControlKind::Edit,
         {5, 130, 171, 142},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL,
         L""},
        {IDC_OPENSAVE_DELETE, ControlKind::Button, {178, 5, 193, 20}, tab, L""},
        {IDC_OPENSAVE_STANDARD,
         ControlKind::Button,
         {5, 148, 193, 159},
         tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {72, 164, 132, 178}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {143, 164, 193, 178}, tab, L"Cancel"},
    };
    return t;
}

const Zrl_StringArray& CDlgOpenSave::shownNames() const {
    return isChecked(IDC_OPENSAVE_STANDARD) == win::BST_CHECKED ? secondNames : firstNames;
}

bool CDlgOpenSave::onInitDialog() {
    deleteButton_.SubclassDlgItem(IDC_OPENSAVE_DELETE, this);
    deleteButton_.SetFlat(false);
    deleteButton_.DrawFlatFocus(false);
    deleteButton_.SetTooltipText(L"Selectie verwijderen...");
    deleteButton_.SetIcon(IDI_OPENSAVE_DELETE);

    getDlgSize(this, minWidth_, minHeight_);
    using R = CResizer;
    resizer_.init(this, {
                            R::rule(IDC_OPENSAVE_LIST, R::kNear, R::kNear, R::kFar, R::kFar),
                            R::rule(IDC_OPENSAVE_DELETE, R::kFar, R::kNear, R::kFar, R::kNear),
                            R::rule(IDC_OPENSAVE_NAME, R::kNear, R::kFar, R::kFar, R::kFar),
                            R::rule(IDC_OPENSAVE_STANDARD, R::kNear, R::kFar, R::kFar, R::kFar),
                            R::rule(win::IDOK, R::kFar, R::kFar, R::kFar, R::kFar),
                            R::rule(win::IDCANCEL, R::kFar, R::kFar, R::kFar, R::kFar),
                        });
    fillList();
    if (saveMode == 0) enableItem(IDC_OPENSAVE_NAME, false);

    setText(dialString(saveMode == 0 ? 1126 : 1127).str());
    setItemText(IDC_OPENSAVE_STANDARD, dialString(1498).str());
    setItemText(win::IDOK, dialString(saveMode == 0 ? 841 : 842).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);
    return true;
}

void CDlgOpenSave::fillList() {
    FillList(this, IDC_OPENSAVE_LIST, shownNames());
}

Zrl_String CDlgOpenSave::selectedName() const {
    const win::ListBox* list = listBox(IDC_OPENSAVE_LIST);
    if (!list) return {};
    const int sel = list->getCurSel();
    if (sel < 0) return {};
    return Zrl_String(list->getText(sel)).trimmed();
}

bool CDlgOpenSave::onCommand(int id, int notifyCode) {
    if (id == IDC_OPENSAVE_LIST && notifyCode == win::LBN_SELCHANGE) {
        const Zrl_String name = selectedName();
        if (!name.isEmpty()) setItemText(IDC_OPENSAVE_NAME, name.str());
        return true;
    }
    if (id == IDC_OPENSAVE_LIST && notifyCode == win::LBN_DBLCLK) {
        onOK();
        return true;
    }
    if (id == IDC_OPENSAVE_STANDARD && notifyCode == win::BN_CLICKED) {
        fillList();
        return true;
    }
    if (id == IDC_OPENSAVE_DELETE && notifyCode == win::BN_CLICKED) {
        deleteSelected();
        return true;
    }
    return false;
}

bool CDlgOpenSave::confirmOverwrite(const Zrl_String& name) {
    if (!fileExists(pathOf(name))) return true;
    Zrl_String text = dialString(1128) + L"\n";
    if (!firstNames.contains(name, false)) text += dialString(1129) + L"\n";
    text += L"\n" + dialString(1130) + L"\n";
    return win::messageBox(this, text.str(), dialString(1131).str(),
                           win::MB_YESNOCANCEL | win::MB_ICONEXCLAMATION) == win::IDYES;
}

void CDlgOpenSave::onOK() {
    const Zrl_String name = Zrl_String(getItemText(IDC_OPENSAVE_NAME)).trimmed();
    if (name.isEmpty()) return;
    if (saveMode != 0) {
        if (warnInvalidFileName(name, this)) return;
        if (!confirmOverwrite(name)) return;
    }
    name_ = name;
    win::Dialog::onOK();
}

void CDlgOpenSave::deleteSelected() {
    const Zrl_String name = selectedName();
    if (name.isEmpty()) return;
    const Zrl_String text = dialString(1132) + L" \"" + name + L"\" " + dialString(1133) + L"\n" +
                            dialString(1134) + L"\n";
    if (win::messageBox(this, text.str(), dialString(1135).str(),
                        win::MB_YESNO | win::MB_ICONEXCLAMATION) != win::IDYES)
        return;
    if (!deleteFile(pathOf(name))) return;
    removeName(firstNames, name);
    removeName(secondNames, name);
    fillList();
}

void CDlgOpenSave::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized()) return;
    if (zrlss::keepMinimumSize(*this, minWidth_, minHeight_)) return;
    resizer_.move();
}

void CDlgOpenSave::onDestroy() {
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}
