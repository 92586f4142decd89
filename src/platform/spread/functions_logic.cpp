// Logical and information functions.
#include "platform/spread/functions_iterate.h"

namespace spread {

namespace {

// AND and OR: logical values and numbers count; texts in cells and empty
// texts given directly are skipped; no logical value at all is #VALUE!.
enum class Fold { And, Or, Xor };

Slot logicalFold(Call& c, Fold fold) {
    bool any = false, result = fold == Fold::And;
    ErrorKind error = ErrorKind::Value;
    bool failed = false;
    forEachArgValue(c, 0, [&](const Value& v, bool fromRef) {
        if (failed) return;
        bool b = false;
        switch (v.type()) {
        case Value::Type::Error:
            failed = true;
            error = v.errorKind();
            return;
        case Value::Type::Text:
            if (fromRef || v.text().empty()) return;
            if (!toLogical(v, b, error)) {
                failed = true;
                return;
            }
            break;
        case Value::Type::Number:
            b = v.number() != 0;
            break;
        case Value::Type::Logical:
            b = v.logicalValue();
            break;
        case Value::Type::Empty:
            b = false;
            break;
        }
        any = true;
        result = fold == Fold::And ? (result && b) : fold == Fold::Or ? (result || b) : (result != b);
    });
    if (failed) return Value::error(error);
    if (!any) return Value::error(ErrorKind::Value);
    return Value::logical(result);
}

Slot fnAnd(Call& c) {
    return logicalFold(c, Fold::And);
}
Slot fnOr(Call& c) {
    return logicalFold(c, Fold::Or);
}
Slot fnXor(Call& c) {
    return logicalFold(c, Fold::Xor);
}
Slot fnNot(Call& c) {
    return Value::logical(!c.flag(0));
}
Slot fnTrue(Call&) {
    return Value::logical(true);
}
Slot fnFalse(Call&) {
    return Value::logical(false);
}

// A chosen argument as a result: references stay references, an empty
// argument is 0.
Slot pick(const Slot& s) {
    if (s.kind == Slot::Missing) return Value(0);
    return s;
}

Slot fnIf(Call& c) {
    if (c.flag(0)) return c.given(1) ? pick(c.arg(1)) : Value(0);
    return c.given(2) ? pick(c.arg(2)) : Value::logical(false);
}

Slot fnIfError(Call& c) {
    return c.scalar(0).isError() ? pick(c.arg(1)) : pick(c.arg(0));
}

Slot fnIfNa(Call& c) {
    Value v = c.scalar(0);
    return v.isError() && v.errorKind() == ErrorKind::NA ? pick(c.arg(1)) : pick(c.arg(0));
}

// IFS(test, value, ...): the value of the first true test; none is #N/A.
Slot fnIfs(Call& c) {
    if (c.argc % 2 != 0) return Value::error(ErrorKind::NA);
    for (int i = 0; i + 1 < c.argc; i += 2) {
        bool b = false;
        ErrorKind e = ErrorKind::Value;
        if (!toLogical(c.scalar(i), b, e)) return Value::error(e);
        if (b) return pick(c.arg(i + 1));
    }
    return Value::error(ErrorKind::NA);
}

// SWITCH(value, case, result, ..., [default]): the result of the first case
// equal to the value (texts without case), else the default, else #N/A.
Slot fnSwitch(Call& c) {
    Value v = c.scalar(0);
    if (v.isError()) return v;
    int i = 1;
    for (; i + 1 < c.argc; i += 2) {
        Value k = c.scalar(i);
        if (k.isError()) return k;
        bool comparable = k.type() == v.type() || v.isEmpty() || k.isEmpty();
        if (comparable && compareValues(v, k) == 0) return pick(c.arg(i + 1));
    }
    if (i < c.argc) return pick(c.arg(i));
    return Value::error(ErrorKind::NA);
}

Slot fnIsBlank(Call& c) {
    const Slot& s = c.arg(0);
    return Value::logical(s.isRef() ? c.scalar(0).isEmpty() : s.v.isEmpty());
}
Slot fnIsError(Call& c) {
    return Value::logical(c.value(0).isError());
}
Slot fnIsNa(Call& c) {
    return Value::logical(c.value(0).isError() && c.value(0).errorKind() == ErrorKind::NA);
}
Slot fnIsNumber(Call& c) {
    return Value::logical(c.value(0).isNumber());
}
Slot fnIsText(Call& c) {
    return Value::logical(c.value(0).isText());
}
Slot fnNa(Call&) {
    return Value::error(ErrorKind::NA);
}

Slot fnN(Call& c) {
    const Value& v = c.value(0);
    switch (v.type()) {
    case Value::Type::Number:
    case Value::Type::Error:
        return v;
    case Value::Type::Logical:
        return Value(v.logicalValue() ? 1 : 0);
    default:
        return Value(0);
    }
}

const FunctionDef kLogic[] = {
    {L"AND", 1, 255, "r", fnAnd},
    {L"FALSE", 0, 0, "", fnFalse},
    {L"IF", 2, 3, "brr", fnIf},
    {L"IFERROR", 2, 2, "r", fnIfError},
    {L"IFNA", 2, 2, "r", fnIfNa},
    {L"IFS", 2, 254, "r", fnIfs},
    {L"ISBLANK", 1, 1, "r", fnIsBlank},
    {L"ISERROR", 1, 1, "v", fnIsError},
    {L"ISNA", 1, 1, "v", fnIsNa},
    {L"ISNUMBER", 1, 1, "v", fnIsNumber},
    {L"ISTEXT", 1, 1, "v", fnIsText},
    {L"N", 1, 1, "v", fnN},
    {L"NA", 0, 0, "", fnNa},
    {L"NOT", 1, 1, "b", fnNot},
    {L"OR", 1, 255, "r", fnOr},
    {L"SWITCH", 3, 254, "r", fnSwitch},
    {L"TRUE", 0, 0, "", fnTrue},
    {L"XOR", 1, 255, "r", fnXor},
};

} // namespace

FunctionList logicFunctions() {
    return {kLogic, std::size(kLogic)};
}

} // namespace spread
