// Parsing and computing formulas, without the sheet around them.
#include "platform/spread/custom_function.h"
#include "platform/spread/formula.h"
#include "spread_bench_chain.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace spread;

namespace {

using bench::ColumnHost;

const wchar_t* kChainCell = L"A1*1.0001+1";
const wchar_t* kMixed = L"IF(A1>MAX(A2,A3),ROUND(SQRT(A1)*2.5,2)&\" mm\",MIN(A4,A5)&\"\")";

// Parsing one formula for the cell (col, row).
void parse(benchmark::State& state, const wchar_t* text, int col, int row) {
    for (auto _ : state) {
        auto f = Formula::parse(text, RefStyle::A1, col, row);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK_CAPTURE(parse, chainCell, kChainCell, 1, 2);
BENCHMARK_CAPTURE(parse, mixed, kMixed, 2, 1);

// Computing one formula for the cell (col, row), with A1..A5 = 60, 20, 30,
// 40, 50 (A1 = 3 for the chain cell).
void evaluate(benchmark::State& state, const wchar_t* text, int col, int row) {
    ColumnHost host(5);
    for (int i = 1; i <= 5; ++i)
        host.values[static_cast<size_t>(i)] = 10.0 * i;
    host.values[1] = text == kChainCell ? 3.0 : 60.0;
    auto f = Formula::parse(text, RefStyle::A1, col, row);
    for (auto _ : state)
        benchmark::DoNotOptimize(f->evaluate(host, col, row));
}
BENCHMARK_CAPTURE(evaluate, chainCell, kChainCell, 1, 2);
BENCHMARK_CAPTURE(evaluate, mixed, kMixed, 2, 1);

void textMixed(benchmark::State& state) {
    auto f = Formula::parse(kMixed, RefStyle::A1, 2, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(f->text(RefStyle::R1C1, 2, 1));
}
BENCHMARK(textMixed);

// A chain A2 = A1*1.0001+1 ... parsed and computed in order, as a sheet
// would on its first calculation (state.range(0) cells).
void chainParseAndCompute(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::parseAndComputeChain(n));
}
BENCHMARK(chainParseAndCompute)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(chainParseAndCompute)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

void chainRecompute(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    ColumnHost host(n);
    host.values[1] = 1.0;
    auto formulas = bench::parseChain(n);
    for (auto _ : state) {
        bench::computeChain(host, formulas);
        benchmark::DoNotOptimize(host.values.back());
    }
}
BENCHMARK(chainRecompute)->Arg(10000)->Unit(benchmark::kMillisecond);

// Nesting at the limit parses; the text is refused one level deeper.
void parseDeepNesting(benchmark::State& state) {
    std::wstring text = std::wstring(256, L'(') + L"1" + std::wstring(256, L')');
    for (auto _ : state)
        benchmark::DoNotOptimize(Formula::parse(text, RefStyle::A1, 1, 1));
}
BENCHMARK(parseDeepNesting);

} // namespace

BENCHMARK_MAIN();
