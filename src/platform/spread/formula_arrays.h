// Blocks of values that are no cells of the sheet: array constants
// ({1,2;3,4}) and the blocks functions such as TRANSPOSE make. Private to
// the engine.
//
// Each block lives in rows below the sheet's last row, so functions that
// take blocks (SUM, INDEX, VLOOKUP, ...) read it as they read cells:
// through ArrayHost, which holds the blocks of one evaluation and answers
// every other read from the sheet.
#pragma once

#include "platform/spread/formula_values.h"

#include <vector>

namespace spread {

// True when the reference is to a block of values rather than to cells.
inline bool isArrayRef(const CellRange& r) {
    return r.row1 > kMaxSheetRows;
}

class ArrayHost final : public FormulaHost {
public:
    explicit ArrayHost(FormulaHost& sheet) : sheet_(sheet) {}

    // A new block of `rows` rows of `cols` values (`values` row by row), as
    // a reference; #VALUE! when it would not fit a sheet.
    Slot add(int rows, int cols, std::vector<Value> values);

    Value cellValue(int col, int row) override;
    void forEachValue(const CellRange& range,
                      const std::function<void(int col, int row, const Value&)>& fn) override;
    const CustomFunction* customFunction(std::wstring_view name) override {
        return sheet_.customFunction(name);
    }
    const CustomFunction* numberedFunction(uint32_t nameId, std::wstring_view name) override {
        return sheet_.numberedFunction(nameId, name);
    }
    Sheet& callerSheet() override { return sheet_.callerSheet(); }
    void reached(const CellRange& r) override { sheet_.reached(r); }

private:
    struct Block {
        int row1, rows, cols;
        std::vector<Value> values;
    };
    const Block* blockAt(int row) const;

    FormulaHost& sheet_;
    std::vector<Block> blocks_;
    int nextRow_ = kMaxSheetRows + 1;
};

// A block made by a function, through the host of the evaluation (#VALUE!
// when the host keeps no blocks).
Slot makeArray(FormulaHost& host, int rows, int cols, std::vector<Value> values);

} // namespace spread
