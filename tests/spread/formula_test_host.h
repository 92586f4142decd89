// A small sheet for formula tests: a map of cell values and the sheet's
// custom functions.
#pragma once

#include "platform/spread/custom_function.h"
#include "platform/spread/formula.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace spread::testing {

class MapHost : public FormulaHost {
public:
    std::map<std::pair<int, int>, Value> cells; // (col, row)
    FunctionRegistry functions;
    int reads = 0;

    Value cellValue(int col, int row) override {
        ++reads;
        auto it = cells.find({col, row});
        return it == cells.end() ? Value() : it->second;
    }
    void forEachValue(const CellRange& r,
                      const std::function<void(int, int, const Value&)>& fn) override {
        for (const auto& [at, v] : cells)
            if (r.contains(at.first, at.second) && !v.isEmpty()) fn(at.first, at.second, v);
    }
    const CustomFunction* customFunction(std::wstring_view name) override {
        return functions.find(name);
    }
    // The tests never look inside the caller sheet, only at its address.
    Sheet& callerSheet() override { return *reinterpret_cast<Sheet*>(&token_); }
    Sheet* sheetAddress() { return reinterpret_cast<Sheet*>(&token_); }

    void set(int col, int row, Value v) { cells[{col, row}] = std::move(v); }

private:
    alignas(16) unsigned char token_[16] = {};
};

// Parses and computes `text` for the cell (col, row); a refused formula
// computes to #NAME? here, which no test expects from a valid one by chance.
inline Value evalIn(FormulaHost& host, std::wstring_view text, int col = 10, int row = 10,
                    RefStyle style = RefStyle::A1) {
    auto f = Formula::parse(text, style, col, row);
    if (!f) return Value(L"<refused>");
    return f->evaluate(host, col, row);
}

} // namespace spread::testing
