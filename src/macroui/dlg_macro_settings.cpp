#include "macroui/dlg_macro_settings.h"

#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "macroui/tab_macro_mapping_ids.h"
#include "platform/win/tab_control.h"
#include "standards/ss_mapping.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgMacroSettings::dialogTemplate());
});

} // namespace

CDlgMacroSettings::CDlgMacroSettings() : Dialog(IDD_DLG_MACRO_SETTINGS) {}

CDlgMacroSettings::~CDlgMacroSettings() {
    page_.reset();
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgMacroSettings::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DLG_MACRO_SETTINGS;
    t.caption = L"Macro settings";
    t.width = 350;
    t.height = 345;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_MACRO_SETTINGS_TABS, ControlKind::TabControl, {5, 5, 345, 318}, tab, L""},
        {win::IDOK, ControlKind::Button, {215, 324, 275, 340}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {280, 324, 340, 340}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgMacroSettings::onInitDialog() {
    auto* tabs = dynamic_cast<win::TabControl*>(child(IDC_MACRO_SETTINGS_TABS));
    if (!tabs) return true;
    tabs->insertItem(0, L"Standards");
    page_ = std::make_unique<CTabMacroMapping>(&record_);
    if (!page_->create(IDD_TAB_MACRO_MAPPING, tabs)) {
        page_.reset();
        return true;
    }
    const win::Rect client = tabs->clientRect();
    page_->setRect({client.left, client.top + 22, client.right - 3, client.bottom - 2});
    page_->show(true);
    tabs->setCurSel(0);
    return true;
}

void CDlgMacroSettings::onOK() {
    if (page_) modified_ = page_->apply();
    Dialog::onOK();
}

bool runMacroSettings(TabMappingData& data, bool& modified) {
    bool changed = false;
    if (!zrlss::runModalStarter<CDlgMacroSettings>(data, changed)) return false;
    modified = changed;
    return true;
}

bool runEditorMacroSettings(EditConstrData& data) {
    TabMappingData settings;
    if (!GetMacroSettings(data, settings)) return false;
    // The quantities a standard may map to come from the macro itself.
    Zrl_DbMacro model;
    GetEditMacroModel(data, model);
    VkSSMapping candidates;
    candidates.initAllVarsFromMacro(&model, nullptr);
    settings.candidates = &candidates;
    bool modified = false;
    if (!runMacroSettings(settings, modified)) return false;
    settings.candidates = nullptr;
    return SetMacroSettings(data, settings);
}
