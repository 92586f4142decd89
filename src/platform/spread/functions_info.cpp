// Information functions: what kind of value an argument holds.
#include "platform/spread/formula_arrays.h"
#include "platform/spread/functions.h"
#include "platform/spread/sheet.h"

#include <cmath>

namespace spread {

namespace {

Slot yes(bool b) {
    return Value::logical(b);
}

Slot fnIsErr(Call& c) {
    const Value& v = c.value(0);
    return yes(v.isError() && v.errorKind() != ErrorKind::NA);
}
Slot fnIsLogical(Call& c) {
    return yes(c.value(0).isLogical());
}
Slot fnIsNonText(Call& c) {
    return yes(!c.value(0).isText());
}
Slot fnIsRef(Call& c) {
    return yes(c.arg(0).isRef() && !isArrayRef(c.arg(0).ref));
}

Slot fnIsFormula(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return Value::error(ErrorKind::Value);
    return yes(c.host.callerSheet().hasFormula(s.ref.col1, s.ref.row1));
}

// ISEVEN and ISODD: of the number truncated; a text that is not a number is
// #VALUE!, as is a logical value.
Slot parity(Call& c, bool even) {
    const Value& v = c.value(0);
    if (v.isLogical()) return Value::error(ErrorKind::Value);
    double x = 0;
    ErrorKind e = ErrorKind::Value;
    if (!toNumber(v, x, e)) return Value::error(e);
    bool isEven = std::fmod(std::trunc(std::fabs(x)), 2) == 0;
    return yes(isEven == even);
}
Slot fnIsEven(Call& c) {
    return parity(c, true);
}
Slot fnIsOdd(Call& c) {
    return parity(c, false);
}

// ERROR.TYPE: 1 #NULL!, 2 #DIV/0!, 3 #VALUE!, 4 #REF!, 5 #NAME?, 6 #NUM!,
// 7 #N/A, 9 #SPILL!, 14 #CALC!; not an error: #N/A.
Slot fnErrorType(Call& c) {
    const Value& v = c.value(0);
    if (!v.isError()) return Value::error(ErrorKind::NA);
    switch (v.errorKind()) {
    case ErrorKind::Null: return Value(1);
    case ErrorKind::Div0: return Value(2);
    case ErrorKind::Value: return Value(3);
    case ErrorKind::Ref: return Value(4);
    case ErrorKind::Name: return Value(5);
    case ErrorKind::Num: return Value(6);
    case ErrorKind::NA: return Value(7);
    case ErrorKind::Spill: return Value(9);
    case ErrorKind::Calc: return Value(14);
    default: return Value::error(ErrorKind::NA);
    }
}

// TYPE: 1 number (or blank), 2 text, 4 logical, 16 error, 64 a block.
Slot fnType(Call& c) {
    const Slot& s = c.arg(0);
    if (s.kind == Slot::Area) return Value(64);
    Value v = c.scalar(0);
    switch (v.type()) {
    case Value::Type::Text: return Value(2);
    case Value::Type::Logical: return Value(4);
    case Value::Type::Error: return Value(16);
    default: return Value(1);
    }
}

const FunctionDef kInfo[] = {
    {L"ERROR.TYPE", 1, 1, "v", fnErrorType}, {L"ISERR", 1, 1, "v", fnIsErr},
    {L"ISEVEN", 1, 1, "v", fnIsEven},        {L"ISFORMULA", 1, 1, "r", fnIsFormula},
    {L"ISLOGICAL", 1, 1, "v", fnIsLogical},  {L"ISNONTEXT", 1, 1, "v", fnIsNonText},
    {L"ISODD", 1, 1, "v", fnIsOdd},          {L"ISREF", 1, 1, "r", fnIsRef},
    {L"TYPE", 1, 1, "r", fnType},
};

} // namespace

FunctionList infoFunctions() {
    return {kInfo, std::size(kInfo)};
}

} // namespace spread
