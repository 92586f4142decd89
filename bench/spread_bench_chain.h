// What the formula benchmarks share: column A as a flat array of values that
// formulas read, and the chain A1 = 1, A(i) = A(i-1)*1.0001+1 parsed and
// computed without a sheet around it.
#pragma once

#include "platform/spread/formula.h"

#include <memory>
#include <string>
#include <vector>

namespace spread::bench {

// Column A as a flat array of values (rows from 1).
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
    // No formula here calls a custom function, so nothing looks at the sheet.
    Sheet& callerSheet() override { return *reinterpret_cast<Sheet*>(this); }
};

// The formula of chain cell `row` (from 2), without "=".
inline std::wstring chainFormula(int row) {
    return L"A" + std::to_wstring(row - 1) + L"*1.0001+1";
}

// The chain's formulas for rows 2..n, each parsed for its cell.
inline std::vector<std::unique_ptr<Formula>> parseChain(int n) {
    std::vector<std::unique_ptr<Formula>> formulas;
    formulas.reserve(static_cast<size_t>(n));
    for (int row = 2; row <= n; ++row)
        formulas.push_back(Formula::parse(chainFormula(row), RefStyle::A1, 1, row));
    return formulas;
}

// Computes rows 2..n of `host` from `formulas` (as parseChain made them), in order.
inline void computeChain(ColumnHost& host, const std::vector<std::unique_ptr<Formula>>& formulas) {
    for (size_t i = 0; i < formulas.size(); ++i)
        host.values[i + 2] = formulas[i]->evaluate(host, 1, static_cast<int>(i + 2));
}

// The chain of n cells parsed and computed as a sheet's first calculation
// would; returns the last value.
inline Value parseAndComputeChain(int n) {
    ColumnHost host(n);
    host.values[1] = 1.0;
    computeChain(host, parseChain(n));
    return host.values.back();
}

} // namespace spread::bench
