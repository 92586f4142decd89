// Runs a postfix program on a value stack. All state lives in this call's
// frame, so a custom function may compute other formulas (of this sheet or
// another) while one is being computed.
#include "platform/spread/formula_arrays.h"
#include "platform/spread/formula_custom.h"
#include "platform/spread/formula_impl.h"
#include "platform/spread/functions.h"

#include <cmath>
#include <memory>
#include <new>

namespace spread {

namespace {

// The value of an operand without copying when it is one already.
const Value& valueOf(const Slot& s, Value& tmp, FormulaHost& host, int col, int row) {
    if (s.kind == Slot::Val) return s.v;
    tmp = scalarOf(s, host, col, row);
    return tmp;
}

Value arithmetic(Op op, double x, double y) {
    switch (op) {
    case Op::Add:
        return numberResult(x + y);
    case Op::Sub:
        return numberResult(x - y);
    case Op::Mul:
        return numberResult(x * y);
    case Op::Div:
        if (y == 0) return Value::error(ErrorKind::Div0);
        return numberResult(x / y);
    case Op::Pow:
        if (x == 0 && y == 0) return Value::error(ErrorKind::Num);
        if (x == 0 && y < 0) return Value::error(ErrorKind::Div0);
        return numberResult(std::pow(x, y));
    default:
        return Value::error(ErrorKind::Value);
    }
}

Value binaryOp(Op op, const Value& a, const Value& b) {
    ErrorKind err = ErrorKind::Value;
    if (a.isNumber() && b.isNumber() && op <= Op::Pow)
        return arithmetic(op, a.number(), b.number());
    if (a.isError()) return a;
    if (b.isError()) return b;
    switch (op) {
    case Op::Add:
    case Op::Sub:
    case Op::Mul:
    case Op::Div:
    case Op::Pow: {
        double x = 0, y = 0;
        if (!toNumber(a, x, err) || !toNumber(b, y, err)) return Value::error(err);
        return arithmetic(op, x, y);
    }
    case Op::Concat: {
        std::wstring x, y;
        if (!toText(a, x, err) || !toText(b, y, err)) return Value::error(err);
        x += y;
        return Value(std::move(x));
    }
    default:
        break;
    }
    // Comparisons; numbers compare at the precision people see.
    int c = 0;
    if (a.isNumber() && b.isNumber()) {
        double x = visible(a.number()), y = visible(b.number());
        c = x < y ? -1 : x > y ? 1 : 0;
    } else {
        c = compareValues(a, b);
    }
    bool r = false;
    switch (op) {
    case Op::Eq:
        r = c == 0;
        break;
    case Op::Ne:
        r = c != 0;
        break;
    case Op::Lt:
        r = c < 0;
        break;
    case Op::Le:
        r = c <= 0;
        break;
    case Op::Gt:
        r = c > 0;
        break;
    case Op::Ge:
        r = c >= 0;
        break;
    default:
        break;
    }
    return Value::logical(r);
}

Value unaryOp(Op op, const Value& a) {
    double x = 0;
    ErrorKind err = ErrorKind::Value;
    if (a.isNumber())
        x = a.number();
    else if (!toNumber(a, x, err))
        return Value::error(err);
    return op == Op::Neg ? Value(x == 0 ? 0.0 : -x) : Value(x / 100);
}

// Programs of numbers, cells and arithmetic run on a stack of doubles while
// every cell they read holds a number or nothing. False when a cell holds
// something else: the general run then takes over (reads have no effects).
bool runNumeric(const Program& prog, FormulaHost& host, Value& out) {
    double st[kInlineStack] = {};
    size_t sp = 0;
    for (const Instr& in : prog.code()) {
        switch (in.op) {
        case Op::Number:
            st[sp++] = in.num;
            break;
        case Op::Cell: {
            Value v = host.cellValue(in.at.col, in.at.row);
            if (v.isNumber())
                st[sp++] = v.number();
            else if (v.isEmpty())
                st[sp++] = 0;
            else
                return false;
            break;
        }
        case Op::Paren:
        case Op::Plus:
            break;
        case Op::Neg:
            st[sp - 1] = st[sp - 1] == 0 ? 0.0 : -st[sp - 1];
            break;
        case Op::Percent:
            st[sp - 1] /= 100;
            break;
        default: {
            double x = st[sp - 2], y = st[sp - 1];
            double r = 0;
            switch (in.op) {
            case Op::Add:
                r = x + y;
                break;
            case Op::Sub:
                r = x - y;
                break;
            case Op::Mul:
                r = x * y;
                break;
            default: {
                Value v = arithmetic(in.op, x, y);
                if (!v.isNumber()) {
                    out = std::move(v);
                    return true;
                }
                r = v.number();
            }
            }
            if (!std::isfinite(r)) {
                out = Value::error(ErrorKind::Num);
                return true;
            }
            st[sp - 2] = r;
            --sp;
        }
        }
    }
    out = st[0];
    return true;
}

// a:b where either end is computed: the block spanning both references.
Slot spanning(const Slot& a, const Slot& b) {
    if (a.kind == Slot::Val && a.v.isError()) return a;
    if (b.kind == Slot::Val && b.v.isError()) return b;
    if (!a.isRef() || !b.isRef() || isArrayRef(a.ref) || isArrayRef(b.ref))
        return Value::error(ErrorKind::Value);
    return Slot::reference({std::min(a.ref.col1, b.ref.col1), std::min(a.ref.row1, b.ref.row1),
                            std::max(a.ref.col2, b.ref.col2), std::max(a.ref.row2, b.ref.row2)});
}

// The value stack: slots are made as the program needs them, on the
// machine stack when few.
class SlotStack {
public:
    explicit SlotStack(uint32_t need) {
        if (need > kInlineStack) {
            heap_ = std::make_unique<Slot[]>(need);
            base_ = heap_.get();
        } else {
            base_ = std::launder(reinterpret_cast<Slot*>(local_));
            std::uninitialized_default_construct_n(base_, need);
            made_ = need;
        }
    }
    ~SlotStack() { std::destroy_n(base_, made_); }
    SlotStack(const SlotStack&) = delete;
    SlotStack& operator=(const SlotStack&) = delete;
    Slot* data() { return base_; }

private:
    alignas(Slot) unsigned char local_[kInlineStack * sizeof(Slot)];
    std::unique_ptr<Slot[]> heap_;
    Slot* base_ = nullptr;
    uint32_t made_ = 0;
};

Value runGeneral(const Program& prog, FormulaHost& host, int col, int row) {
    SlotStack stack(prog.maxStack);
    Slot* st = stack.data();
    size_t sp = 0;
    Value ta, tb;
    for (const Instr& in : prog.code()) {
        switch (in.op) {
        case Op::Number:
            st[sp].kind = Slot::Val;
            st[sp++].v = in.num;
            break;
        case Op::Text:
            st[sp].kind = Slot::Val;
            st[sp++].v = prog.texts[in.aux];
            break;
        case Op::Logical:
            st[sp].kind = Slot::Val;
            st[sp++].v = Value::logical(in.aux != 0);
            break;
        case Op::Error:
            st[sp].kind = Slot::Val;
            st[sp++].v = Value::error(static_cast<ErrorKind>(in.aux));
            break;
        case Op::Name:
            st[sp].kind = Slot::Val;
            st[sp++].v = Value::error(ErrorKind::Name);
            break;
        case Op::Cell:
        case Op::Area:
            st[sp].kind = in.op == Op::Cell ? Slot::Cell : Slot::Area;
            st[sp++].ref = in.ref();
            break;
        case Op::Missing:
            st[sp].kind = Slot::Missing;
            st[sp++].v = Value();
            break;
        case Op::Paren:
        case Op::Plus:
            break;
        case Op::Neg:
        case Op::Percent: {
            Slot& s = st[sp - 1];
            Value r = unaryOp(in.op, valueOf(s, ta, host, col, row));
            s.kind = Slot::Val;
            s.v = std::move(r);
            break;
        }
        case Op::Func: {
            const FunctionDef& fn = builtin(in.aux);
            sp -= in.argc;
            Call call{host, col, row, st + sp, in.argc};
            Slot r = invokeBuiltin(fn, call);
            st[sp++] = std::move(r);
            break;
        }
        case Op::Custom: {
            sp -= in.argc;
            Slot r =
                callCustom(prog.texts[in.aux].text(), in.nameId, st + sp, in.argc, host, col, row);
            st[sp++] = std::move(r);
            break;
        }
        case Op::Range:
            st[sp - 2] = spanning(st[sp - 2], st[sp - 1]);
            --sp;
            break;
        case Op::At: {
            // A cell stays a reference; a block gives the cell in the
            // formula's row or column.
            Slot& s = st[sp - 1];
            if (s.kind == Slot::Area) {
                s.v = scalarOf(s, host, col, row);
                s.kind = Slot::Val;
            }
            break;
        }
        case Op::Array: {
            sp -= in.argc;
            std::vector<Value> values;
            values.reserve(in.argc);
            for (uint32_t k = 0; k < in.argc; ++k)
                values.push_back(std::move(st[sp + k].v));
            const int cols = static_cast<int>(in.aux);
            st[sp++] = makeArray(host, static_cast<int>(in.argc) / cols, cols, std::move(values));
            break;
        }
        default: {
            Slot& a = st[sp - 2];
            const Slot& b = st[sp - 1];
            Value r =
                binaryOp(in.op, valueOf(a, ta, host, col, row), valueOf(b, tb, host, col, row));
            a.kind = Slot::Val;
            a.v = std::move(r);
            --sp;
            break;
        }
        }
    }
    if (sp == 0) return Value::error(ErrorKind::Value);
    const Slot& top = st[sp - 1];
    Value result = scalarOf(top, host, col, row);
    // A reference to an empty cell shows as 0, as in any spreadsheet.
    if (result.isEmpty() && top.isRef()) return Value(0.0);
    return result;
}

Value run(const Program& prog, FormulaHost& host, int col, int row) {
    if (prog.numeric) {
        Value out;
        if (runNumeric(prog, host, out)) return out;
    }
    if (!prog.arrays) return runGeneral(prog, host, col, row);
    ArrayHost arrays(host);
    return runGeneral(prog, arrays, col, row);
}

} // namespace

Value runProgram(const Program& prog, FormulaHost& host, int col, int row) {
    try {
        return run(prog, host, col, row);
    } catch (...) {
        return Value::error(ErrorKind::Value);
    }
}

} // namespace spread
