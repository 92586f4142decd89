#include "platform/spread/formula_arrays.h"

#include <algorithm>
#include <climits>

namespace spread {

Slot ArrayHost::add(int rows, int cols, std::vector<Value> values) {
    if (rows < 1 || cols < 1 || rows > kMaxSheetRows || cols > kMaxSheetCols ||
        values.size() != size_t(rows) * size_t(cols) || nextRow_ > INT_MAX - rows)
        return Value::error(ErrorKind::Value);
    const int row1 = nextRow_;
    nextRow_ += rows;
    blocks_.push_back({row1, rows, cols, std::move(values)});
    return Slot::reference({1, row1, cols, row1 + rows - 1});
}

const ArrayHost::Block* ArrayHost::blockAt(int row) const {
    // Blocks are added in order of their rows.
    auto it = std::upper_bound(blocks_.begin(), blocks_.end(), row,
                               [](int r, const Block& b) { return r < b.row1; });
    if (it == blocks_.begin()) return nullptr;
    --it;
    return row < it->row1 + it->rows ? &*it : nullptr;
}

Value ArrayHost::cellValue(int col, int row) {
    if (row <= kMaxSheetRows) return sheet_.cellValue(col, row);
    const Block* b = blockAt(row);
    if (!b || col < 1 || col > b->cols) return Value();
    return b->values[size_t(row - b->row1) * size_t(b->cols) + size_t(col - 1)];
}

void ArrayHost::forEachValue(const CellRange& range,
                             const std::function<void(int, int, const Value&)>& fn) {
    if (!isArrayRef(range)) {
        sheet_.forEachValue(range, fn);
        return;
    }
    for (int row = range.row1; row <= range.row2; ++row) {
        const Block* b = blockAt(row);
        if (!b) continue;
        for (int col = std::max(range.col1, 1); col <= std::min(range.col2, b->cols); ++col) {
            const Value& v = b->values[size_t(row - b->row1) * size_t(b->cols) + size_t(col - 1)];
            if (!v.isEmpty()) fn(col, row, v);
        }
    }
}

Slot makeArray(FormulaHost& host, int rows, int cols, std::vector<Value> values) {
    auto* arrays = dynamic_cast<ArrayHost*>(&host);
    if (!arrays) return Value::error(ErrorKind::Value);
    return arrays->add(rows, cols, std::move(values));
}

} // namespace spread
