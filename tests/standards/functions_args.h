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
    Args& num(double d) { return add(spread::kCalcDouble).v.d = d, *this; }
    Args& integer(int i) { return add(spread::kCalcInt).v.i = i, *this; }
    Args& text(const std::wstring& t) {
        return add(spread::kCalcText).v.text = spread::allocTextBlock(t), *this;
    }
    Args& cell(int col, int row) {
        add(spread::kCalcCell).v.cell = {col, row};
        return *this;
    }
    Args& empty() { return add(spread::kCalcInt, spread::kCalcEmpty), *this; }
    Args& error() { return add(spread::kCalcInt, spread::kCalcError), *this; }
    spread::CalcValue* data() { return values_.data(); }
    int count() const { return static_cast<int>(values_.size()); }

private:
    spread::CalcValue& add(uint8_t type, uint8_t status = spread::kCalcValue) {
        spread::CalcValue& v = values_.emplace_back();
        v.status = status;
        v.type = type;
        return v;
    }
    std::vector<spread::CalcValue> values_;
};

// The outcome of one call: whether it succeeded and the result as a value.
struct Outcome {
    bool ok = false;
    bool empty = false;
    double number = 0;
    std::wstring text;
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
        out.text = spread::lockTextBlock(result.v.text);
        spread::freeTextBlock(result.v.text);
    }
    return out;
}

// Calls `proc` with the arguments `fill` puts into a fresh list.
template <class Fill> Outcome run(Proc proc, Fill fill) {
    Args args;
    fill(args);
    return call(proc, args);
}

} // namespace fixture
