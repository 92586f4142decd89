// Parsing and computing formulas, without the sheet around them.
#include "platform/spread/custom_function.h"
#include "platform/spread/formula.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace spread;

namespace {

// Column A as a flat array of values.
class ColumnHost : public FormulaHost {
public:
    explicit ColumnHost(int rows) : values(static_cast<size_t>(rows) + 1) {}
    std::vector<Value> values;
    Value cellValue(int col, int row) override {
        if (col != 1 || row < 1 || row >= static_cast<int>(values.size())) return Value();
        return values[static_cast<size_t>(row)];
    }
    void forEachValue(const CellRange& r,
                      const std::function<void(int, int, const Value&)>& fn) override {
        if (r.col1 > 1) return;
        for (int row = r.row1; row <= r.row2 && row < static_cast<int>(values.size()); ++row)
            if (!values[static_cast<size_t>(row)].isEmpty())
                fn(1, row, values[static_cast<size_t>(row)]);
    }
    const CustomFunction* customFunction(std::wstring_view) override { return nullptr; }
    Sheet& callerSheet() override { return *reinterpret_cast<Sheet*>(this); }
};

const wchar_t* kChainCell = L"A1*1.0001+1";
const wchar_t* kMixed = L"IF(A1>MAX(A2,A3),ROUND(SQRT(A1)*2.5,2)&\" mm\",MIN(A4,A5)&\"\")";

void parseChainCell(benchmark::State& state) {
    for (auto _ : state) {
        auto f = Formula::parse(kChainCell, RefStyle::A1, 1, 2);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(parseChainCell);

void evaluateChainCell(benchmark::State& state) {
    ColumnHost host(2);
    host.values[1] = 3.0;
    auto f = Formula::parse(kChainCell, RefStyle::A1, 1, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(f->evaluate(host, 1, 2));
}
BENCHMARK(evaluateChainCell);

void parseMixed(benchmark::State& state) {
    for (auto _ : state) {
        auto f = Formula::parse(kMixed, RefStyle::A1, 2, 1);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(parseMixed);

void evaluateMixed(benchmark::State& state) {
    ColumnHost host(5);
    for (int i = 1; i <= 5; ++i)
        host.values[static_cast<size_t>(i)] = 10.0 * i;
    host.values[1] = 60.0;
    auto f = Formula::parse(kMixed, RefStyle::A1, 2, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(f->evaluate(host, 2, 1));
}
BENCHMARK(evaluateMixed);

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
    for (auto _ : state) {
        ColumnHost host(n);
        host.values[1] = 1.0;
        std::vector<std::unique_ptr<Formula>> formulas;
        formulas.reserve(static_cast<size_t>(n));
        for (int row = 2; row <= n; ++row) {
            std::wstring text = L"A" + std::to_wstring(row - 1) + L"*1.0001+1";
            formulas.push_back(Formula::parse(text, RefStyle::A1, 1, row));
            host.values[static_cast<size_t>(row)] = formulas.back()->evaluate(host, 1, row);
        }
        benchmark::DoNotOptimize(host.values.back());
    }
}
BENCHMARK(chainParseAndCompute)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(chainParseAndCompute)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

void chainRecompute(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    ColumnHost host(n);
    host.values[1] = 1.0;
    std::vector<std::unique_ptr<Formula>> formulas;
    for (int row = 2; row <= n; ++row)
        formulas.push_back(
            Formula::parse(L"A" + std::to_wstring(row - 1) + L"*1.0001+1", RefStyle::A1, 1, row));
    for (auto _ : state) {
        for (int row = 2; row <= n; ++row)
            host.values[static_cast<size_t>(row)] =
                formulas[static_cast<size_t>(row - 2)]->evaluate(host, 1, row);
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
