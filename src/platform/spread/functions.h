// The built-in functions: one table entry each, called through one shared
// invoker that checks, coerces and passes errors on. Private to the engine.
#pragma once

#include "platform/spread/formula_values.h"

#include <cstdint>
#include <string_view>

namespace spread {

// What a function gets: its arguments (already coerced by the invoker
// according to the function's argument kinds), the host and the cell.
struct Call {
    FormulaHost& host;
    int col, row;
    Slot* args;
    int argc;

    bool given(int i) const { return i < argc; }
    double num(int i) const { return args[i].v.number(); }
    const std::wstring& text(int i) const { return args[i].v.text(); }
    bool flag(int i) const { return args[i].v.logicalValue(); }
    const Value& value(int i) const { return args[i].v; }
    const Slot& arg(int i) const { return args[i]; }
    Value scalar(int i) const { return scalarOf(args[i], host, col, row); }
};

using FunctionBody = Slot (*)(Call&);

// Argument kinds, one character per argument; the last one repeats for the
// rest:
//   n  number          (errors pass on; missing is 0)
//   N  number, where a logical value is #VALUE! (the engineering and
//      financial functions)
//   s  text            (errors pass on; missing is "")
//   b  logical         (errors pass on; missing is FALSE)
//   e  any value       (errors pass on)
//   v  any value       (errors are given to the function)
//   r  as written      (references stay references; nothing checked)
struct FunctionDef {
    const wchar_t* name;
    uint8_t minArgs, maxArgs;
    const char* kinds;
    FunctionBody body;
    bool isVolatile = false; // computed anew on every recalculation (RAND, NOW...)
    bool makesArrays = false; // returns blocks of values (TRANSPOSE)
};

// The table, sorted by name.
const FunctionDef& builtin(uint32_t index);
const FunctionDef* findBuiltin(std::wstring_view upperName, uint32_t& index);

// The parts of the table, one per family of functions.
struct FunctionList {
    const FunctionDef* defs;
    size_t count;
};
FunctionList mathFunctions();
FunctionList textFunctions();
FunctionList logicFunctions();
FunctionList aggregateFunctions();
FunctionList lookupFunctions();
FunctionList engineeringFunctions();
FunctionList convertFunctions();
FunctionList trigFunctions();
FunctionList arithFunctions();
FunctionList infoFunctions();
FunctionList textJoinFunctions();
FunctionList xlookupFunctions();
FunctionList statsFunctions();
FunctionList conditionalFunctions();
FunctionList dateFunctions();
FunctionList textFormatFunctions();
FunctionList financialFunctions();
FunctionList referenceFunctions();

// A function's error result.
inline Slot fail(ErrorKind k) {
    return Value::error(k);
}

// Calls a built-in: coerces the arguments in place and runs the body.
Slot invokeBuiltin(const FunctionDef& fn, Call& call);

} // namespace spread
