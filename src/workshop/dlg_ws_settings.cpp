// The workshop-drawing settings dialog and its Global page.
#include "workshop/dlg_ws_settings.h"

#include "frame/dlg_prompt_string.h"
#include "frame/export.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/message_box.h"
#include "workshop/settings_ids.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CSubDlgWsSetGlobal::dialogTemplate());
});

const wchar_t* const kGlobalType = L"GlobalDlg";

// The page's texts and switches: key, control.
struct Field {
    const wchar_t* key;
    int id;
};
constexpr Field kTexts[] = {{L"mDimStyleTemplate", IDC_WSG_TEMPLATE},
                            {L"mAcadDimStyle", IDC_WSG_ACAD},
                            {L"mVkDimStyle", IDC_WSG_VK}};
constexpr Field kSwitches[] = {{L"mDSTVWeldpointsOnMarks", IDC_WSG_WELDPOINTS},
                               {L"mAddStripsToPlates", IDC_WSG_STRIPS}};

} // namespace

bool CDlgWsSettings::settingPath(int item, WsUiSettingPath& path) const {
    if (item < 0 || item >= paths_.length()) return false;
    path = paths_[item];
    return true;
}

void CDlgWsSettings::getTexts(Zrl_String& caption, Zrl_String& addText, Zrl_String& removeText) {
    caption = kCaption;
    addText = L"Nieuwe Groep";
    removeText = L"Groep verwijderen";
}

void CDlgWsSettings::fillItems(VkTreeSpread&, Zrl_Array<VkTreeItem>& items) {
    items.removeAll();
    paths_.removeAll();
    items.append(VkTreeItem(L"Global", kGlobalType, L""));
    paths_.append(WsUiSettingPath::root());
    items.append(VkTreeItem(L"Assembly", L"AssemblyDlg", L"Global"));
    paths_.append(WsUiSettingPath::root());
}

std::unique_ptr<CDlgGeneralSettingsChild> CDlgWsSettings::createPage(const Zrl_String& type,
                                                                     win::ResourceId& resource) {
    if (!type.equal(kGlobalType, true)) return nullptr;
    resource = IDD_WS_SET_GLOBAL;
    return std::make_unique<CSubDlgWsSetGlobal>(this);
}

void CDlgWsSettings::onAdd() {
    Zrl_StringArray names;
    settings_.allGroupNames(names);
    const auto name = promptString(L"Naam ingeven", L"Geef een unieke naam voor de nieuwe groep:",
                                   findNonExistingString(names, L"Groep"), dialString(1),
                                   dialString(2), this);
    if (!name) return;
    if (names.contains(*name, false)) {
        win::messageBox(this,
                        L"Deze naam is reeds in gebruik.\nU dient een naam in te geven die nog "
                        L"niet gebruikt wordt.\n",
                        kCaption, win::MB_OK | win::MB_ICONINFORMATION);
        return;
    }
    settings_.appendGroup(WsUiSubGroupSettings(*name));
    saveShownPage();
    rebuildItems();
    selectItem(0);
}

CSubDlgWsSetGlobal::CSubDlgWsSetGlobal(win::Window* parent)
    : CDlgGeneralSettingsChild(IDD_WS_SET_GLOBAL, parent) {}

CSubDlgWsSetGlobal::~CSubDlgWsSetGlobal() {
    if (isCreated()) destroy();
}

win::DialogTemplate CSubDlgWsSetGlobal::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_WS_SET_GLOBAL;
    t.width = 270;
    t.height = 198;
    t.style = win::WS_CHILD;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    const std::uint32_t check = tab | win::BS_AUTOCHECKBOX;
    t.controls = {
        {IDC_WSG_TEMPLATE_LABEL, ControlKind::Static, {7, 9, 120, 19}, 0, L"Template met dimension styles:"},
        {IDC_WSG_TEMPLATE, ControlKind::Edit, {125, 7, 263, 19}, field, L""},
        {IDC_WSG_ACAD_LABEL, ControlKind::Static, {7, 27, 120, 37}, 0, L"AutoCAD dimension style:"},
        {IDC_WSG_ACAD, ControlKind::Edit, {125, 25, 263, 37}, field, L""},
        {IDC_WSG_VK_LABEL, ControlKind::Static, {7, 45, 120, 55}, 0, L"Vendrik dimension style:"},
        {IDC_WSG_VK, ControlKind::Edit, {125, 43, 263, 55}, field, L""},
        {IDC_WSG_WELDPOINTS, ControlKind::Button, {7, 63, 263, 73}, check, L"DSTV laspunten op merken"},
        {IDC_WSG_STRIPS, ControlKind::Button, {7, 79, 263, 89}, check, L"Strippen toevoegen bij platen"},
        {IDC_WSG_GROUPS_LABEL, ControlKind::Static, {7, 99, 60, 109}, 0, L"Groups :"},
        {IDC_WSG_GROUPS, ControlKind::ComboBox, {65, 97, 170, 160}, tab | win::CBS_DROPDOWNLIST, L""},
        {IDC_WSG_GROUP_ADD, ControlKind::Button, {175, 97, 190, 109}, tab, L"+"},
        {IDC_WSG_GROUP_REMOVE, ControlKind::Button, {194, 97, 209, 109}, tab, L"-"},
        {IDC_WSG_GROUP_RENAME, ControlKind::Button, {213, 97, 263, 109}, tab, L"Rename"},
    };
    return t;
}

CDlgWsSettings* CSubDlgWsSetGlobal::ownerFor(int item, WsUiSettingPath& path) const {
    auto* owner = dynamic_cast<CDlgWsSettings*>(parent());
    if (!owner || !owner->settingPath(item, path)) return nullptr;
    return owner;
}

ErrorStatus CSubDlgWsSetGlobal::loadItem(int item) {
    WsUiSettingPath path;
    CDlgWsSettings* owner = ownerFor(item, path);
    if (!owner) return Acad::eInvalidIndex;
    const WsUiGlobalSettings& settings = owner->record();
    for (const Field& f : kTexts)
        setItemText(f.id, settings.getSetting(createPath(path, f.key)).str());
    for (const Field& f : kSwitches) {
        int value = 0;
        settings.getSetting(createPath(path, f.key), value);
        check(f.id, value != 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
    }
    return Acad::eOk;
}

ErrorStatus CSubDlgWsSetGlobal::saveItem(int item) {
    WsUiSettingPath path;
    CDlgWsSettings* owner = ownerFor(item, path);
    if (!owner) return Acad::eInvalidIndex;
    WsUiGlobalSettings& settings = owner->record();
    for (const Field& f : kTexts)
        settings.setSetting(createPath(path, f.key), Zrl_String(getItemText(f.id)));
    for (const Field& f : kSwitches)
        settings.setSetting(createPath(path, f.key), isChecked(f.id) == win::BST_CHECKED ? 1 : 0);
    return Acad::eOk;
}

ZRLSS_EXPORT bool StartDlgWsSettings(WsUiGlobalSettings& settings) {
    return zrlss::runModalStarter<CDlgWsSettings>(settings);
}
