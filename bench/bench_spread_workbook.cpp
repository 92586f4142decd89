// Workbook reading: a 100,000-row by 10-column .xlsx (half numbers, a
// quarter texts, a quarter simple formulas) loaded and recomputed, against
// the same sheet as .ods and in the native format. The workbook is written once with
// libxlsxwriter into the temporary folder.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <xlsxwriter.h>

using namespace spread;
namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;

// Columns A..E numbers, F..G texts, H..J formulas over the numbers.
const fs::path& bigXlsx() {
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / "bench_spread_workbook.xlsx";
        lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
        lxw_workbook* wb = workbook_new_opt(p.c_str(), &options);
        lxw_worksheet* ws = workbook_add_worksheet(wb, "Data");
        const char* words[] = {"M20 bolt", "plate 12", "HEA 200", "weld 5"};
        for (lxw_row_t r = 0; r < kRows; ++r) {
            for (lxw_col_t c = 0; c < 5; ++c)
                worksheet_write_number(ws, r, c, r * 0.5 + c, nullptr);
            worksheet_write_string(ws, r, 5, words[r % 4], nullptr);
            worksheet_write_string(ws, r, 6, words[(r + 1) % 4], nullptr);
            std::string row = std::to_string(r + 1);
            worksheet_write_formula(ws, r, 7, ("=A" + row + "+B" + row).c_str(), nullptr);
            worksheet_write_formula(ws, r, 8, ("=C" + row + "*2").c_str(), nullptr);
            worksheet_write_formula(ws, r, 9, ("=SUM(A" + row + ":E" + row + ")").c_str(), nullptr);
        }
        workbook_close(wb);
        return p;
    }();
    return path;
}

// The same sheet, computed, written by the engine's own writer in the
// format of `extension`.
fs::path bigSavedAs(const char* extension) {
    fs::path p = fs::temp_directory_path() / (std::string("bench_spread_workbook") + extension);
    Sheet s;
    s.load(bigXlsx());
    s.recalc();
    s.save(p);
    return p;
}

const fs::path& bigOds() {
    static const fs::path path = bigSavedAs(".ods");
    return path;
}

const fs::path& bigNative() {
    static const fs::path path = bigSavedAs(".vks");
    return path;
}

// The process's resident high-water mark in MB, counted anew from now on
// when `restart` (so that making the files first does not count).
double peakMegabytes(bool restart = false) {
    if (restart) {
        if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", f);
            std::fclose(f);
        }
        return 0;
    }
    double kb = 0;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmHWM: %lf kB", &kb) == 1) break;
        std::fclose(f);
    }
    return kb / 1024.0;
}

// Each load's own peak: the file is made before the high-water mark is
// restarted.
void loadAndRecalc(benchmark::State& state, const fs::path& path) {
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        peakMegabytes(true);
        state.ResumeTiming();
        {
            Sheet s;
            std::wstring why;
            if (!s.load(path, &why)) state.SkipWithError("load failed");
            s.recalc();
            benchmark::DoNotOptimize(s.valueAt(10, kRows));
        }
        peak = std::max(peak, peakMegabytes());
    }
    state.counters["peak_MB"] = peak;
}

void BM_XlsxLoadAndRecalc(benchmark::State& state) {
    loadAndRecalc(state, bigXlsx());
}
void BM_OdsLoadAndRecalc(benchmark::State& state) {
    loadAndRecalc(state, bigOds());
}
void BM_NativeLoadAndRecalc(benchmark::State& state) {
    loadAndRecalc(state, bigNative());
}

BENCHMARK(BM_XlsxLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OdsLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NativeLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
