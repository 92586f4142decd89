// The input dialogs with large records, played by the scripted user: a
// string grid opened and confirmed and its rows added and removed; levels
// opened, switched and added; look-up and bracing lists opened. Each at a
// size and at ten times that size, so that the growth can be read off.
#include "dialogs/dlg_bracing.h"
#include "dialogs/dlg_levels.h"
#include "dialogs/dlg_lookup.h"
#include "dialogs/dlg_string_array.h"
#include "frame/library_instance.h"
#include "platform/core/settings.h"
#include "platform/win/combo_box.h"
#include "platform/win/edit.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>
#include <string>

namespace {

void attachOnce() {
    static const bool attached = [] {
        const auto config = std::filesystem::temp_directory_path() / "bench_dialogs";
        std::filesystem::create_directories(config);
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8(config.string()));
        return zrlss::attachLibrary(win::registerModule(L"zrlss")) == 1;
    }();
    (void)attached;
}

// Runs `start` with `play` as the user of the dialog it opens.
template <class Start> void played(const std::function<void(win::Dialog&)>& play, Start start) {
    win::script().reset();
    win::script().onNextModal(play);
    start();
}

Zrl_String numbered(const wchar_t* stem, int i) {
    return Zrl_String(stem) + Zrl_String(i);
}

void BM_StringGridOpenConfirm(benchmark::State& state) {
    attachOnce();
    const int rowCount = static_cast<int>(state.range(0));
    Zrl_StringArray columns;
    for (int c = 0; c < 8; ++c)
        columns.append(numbered(L"C", c));
    Zrl_StringArrayArray rows;
    for (int r = 0; r < rowCount; ++r) {
        Zrl_StringArray row;
        for (int c = 0; c < 8; ++c)
            row.append(numbered(L"cell", r * 8 + c));
        rows.append(row);
    }
    for (auto _ : state) {
        Zrl_StringArrayArray copy = rows;
        played([](win::Dialog& d) { d.click(win::IDOK); },
               [&] { startGridDialog(columns, {}, copy, true, L"", L"Bench"); });
    }
}
BENCHMARK(BM_StringGridOpenConfirm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_StringGridAddRemove(benchmark::State& state) {
    attachOnce();
    Zrl_StringArrayArray rows;
    for (int r = 0; r < state.range(0); ++r)
        rows.append(Zrl_StringArray{L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h"});
    const Zrl_StringArray columns{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"};
    played(
        [&](win::Dialog& d) {
            for (auto _ : state) {
                d.click(IDC_STRINGS_ADD);
                d.click(IDC_STRINGS_REMOVE);
            }
            d.click(win::IDCANCEL);
        },
        [&] { startGridDialog(columns, {}, rows, true, L"", L"Bench"); });
}
BENCHMARK(BM_StringGridAddRemove)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

VkLevelsDlgData levels(int count) {
    VkLevelsDlgData data;
    for (int i = 0; i < count; ++i)
        data.levels().push_back(
            {numbered(L"Level ", i), i ? numbered(L"Level ", i - 1) : L"", 3000});
    return data;
}

void BM_LevelsOpen(benchmark::State& state) {
    attachOnce();
    const VkLevelsDlgData data = levels(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VkLevelsDlgData copy = data;
        played([](win::Dialog& d) { d.click(win::IDOK); }, [&] { StartDlgLevels(copy); });
    }
}
BENCHMARK(BM_LevelsOpen)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_LevelsSwitch(benchmark::State& state) {
    attachOnce();
    VkLevelsDlgData data = levels(static_cast<int>(state.range(0)));
    played(
        [&](win::Dialog& d) {
            int i = 0;
            for (auto _ : state)
                d.choose(IDC_LEVELS_LIST, (i += 7) % static_cast<int>(state.range(0)));
            d.click(win::IDCANCEL);
        },
        [&] { StartDlgLevels(data); });
}
BENCHMARK(BM_LevelsSwitch)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LevelsAdd(benchmark::State& state) {
    attachOnce();
    VkLevelsDlgData data = levels(static_cast<int>(state.range(0)));
    played(
        [&](win::Dialog& d) {
            int i = 0;
            for (auto _ : state) {
                const Zrl_String name = numbered(L"New ", i++);
                win::script().onNextModal([&](win::Dialog& prompt) {
                    prompt.type(1001, name.str());
                    prompt.click(win::IDOK);
                });
                d.click(IDC_LEVELS_ADD);
            }
            d.click(win::IDCANCEL);
        },
        [&] { StartDlgLevels(data); });
}
BENCHMARK(BM_LevelsAdd)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

Zrl_StringArray names(int count) {
    Zrl_StringArray list;
    for (int i = 0; i < count; ++i)
        list.append(numbered(L"L", 100000 + i));
    return list;
}

void BM_LookUpOpen(benchmark::State& state) {
    attachOnce();
    VkLookUpDlgData data;
    data.items1 = data.items2 = data.items3 = data.items4 = data.items5 =
        names(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VkLookUpDlgData copy = data;
        played([](win::Dialog& d) { d.click(win::IDOK); }, [&] { StartDlgLookUp(copy); });
    }
}
BENCHMARK(BM_LookUpOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BracingOpen(benchmark::State& state) {
    attachOnce();
    VkBracingDlgData data;
    data.names = names(static_cast<int>(state.range(0)));
    data.kind1 = data.kind2 = 3;
    data.name1 = data.names[data.names.length() / 2];
    data.name2 = L"L1";
    for (auto _ : state) {
        VkBracingDlgData copy = data;
        played([](win::Dialog& d) { d.click(win::IDOK); }, [&] { StartDlgBracing(copy); });
    }
}
BENCHMARK(BM_BracingOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
