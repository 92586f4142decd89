// A drawing with end-plate macros for the macro dialog's tests: a plate tab
// (values, a Fix button), a bolt tab (assembly, a pattern with two counts)
// and a profile tab, and a record that selects some of them.
#pragma once

#include "macroui/dlg_macro.h"
#include "macroui/macro_starters.h"
#include "macroui/macro_tab_general.h"
#include "macroui_fixture.h"

namespace macrotest {

inline Zrl_DrawnMacro endPlate(int id) {
    Zrl_DrawnMacro m;
    m.id = AcDbObjectId(id);
    m.name = L"End plate";
    MacroTabData plate;
    plate.name = L"Plate";
    plate.values.append({L"Height", L"200"});
    plate.values.append({L"Thickness", L"15"});
    plate.flexFix.append({L"Height", false});
    MacroTabData bolts;
    bolts.name = L"Bolts";
    bolts.kind = kMacroTabBolts;
    bolts.hasBoltData = true;
    bolts.boltData = {L"8.8", L"20", L"2"};
    bolts.values.append({L"Edge", L"40"});
    bolts.patterns.append({L"Rows", L"2", L"3"});
    MacroTabData prof;
    prof.name = L"Beam";
    prof.kind = kMacroTabProfiles;
    prof.profGroups.append({L"Beam", L"B1", L"IPE 200", L"S235", L"0"});
    m.tabs.append(plate);
    m.tabs.append(bolts);
    m.tabs.append(prof);
    return m;
}

class MacroDlgTest : public MacroUiTest {
protected:
    void SetUp() override {
        MacroUiTest::SetUp();
        for (int id : {1, 2, 3})
            gMacroDrawing.macros.append(endPlate(id));
        record = selecting({1});
    }
    MacroData selecting(std::initializer_list<int> ids) {
        MacroData data;
        data.caption = L"End plate";
        for (int id : ids)
            data.objectIds.append(AcDbObjectId(id));
        UpdateAllFilterModified(data, true);
        data.propLists = {true, listFolder(), L".mpl", names({L"Standard"})};
        return data;
    }
    // Runs the modal dialog on `record`, played by `play`.
    void run(std::function<void(CDlgMacro&)> play) {
        win::script().onNextModal([play](win::Dialog& d) { play(static_cast<CDlgMacro&>(d)); });
        StartDlgMacro(record);
    }
    static CMacroTabGeneral& general(CDlgMacro& dlg, int tab) {
        return *dynamic_cast<CMacroTabGeneral*>(dlg.page(tab));
    }
    MacroData record;
};

} // namespace macrotest
