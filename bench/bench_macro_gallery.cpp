// The macro selection dialog and the macro editor at size: the dialog
// opened on a gallery of 250 to 1,000 drawings with 160 x 120 pictures
// (known from an earlier opening, or every picture changed since), one
// check click on its filter grid (filter, grid and gallery refilled), the
// filter grid of 50 to 200 modules with 12 properties each, and the rules
// page refreshed with 500 to 2,000 rules. Each over three sizes, to see
// that the cost grows linearly.
#include "frame/library_instance.h"
#include "macroui/dlg_edit_macro.h"
#include "macroui/dlg_select_macro.h"
#include "platform/core/edit_constr_data.h"
#include "platform/core/settings.h"

#include "bench_module_setup.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using benchsetup::setUpModule;

// A library of `count` drawings, each with two of `modules` modules of
// `properties` properties, and a 160 x 120 picture beside each; made once
// per size.
void useLibrary(int count, int modules, int properties) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("bench_gallery_" + std::to_string(::getpid()) + "_" + std::to_string(count) +
                      "_" + std::to_string(modules));
    const auto macros = dir / "Macros";
    if (!std::filesystem::exists(macros)) {
        std::filesystem::create_directories(macros);
        win::Bitmap picture(160, 120, win::rgb(240, 240, 240));
        picture.fillRect({20, 20, 140, 100}, win::rgb(40, 40, 40));
        for (int i = 0; i < count; ++i) {
            std::string list;
            for (int m : {i % modules, (i * 7 + 1) % modules}) {
                std::string props;
                for (int p = 0; p < properties; ++p)
                    props += (p ? ", \"P" : "\"P") + std::to_string(p) + "\"";
                list += (list.empty() ? "" : ", ") + std::string("{\"name\": \"Module") +
                        std::to_string(m) + "\", \"properties\": [" + props + "]}";
            }
            const std::string name = "Drawing " + std::to_string(i);
            std::ofstream(macros / (name + ".dwg")) << "{\"modules\": [" << list << "]}";
            picture.save((macros / (name + ".bmp")).wstring());
        }
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((dir / "config").string()));
    }
    Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir.string()) + L"/");
}

void openSelection(CDlgSelectMacro& dlg) {
    dlg.filter.initialize(Zrl_StringArray(), AcArray<bool>(), 160, 120);
    zrlss::ResourceScope resources;
    dlg.create(IDD_DLG_SELECT_MACRO);
}

// Opened again (the thumbnails known), or with every picture changed since
// (each decoded and scaled anew).
void galleryOpened(benchmark::State& state, bool changed) {
    setUpModule();
    const int count = static_cast<int>(state.range(0));
    useLibrary(count, 50, 3);
    const auto macros = std::filesystem::path(Zrl_Settings::libDir().toUtf8()) / "Macros";
    auto open = [] {
        CDlgSelectMacro dlg;
        openSelection(dlg);
        dlg.destroy();
    };
    open();
    auto stamp = std::filesystem::file_time_type::clock::now();
    for (auto _ : state) {
        if (changed) {
            state.PauseTiming();
            stamp += std::chrono::seconds(1);
            for (int i = 0; i < count; ++i)
                std::filesystem::last_write_time(macros / ("Drawing " + std::to_string(i) + ".bmp"),
                                                 stamp);
            state.ResumeTiming();
        }
        open();
    }
    state.SetComplexityN(count);
}
void BM_GalleryOpened(benchmark::State& state) {
    galleryOpened(state, false);
}
void BM_GalleryOpenedPicturesChanged(benchmark::State& state) {
    galleryOpened(state, true);
}
BENCHMARK(BM_GalleryOpened)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GalleryOpenedPicturesChanged)
    ->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_CheckClick(benchmark::State& state) {
    setUpModule();
    useLibrary(static_cast<int>(state.range(0)), 50, 3);
    CDlgSelectMacro dlg;
    openSelection(dlg);
    if (!dlg.filterShown()) dlg.toggleFilter();
    for (auto _ : state)
        dlg.grid().scriptSelect(1, 1, 1, 1); // the first module off, then on again
    dlg.destroy();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckClick)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_FilterGridFilled(benchmark::State& state) {
    setUpModule();
    const int modules = static_cast<int>(state.range(0));
    useLibrary(modules, modules, 12);
    CDlgSelectMacro dlg;
    openSelection(dlg);
    for (auto _ : state)
        dlg.fillFilterGrid();
    dlg.destroy();
    state.SetComplexityN(modules);
}
BENCHMARK(BM_FilterGridFilled)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();

void BM_RulesRefreshed(benchmark::State& state) {
    setUpModule();
    EditMacroModule module;
    module.name = L"Big";
    for (int i = 0; i < state.range(0); ++i) {
        EditMacroRule rule;
        rule.name = L"Rule" + Zrl_String(i);
        rule.type = L"Distance";
        rule.value = Zrl_String(i);
        rule.variable = L"V" + Zrl_String(i);
        rule.kind = 63;
        rule.list = AcArray<int>({0, 1});
        module.rules.push_back(rule);
    }
    gEditMacroDrawing = Zrl_EditMacroDrawing();
    gEditMacroDrawing.macros = {{L"M", {module}}};
    CDlgEditMacro dlg;
    MacroGetModules(dlg.record());
    {
        zrlss::ResourceScope resources;
        dlg.create(IDD_DLG_EDIT_MACRO);
    }
    CEditMacroPage* rules = dlg.page(CDlgEditMacro::kRules);
    for (auto _ : state)
        rules->refresh();
    dlg.destroy();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RulesRefreshed)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
