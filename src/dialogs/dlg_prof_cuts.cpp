#include "dialogs/dlg_prof_cuts.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/host/host_windows.h"
#include "platform/win/combo_box.h"

#include <algorithm>

namespace {

constexpr int kIconSelect = 217;
constexpr int kIconDelete = 206;

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgEditProfCuts>);

} // namespace

CDlgEditProfCuts::CDlgEditProfCuts(win::Window* parent)
    : win::Dialog(IDD_DLG_PROF_CUTS, parent) {}

CDlgEditProfCuts::~CDlgEditProfCuts() = default;

win::DialogTemplate CDlgEditProfCuts::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_PROF_CUTS, 211, 98, L"Profile cuts");
    const std::uint32_t tab = win::WS_TABSTOP;
    // The cut list is not sorted: its positions are the cuts' indexes.
    t.controls = {
        {IDC_PROF_CUTS_SELECT, ControlKind::Button, {7, 7, 112, 20}, tab | win::BS_ICON, L""},
        {IDC_PROF_CUTS_LIST,
         ControlKind::ComboBox,
         {7, 31, 186, 194},
         tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL,
         L""},
        {IDC_PROF_CUTS_DELETE, ControlKind::Button, {190, 31, 204, 44}, tab | win::BS_ICON, L""},
        {IDC_PROF_CUTS_KEEP, ControlKind::Button, {7, 52, 204, 65}, tab | win::BS_AUTOCHECKBOX,
         L""},
        {win::IDOK, ControlKind::Button, {151, 77, 204, 91}, tab | win::BS_DEFPUSHBUTTON,
         L"Close"},
        {win::IDCANCEL, ControlKind::Button, {7, 77, 57, 91}, tab, L"Cancel", true},
    };
    return t;
}

bool CDlgEditProfCuts::onInitDialog() {
    setUpIconButton(select_, IDC_PROF_CUTS_SELECT, this, kIconSelect, 1121);
    setUpIconButton(delete_, IDC_PROF_CUTS_DELETE, this, kIconDelete, 1122);
    setDialogTexts(this, 1123,
                   {{IDC_PROF_CUTS_SELECT, 1124}, {IDC_PROF_CUTS_KEEP, 1125}, {win::IDOK, 285}});
    fillCuts();
    selectCut(0);
    check(IDC_PROF_CUTS_KEEP, removePreviews_ ? win::BST_UNCHECKED : win::BST_CHECKED);
    return true;
}

void CDlgEditProfCuts::fillCuts() {
    Zrl_StringArray descs;
    data_.getCutDescs(descs);
    FillCombo(this, IDC_PROF_CUTS_LIST, descs);
}

void CDlgEditProfCuts::selectCut(int i) {
    win::ComboBox* cuts = combo(IDC_PROF_CUTS_LIST);
    const int n = cuts ? cuts->getCount() : 0;
    // An empty list leaves no cut selected: the record is never handed -1.
    current_ = n == 0 ? -1 : std::clamp(i, 0, n - 1);
    if (cuts) cuts->setCurSel(current_);
    if (current_ >= 0) data_.drawCutPreview(current_);
}

void CDlgEditProfCuts::cutChosen() {
    if (removePreviews_ && current_ >= 0) data_.removeCutPreview(current_);
    win::ComboBox* cuts = combo(IDC_PROF_CUTS_LIST);
    current_ = cuts ? cuts->getCurSel() : -1;
    if (current_ >= 0) data_.drawCutPreview(current_);
}

void CDlgEditProfCuts::deleteCut() {
    win::ComboBox* cuts = combo(IDC_PROF_CUTS_LIST);
    const int chosen = cuts ? cuts->getCurSel() : -1;
    if (chosen < 0) return;
    // The preview of a deleted cut would otherwise stay in the drawing for
    // good, whether previews are kept or not.
    data_.removeCutPreview(chosen);
    if (removePreviews_ && current_ >= 0 && current_ != chosen) data_.removeCutPreview(current_);
    data_.removeCut(chosen);
    fillCuts();
    selectCut(chosen);
}

void CDlgEditProfCuts::selectOtherProfile() {
    if (removePreviews_) data_.removeAllCutPreviews();
    BeginEditorCommand(this);
    if (data_.selectOtherProf()) {
        fillCuts();
        selectCut(current_);
    } else if (current_ >= 0) {
        // Nothing picked: the preview removed above comes back.
        data_.drawCutPreview(current_);
    }
    CompleteEditorCommand(this, true);
}

bool CDlgEditProfCuts::onCommand(int id, int notifyCode) {
    if (id == IDC_PROF_CUTS_LIST && notifyCode == win::CBN_SELCHANGE) {
        cutChosen();
        return true;
    }
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    switch (id) {
    case IDC_PROF_CUTS_KEEP:
        removePreviews_ = isChecked(IDC_PROF_CUTS_KEEP) != win::BST_CHECKED;
        return true;
    case IDC_PROF_CUTS_DELETE:
        deleteCut();
        return true;
    case IDC_PROF_CUTS_SELECT:
        selectOtherProfile();
        return true;
    default:
        return win::Dialog::onCommand(id, notifyCode);
    }
}

// Escape and the close box close the dialog as its Close button does: the
// deletions are made already.
void CDlgEditProfCuts::onCancel() {
    onOK();
}

void CDlgEditProfCuts::onDestroy() {
    if (removePreviews_) data_.removeAllCutPreviews();
    win::Dialog::onDestroy();
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    return zrlss::runModalStarter<CDlgEditProfCuts>(data);
}
