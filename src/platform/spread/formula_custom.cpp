#include "platform/spread/formula_custom.h"

#include "platform/spread/custom_function.h"

#include <cmath>
#include <vector>

namespace spread {

namespace {

// Frees the argument text blocks the engine made, whatever the callback did
// with the records.
struct ArgBlocks {
    std::vector<TextBlock> blocks;
    ~ArgBlocks() {
        for (TextBlock b : blocks)
            freeTextBlock(b);
    }
};

bool validRange(int col1, int row1, int col2, int row2) {
    return col1 >= 1 && row1 >= 1 && col2 >= col1 && row2 >= row1 && col2 <= kMaxSheetCols &&
           row2 <= kMaxSheetRows;
}

// Fills one argument record; false when a text block cannot be made.
bool fillArg(CalcValue& rec, const Slot& s, bool byReference, FormulaHost& host, int col, int row,
             ArgBlocks& owned) {
    rec = CalcValue{};
    if (byReference && s.kind == Slot::Cell) {
        rec.status = kCalcValue;
        rec.type = kCalcCell;
        rec.v.cell = {s.ref.col1, s.ref.row1};
        return true;
    }
    if (byReference && s.kind == Slot::Area) {
        rec.status = kCalcValue;
        rec.type = kCalcRange;
        rec.v.range = {s.ref.col1, s.ref.row1, s.ref.col2, s.ref.row2};
        return true;
    }
    Value v = scalarOf(s, host, col, row);
    switch (v.type()) {
    case Value::Type::Empty:
        rec.status = kCalcEmpty;
        return true;
    case Value::Type::Error:
        rec.status = kCalcError;
        rec.v.i = static_cast<int32_t>(v.errorKind());
        return true;
    case Value::Type::Number:
        rec.status = kCalcValue;
        rec.type = kCalcDouble;
        rec.v.d = v.number();
        return true;
    case Value::Type::Logical:
        rec.status = kCalcValue;
        rec.type = kCalcDouble;
        rec.v.d = v.logicalValue() ? 1 : 0;
        return true;
    case Value::Type::Text: {
        TextBlock b = allocTextBlock(v.text());
        if (!b) return false;
        owned.blocks.push_back(b);
        rec.status = kCalcValue;
        rec.type = kCalcText;
        rec.v.text = b;
        return true;
    }
    }
    return false;
}

Slot resultOf(const CalcValue& r) {
    if (r.status == kCalcEmpty) return Value();
    if (r.status != kCalcValue) return Value::error(ErrorKind::Value);
    switch (r.type) {
    case kCalcInt:
        return Value(static_cast<double>(r.v.i));
    case kCalcDouble:
        return std::isfinite(r.v.d) ? Value(r.v.d) : Value::error(ErrorKind::Num);
    case kCalcText: {
        const wchar_t* t = lockTextBlock(r.v.text);
        return Value(std::wstring(t ? t : L""));
    }
    case kCalcCell:
        if (!validRange(r.v.cell.col, r.v.cell.row, r.v.cell.col, r.v.cell.row))
            return Value::error(ErrorKind::Ref);
        return Slot::reference({r.v.cell.col, r.v.cell.row, r.v.cell.col, r.v.cell.row});
    case kCalcRange:
        if (!validRange(r.v.range.col, r.v.range.row, r.v.range.col2, r.v.range.row2))
            return Value::error(ErrorKind::Ref);
        return Slot::reference({r.v.range.col, r.v.range.row, r.v.range.col2, r.v.range.row2});
    default:
        return Value::error(ErrorKind::Value);
    }
}

} // namespace

Slot callCustom(const std::wstring& name, Slot* args, int argc, FormulaHost& host, int col,
                int row) {
    const CustomFunction* fn = host.customFunction(name);
    if (!fn) return Value::error(ErrorKind::Name);
    if (argc < fn->minArgs || argc > fn->maxArgs) return Value::error(ErrorKind::Value);
    // A copy of the callback: the call may change the sheet's registry.
    CustomFunctionProc proc = fn->proc;
    bool byReference = fn->flags == 1;
    if (!proc) return Value::error(ErrorKind::Value);

    ArgBlocks owned;
    std::vector<CalcValue> recs(static_cast<size_t>(argc));
    for (int i = 0; i < argc; ++i)
        if (!fillArg(recs[static_cast<size_t>(i)], args[i], byReference, host, col, row, owned))
            return Value::error(ErrorKind::Value);

    CalcValue result{};
    bool ok = false;
    try {
        ok = proc(host.callerSheet(), result, recs.data(), argc);
    } catch (...) {
        ok = false;
    }
    // A text block in the result belongs to the engine now.
    TextBlock resultBlock =
        result.status == kCalcValue && result.type == kCalcText ? result.v.text : nullptr;
    for (TextBlock b : owned.blocks)
        if (b == resultBlock) resultBlock = nullptr; // an argument block handed back
    Slot out = ok ? resultOf(result) : Slot(Value::error(ErrorKind::Value));
    if (resultBlock) freeTextBlock(resultBlock);
    return out;
}

} // namespace spread
