// Custom functions: functions a sheet's owner adds to the formula language,
// called back during calculation with records of arguments and a result.
//
// The records keep the layout of the grid's custom-function hook: each record
// is 40 bytes; status 0 = holds a value, 1 = error, 2 = empty; type 0 = 32-bit
// integer, 1 = double, 2 = text (a text block holding a zero-terminated wide
// string), 3 = cell reference (column and row), 4 = range.
//
// Text blocks are handles in the manner of movable global memory: the engine
// allocates the argument blocks and frees them after the call; a block the
// function puts in its result belongs to the engine from then on.
#pragma once

#include "platform/spread/spread_api.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace spread {

class Sheet;

using TextBlock = void*;
// A new block holding text; null when it cannot be allocated.
ZRLSPREAD_API TextBlock allocTextBlock(std::wstring_view text);
// The block's zero-terminated text (null for a null block).
ZRLSPREAD_API const wchar_t* lockTextBlock(TextBlock block);
ZRLSPREAD_API void freeTextBlock(TextBlock block);

enum CalcStatus : uint8_t { kCalcValue = 0, kCalcError = 1, kCalcEmpty = 2 };
enum CalcType : uint8_t { kCalcInt = 0, kCalcDouble = 1, kCalcText = 2, kCalcCell = 3, kCalcRange = 4 };

struct CalcValue {
    uint8_t status = kCalcEmpty;
    uint8_t type = kCalcInt;
    uint8_t reserved[6] = {};
    union {
        int32_t i;
        double d;
        TextBlock text;
        struct {
            int32_t col, row;
        } cell;
        struct {
            int32_t col, row, col2, row2;
        } range;
    } v = {};
    uint8_t spare[16] = {};
};
static_assert(sizeof(CalcValue) == 40, "a custom-function record is 40 bytes");

// The callback: fills `result` from `args[0..count-1]`; returns false when it
// failed (the cell then shows #VALUE!). `caller` is the sheet whose formula
// is being computed; the callback may read it and may compute other sheets.
using CustomFunctionProc =
    std::function<bool(Sheet& caller, CalcValue& result, CalcValue* args, int count)>;

struct CustomFunction {
    std::wstring name; // upper case
    int minArgs = 0;
    int maxArgs = 0;
    // 0: reference arguments arrive as the referenced cell's value.
    // 1: a single-cell reference arrives as type 3, a range as type 4.
    int flags = 0;
    CustomFunctionProc proc;
};

// A sheet's own functions, looked up by name without case.
class ZRLSPREAD_API FunctionRegistry {
public:
    // Adds or replaces the function of that name.
    void add(CustomFunction fn);
    const CustomFunction* find(std::wstring_view name) const;
    // The same for a name the engine numbered (`nameId`, never 0, stands
    // for that name alone): the answer is kept until the functions change,
    // so a formula calling a function again costs no search by name.
    const CustomFunction* findNumbered(uint32_t nameId, std::wstring_view name) const;
    void clear() {
        fns_.clear();
        ++version_;
    }
    bool empty() const { return fns_.empty(); }
    // Counts the changes: a caller that registered its functions knows they
    // are still there while the count is the same.
    uint64_t version() const { return version_; }

private:
    // Answers of findNumbered, in slot nameId % kSlots, good while the
    // registry's version is still `version`. A copy of a registry starts
    // without any.
    class Kept {
    public:
        static constexpr uint32_t kSlots = 32;
        struct Answer {
            uint32_t nameId = 0;
            const CustomFunction* fn = nullptr;
        };
        Kept() = default;
        Kept(const Kept&) noexcept {}
        Kept& operator=(const Kept&) noexcept {
            answers.reset();
            return *this;
        }
        std::unique_ptr<Answer[]> answers; // made at the first numbered look-up
        uint64_t version = 0;
    };

    std::map<std::wstring, CustomFunction, std::less<>> fns_;
    uint64_t version_ = 0;
    mutable Kept kept_;
};

} // namespace spread
