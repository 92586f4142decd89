// The table of built-in functions, its look-up, and the shared invoker.
#include "platform/spread/functions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace spread {

namespace {

struct Table {
    std::vector<FunctionDef> defs;
    Table() {
        for (FunctionList part :
             {mathFunctions(), textFunctions(), logicFunctions(), aggregateFunctions(),
              lookupFunctions(), engineeringFunctions(), convertFunctions(), trigFunctions(),
              arithFunctions(), infoFunctions(), textJoinFunctions(), xlookupFunctions(),
              statsFunctions(), conditionalFunctions(), dateFunctions(),
              textFormatFunctions(), financialFunctions(), referenceFunctions()})
            defs.insert(defs.end(), part.defs, part.defs + part.count);
        std::sort(defs.begin(), defs.end(), [](const FunctionDef& a, const FunctionDef& b) {
            return std::wstring_view(a.name) < std::wstring_view(b.name);
        });
    }
};

const Table& table() {
    static const Table t;
    return t;
}

} // namespace

const FunctionDef& builtin(uint32_t index) {
    return table().defs[index];
}

const FunctionDef* findBuiltin(std::wstring_view upperName, uint32_t& index) {
    const auto& defs = table().defs;
    auto it = std::lower_bound(
        defs.begin(), defs.end(), upperName,
        [](const FunctionDef& d, std::wstring_view n) { return std::wstring_view(d.name) < n; });
    if (it == defs.end() || std::wstring_view(it->name) != upperName) return nullptr;
    index = static_cast<uint32_t>(it - defs.begin());
    return &*it;
}

Slot invokeBuiltin(const FunctionDef& fn, Call& c) {
    size_t kinds = std::strlen(fn.kinds);
    for (int i = 0; i < c.argc; ++i) {
        char kind = kinds == 0 ? 'r' : fn.kinds[std::min(static_cast<size_t>(i), kinds - 1)];
        if (kind == 'r') continue;
        Slot& s = c.args[i];
        Value v = scalarOf(s, c.host, c.col, c.row);
        ErrorKind err = ErrorKind::Value;
        switch (kind) {
        case 'N':
            if (v.isLogical()) return Value::error(ErrorKind::Value);
            [[fallthrough]];
        case 'n': {
            double d = 0;
            if (!toNumber(v, d, err)) return Value::error(err);
            v = d;
            break;
        }
        case 's': {
            std::wstring t;
            if (!toText(v, t, err)) return Value::error(err);
            v = std::move(t);
            break;
        }
        case 'b': {
            bool b = false;
            if (!toLogical(v, b, err)) return Value::error(err);
            v = Value::logical(b);
            break;
        }
        case 'e':
            if (v.isError()) return v;
            break;
        default:
            break;
        }
        s.kind = Slot::Val;
        s.v = std::move(v);
    }
    return fn.body(c);
}

} // namespace spread
