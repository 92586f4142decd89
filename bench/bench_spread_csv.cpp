// CSV, the everyday format, in the two halves of `zrlss recalc`: the chain
// A1 = 1, A(i) = A(i-1)*1.0001+1 read from CSV text into a fresh sheet (its
// formulas computed, as a load does), and its values written as CSV.
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"

#include <benchmark/benchmark.h>
#include <string>

using namespace spread;

namespace {

std::string chainCsv(int rows) {
    std::string text = "1\r\n";
    for (int row = 2; row <= rows; ++row)
        text += "=A" + std::to_string(row - 1) + "*1.0001+1\r\n";
    return text;
}

void BM_CsvReadChain(benchmark::State& state) {
    const std::string text = chainCsv(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Sheet s;
        if (!readCsv(s, text)) state.SkipWithError("read failed");
        s.recalc();
        benchmark::DoNotOptimize(s.valueAt(1, s.maxRows()));
    }
}
BENCHMARK(BM_CsvReadChain)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CsvWriteChainValues(benchmark::State& state) {
    Sheet s;
    readCsv(s, chainCsv(static_cast<int>(state.range(0))));
    s.recalc();
    for (auto _ : state) {
        std::string out = writeCsv(s);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_CsvWriteChainValues)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
