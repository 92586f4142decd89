// The DSTV point groups dialog.
#include "workshop/dlg_dstv_groups.h"

#include "frame/dlg_prompt_string.h"
#include "frame/export.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dstv_points_files.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/text_helpers.h"
#include "platform/win/message_box.h"
#include "workshop/dlg_dstv_point.h"
#include "workshop/dstv_ids.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgDstvGroups::dialogTemplate());
});

void warn(win::Window* parent, const Zrl_String& text) {
    win::messageBox(parent, text.str(), dialString(863).str(),
                    win::MB_OK | win::MB_ICONEXCLAMATION);
}

Zrl_String quoted(const Zrl_String& name) {
    return Zrl_String(L"\"") + name + L"\"";
}

} // namespace

bool refuseGroupName(const Zrl_String& name, win::Window* parent) {
    if (isValidDstvGroupName(name)) return false;
    if (warnInvalidFileName(name, parent)) return true;
    win::messageBox(parent,
                    (quoted(name) + L"\nA group name must not be blank, end in \".\" or a "
                                    L"blank, or be a device name such as CON or NUL.")
                        .str(),
                    L"Invalid name", win::MB_OK | win::MB_ICONEXCLAMATION);
    return true;
}

CDlgDstvGroups::CDlgDstvGroups(win::Window* parent) : Dialog(IDD_DSTV_GROUPS, parent) {}

CDlgDstvGroups::~CDlgDstvGroups() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgDstvGroups::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DSTV_GROUPS;
    t.width = 230;
    t.height = 60;
    t.caption = L"DSTV point groups";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_DSTV_GROUP_LIST, ControlKind::ComboBox, {7, 7, 160, 100}, tab | win::CBS_DROPDOWNLIST, L""},
        {IDC_DSTV_GROUP_ADD, ControlKind::Button, {165, 7, 190, 20}, tab, L"+"},
        {IDC_DSTV_GROUP_REMOVE, ControlKind::Button, {195, 7, 220, 20}, tab, L"-"},
        {IDC_DSTV_GROUP_USE, ControlKind::Button, {7, 36, 77, 50}, tab, L""},
        {IDC_DSTV_GROUP_EDIT, ControlKind::Button, {81, 36, 151, 50}, tab, L""},
        {win::IDCANCEL, ControlKind::Button, {165, 36, 220, 50}, tab, L""},
    };
    return t;
}

bool CDlgDstvGroups::onInitDialog() {
    setText(dialString(863).str());
    setItemText(win::IDCANCEL, dialString(285).str());
    setItemText(IDC_DSTV_GROUP_USE, dialString(861).str());
    setItemText(IDC_DSTV_GROUP_EDIT, dialString(862).str());
    groups_.SubclassDlgItem(IDC_DSTV_GROUP_LIST, this);
    fill(0);
    return true;
}

Zrl_String CDlgDstvGroups::selectedGroup() const {
    const int sel = groups_.getCurSel();
    return sel >= 0 ? Zrl_String(groups_.getLBText(sel)) : Zrl_String();
}

void CDlgDstvGroups::fill(int index) {
    Zrl_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    const Zrl_String standard = DlgDstvPoints::getStandardDstvPointsFile();
    groups_.resetContent();
    for (const Zrl_String& name : names)
        groups_.AddString(name, !standard.isEmpty() && name.equal(standard, false));
    groups_.setCurSel(names.isEmpty() ? -1 : std::clamp(index, 0, names.length() - 1));
}

void CDlgDstvGroups::addGroup() {
    const auto name = promptString(dialString(87), dialString(864), dialString(171),
                                   dialString(1), dialString(2), this);
    if (!name || refuseGroupName(*name, this)) return;
    Zrl_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    if (names.contains(*name, false)) {
        win::messageBox(this, (dialString(857) + L".\n" + dialString(858) + L".").str(),
                        dialString(856).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
        return;
    }
    if (!DlgDstvPoints::writeToFile(*name, Zrl_DstvPointList()))
        warn(this, Zrl_String(L"The group ") + quoted(*name) + L" could not be written to " +
                       DlgDstvPoints::groupPath(*name) + L".");
    fill(groups_.getCurSel());
}

void CDlgDstvGroups::removeGroup() {
    const Zrl_String name = selectedGroup();
    if (name.isEmpty()) return;
    if (!DlgDstvPoints::removeFile(name))
        warn(this, Zrl_String(L"The group ") + quoted(name) + L" could not be deleted.");
    fill(groups_.getCurSel());
}

void CDlgDstvGroups::useGroup() {
    const Zrl_String name = selectedGroup();
    if (name.isEmpty()) return;
    if (!DlgDstvPoints::setStandardDstvPointsFile(name))
        warn(this, Zrl_String(L"The standard group could not be set to ") + quoted(name) + L".");
    fill(groups_.getCurSel());
}

void CDlgDstvGroups::editGroup() {
    const Zrl_String name = selectedGroup();
    if (name.isEmpty()) return;
    CDlgDstvPoint editor(this);
    DstvReadError error;
    if (!DlgDstvPoints::readFromFile(name, editor.record(), &error)) {
        warn(this, Zrl_String(L"The group ") + quoted(name) + L" is not edited: " +
                       DlgDstvPoints::groupPath(name) + L": " + error.text() + L".");
        return;
    }
    if (editor.doModal() != win::IDOK) return;
    if (!DlgDstvPoints::writeToFile(name, editor.record()))
        warn(this, Zrl_String(L"The group ") + quoted(name) + L" could not be written to " +
                       DlgDstvPoints::groupPath(name) + L"; it keeps its earlier points.");
}

bool CDlgDstvGroups::onCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_DSTV_GROUP_LIST:
        // A click toggles an entry's check mark; the marks show only the
        // standard group, which Use sets.
        if (notifyCode == win::CBN_SELCHANGE) fill(groups_.getCurSel());
        return true;
    case IDC_DSTV_GROUP_ADD:
        addGroup();
        return true;
    case IDC_DSTV_GROUP_REMOVE:
        removeGroup();
        return true;
    case IDC_DSTV_GROUP_USE:
        useGroup();
        return true;
    case IDC_DSTV_GROUP_EDIT:
        editGroup();
        return true;
    default:
        return false;
    }
}

ZRLSS_EXPORT void StartDSTVPointsDlg() {
    try {
        zrlss::ResourceScope resources;
        CDlgDstvGroups dlg;
        dlg.doModal();
    } catch (...) {
    }
}
