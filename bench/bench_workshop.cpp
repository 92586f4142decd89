// The workshop pieces at the sizes users reach: a DSTV point group of
// 10,000 points read and written, the point editor on 5,000 points (open,
// switch, "+" and "-"), 1,000 groups listed, and the sheets manager on
// 1,000 sheets of 10 parts each. Each runs at several sizes so that the
// growth shows.
#include "frame/library_instance.h"
#include "platform/core/dstv_points_files.h"
#include "platform/core/settings.h"
#include "platform/core/paths.h"
#include "platform/host/host_windows.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "workshop/dlg_dstv_point.h"
#include "workshop/dlg_sheets_mgr.h"
#include "workshop/dstv_ids.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// A library folder of its own, the module attached.
const fs::path& library() {
    static const fs::path lib = [] {
        const fs::path p = fs::temp_directory_path() / "bench_workshop";
        fs::remove_all(p);
        fs::create_directories(p / "DSTV Points");
        Zrl_Settings::setLibDir(pathToText(p));
        zrlss::attachLibrary(win::registerModule(L"bench-workshop"));
        acedGetAcadFrame()->setRect({0, 0, 1600, 1000});
        return p;
    }();
    return lib;
}

Zrl_DstvPointList makePoints(int count) {
    Zrl_DstvPointList points(count);
    for (int i = 0; i < count; ++i) {
        Zrl_DstvPointInfo p(Zrl_String(L"Point ") + Zrl_String(i));
        p.setPlateSelection(static_cast<std::int16_t>(i % 5), 1, 10.0 + i * 0.125);
        points.append(p);
    }
    return points;
}

void readGroup(benchmark::State& state) {
    library();
    const int count = static_cast<int>(state.range(0));
    DlgDstvPoints::writeToFile(L"Read", makePoints(count));
    for (auto _ : state) {
        Zrl_DstvPointList points;
        if (!DlgDstvPoints::readFromFile(L"Read", points)) state.SkipWithError("unread");
        benchmark::DoNotOptimize(points.length());
    }
    state.SetComplexityN(count);
}
BENCHMARK(readGroup)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void writeGroup(benchmark::State& state) {
    library();
    const int count = static_cast<int>(state.range(0));
    const Zrl_DstvPointList points = makePoints(count);
    for (auto _ : state)
        if (!DlgDstvPoints::writeToFile(L"Write", points)) state.SkipWithError("unwritten");
    state.SetComplexityN(count);
}
BENCHMARK(writeGroup)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// The editor, created modeless so that each step can be timed alone.
class OpenEditor {
public:
    explicit OpenEditor(int count) {
        library();
        win::ResourceModuleGuard guard(zrlss::libraryModule());
        dlg.record() = makePoints(count);
        dlg.create(IDD_DSTV_POINT);
        // The user's clicks reach only a shown dialog.
        dlg.show(true);
    }
    ~OpenEditor() { dlg.destroy(); }
    CDlgDstvPoint dlg;
};

void editorOpens(benchmark::State& state) {
    for (auto _ : state) {
        OpenEditor editor(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(editor.dlg.current());
    }
}
BENCHMARK(editorOpens)->Arg(1250)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);

void editorSwitches(benchmark::State& state) {
    OpenEditor editor(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state)
        editor.dlg.choose(IDC_PT_LIST, (i += 997) % static_cast<int>(state.range(0)));
}
BENCHMARK(editorSwitches)->Arg(1250)->Arg(5000)->Unit(benchmark::kMicrosecond);

void editorAddsAndRemoves(benchmark::State& state) {
    OpenEditor editor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        win::script().onNextModal([](win::Dialog& prompt) { prompt.click(win::IDOK); });
        editor.dlg.click(IDC_PT_ADD);
        editor.dlg.click(IDC_PT_REMOVE);
    }
}
BENCHMARK(editorAddsAndRemoves)->Arg(1250)->Arg(5000)->Unit(benchmark::kMillisecond);

void listGroups(benchmark::State& state) {
    const fs::path folder = library() / "DSTV Points";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i)
        DlgDstvPoints::writeToFile(Zrl_String(L"Group ") + Zrl_String(i), Zrl_DstvPointList());
    for (auto _ : state) {
        Zrl_StringArray names;
        DlgDstvPoints::getAllDstvPointsFiles(names);
        benchmark::DoNotOptimize(names.length());
    }
    state.SetComplexityN(count);
}
BENCHMARK(listGroups)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void sheetsManager(benchmark::State& state) {
    library();
    VkSheetsMgrDlgData data;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) {
        Zrl_StringArray parts;
        for (int p = 0; p < 10; ++p)
            parts.append(Zrl_String(L"Part ") + Zrl_String(i * 10 + p));
        data.append(VkSheetEntry(Zrl_String(L"Sheet ") + Zrl_String(i), parts));
    }
    for (auto _ : state) {
        if (!StartModelessDlgSheetsMgr(data)) state.SkipWithError("not started");
        EndModelessDlgSheetsMgr();
    }
    state.SetComplexityN(count);
}
BENCHMARK(sheetsManager)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
