#include "platform/spread/formula_custom.h"

#include "platform/spread/custom_function.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <mutex>
#include <new>
#include <type_traits>
#include <unordered_map>
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

// Fills one argument record, made empty; false when a text block cannot be
// made.
bool fillArg(CalcValue& rec, const Slot& s, bool byReference, FormulaHost& host, int col, int row,
             ArgBlocks& owned) {
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
    Value read;
    const Value& v = s.kind == Slot::Val ? s.v : (read = scalarOf(s, host, col, row));
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

// Most calls pass a few arguments: their records live on the stack, made
// as each argument is filled.
class ArgRecords {
public:
    explicit ArgRecords(int count) {
        if (static_cast<size_t>(count) > kInline) {
            heap_.resize(static_cast<size_t>(count));
            recs_ = heap_.data();
        }
    }
    ArgRecords(const ArgRecords&) = delete;
    ArgRecords& operator=(const ArgRecords&) = delete;
    // Record i, made empty.
    CalcValue& make(int i) { return *new (recs_ + i) CalcValue(); }
    CalcValue* data() { return recs_; }

private:
    static constexpr size_t kInline = 8;
    alignas(CalcValue) unsigned char local_[kInline * sizeof(CalcValue)];
    CalcValue* recs_ = reinterpret_cast<CalcValue*>(local_);
    std::vector<CalcValue> heap_;
};
static_assert(std::is_trivially_destructible_v<CalcValue> &&
              std::is_trivially_copyable_v<CalcValue>);

} // namespace

uint32_t customNameId(std::wstring_view name) {
    // Names are never forgotten: numbers stay valid in every formula of the
    // process, and the count is bounded so that odd workbooks cannot grow
    // the table without end (their names then go unnumbered).
    constexpr size_t kMaxNames = 1u << 16;
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::wstring_view s) const { return std::hash<std::wstring_view>{}(s); }
    };
    struct Names {
        std::mutex lock;
        std::unordered_map<std::wstring, uint32_t, Hash, std::equal_to<>> ids;
    };
    static Names names;
    std::lock_guard<std::mutex> guard(names.lock);
    if (auto it = names.ids.find(name); it != names.ids.end()) return it->second;
    if (names.ids.size() >= kMaxNames) return 0;
    const auto id = static_cast<uint32_t>(names.ids.size() + 1);
    names.ids.emplace(std::wstring(name), id);
    return id;
}

Slot callCustom(const std::wstring& name, uint32_t nameId, Slot* args, int argc, FormulaHost& host,
                int col, int row) {
    const CustomFunction* fn = host.numberedFunction(nameId, name);
    if (!fn) return Value::error(ErrorKind::Name);
    if (argc < fn->minArgs || argc > fn->maxArgs) return Value::error(ErrorKind::Value);
    // A copy of the callback: the call may change the sheet's registry.
    CustomFunctionProc proc = fn->proc;
    bool byReference = fn->flags == 1;
    if (!proc) return Value::error(ErrorKind::Value);

    ArgBlocks owned;
    ArgRecords recs(argc);
    for (int i = 0; i < argc; ++i)
        if (!fillArg(recs.make(i), args[i], byReference, host, col, row, owned))
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
    if (resultBlock && owned.holds(resultBlock)) resultBlock = nullptr; // an argument handed back
    Slot out = ok ? resultOf(result) : Slot(Value::error(ErrorKind::Value));
    if (resultBlock) freeTextBlock(resultBlock);
    return out;
}

} // namespace spread
