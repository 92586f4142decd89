// Builds one chain of formula cells through the sheet and reports the time
// taken, for measuring peak memory from outside (/usr/bin/time -v).
//   bench_spread_chain_peak [cells] [sheet|formulas]
#include "platform/spread/formula.h"
#include "platform/spread/sheet.h"

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

// Column A as a flat array of values.
class ColumnHost : public FormulaHost {
public:
    explicit ColumnHost(int rows) : values(static_cast<size_t>(rows) + 1) {}
    std::vector<Value> values;
    Value cellValue(int col, int row) override {
        if (col != 1 || row < 1 || row >= static_cast<int>(values.size())) return Value();
        return values[static_cast<size_t>(row)];
    }
    void forEachValue(const CellRange&,
                      const std::function<void(int, int, const Value&)>&) override {}
    const CustomFunction* customFunction(std::wstring_view) override { return nullptr; }
    Sheet& callerSheet() override { return *reinterpret_cast<Sheet*>(this); }
};

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
        ColumnHost host(n);
        host.values[1] = 1.0;
        std::vector<std::unique_ptr<Formula>> formulas;
        formulas.reserve(static_cast<size_t>(n));
        for (int row = 2; row <= n; ++row) {
            std::wstring text = L"A" + std::to_wstring(row - 1) + L"*1.0001+1";
            formulas.push_back(Formula::parse(text, RefStyle::A1, 1, row));
            host.values[static_cast<size_t>(row)] = formulas.back()->evaluate(host, 1, row);
        }
        last = host.values.back();
    } else {
        auto s = std::make_unique<Sheet>();
        s->setMaxCols(1);
        s->setMaxRows(n);
        s->setData(1, 1, L"1");
        for (int row = 2; row <= n; ++row)
            s->setFormula(1, row, L"=A" + std::to_wstring(row - 1) + L"*1.0001+1");
        last = s->value(1, n);
    }
    std::printf("%d cells (%s): %.3f s CPU, last %ls\n", n, formulasOnly ? "formulas" : "sheet",
                cpuSeconds() - start, last.toText().c_str());
    return 0;
}
