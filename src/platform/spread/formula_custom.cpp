#include "platform/spread/formula_custom.h"

#include "platform/spread/custom_function.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace spread {

namespace {

// Frees the argument text blocks the engine made, whatever the callback did
// with the records.
struct ArgBlocks {
    TextBlock inlineBlocks[8];
    std::vector<TextBlock> more; // beyond the first eight
    size_t count = 0;

    void push(TextBlock b) {
        if (count < std::size(inlineBlocks))
            inlineBlocks[count] = b;
        else
            more.push_back(b);
        ++count;
    }
    const TextBlock* inlineEnd() const {
        return inlineBlocks + std::min(count, std::size(inlineBlocks));
    }
    bool holds(TextBlock b) const {
        return std::find(inlineBlocks, inlineEnd(), b) != inlineEnd() ||
               std::find(more.begin(), more.end(), b) != more.end();
    }
    ~ArgBlocks() {
        const TextBlock* first = inlineBlocks;
        std::for_each(first, inlineEnd(), freeTextBlock);
        std::for_each(more.begin(), more.end(), freeTextBlock);
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
        try {
            owned.push(b);
        } catch (...) {
            freeTextBlock(b);
            return false;
        }
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
    // Most calls pass a few arguments: their records live on the stack.
    CalcValue inlineRecs[8];
    std::vector<CalcValue> heapRecs;
    CalcValue* recs = inlineRecs;
    if (static_cast<size_t>(argc) > std::size(inlineRecs)) {
        heapRecs.resize(static_cast<size_t>(argc));
        recs = heapRecs.data();
    }
    for (int i = 0; i < argc; ++i)
        if (!fillArg(recs[i], args[i], byReference, host, col, row, owned))
            return Value::error(ErrorKind::Value);

    CalcValue result{};
    bool ok = false;
    try {
        ok = proc(host.callerSheet(), result, recs, argc);
    } catch (...) {
        ok = false;
    }
    // A text block in the result belongs to the engine now.
    TextBlock resultBlock =
        result.status == kCalcValue && result.type == kCalcText ? result.v.text : nullptr;
    if (resultBlock && owned.holds(resultBlock)) resultBlock = nullptr; // an argument handed back
    Slot out = ok ? resultOf(result) : Slot(Value::error(ErrorKind::Value));
    if (resultBlock) freeTextBlock(resultBlock);
    return out;
}

} // namespace spread
