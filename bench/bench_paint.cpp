// Pictures: a dialog of 40 controls with a grid of 200 rows drawn to a
// 1,000 x 800 picture, with and without the PNG encoding, and one edit
// repainted through a dirty rectangle (what a window repaints after a key).
#include "grid/zrl_spread.h"
#include "pictures.h"
#include "platform/paint/png_file.h"
#include "platform/paint/raster_painter.h"
#include "platform/win/paint.h"
#include "platform/win/win.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

enum : int { IDD_BENCH = 4200, IDC_GRID = 100, IDC_FIRST = 200 };

class BenchDialog : public win::Dialog {
public:
    BenchDialog() : Dialog(IDD_BENCH) {}
    Zrl_Spread grid;

protected:
    bool onInitDialog() override {
        grid.createInPlaceOf(this, IDC_GRID, true);
        grid.setLook(1);
        grid.setMaxCols(5);
        grid.setMaxRows(200);
        grid.setLayout(1);
        grid.applyLayout();
        for (int row = 1; row <= 200; ++row) {
            grid.setCellData(1, row, Zrl_String(L"Profile ") + Zrl_String(row));
            grid.setCellData(2, row, Zrl_String(row * 25));
            grid.setCellData(3, row, L"HEA " + Zrl_String(100 + row));
            grid.setCellData(4, row, Zrl_String(row % 7));
            grid.setCellData(5, row, L"S235");
        }
        for (int i = 0; i < 10; ++i) {
            setItemText(IDC_FIRST + 10 + i, L"Value " + std::to_wstring(i));
            check(IDC_FIRST + 20 + i, i % 2 ? win::BST_CHECKED : win::BST_UNCHECKED);
        }
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 12; ++k)
                combo(IDC_FIRST + 30 + i)->addString(L"Choice " + std::to_wstring(k));
        return true;
    }
};

// 40 controls beside the grid: labels, edits, check boxes, combo boxes,
// a group box and the buttons, in dialog units of a 1,000 x 800 dialog.
void registerBenchTemplate() {
    static const bool done = [] {
        using namespace win;
        using enum ControlKind;
        DialogTemplate t;
        t.id = IDD_BENCH;
        t.width = 667;
        t.height = 492;
        t.caption = L"Benchmark";
        for (int i = 0; i < 10; ++i) {
            const int y = 10 + i * 16;
            t.controls.push_back({IDC_FIRST + i, Static, {360, y, 420, y + 10}, 0,
                                  L"Label " + std::to_wstring(i)});
            t.controls.push_back({IDC_FIRST + 10 + i, Edit, {425, y, 520, y + 12}, 0, L""});
            t.controls.push_back({IDC_FIRST + 20 + i, Button, {530, y, 650, y + 10},
                                  BS_AUTOCHECKBOX, L"Option " + std::to_wstring(i)});
        }
        for (int i = 0; i < 3; ++i)
            t.controls.push_back({IDC_FIRST + 30 + i, ComboBox,
                                  {360, 180 + i * 18, 520, 260}, CBS_DROPDOWNLIST, L""});
        t.controls.push_back({IDC_FIRST + 33, Button, {355, 0, 660, 240}, BS_GROUPBOX, L"Values"});
        t.controls.push_back({IDC_FIRST + 34, Button, {360, 250, 420, 264}, BS_PUSHBUTTON, L"Add"});
        t.controls.push_back({IDC_FIRST + 35, Button, {425, 250, 485, 264}, BS_PUSHBUTTON, L"Remove"});
        t.controls.push_back({IDC_FIRST + 36, Static, {360, 270, 660, 300}, 0,
                              L"A longer text that wraps over two lines of the dialog."});
        t.controls.push_back({IDOK, Button, {540, 470, 600, 484}, BS_DEFPUSHBUTTON, L"OK"});
        t.controls.push_back({IDCANCEL, Button, {605, 470, 660, 484}, BS_PUSHBUTTON, L"Cancel"});
        t.controls.push_back({IDC_GRID, Placeholder, {6, 6, 350, 460}, 0, L""});
        return registerTemplate(registerModule(L"bench-paint"), t);
    }();
    (void)done;
}

struct Scene {
    Scene() {
        registerBenchTemplate();
        dlg = std::make_unique<BenchDialog>();
        dlg->create(IDD_BENCH);
    }
    std::unique_ptr<BenchDialog> dlg;
    dialogs::GridPainterScope grids;
};

void BM_PaintDialog(benchmark::State& state) {
    Scene scene;
    const bool png = state.range(0) != 0;
    const win::Size size = win::framedSize(*scene.dlg);
    for (auto _ : state) {
        paint::RasterPainter painter(size.cx, size.cy);
        win::paintFramed(*scene.dlg, painter);
        if (png)
            benchmark::DoNotOptimize(
                paint::encodePng(painter.width(), painter.height(), painter.rgba()));
        benchmark::DoNotOptimize(painter.rgba());
    }
    state.SetLabel(std::to_string(size.cx) + " x " + std::to_string(size.cy) +
                   (png ? ", PNG" : ", pixels only"));
}
BENCHMARK(BM_PaintDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RepaintOneEdit(benchmark::State& state) {
    Scene scene;
    const win::Size size = scene.dlg->clientRect().size();
    paint::RasterPainter painter(size.cx, size.cy);
    win::paintTree(*scene.dlg, painter);
    const win::Rect dirty = scene.dlg->item(IDC_FIRST + 10)->rect();
    for (auto _ : state) {
        scene.dlg->setItemText(IDC_FIRST + 10, L"typed");
        win::paintTree(*scene.dlg, painter, &dirty);
    }
}
BENCHMARK(BM_RepaintOneEdit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
