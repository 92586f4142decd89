// The macro dialog at size: 20 tabs of 200 values each, from 50 to 200 rows
// to see that the cost is linear. Measures building every page (the
// modeless dialog opened and ended), one cell edit (the page applied to the
// drawing and every page refreshed), a property list saved, one loaded and
// applied, and the open and save dialog filled with 10,000 names.
#include "dialogs/dlg_open_save.h"
#include "frame/module_resources.h"
#include "macroui/dlg_macro.h"
#include "macroui/macro_starters.h"
#include "macroui/macro_tab_general.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/settings.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include "bench_module_setup.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kTabs = 20;

using benchsetup::setUpModule;

std::filesystem::path scratch() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("bench_macroui_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d / "lists");
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((d / "config").string()));
        return d;
    }();
    return dir;
}

// One macro of kTabs tabs with `rows` values each, selected by the record.
MacroData bigMacro(int rows) {
    gMacroDrawing.clear();
    Zrl_DrawnMacro macro;
    macro.id = AcDbObjectId(1);
    macro.name = L"Big";
    for (int t = 0; t < kTabs; ++t) {
        MacroTabData tab;
        tab.name = L"Tab " + Zrl_String(t);
        for (int r = 0; r < rows; ++r)
            tab.values.append({L"V" + Zrl_String(r), Zrl_String(r)});
        for (int r = 0; r < rows; r += 10)
            tab.flexFix.append({L"V" + Zrl_String(r), false});
        macro.tabs.append(tab);
    }
    gMacroDrawing.macros.append(macro);
    MacroData data;
    data.objectIds.append(AcDbObjectId(1));
    UpdateAllFilterModified(data, true);
    data.propLists = {true, Zrl_String::fromUtf8((scratch() / "lists").string()) + L"/", L".mpl",
                      {}};
    return data;
}

void BM_AllPagesBuilt(benchmark::State& state) {
    setUpModule();
    MacroData data = bigMacro(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int index = -1;
        StartDlgMacroModeless(true, data, index);
        EndDlgMacroModeless(index);
        macroui::flushClosedMacroDlgs();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AllPagesBuilt)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();

void BM_CellEditApplied(benchmark::State& state) {
    setUpModule();
    MacroData data = bigMacro(static_cast<int>(state.range(0)));
    int index = -1;
    StartDlgMacroModeless(true, data, index);
    CDlgMacro* dlg = macroui::modelessMacroDlg(index);
    auto& page = dynamic_cast<CMacroTabGeneral&>(*dlg->page(0));
    int value = 0;
    for (auto _ : state)
        page.grid().typeInCell(2, 2, Zrl_String(++value % 1000 + 1));
    EndDlgMacroModeless(index);
    macroui::flushClosedMacroDlgs();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CellEditApplied)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();

void BM_PropertyListSaved(benchmark::State& state) {
    MacroData data = bigMacro(200);
    for (auto _ : state)
        data.writeToFile(L"Bench");
}
BENCHMARK(BM_PropertyListSaved)->Unit(benchmark::kMillisecond);

void BM_PropertyListLoadedAndApplied(benchmark::State& state) {
    MacroData data = bigMacro(200);
    data.writeToFile(L"Bench");
    for (auto _ : state) {
        MacroData before = data;
        before.tabs[0].values[0].value = L"-1";
        MacroData loaded = before;
        int count = 0;
        loaded.readFromFile(L"Bench", count);
        AcArray<int> tabs;
        Zrl_Array<AcArray<int>> items;
        Zrl_Array<Zrl_StringArray> values;
        loaded.differences(before, tabs, items, values);
        setAllToMacro(loaded, tabs, items, values);
    }
}
BENCHMARK(BM_PropertyListLoadedAndApplied)->Unit(benchmark::kMillisecond);

void BM_OpenSaveTenThousandNames(benchmark::State& state) {
    setUpModule();
    Zrl_StringArray names;
    // Unsorted on purpose: the box sorts them.
    for (int i = 0; i < 10000; ++i)
        names.append(L"List " + Zrl_String((i * 7919) % 10000));
    for (auto _ : state) {
        CDlgOpenSave dlg;
        dlg.firstNames = names;
        win::script().onNextModal([](win::Dialog& d) { d.click(win::IDCANCEL); });
        dlg.doModal();
    }
}
BENCHMARK(BM_OpenSaveTenThousandNames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
