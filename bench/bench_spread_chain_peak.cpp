// Builds one chain of formula cells through the sheet and reports the time
// taken, for measuring peak memory from outside (/usr/bin/time -v).
//   bench_spread_chain_peak [cells] [sheet|formulas]
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
    }
    std::printf("%d cells (%s): %.3f s CPU, last %ls\n", n, formulasOnly ? "formulas" : "sheet",
                cpuSeconds() - start, last.toText().c_str());
    return 0;
}
