#include "macroui/dlg_prof_adv.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/macro_placements.h"
#include "platform/core/materials.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/section_tables.h"
#include "platform/host/command_line.h"
#include "platform/win/combo_box.h"
#include "platform/win/list_box.h"
#include "platform/win/message_box.h"

#include <string>

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgProfAdv>);

constexpr int kCaptionText = 2620;
constexpr int kVariousText = 2625;

Zrl_String various() {
    return dialString(kVariousText);
}

// The family and the user name of a section as the section tables list
// them; false for a section they do not know.
bool locateSection(const Zrl_String& section, Zrl_String& family, Zrl_String& userName) {
    Zrl_String wanted;
    if (gSectionTables.getSystemName(section, wanted) != Acad::eOk) return false;
    Zrl_StringArray families;
    gSectionTables.getFamilies(families);
    for (int f = 0; f < families.length(); ++f) {
        Zrl_StringArray sizes;
        gSectionTables.getSections(families[f], sizes);
        for (int s = 0; s < sizes.length(); ++s) {
            Zrl_String name;
            if (gSectionTables.getSystemName(sizes[s], name) == Acad::eOk && name == wanted) {
                family = families[f];
                userName = sizes[s];
                return true;
            }
        }
    }
    return false;
}

void selectExact(win::ComboBox* box, const Zrl_String& text) {
    if (box) box->setCurSel(text.isEmpty() ? -1 : box->findStringExact(-1, text.str()));
}

// The field of a common value: set when every entry has the same text.
template <class Field>
std::optional<Zrl_String> common(const Zrl_Array<MacroProfData>& props, Field field) {
    if (props.isEmpty()) return std::nullopt;
    const Zrl_String& first = props[0].*field;
    for (int i = 1; i < props.length(); ++i) {
        if (props[i].*field != first) return std::nullopt;
    }
    return first;
}

// How an object is named to the user: its macro's name where the drawing
// knows it, and its id.
Zrl_String objectName(const AcDbObjectId& id) {
    Zrl_String name = L"#" + std::to_wstring(id.asOldId());
    if (const Zrl_DrawnMacro* macro = gMacroDrawing.find(id); macro && !macro->name.isEmpty())
        name = macro->name + L" " + name;
    return name;
}

} // namespace

ProfAdvFields mergeProfProps(const Zrl_Array<MacroProfData>& props) {
    return {common(props, &MacroProfData::name), common(props, &MacroProfData::section),
            common(props, &MacroProfData::material)};
}

bool applyProfEdits(const ProfAdvFields& edits, MacroProfData& props) {
    const MacroProfData before = props;
    if (edits.name) props.name = *edits.name;
    if (edits.section) props.section = *edits.section;
    if (edits.material) props.material = *edits.material;
    return !(props == before);
}

bool findProfGroup(const MacroData& data, const Zrl_String& group, MacroProfData& props) {
    for (int t = 0; t < data.tabs.length(); ++t) {
        if (data.tabs[t].getMergedPropsOfGroup(group, props) == Acad::eOk) return true;
    }
    return false;
}

CDlgProfAdv::CDlgProfAdv(win::Window* parent) : win::Dialog(IDD_DLG_PROF_ADV, parent) {}

CDlgProfAdv::~CDlgProfAdv() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgProfAdv::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_PROF_ADV, 230, 200, L"Profile properties");
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {IDC_PROFADV_NAME_LABEL, ControlKind::Static, {7, 9, 70, 19}, 0, L""},
        {IDC_PROFADV_NAME, ControlKind::Edit, {74, 7, 223, 19}, field, L""},
        {IDC_PROFADV_FAMILY_LABEL, ControlKind::Static, {7, 27, 70, 37}, 0, L""},
        {IDC_PROFADV_FAMILY, ControlKind::ComboBox, {74, 25, 223, 120}, list, L""},
        {IDC_PROFADV_SIZE_LABEL, ControlKind::Static, {7, 45, 70, 55}, 0, L""},
        {IDC_PROFADV_SIZE, ControlKind::ComboBox, {74, 43, 223, 140}, list, L""},
        {IDC_PROFADV_SECTION_LABEL, ControlKind::Static, {7, 63, 70, 73}, 0, L""},
        {IDC_PROFADV_SECTION, ControlKind::Static, {74, 63, 223, 73}, 0, L""},
        {IDC_PROFADV_MATERIAL_LABEL, ControlKind::Static, {7, 81, 70, 91}, 0, L""},
        {IDC_PROFADV_MATERIAL, ControlKind::ComboBox, {74, 79, 223, 170}, list, L""},
        {IDC_PROFADV_PLACEMENTS_LABEL, ControlKind::Static, {7, 99, 223, 109}, 0, L""},
        {IDC_PROFADV_PLACEMENTS,
         ControlKind::ListBox,
         {7, 111, 223, 175},
         tab | win::WS_BORDER | win::WS_VSCROLL,
         L""},
        {win::IDOK, ControlKind::Button, {7, 180, 57, 194}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 180, 113, 194}, tab, L"Cancel"},
    };
    return t;
}

void CDlgProfAdv::takeArguments(const Zrl_String& group, const Zrl_String& title, bool& readOnly) {
    group_ = group;
    title_ = title;
    readOnly_ = readOnly;
}

void CDlgProfAdv::showMerged(const ProfAdvFields& merged) {
    merged_ = true;
    shown_ = merged;
}

Zrl_String CDlgProfAdv::shownText(const std::optional<Zrl_String>& field) const {
    return field ? *field : various();
}

Zrl_String CDlgProfAdv::chosenText(int comboId) const {
    const win::ComboBox* box = combo(comboId);
    const int sel = box ? box->getCurSel() : -1;
    return sel < 0 ? Zrl_String() : Zrl_String(box->getLBText(sel));
}

bool CDlgProfAdv::onInitDialog() {
    setDialogTexts(this, kCaptionText,
                   {{IDC_PROFADV_NAME_LABEL, 2621},
                    {IDC_PROFADV_FAMILY_LABEL, 2628},
                    {IDC_PROFADV_SIZE_LABEL, 2629},
                    {IDC_PROFADV_SECTION_LABEL, 2622},
                    {IDC_PROFADV_MATERIAL_LABEL, 2623},
                    {IDC_PROFADV_PLACEMENTS_LABEL, 2624},
                    {win::IDOK, 1},
                    {win::IDCANCEL, readOnly_ ? 2626 : 2}});
    if (!title_.isEmpty()) setText(title_.str());
    if (!merged_) {
        MacroProfData props;
        findProfGroup(data_, group_, props);
        shown_ = {props.name, props.section, props.material};
    }
    setItemText(IDC_PROFADV_NAME, shownText(shown_.name).str());
    fillSection();
    fillMaterials();
    fillPlacements();
    if (readOnly_) {
        for (int id : {IDC_PROFADV_NAME, IDC_PROFADV_FAMILY, IDC_PROFADV_SIZE,
                       IDC_PROFADV_MATERIAL})
            enableItem(id, false);
        showItem(win::IDOK, false);
    }
    return true;
}

void CDlgProfAdv::fillSection() {
    Zrl_StringArray families;
    gSectionTables.getFamilies(families);
    FillCombo(this, IDC_PROFADV_FAMILY, families);
    setItemText(IDC_PROFADV_SECTION, shownText(shown_.section).str());
    Zrl_String family, userName;
    if (!shown_.section || !locateSection(*shown_.section, family, userName)) return;
    selectExact(combo(IDC_PROFADV_FAMILY), family);
    Zrl_StringArray sizes;
    gSectionTables.getSections(family, sizes);
    FillCombo(this, IDC_PROFADV_SIZE, sizes);
    selectExact(combo(IDC_PROFADV_SIZE), userName);
}

void CDlgProfAdv::familyChosen() {
    Zrl_StringArray sizes;
    gSectionTables.getSections(chosenText(IDC_PROFADV_FAMILY), sizes);
    FillCombo(this, IDC_PROFADV_SIZE, sizes);
}

void CDlgProfAdv::fillMaterials() {
    Zrl_StringArray materials = coreMaterials();
    const Zrl_String shown = shownText(shown_.material);
    // A material outside the core's list stays choosable as it is.
    if (!shown.isEmpty() && !materials.contains(shown, true)) materials.insertAt(0, shown);
    FillCombo(this, IDC_PROFADV_MATERIAL, materials);
    selectExact(combo(IDC_PROFADV_MATERIAL), shown);
}

void CDlgProfAdv::fillPlacements() {
    if (merged_) {
        showItem(IDC_PROFADV_PLACEMENTS_LABEL, false);
        showItem(IDC_PROFADV_PLACEMENTS, false);
        return;
    }
    Zrl_Array<Zrl_NamedPrpl> placements;
    getGroupPlacements(data_, group_, placements);
    Zrl_StringArray lines;
    for (int i = 0; i < placements.length(); ++i) {
        const Zrl_NamedPrpl& p = placements[i];
        lines.append(p.name + L": " + p.section + L", " + p.material);
    }
    FillList(this, IDC_PROFADV_PLACEMENTS, lines);
}

bool CDlgProfAdv::onCommand(int id, int notifyCode) {
    if (id == IDC_PROFADV_FAMILY && notifyCode == win::CBN_SELCHANGE) {
        familyChosen();
        return true;
    }
    if (id == IDC_PROFADV_SIZE && notifyCode == win::CBN_SELCHANGE) {
        const Zrl_String size = chosenText(IDC_PROFADV_SIZE);
        if (!size.isEmpty()) setItemText(IDC_PROFADV_SECTION, size.str());
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgProfAdv::onOK() {
    // A read-only dialog only shows: its end copies nothing back.
    if (readOnly_) {
        endDialog(win::IDCANCEL);
        return;
    }
    edits_ = {};
    // A name left as shown is no edit, however it is spaced.
    const Zrl_String name(getItemText(IDC_PROFADV_NAME));
    if (name != shownText(shown_.name)) edits_.name = name.trimmed();
    const Zrl_String section(getItemText(IDC_PROFADV_SECTION));
    if (section != shownText(shown_.section)) edits_.section = section;
    const Zrl_String material = chosenText(IDC_PROFADV_MATERIAL);
    if (!material.isEmpty() && material != shownText(shown_.material)) edits_.material = material;
    if (!merged_) {
        for (int t = 0; t < data_.tabs.length(); ++t) {
            MacroTabData& tab = data_.tabs[t];
            MacroProfData props;
            if (tab.getMergedPropsOfGroup(group_, props) != Acad::eOk) continue;
            if (applyProfEdits(edits_, props)) tab.setMergedPropsOfGroup(group_, props);
        }
    }
    win::Dialog::onOK();
}

void StartDlgMacroProfAdv(MacroData& data, const Zrl_String& group, const Zrl_String& title,
                          bool readOnly) {
    MacroProfData props;
    if (!findProfGroup(data, group, props)) {
        acutPrintf(L"*Error* No profile group %ls.\n", group.c_str());
        return;
    }
    zrlss::runModalStarter<CDlgProfAdv>(data, group, title, readOnly);
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& changed,
                          VkMACallBack callback) {
    changed = false;
    if (!objects || objects->isEmpty() || !callback) return;
    try {
        zrlss::ResourceScope resources;
        const auto callData = [&](int i) {
            VkMACallBackData d;
            d.value = Zrl_String(std::to_wstring((*objects)[i].asOldId()));
            d.indexes.append(i);
            return d;
        };
        // The objects that answered, with what they answered.
        AcArray<int> readable;
        Zrl_Array<MacroProfData> props;
        Zrl_StringArray unread, refused;
        for (int i = 0; i < objects->length(); ++i) {
            MacroProfData p;
            if (callback(VkMACallBackGet, callData(i), p)) {
                readable.append(i);
                props.append(p);
            } else {
                unread.append(objectName((*objects)[i]));
            }
        }
        bool confirmed = false;
        ProfAdvFields edits;
        if (!props.isEmpty()) {
            CDlgProfAdv dlg;
            dlg.showMerged(mergeProfProps(props));
            confirmed = dlg.doModal() == win::IDOK;
            edits = dlg.edits();
        }
        for (int k = 0; confirmed && k < readable.length(); ++k) {
            MacroProfData p = props[k];
            const bool differs = applyProfEdits(edits, p);
            if (!callback(VkMACallBackSet, callData(readable[k]), p))
                refused.append(objectName((*objects)[readable[k]]));
            else if (differs)
                changed = true;
        }
        Zrl_String message;
        const auto list = [&](int text, const Zrl_StringArray& names) {
            if (names.isEmpty()) return;
            if (!message.isEmpty()) message += L"\n\n";
            message += dialString(text);
            for (int i = 0; i < names.length(); ++i)
                message += L"\n" + names[i];
        };
        list(2644, unread);
        list(2627, refused);
        if (!message.isEmpty())
            win::messageBox(nullptr, message.str(), dialString(kCaptionText).str(),
                            win::MB_ICONEXCLAMATION);
    } catch (...) {
        // A starter reports through its out arguments only.
    }
}
