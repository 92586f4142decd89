// What formulas compute with: operands on the value stack, and the
// spreadsheet's coercions and comparisons between values. Private to the engine.
#pragma once

#include "platform/spread/formula.h"

#include <string>

namespace spread {

// An operand: a value, a reference to one cell or a block, or a missing
// function argument. References are read only when a value is needed, so a
// function such as SUM or INDEX sees the block itself.
struct Slot {
    enum Kind : uint8_t { Val, Cell, Area, Missing };
    Value v;
    CellRange ref;
    Kind kind = Val;

    Slot() = default;
    Slot(Value value) : v(std::move(value)) {}
    static Slot reference(const CellRange& r) {
        Slot s;
        s.kind = r.col1 == r.col2 && r.row1 == r.row2 ? Cell : Area;
        s.ref = r;
        return s;
    }
    bool isRef() const { return kind == Cell || kind == Area; }
};

// The value of an operand in a place that wants one value: a cell's value,
// a block's cell in the same row or column as (col, row) (implicit
// intersection), else #VALUE!. Missing reads as empty.
Value scalarOf(const Slot& s, FormulaHost& host, int col, int row);

// Coercions. Each returns false with `err` set when the value cannot be
// taken as that type (an error value passes its own kind on).
bool toNumber(const Value& v, double& out, ErrorKind& err);
bool toText(const Value& v, std::wstring& out, ErrorKind& err);
bool toLogical(const Value& v, bool& out, ErrorKind& err);

// A number as a formula shows it inside text: at most 15 significant digits.
std::wstring numberAsText(double x);
// x at 15 significant digits: the decimal value people see.
double visible(double x);
// |x| at 15 significant digits reckoned without text: `digits` (a whole
// number from 10^14 to 10^15) times 10^-scale. False when the reckoning
// cannot be sure of the last digit (|x| outside 1e-8..1e15, or a scaled
// value near a half): the decimal text of x then tells.
bool fifteenDigits(double x, double& digits, int& scale);
// The double nearest to n * 10^-scale, for a whole n below 2^53; false
// when 10^|scale| is no exact double (|scale| > 22).
bool nearestDecimal(double n, long long scale, double& out);
// The finite result of arithmetic, or #NUM!.
Value numberResult(double x);

// Compares two values the way comparison operators do: numbers < texts <
// logicals, texts without case, empty as 0, "" or FALSE by the other side.
// Returns <0, 0 or >0.
int compareValues(const Value& a, const Value& b);

// Matches `text` against a pattern with ? (one character), * (any run) and
// ~ (takes the next character literally), without case.
bool wildcardMatch(std::wstring_view pattern, std::wstring_view text);

} // namespace spread
