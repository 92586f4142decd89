// A bill of 100,000 rows by 12 columns with a subtotal row every 50 rows,
// fed and saved as a native sheet file and as an .xlsx workbook.
#include "frame/module_resources.h"
#include "platform/core/settings.h"
#include "platform/win/resources.h"
#include "sheettools/bill_output.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 12;

void feedAndSave(benchmark::State& state, const char* extension) {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::registerModuleResources(m);
        return m;
    }();
    win::ResourceModuleGuard guard(module);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "bench_bills";
    std::filesystem::create_directories(dir);
    const Zrl_String path = Zrl_String::fromUtf8((dir / "bill").string() + extension);
    Zrl_StringArray titles;
    AcArray<int> kinds;
    for (int c = 0; c < kCols; ++c) {
        titles.append(L"Column " + Zrl_String(c + 1));
        kinds.append(c % 3 + 1);
    }
    for (auto _ : state) {
        VkSSBillOutput bill;
        bill.init(path, titles, AcArray<int>(), kinds, L"", Zrl_StringArray(), Zrl_StringArray());
        bill.onStartFeed();
        Zrl_StringArray row;
        row.setLogicalLength(kCols);
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 0; c < kCols; ++c)
                row[c] = c % 3 == 2 ? Zrl_String(L"Plate ") + Zrl_String(r) : Zrl_String(r + c);
            bill.onAddRow(row);
            if (r % 50 == 0) bill.onAddSubTotals(row, Zrl_StringArray(), false, 0);
        }
        bill.onEndFeed();
    }
    std::filesystem::remove_all(dir);
}

void BM_BillNative(benchmark::State& state) {
    feedAndSave(state, ".vks");
}
void BM_BillXlsx(benchmark::State& state) {
    feedAndSave(state, ".xlsx");
}

BENCHMARK(BM_BillNative)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BillXlsx)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
