// The dialog designer's costs: reading and writing a template of N controls
// (N = 250 ... 1,000, to see that both grow linearly), listing 1,000
// templates in 20 folders, the run-mode tab order of 1,000 controls, a
// design-mode redraw of 100 controls, and dragging 100 selected controls.
#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/designer_files.h"
#include "designer/dlg_designer_data.h"
#include "frame/module_resources.h"
#include "platform/core/rect_tracker.h"
#include "platform/core/settings.h"
#include "platform/win/constants.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Zrl_String text(const fs::path& p) {
    return Zrl_String::fromUtf8(p.string());
}

// A scratch library with the designer folder, made once.
const fs::path& root() {
    static const fs::path dir = [] {
        const fs::path lib =
            fs::temp_directory_path() / ("bench_designer-" + std::to_string(::getpid()));
        fs::create_directories(lib / "Dialog Templates" / "Dialog Design");
        Zrl_Settings::setLibDir(text(lib));
        return lib / "Dialog Templates" / "Dialog Design";
    }();
    return dir;
}

// n controls in rows of ten, on a 1000 x 1000 picture's factors.
void fill(Zrl_DlgDesignerData& data, int n) {
    for (int i = 0; i < n; ++i) {
        Zrl_DesignerControl c;
        c.type = (i % 3 == 0) ? ctEdit : ctCombo;
        c.topLeftX = (i % 10) * 0.1;
        c.topLeftY = (i / 10) * 0.001;
        c.bottomRightX = c.topLeftX + 0.05;
        c.bottomRightY = c.topLeftY + 0.0009;
        c.contents = Zrl_String(L"Field") + Zrl_String(i);
        c.comboList = L"grades.lst";
        data.append(c);
    }
}

void BM_WriteTemplate(benchmark::State& state) {
    Zrl_DlgDesignerData data;
    fill(data, static_cast<int>(state.range(0)));
    const Zrl_String path = text(root() / "Write.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(data.writeToFile(path));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteTemplate)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ReadTemplate(benchmark::State& state) {
    Zrl_DlgDesignerData data;
    fill(data, static_cast<int>(state.range(0)));
    const Zrl_String path = text(root() / "Read.txt");
    data.writeToFile(path);
    for (auto _ : state) {
        Zrl_DlgDesignerData read;
        benchmark::DoNotOptimize(read.readFromFile(path, false));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadTemplate)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ListTemplates(benchmark::State& state) {
    const fs::path many = root() / "Many";
    if (!fs::exists(many)) {
        for (int f = 0; f < 20; ++f) {
            fs::create_directories(many / ("Folder" + std::to_string(f)));
            for (int t = 0; t < 50; ++t)
                std::ofstream(many / ("Folder" + std::to_string(f)) / ("T" + std::to_string(t) + ".txt"))
                    << "nrOfControls\ti\t0\n";
        }
    }
    for (auto _ : state) {
        Zrl_StringArray names;
        getModuleImages(names);
        benchmark::DoNotOptimize(names.length());
    }
}
BENCHMARK(BM_ListTemplates)->Unit(benchmark::kMillisecond);

void BM_TabOrder(benchmark::State& state) {
    Zrl_DlgDesignerData data;
    fill(data, 1000);
    for (auto _ : state)
        data.sortAllControls();
}
BENCHMARK(BM_TabOrder)->Unit(benchmark::kMicrosecond);

// A live dialog with 100 controls drawn in design mode, all selected.
struct Canvas {
    Canvas() {
        static const win::ModuleHandle module = [] {
            const win::ModuleHandle m = win::registerModule(L"zrlss-bench-designer");
            zrlss::registerModuleResources(m);
            win::registerTemplate(m, {.id = L"BENCH_CANVAS", .width = 800, .height = 600,
                                      .style = win::WS_POPUP | win::WS_VISIBLE});
            return m;
        }();
        guard = std::make_unique<win::ResourceModuleGuard>(module);
        host.create(L"BENCH_CANVAS");
        data.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, true);
        win::Bitmap picture(1000, 1000);
        picture.save((root() / "canvas.bmp").wstring());
        data.attachBitmap(text(root() / "canvas.bmp"));
        fill(data, 100);
        data.redrawAllControls();
    }
    std::unique_ptr<win::ResourceModuleGuard> guard;
    win::Dialog host;
    Zrl_DlgDesignerData data;
};

void BM_RedrawDesign(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state)
        canvas.data.redrawAllControls();
}
BENCHMARK(BM_RedrawDesign)->Unit(benchmark::kMillisecond);

void BM_DragSelection(benchmark::State& state) {
    Canvas canvas;
    canvas.data.OnLButtonDown(0, {1, 1}); // clears
    AcArray<int> all;
    for (const Zrl_DesignerControl& c : canvas.data.controls)
        all.append(c.resourceId);
    canvas.data.selectCtrls(all);
    const win::Rect first = canvas.data.drawnControls.front()->trueRect();
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2) ? -3 : 3;
        const win::Rect now = canvas.data.drawnControls.front()->trueRect();
        queueTrackerDrag({now.left + 2 + dx, now.top});
        canvas.data.OnLButtonDown(0, {now.left + 2, now.top});
    }
    benchmark::DoNotOptimize(first);
}
BENCHMARK(BM_DragSelection)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
