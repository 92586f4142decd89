#include "macroui/dlg_edit_macro.h"

#include "dialogs/dialog_setup.h"
#include "frame/dlg_prompt_string.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "frame/single_modeless.h"
#include "macroui/dlg_macro_settings.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/host/command_line.h"
#include "platform/host/host_windows.h"
#include "platform/win/combo_box.h"
#include "platform/win/tab_control.h"

namespace {

constexpr const wchar_t* kSizeName = L"DLG_EDIT_MACRO";

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgEditMacro>);

zrlss::SingleModeless<CDlgEditMacro>& editor() {
    static zrlss::SingleModeless<CDlgEditMacro> single;
    return single;
}

} // namespace

CDlgEditMacro::CDlgEditMacro(win::Window* parent) : win::Dialog(IDD_DLG_EDIT_MACRO, parent) {}

CDlgEditMacro::~CDlgEditMacro() {
    for (auto& p : pages_)
        p.reset();
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgEditMacro::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_EDIT_MACRO, 345, 300, L"", true);
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_EDITMACRO_MODULES, ControlKind::ComboBox, {5, 5, 130, 120},
         tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL, L""},
        {IDC_EDITMACRO_SELECT, ControlKind::Button, {135, 5, 175, 19}, tab, L"Select"},
        {IDC_EDITMACRO_RENAME, ControlKind::Button, {178, 5, 218, 19}, tab, L"Rename"},
        {IDC_EDITMACRO_REMOVE, ControlKind::Button, {221, 5, 261, 19}, tab, L"Remove"},
        {IDC_EDITMACRO_SETTINGS, ControlKind::Button, {264, 5, 304, 19}, tab, L"Settings"},
        {IDC_EDITMACRO_ADD_MODULE, ControlKind::Button, {135, 22, 218, 36}, tab, L"Add module"},
        {IDC_EDITMACRO_ZOOM, ControlKind::Button, {221, 22, 261, 36}, tab, L"Zoom"},
        {IDC_EDITMACRO_TABS, ControlKind::TabControl, {5, 40, 340, 275}, tab, L""},
        {win::IDOK, ControlKind::Button, {225, 280, 280, 294}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {285, 280, 340, 294}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgEditMacro::onInitDialog() {
    setDialogTexts(this, 2700,
                   {{win::IDOK, 1},
                    {win::IDCANCEL, 2},
                    {IDC_EDITMACRO_SELECT, 2705},
                    {IDC_EDITMACRO_RENAME, 2706},
                    {IDC_EDITMACRO_REMOVE, 2707},
                    {IDC_EDITMACRO_SETTINGS, 2708},
                    {IDC_EDITMACRO_ADD_MODULE, 2709},
                    {IDC_EDITMACRO_ZOOM, 2710}});
    getDlgSize(this, minWidth_, minHeight_);
    using R = CResizer;
    resizer_.init(this, {R::rule(IDC_EDITMACRO_TABS, R::kNear, R::kNear, R::kFar, R::kFar),
                         R::rule(win::IDOK, R::kFar, R::kFar, R::kFar, R::kFar),
                         R::rule(win::IDCANCEL, R::kFar, R::kFar, R::kFar, R::kFar)});
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);
    MacroGetModules(data_);
    fillModules();

    auto* tabs = dynamic_cast<win::TabControl*>(child(IDC_EDITMACRO_TABS));
    if (!tabs) return true;
    pages_[kRules] = std::make_unique<CTabEditConstraints>(&data_);
    pages_[kGeometries] = std::make_unique<CTabGeometries>(&data_);
    pages_[kVariables] = std::make_unique<CTabEditVars>(&data_);
    pages_[kCommands] =
        std::make_unique<CTabMacroCommands>(&data_, [this](int command) { runCommand(command); });
    const int ids[kPageCount] = {IDD_TAB_EDIT_CONSTRAINTS, IDD_TAB_GEOMETRIES, IDD_TAB_EDIT_VARS,
                                 IDD_TAB_MACRO_COMMANDS};
    const win::Rect client = tabs->clientRect();
    for (int p = 0; p < kPageCount; ++p) {
        tabs->insertItem(p, dialString(2701 + p).str());
        if (!pages_[p]->create(ids[p], tabs)) {
            pages_[p].reset();
            continue;
        }
        pages_[p]->setRect({client.left, client.top + 22, client.right - 3, client.bottom - 2});
        pages_[p]->show(false);
    }
    tabs->setCurSel(kRules);
    showPage(kRules);
    // The focus starts in the rules page's name field.
    return !(pages_[kRules] && pages_[kRules]->focusItem(IDC_RULE_NAME));
}

int CDlgEditMacro::currentPage() const {
    auto* tabs = dynamic_cast<win::TabControl*>(child(IDC_EDITMACRO_TABS));
    return tabs ? tabs->getCurSel() : -1;
}

void CDlgEditMacro::showPage(int page) {
    // The page left writes its edits and clears its highlight first.
    if (shownPage_ >= 0 && shownPage_ != page && pages_[shownPage_]) pages_[shownPage_]->leave();
    shownPage_ = page;
    if (auto* tabs = dynamic_cast<win::TabControl*>(child(IDC_EDITMACRO_TABS)))
        if (tabs->getCurSel() != page) tabs->setCurSel(page);
    for (int p = 0; p < kPageCount; ++p) {
        if (!pages_[p]) continue;
        if (p == page) pages_[p]->refresh();
        pages_[p]->show(p == page);
    }
}

void CDlgEditMacro::fillModules() {
    auto* list = dynamic_cast<win::ComboBox*>(child(IDC_EDITMACRO_MODULES));
    if (!list) return;
    list->resetContent();
    for (const Zrl_String& m : data_.modules)
        list->addString(m.str());
    int at = -1;
    data_.modules.find(data_.currentModule, at, false);
    list->setCurSel(at);
}

Zrl_String CDlgEditMacro::selectedModule() const {
    auto* list = dynamic_cast<win::ComboBox*>(child(IDC_EDITMACRO_MODULES));
    if (!list || list->getCurSel() < 0) return {};
    return Zrl_String(list->getLBText(list->getCurSel()));
}

void CDlgEditMacro::refreshPages() {
    for (auto& p : pages_)
        if (p) p->refresh();
}

void CDlgEditMacro::commitPages() {
    for (auto& p : pages_)
        if (p) p->commit();
}

void CDlgEditMacro::forgetChoices() {
    data_.currentRule = -1;
    data_.currentGeometry = -1;
}

void CDlgEditMacro::pickModule(int index) {
    commitPages();
    forgetChoices();
    // Every module the list shows is made current in the core first, so the
    // pages never show (and edits never reach) another module than the
    // list; with no module left the pages are empty.
    data_.currentModule = index >= 0 && index < data_.modules.length() ? data_.modules[index]
                                                                        : Zrl_String();
    SetCurrentModule(data_);
    fillModules();
    refreshPages();
}

void CDlgEditMacro::selectOtherMacro() {
    commitPages();
    if (!macroui::inDrawing(this, [&] { return SelectOtherMacro(data_); })) return;
    forgetChoices();
    MacroGetModules(data_);
    fillModules();
    refreshPages();
}

void CDlgEditMacro::renameModule() {
    commitPages();
    const Zrl_String old = selectedModule();
    if (old.isEmpty()) return;
    const auto name =
        promptString(dialString(87), dialString(87), old, dialString(1), dialString(2), this);
    if (!name || *name == old) return;
    if (!RenameModule(data_, old, *name)) return;
    fillModules();
    refreshPages();
}

void CDlgEditMacro::removeModule() {
    commitPages();
    const Zrl_String name = selectedModule();
    int at = -1;
    if (name.isEmpty() || !data_.modules.find(name, at, false)) return;
    if (!RemoveModule(data_, name)) return;
    // The previous entry when the last one went, else the one that took
    // the removed one's place.
    pickModule(std::min(at, data_.modules.length() - 1));
}

void CDlgEditMacro::zoom() {
    if (zoomRunning_) return;
    zoomRunning_ = true;
    commitPages();
    macroui::inDrawing(this, [&] { return ZoomCommand(data_); });
    zoomRunning_ = false;
}

void CDlgEditMacro::runCommand(int command) {
    commitPages();
    if (!macroui::inDrawing(this, [&] { return StartMacroCommand(data_, command); })) return;
    if (command <= 10) {
        showPage(kRules);
        fillModules();
        refreshPages();
    } else if (command == 11) {
        pickModule(data_.modules.length() - 1);
    }
}

void CDlgEditMacro::settings() {
    commitPages();
    if (runEditorMacroSettings(data_)) refreshPages();
}

bool CDlgEditMacro::onCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_EDITMACRO_MODULES:
        if (notifyCode != win::CBN_SELCHANGE) break;
        if (auto* list = dynamic_cast<win::ComboBox*>(child(id))) pickModule(list->getCurSel());
        return true;
    case IDC_EDITMACRO_SELECT:
        selectOtherMacro();
        return true;
    case IDC_EDITMACRO_RENAME:
        renameModule();
        return true;
    case IDC_EDITMACRO_REMOVE:
        removeModule();
        return true;
    case IDC_EDITMACRO_SETTINGS:
        settings();
        return true;
    case IDC_EDITMACRO_ADD_MODULE:
        runCommand(11);
        return true;
    case IDC_EDITMACRO_ZOOM:
        zoom();
        return true;
    default:
        break;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

bool CDlgEditMacro::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    if (id == IDC_EDITMACRO_TABS && hdr.code == win::TCN_SELCHANGE) {
        showPage(currentPage());
        return true;
    }
    return win::Dialog::onNotify(id, hdr, result);
}

void CDlgEditMacro::close(int code) {
    // The modeless editor ends itself; its deletion waits for the message
    // loop, so returning here is safe.
    if (modeless)
        EndDlgEditConstraints();
    else
        endDialog(code);
}

void CDlgEditMacro::onOK() {
    close(win::IDOK);
}

void CDlgEditMacro::onCancel() {
    close(win::IDCANCEL);
}

void CDlgEditMacro::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized() || keepMinimumSize(this, minWidth_, minHeight_)) return;
    resizer_.move();
}

void CDlgEditMacro::onDestroy() {
    // However the editor ends (OK, Cancel, closing, unload), what was typed
    // is written and the highlighted geometry cleared.
    commitPages();
    if (pages_[kGeometries]) pages_[kGeometries]->leave();
    macroui::endRecentSelection();
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}

bool StartDlgEditConstraints(EditConstrData& data) {
    try {
        return zrlss::startModelessEditor<CDlgEditMacro>(
            editor(), [&]() -> std::unique_ptr<CDlgEditMacro> {
                zrlss::ResourceScope resources;
                auto dlg = std::make_unique<CDlgEditMacro>(adsw_acadMainWnd());
                dlg->record() = data;
                dlg->modeless = true;
                if (!dlg->create(IDD_DLG_EDIT_MACRO, adsw_acadMainWnd())) return nullptr;
                dlg->show(true);
                return dlg;
            });
    } catch (...) {
        return true;
    }
}

void EndDlgEditConstraints() {
    zrlss::endModelessEditor(editor());
}

bool StartDlgEditConstrModal(EditConstrData& data) {
    try {
        zrlss::ResourceScope resources;
        CDlgEditMacro dlg;
        dlg.record() = data;
        return dlg.doModal() == win::IDOK;
    } catch (...) {
        return false;
    }
}

namespace macroui {
CDlgEditMacro* modelessEditMacro() {
    return editor().get();
}
} // namespace macroui
