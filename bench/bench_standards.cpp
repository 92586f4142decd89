// The standards evaluation end to end: StartDlgStandardsSS with its file
// load, declaration scan, value transfer and equations, on the standards of
// the example library against their macros, and on sheets growing to 1,000
// variables and 1,000 equations. Each benchmark
// reports the time per evaluation; the library's standards also run with
// their step timers on, giving the time of each step.
#include "entry/entry_point.h"
#include "frame/library_instance.h"
#include "platform/core/macro_description.h"
#include "platform/core/settings.h"
#include "platform/host/transactions.h"
#include "platform/spread/sheet.h"
#include "platform/win/resources.h"
#include "standards/calc_ss.h"
#include "standards/dlg_standards_data.h"
#include "standards/standards_eval.h"
#include "standards/standards_timers.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Cell {
    int col, row;
    std::wstring text;
};

fs::path benchFolder() {
    static const fs::path folder = fs::temp_directory_path() / "zrlss_bench_standards";
    return folder;
}

Zrl_String writeSheet(const std::string& name, const std::vector<Cell>& cells, int cols, int rows) {
    fs::create_directories(benchFolder());
    const fs::path path = benchFolder() / (name + ".vks");
    spread::Sheet sheet;
    sheet.setMaxCols(cols);
    sheet.setMaxRows(rows);
    for (const Cell& c : cells)
        sheet.setData(c.col, c.row, c.text);
    sheet.save(path);
    return Zrl_String::fromUtf8(path.string());
}

// A sheet with n inputs, n locals, n outputs and 2n equations: each local
// sums an input with the previous local, each output doubles its local.
Zrl_String writeGrowingSheet(int n) {
    std::vector<Cell> cells;
    const int perRow = 10;
    const int declRows = (n + perRow - 1) / perRow;
    int row = 1;
    auto declare = [&](const wchar_t* title, const wchar_t* prefix) {
        cells.push_back({1, row++, title});
        for (int i = 0; i < n; ++i)
            cells.push_back({i % perRow + 1, row + i / perRow,
                             std::wstring(L"Double ") + prefix + std::to_wstring(i)});
        row += declRows;
    };
    declare(L"Input", L"in");
    declare(L"Output", L"out");
    declare(L"Local", L"loc");
    cells.push_back({1, row++, L"Calc"});
    for (int i = 0; i < n; ++i)
        cells.push_back({1, row++,
                         L"loc" + std::to_wstring(i) + L" = in" + std::to_wstring(i) +
                             (i > 0 ? L" + loc" + std::to_wstring(i - 1) : L"")});
    for (int i = 0; i < n; ++i)
        cells.push_back(
            {1, row++, L"out" + std::to_wstring(i) + L" = loc" + std::to_wstring(i) + L" * 2"});
    return writeSheet("Grow" + std::to_string(n), cells, perRow, row);
}

// The caller's list of a sheet: its inputs and outputs in declaration order
// (locals skipped), every input set to `value`.
VkDlgStandardsData recordFor(const Zrl_String& file, const wchar_t* value) {
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = file;
    VkCalcSS calc;
    calc.createHidden();
    if (calc.load(file) != Acad::eOk) return data;
    calc.scanDeclarations();
    for (int i = 0; i < calc.varCells.length(); ++i) {
        VkVarCell cell = calc.varCells[i];
        if (cell.isLocal()) continue;
        cell.col = cell.row = 0;
        cell.value = cell.isInput() ? Zrl_String(value) : Zrl_String();
        if (cell.isInput() && cell.valueType == VkValueString) cell.value = L"S235";
        data.varCells.append(cell);
    }
    return data;
}

void attachOnce() {
    static const int attached = zrlss::attachLibrary(win::registerModule(L"zrlss"));
    (void)attached;
}

// Microseconds per evaluation spent in each step.
void stepCounters(benchmark::State& state) {
    const double runs =
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    for (int i = 0; i < standards_timers::kCount; ++i) {
        const Zrl_Timer* t = standards_timers::all()[i];
        if (t->count() == 0) continue;
        state.counters[t->name().toUtf8()] = t->totalSeconds() * 1e6 / runs;
    }
}

void evaluate(benchmark::State& state, const VkDlgStandardsData& record) {
    attachOnce();
    standards_timers::resetAll();
    bool ok = true;
    for (auto _ : state) {
        VkDlgStandardsData data = record;
        ok = StartDlgStandardsSS(data) && ok;
        benchmark::DoNotOptimize(data);
    }
    if (!ok) state.SkipWithError("the evaluation failed");
    stepCounters(state);
}

// The sizes BM_Growth runs.
constexpr int kGrowthSizes[] = {10, 100, 1000};

// The growing sheets, written once and left to age before they are run:
// a file changed within the last moments is read again on every run, as
// an edited sheet would be, and the benchmark is of the warm evaluation.
Zrl_String growingSheet(int n) {
    static const std::map<int, Zrl_String> sheets = [] {
        std::map<int, Zrl_String> written;
        for (const int size : kGrowthSizes)
            written[size] = writeGrowingSheet(size);
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        return written;
    }();
    return sheets.at(n);
}

void BM_Growth(benchmark::State& state) {
    attachOnce();
    const int n = static_cast<int>(state.range(0));
    const VkDlgStandardsData record = recordFor(growingSheet(n), L"1");
    evaluate(state, record);
    state.SetComplexityN(n);
}
BENCHMARK(BM_Growth)
    ->Arg(kGrowthSizes[0])
    ->Arg(kGrowthSizes[1])
    ->Arg(kGrowthSizes[2])
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

// The standards of the example library against their macros (mode 0),
// each run under its own transaction as the core module runs it.
struct LibraryStandard {
    const char* sheet;
    const char* key;
};
const LibraryStandard kLibrary[] = {
    {"End Plate", "EndPlateFlushDefault0001"},
    {"Fin Plate", "FinPlateSingleLine000001"},
    {"Base Plate", "Module.BasePlate"},
};

void evaluateOnMacro(benchmark::State& state, const LibraryStandard& standard, bool steps) {
    attachOnce();
    setStandardsStepTiming(steps);
    Zrl_DbMacro macro;
    MacroData macroData;
    const Zrl_String description =
        Zrl_Settings::libDir() + L"Macros\\" + Zrl_String::fromUtf8(standard.sheet) + L".json";
    if (loadMacroDescription(description, macro, macroData) != Acad::eOk) {
        state.SkipWithError("no macro description");
        return;
    }
    VkDlgStandardsData record;
    record.initialize(&macro, Zrl_String::fromUtf8(standard.sheet),
                      Zrl_String::fromUtf8(standard.key), &macroData);
    AcTransactionManager* transactions = acdbTransactionManager();
    standards_timers::resetAll();
    bool ok = true;
    for (auto _ : state) {
        VkDlgStandardsData data = record;
        data.transaction = transactions->startTransaction();
        ok = StartDlgStandardsSS(data) && ok;
        transactions->endTransaction();
        benchmark::DoNotOptimize(data);
    }
    setStandardsStepTiming(false);
    if (!ok) state.SkipWithError("the evaluation failed");
    stepCounters(state);
}

// Each standard untimed, then with its steps timed (the clock reads add to
// that run's total).
void registerLibraryStandards() {
    for (const bool steps : {false, true})
        for (const LibraryStandard& standard : kLibrary)
            benchmark::RegisterBenchmark(
                (std::string(steps ? "BM_LibrarySteps/" : "BM_Library/") + standard.sheet).c_str(),
                [&standard, steps](benchmark::State& state) {
                    evaluateOnMacro(state, standard, steps);
                })
                ->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char** argv) {
    registerLibraryStandards();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    zrlss::detachLibrary();
    fs::remove_all(benchFolder());
    return 0;
}
