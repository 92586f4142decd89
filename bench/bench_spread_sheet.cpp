// Sheet benchmarks: formula chains built and computed, recomputation after
// one change, a small mixed sheet, a calculation sheet's round, and sheet
// files.
#include "platform/spread/compiled_formula.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "spread_bench_chain.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace spread;

namespace {

// The chain's formula texts, made once: A1 = 1, A(i) = A(i-1)*1.0001+1.
const std::vector<std::wstring>& chainTexts(int n) {
    static std::vector<std::wstring> texts;
    while (static_cast<int>(texts.size()) < n + 1) {
        int row = static_cast<int>(texts.size());
        texts.push_back(row < 2 ? L"" : L"=" + bench::chainFormula(row));
    }
    return texts;
}

void buildChain(Sheet& s, int n) {
    const auto& texts = chainTexts(n);
    s.setMaxCols(1);
    s.setMaxRows(n);
    s.setData(1, 1, L"1");
    for (int row = 2; row <= n; ++row)
        s.setFormula(1, row, texts[static_cast<size_t>(row)]);
}

// Built with automatic calculation on: every formula is computed as it is set.
void BM_ChainBuildAndCompute(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    chainTexts(n);
    for (auto _ : state) {
        Sheet s;
        buildChain(s, n);
        benchmark::DoNotOptimize(s.value(1, n));
    }
}
BENCHMARK(BM_ChainBuildAndCompute)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Built with calculation off, then one full recalculation.
void BM_ChainBuildThenRecalc(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    chainTexts(n);
    for (auto _ : state) {
        Sheet s;
        s.setBoolProperty(kBoolAutoCalc, false);
        buildChain(s, n);
        s.recalc();
        benchmark::DoNotOptimize(s.value(1, n));
    }
}
BENCHMARK(BM_ChainBuildThenRecalc)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A change of A1 recomputes the whole chain in order.
void BM_ChainChangeFirst(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    Sheet s;
    buildChain(s, n);
    int i = 0;
    for (auto _ : state) {
        s.setNumber(1, 1, ++i % 7);
        benchmark::DoNotOptimize(s.value(1, n));
    }
}
BENCHMARK(BM_ChainChangeFirst)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A 10,000-row table (key, category, amount, date) and 100,000 rows that
// look amounts up by key (XLOOKUP by halves in the sorted keys), total a
// category (SUMIFS over a 100-row block), write a date as text and do date
// arithmetic. Built with calculation off, then computed once.
void buildLookupSheet(Sheet& s, int rows) {
    s.setBoolProperty(kBoolAutoCalc, false);
    s.setMaxCols(10);
    s.setMaxRows(rows);
    for (int r = 1; r <= 10000; ++r) {
        s.setNumber(1, r, r);
        s.setData(2, r, L"c" + std::to_wstring(r % 10));
        s.setNumber(3, r, r * 1.5);
        s.setNumber(4, r, 45000 + r);
    }
    for (int r = 1; r <= rows; ++r) {
        const std::wstring row = std::to_wstring(r);
        s.setNumber(6, r, (r * 7) % 10000 + 1);
        s.setFormula(7, r, L"XLOOKUP(F" + row + L",A$1:A$10000,C$1:C$10000,0,0,2)");
        s.setFormula(8, r, L"SUMIFS(C$1:C$100,B$1:B$100,\"c\"&MOD(F" + row + L",10))");
        s.setFormula(9, r, L"TEXT(45000+MOD(F" + row + L",3650),\"yyyy-mm-dd\")");
        s.setFormula(10, r, L"EOMONTH(45000+F" + row + L",1)-DATE(2023,3,15)");
    }
}

void BM_LookupSheetBuild(benchmark::State& state) {
    for (auto _ : state) {
        Sheet s;
        buildLookupSheet(s, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(s.hasFormula(7, 1));
    }
}
BENCHMARK(BM_LookupSheetBuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LookupSheetRecalc(benchmark::State& state) {
    Sheet s;
    buildLookupSheet(s, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        s.recalc();
        benchmark::DoNotOptimize(s.value(7, 1));
    }
}
BENCHMARK(BM_LookupSheetRecalc)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A 20-column table of `rows` rows, and as many formulas beside it reading
// the whole table (INDEX by a row number in column U). A change of one table
// cell recomputes every formula; ordering them stabs each formula's cell.
void BM_WideTableChange(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Sheet s;
    s.setBoolProperty(kBoolAutoCalc, false);
    s.setMaxCols(22);
    s.setMaxRows(rows);
    const std::wstring table = L"$A$1:$T$" + std::to_wstring(rows);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= 20; ++c)
            s.setNumber(c, r, r + c);
        s.setNumber(21, r, r);
        s.setFormula(22, r, L"INDEX(" + table + L",U" + std::to_wstring(r) + L",20)");
    }
    s.recalc();
    s.setBoolProperty(kBoolAutoCalc, true);
    int i = 0;
    for (auto _ : state) {
        s.setNumber(20, 1, ++i);
        benchmark::DoNotOptimize(s.value(22, 1));
    }
}
BENCHMARK(BM_WideTableChange)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A fresh 100-cell sheet: 40 numbers and 60 formulas of the usual functions.
void BM_SmallSheet(benchmark::State& state) {
    std::vector<std::wstring> formulas;
    for (int i = 0; i < 60; ++i) {
        int a = i % 40 + 1, b = (i * 7) % 40 + 1;
        std::wstring fa = L"A" + std::to_wstring(a), fb = L"A" + std::to_wstring(b);
        switch (i % 6) {
        case 0:
            formulas.push_back(L"=ROUND(" + fa + L"*1.5+" + fb + L",2)");
            break;
        case 1:
            formulas.push_back(L"=IF(" + fa + L">" + fb + L"," + fa + L"," + fb + L")");
            break;
        case 2:
            formulas.push_back(L"=MIN(A1:A40)+" + fa);
            break;
        case 3:
            formulas.push_back(L"=MAX(" + fa + L"," + fb + L",B1)");
            break;
        case 4:
            formulas.push_back(L"=SQRT(" + fa + L"*" + fb + L")");
            break;
        default:
            formulas.push_back(L"=" + fa + L"&\" mm\"");
            break;
        }
    }
    std::vector<std::wstring> numbers;
    for (int i = 0; i < 40; ++i)
        numbers.push_back(std::to_wstring(i * 3 + 1));
    for (auto _ : state) {
        Sheet s;
        s.setMaxCols(3);
        s.setMaxRows(40);
        for (int i = 0; i < 40; ++i)
            s.setData(1, i + 1, numbers[static_cast<size_t>(i)]);
        for (int i = 0; i < 60; ++i)
            s.setFormula(2 + i / 40, i % 40 + 1, formulas[static_cast<size_t>(i)]);
        benchmark::DoNotOptimize(s.value(3, 20));
    }
}
BENCHMARK(BM_SmallSheet)->Unit(benchmark::kMicrosecond);

// One round of a calculation sheet as its owner runs it, without automatic
// calculation: each input given its type and its value as text, each
// equation given its type and its formula compiled once, computed at once
// and read back as text. The equations call the owner's functions (with
// text and cell arguments, giving numbers and texts) and built-ins.
void BM_CalculationRound(benchmark::State& state) {
    constexpr int kRows = 20;
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(kRows);
    s.setBoolProperty(kBoolAutoCalc, false);
    // A number from a text and a number: the text's length plus the number.
    s.addCustomFunction(L"SIZEOF", 2, 2, [](Sheet&, CalcValue& r, CalcValue* a, int) {
        if (a[0].type != kCalcText || a[1].type != kCalcDouble) return false;
        r.status = kCalcValue;
        r.type = kCalcDouble;
        r.v.d = static_cast<double>(std::wcslen(lockTextBlock(a[0].v.text))) + a[1].v.d;
        return true;
    });
    // A text: the first argument's.
    s.addCustomFunction(L"ITEMOF", 1, 1, [](Sheet&, CalcValue& r, CalcValue* a, int) {
        if (a[0].type != kCalcText) return false;
        r.status = kCalcValue;
        r.type = kCalcText;
        r.v.text = allocTextBlock(lockTextBlock(a[0].v.text));
        return r.v.text != nullptr;
    });
    const wchar_t* equations[] = {
        L"SIZEOF(\"IPE 300\", A%d)",
        L"ROUND(A%d * 1.5 + 0.25, 2)",
        L"IF(A%d > 10, CEILING(1.2 * A%d, 5), NA())",
        L"MIN(2.8 * A%d / 7 - 1.7, 2.5)",
        L"ITEMOF(\"M20 8.8\")",
    };
    std::vector<FormulaRef> compiled;
    std::vector<std::wstring> inputs;
    for (int row = 1; row <= kRows; ++row) {
        wchar_t text[80];
        std::swprintf(text, std::size(text), equations[(row - 1) % std::size(equations)], row,
                      row);
        compiled.emplace_back(Formula::parse(text, s.refStyle(), 2, row));
        inputs.push_back(std::to_wstring(row * 7) + L".5");
    }
    const auto numberType = std::make_shared<const CellType>(CellType::number(7));
    std::wstring out;
    for (auto _ : state) {
        for (int row = 1; row <= kRows; ++row) {
            s.setCellTypeRange(1, row, 1, row, numberType);
            s.setValue(1, row, inputs[static_cast<size_t>(row - 1)]);
        }
        for (int row = 1; row <= kRows; ++row) {
            s.setCellTypeRange(2, row, 2, row, numberType);
            setCompiledFormula(s, 2, row, compiled[static_cast<size_t>(row - 1)]);
            s.valueAt(2, row).textInto(out);
            benchmark::DoNotOptimize(out.data());
        }
    }
    if (!s.valueAt(2, 1).isNumber() || !s.valueAt(2, 3).isNumber() || !s.valueAt(2, 5).isText())
        state.SkipWithError("an equation failed");
}
BENCHMARK(BM_CalculationRound)->Unit(benchmark::kMicrosecond);

void BM_SheetFileWriteRead(benchmark::State& state) {
    Sheet s;
    buildChain(s, 10000);
    for (auto _ : state) {
        std::string text = writeSheetText(s);
        Sheet t;
        benchmark::DoNotOptimize(readSheetText(t, text));
    }
}
BENCHMARK(BM_SheetFileWriteRead)->Unit(benchmark::kMillisecond);

// Loading a native sheet file of a chain as a conversion from CSV writes it
// (1,000,000 cells: about 50 MB), from the file to a computed sheet.
void BM_SheetFileLoad(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    namespace fs = std::filesystem;
    fs::path file = fs::temp_directory_path() / ("zrlss-bench-chain-" + std::to_string(n) + ".vks");
    {
        Sheet s;
        s.setBoolProperty(kBoolAutoCalc, false);
        buildChain(s, n);
        s.recalc();
        if (!s.save(file)) {
            state.SkipWithError("cannot write the sheet file");
            return;
        }
    }
    for (auto _ : state) {
        Sheet t;
        if (!t.load(file)) state.SkipWithError("cannot load the sheet file");
        benchmark::DoNotOptimize(t.value(1, n));
    }
    state.counters["MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
    std::error_code ec;
    fs::remove(file, ec);
}
BENCHMARK(BM_SheetFileLoad)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
