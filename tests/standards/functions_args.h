// Argument records for calling the standards sheet functions directly, the
// way the grid calls them: the text blocks are freed with the records.
#pragma once

#include "platform/spread/custom_function.h"
#include "platform/spread/sheet.h"

#include <string>
#include <vector>

namespace fixture {

class Args {
public:
    Args() = default;
    Args(const Args&) = delete;
    Args& operator=(const Args&) = delete;
    ~Args() {
        for (spread::CalcValue& v : values_) {
            if (v.status == spread::kCalcValue && v.type == spread::kCalcText)
                spread::freeTextBlock(v.v.text);
        }
    }
    Args& num(double d) {
        spread::CalcValue v;
        v.status = spread::kCalcValue;
        v.type = spread::kCalcDouble;
        v.v.d = d;
        return add(v);
    }
    Args& integer(int i) {
        spread::CalcValue v;
        v.status = spread::kCalcValue;
        v.type = spread::kCalcInt;
        v.v.i = i;
        return add(v);
    }
    Args& text(const std::wstring& t) {
        spread::CalcValue v;
        v.status = spread::kCalcValue;
        v.type = spread::kCalcText;
        v.v.text = spread::allocTextBlock(t);
        return add(v);
    }
    Args& empty() { return add(spread::CalcValue()); }
    Args& error() {
        spread::CalcValue v;
        v.status = spread::kCalcError;
        return add(v);
    }
    Args& cell(int col, int row) {
        spread::CalcValue v;
        v.status = spread::kCalcValue;
        v.type = spread::kCalcCell;
        v.v.cell.col = col;
        v.v.cell.row = row;
        return add(v);
    }
    spread::CalcValue* data() { return values_.data(); }
    int count() const { return static_cast<int>(values_.size()); }

private:
    Args& add(const spread::CalcValue& v) {
        values_.push_back(v);
        return *this;
    }
    std::vector<spread::CalcValue> values_;
};

// The outcome of one call: whether it succeeded and the result as a value.
struct Outcome {
    bool ok = false;
    bool empty = false;
    double number = 0;
    std::wstring text;
    bool isText = false;
};

using Proc = bool (*)(spread::Sheet&, spread::CalcValue&, spread::CalcValue*, int);

inline Outcome call(Proc proc, Args& args) {
    static spread::Sheet sheet;
    spread::CalcValue result;
    result.status = spread::kCalcValue;
    result.type = spread::kCalcDouble;
    result.v.d = 42;
    Outcome out;
    out.ok = proc(sheet, result, args.data(), args.count());
    out.empty = result.status == spread::kCalcEmpty;
    if (result.status == spread::kCalcValue && result.type == spread::kCalcDouble)
        out.number = result.v.d;
    if (result.status == spread::kCalcValue && result.type == spread::kCalcText) {
        out.isText = true;
        out.text = spread::lockTextBlock(result.v.text);
        spread::freeTextBlock(result.v.text);
    }
    return out;
}

} // namespace fixture
