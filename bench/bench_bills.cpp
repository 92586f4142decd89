// A bill of 100,000 rows by 12 columns with a subtotal row every 50 rows,
// fed and saved as a native sheet file and as an .xlsx workbook. Counters:
// wall time of the feed and of the end (fitting and saving), and resident
// memory after the feed. BENCH_BILLS_KEEP=1 keeps the files (in the
// temporary folder's bench_bills) for a look.
#include "frame/module_resources.h"
#include "platform/core/settings.h"
#include "platform/win/resources.h"
#include "sheettools/bill_output.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Resident memory of the process in megabytes.
double residentMegabytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

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
    double feedSeconds = 0, endSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
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
        const auto fed = std::chrono::steady_clock::now();
        state.counters["fed_rss_mb"] = residentMegabytes();
        bill.onEndFeed();
        feedSeconds += std::chrono::duration<double>(fed - start).count();
        endSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - fed).count();
    }
    // Wall time of the feed and of the end (fitting and saving), per run.
    const double runs = static_cast<double>(state.iterations());
    state.counters["feed_s"] = feedSeconds / runs;
    state.counters["end_s"] = endSeconds / runs;
    if (std::getenv("BENCH_BILLS_KEEP") == nullptr) std::filesystem::remove_all(dir);
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
