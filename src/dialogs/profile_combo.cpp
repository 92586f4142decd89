#include "dialogs/profile_combo.h"

#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/core/section_tables.h"
#include "platform/core/select_prof.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/win/combo_box.h"
#include "platform/win/dialog.h"
#include "sections/prof_values_table.h"

namespace {

constexpr int kVariousText = 695;

Zrl_String displayName(const Zrl_String& section) {
    Zrl_String user;
    return gSectionTables.getUserName(section, user) == Acad::eOk ? user : section;
}

// A family name that would reach outside the section folder is never read.
bool isPlainName(const Zrl_String& family) {
    if (family.trimmed().isEmpty()) return false;
    for (wchar_t ch : family.str())
        if (ch == L'\\' || ch == L'/' || ch == L':') return false;
    return true;
}

} // namespace

void fillProfileCombo(win::Dialog* dlg, int id, const Zrl_String& profile,
                      Zrl_StringArray& names) {
    names.removeAll();
    Zrl_StringArray shown;
    Zrl_String current;
    const Zrl_String start(kUserSectionsStart);
    if (profile.startsWith(start, false)) {
        current = removeExtension(profile.getSubStringAt(start.length()));
        shown.append(current);
        names.append(profile);
    } else {
        const Zrl_String family = getSubstrBefore(profile, L"-", false);
        Zrl_ProfValuesTable table;
        if (isPlainName(family) && table.readFromFile(family)) {
            table.getFilteredSysNames(names);
            shown.setPhysicalLength(names.length() + 1);
            for (const Zrl_String& name : names)
                shown.append(displayName(name));
            current = displayName(profile);
        }
    }
    shown.append(dialString(kVariousText));
    FillCombo(dlg, id, shown);
    int at = -1;
    // Only a section entry may be selected: "<Various>" is not the profile.
    if (!current.isEmpty() && shown.find(current, at, false) && at < names.length())
        dlg->combo(id)->setCurSel(at);
}

Zrl_String selectedProfile(const win::Dialog* dlg, int id, const Zrl_StringArray& names,
                           const Zrl_String& profile) {
    const win::ComboBox* box = dlg->combo(id);
    const int at = box ? box->getCurSel() : -1;
    return at >= 0 && at < names.length() ? names[at] : profile;
}

std::optional<Zrl_String> chooseProfile(const Zrl_String& initial, win::Dialog* parent) {
    DlgSelectProfData chooser;
    chooser.setInitialUnknownName(initial);
    chooser.withUserSections = true;
    if (!DlgSelectProf(chooser, parent)) return std::nullopt;
    Zrl_String name = chooser.profName;
    const Zrl_String lib = Zrl_Settings::libDir();
    if (!lib.isEmpty() && name.startsWith(lib, false)) name = name.getSubStringAt(lib.length());
    return name;
}
