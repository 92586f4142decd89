#include "macro_detail_hook.h"

#include "macroui/dlg_macro_cuts.h"
#include "macroui/dlg_macro_ids.h"
#include "macroui/dlg_prof_adv.h"
#include "platform/core/macro_placements.h"

#include <vector>

namespace dialogs {
namespace {

// The group a profile page's advanced button stands for: the one named as
// the page, else the page's first.
Zrl_String pageGroup(const MacroTabData& tab) {
    for (int g = 0; g < tab.profGroups.length(); ++g) {
        if (tab.profGroups[g].group.equal(tab.name, false)) return tab.profGroups[g].group;
    }
    return tab.profGroups.isEmpty() ? Zrl_String() : tab.profGroups[0].group;
}

bool advancedProfile(Zrl_DbMacro& macro, MacroData& data, const MacroTabData& tab) {
    const Zrl_String group = pageGroup(tab);
    if (group.isEmpty()) return false;
    Zrl_Array<Zrl_NamedPrpl> placements;
    macro.macroWrite()->visitModulesOfGroup(tab.name, [&](Zrl_MacroModule& module, int) {
        for (int i = 0; i < module.placements.length(); ++i)
            placements.append(module.placements[i]);
        return true;
    });
    gGroupPlacementsSource = [&placements](const MacroData&, const Zrl_String&,
                                           Zrl_Array<Zrl_NamedPrpl>& out) { out = placements; };
    const MacroData before = data;
    StartDlgMacroProfAdv(data, group, tab.name, false);
    gGroupPlacementsSource = {};
    return !(data == before);
}

void cuts(Zrl_DbMacro& macro, const MacroTabData& tab) {
    DlgMacroCutsData record;
    std::vector<Zrl_MacroCut*> places;
    macro.macroWrite()->visitModulesOfGroup(tab.name, [&](Zrl_MacroModule& module, int) {
        for (int i = 0; i < module.cuts.length(); ++i) {
            record.cuts.append(module.cuts[i]);
            places.push_back(&module.cuts[i]);
        }
        return true;
    });
    if (places.empty()) return;
    record.current = 0;
    // One macro is described: applying to all selected ones is the same.
    bool applyToAll = false;
    if (!StartDlgMacroCuts(record, applyToAll)) return;
    for (size_t i = 0; i < places.size(); ++i)
        *places[i] = record.cuts[static_cast<int>(i)];
}

} // namespace

std::function<bool(MacroData&, int, int)> macroDetailDialogs(Zrl_DbMacro& macro) {
    return [&macro](MacroData& data, int tabIndex, int buttonId) {
        const MacroTabData* page = data.getTab(tabIndex);
        if (!page || page->kind != kMacroTabProfiles) return false;
        const MacroTabData tab = *page;
        if (buttonId == IDC_MACRO_ADVANCED) return advancedProfile(macro, data, tab);
        // The cuts live in the macro, not in the dialog's record.
        if (buttonId == IDC_PROF_CUTS) cuts(macro, tab);
        return false;
    };
}

} // namespace dialogs
