// The profile dialogs with large records, played by the scripted user: the
// features and cladding forms opened on a family of many sections (the
// profile list filled by display names), and cuts deleted from a profile
// with many cuts. Each at a size and at ten times that size.
#include "dialogs/dlg_cladding.h"
#include "dialogs/dlg_prof_cuts.h"
#include "dialogs/dlg_prof_features.h"
#include "frame/library_instance.h"
#include "platform/core/section_tables.h"
#include "platform/core/settings.h"
#include "platform/host/selection_sets.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "sections/prof_values_table.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

std::filesystem::path benchDir() {
    return std::filesystem::temp_directory_path() / "bench_prof_dialogs";
}

void attachOnce() {
    static const bool attached = [] {
        std::filesystem::create_directories(benchDir() / "prof");
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8(benchDir().string()));
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(benchDir().string()));
        return zrlss::attachLibrary(win::registerModule(L"zrlss")) == 1;
    }();
    (void)attached;
}

// A family "BIG<count>" of `count` active sections, known to the core.
Zrl_String family(int count) {
    attachOnce();
    const Zrl_String name = L"BIG" + Zrl_String(count);
    std::ofstream out(benchDir() / "prof" / (name.toUtf8() + ".pr"));
    out << "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n";
    for (int i = 0; i < count; ++i)
        out << i << "\t1\t" << name.toUtf8() << " " << i << "\tx\tx\tx\t" << i << "\n";
    out.close();
    Zrl_ProfValuesTable table;
    if (table.readFromFile(name)) table.setToGlobals(&gSectionTables);
    return name + L"-" + Zrl_String(count / 2);
}

template <class Start> void played(const std::function<void(win::Dialog&)>& play, Start start) {
    win::script().reset();
    win::script().onNextModal(play);
    start();
}

void BM_ProfFeaturesOpen(benchmark::State& state) {
    DlgProfFeaturesData data;
    data.profile = family(static_cast<int>(state.range(0)));
    data.labelB = L"Offset";
    for (auto _ : state) {
        DlgProfFeaturesData copy = data;
        played([](win::Dialog& d) { d.click(win::IDOK); }, [&] { StartDlgProfFeatures(copy); });
    }
}
BENCHMARK(BM_ProfFeaturesOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CladdingOpen(benchmark::State& state) {
    VkCladdingDlgData data;
    data.profile = family(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VkCladdingDlgData copy = data;
        played([](win::Dialog& d) { d.click(win::IDOK); },
               [&] { StartDlgCladdingSettings(copy); });
    }
}
BENCHMARK(BM_CladdingOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ProfCutsDelete(benchmark::State& state) {
    attachOnce();
    const AcDbObjectId id = host::addDrawingObject();
    DrawingProfile& profile = drawingProfiles()[id];
    for (int i = 0; i < state.range(0); ++i)
        profile.cuts.append(L"Web hole " + Zrl_String(i));
    DlgProfCutsData data(id);
    played(
        [&](win::Dialog& d) {
            for (auto _ : state)
                d.click(IDC_PROF_CUTS_DELETE);
            d.click(win::IDOK);
        },
        [&] { StartEditProfCutsDlg(data); });
    drawingProfiles().erase(id);
}
BENCHMARK(BM_ProfCutsDelete)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
