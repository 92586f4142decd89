// Builds one chain of formula cells through the sheet and reports the time
// taken, for measuring peak memory from outside (/usr/bin/time -v).
//   bench_spread_chain_peak [cells] [sheet|formulas]
//   bench_spread_chain_peak [cells] save FILE   (the chain as a sheet file)
//   bench_spread_chain_peak 0 load FILE         (a sheet file loaded)
#include "platform/spread/formula.h"
#include "platform/spread/sheet.h"
#include "spread_bench_chain.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace spread;

namespace {

double cpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv) {
    int n = argc > 1 ? std::atoi(argv[1]) : 1000000;
    if (argc > 3 && std::strcmp(argv[2], "load") == 0) {
        double start = cpuSeconds();
        Sheet s;
        std::wstring error;
        if (!s.load(argv[3], &error)) {
            std::printf("cannot load: %ls\n", error.c_str());
            return 1;
        }
        std::printf("loaded %s: %.3f s CPU\n", argv[3], cpuSeconds() - start);
        return 0;
    }
    bool formulasOnly = argc > 2 && std::strcmp(argv[2], "formulas") == 0;
    if (n < 2) n = 2;
    double start = cpuSeconds();
    Value last;
    if (formulasOnly) {
        last = bench::parseAndComputeChain(n);
    } else {
        auto s = std::make_unique<Sheet>();
        s->setMaxCols(1);
        s->setMaxRows(n);
        s->setData(1, 1, L"1");
        for (int row = 2; row <= n; ++row)
            s->setFormula(1, row, L"=" + bench::chainFormula(row));
        last = s->value(1, n);
        if (argc > 3 && std::strcmp(argv[2], "save") == 0 && !s->save(argv[3])) return 1;
    }
    std::printf("%d cells (%s): %.3f s CPU, last %ls\n", n, formulasOnly ? "formulas" : "sheet",
                cpuSeconds() - start, last.toText().c_str());
    return 0;
}
