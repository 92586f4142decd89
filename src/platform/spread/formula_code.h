// The compiled form of a formula: a flat postfix program of small
// instructions, evaluated on a value stack. Private to the engine.
#pragma once

#include "platform/spread/formula.h"

#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <vector>

namespace spread {

enum class Op : uint8_t {
    Number,  // num
    Text,    // texts[aux]
    Logical, // aux = 0 or 1
    Error,   // aux = ErrorKind
    Cell,    // at
    Area,    // ref(): at, argc, aux (whole columns and rows flagged)
    Name,    // texts[aux]: an unknown name, #NAME?
    Missing, // an empty function argument
    Paren,   // (x): kept for the text; a no-op when computing
    Neg,
    Plus, // unary +
    Percent,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    Func,   // built-in function aux, argc arguments
    Custom, // custom function named texts[aux] (numbered nameId), argc arguments
    Range,  // a:b, the block spanning two references computed by functions
    At,     // @x: x taken as one cell (implicit intersection)
    Array,  // {1,2;3,4}: the argc constants before it, aux of them a row
};

// Reference flags.
enum : uint8_t {
    kAbsCol1 = 1,
    kAbsRow1 = 2,
    kAbsCol2 = 4,
    kAbsRow2 = 8,
    kWholeCols = 16, // A:C
    kWholeRows = 32, // 1:3
};

struct Instr {
    // The (first) cell of a reference.
    struct Corner {
        int32_t col, row;
    };
    Op op;
    uint8_t flags = 0; // reference flags
    uint16_t argc = 0; // Func, Custom: arguments; Area: last column
    uint32_t aux = 0;  // see Op; Area: last row
    union {
        double num;
        Corner at;       // Cell, Area
        uint32_t nameId; // Custom: the name's number (customNameId), 0 for none
    };
    Instr() : op(Op::Missing), at() {}
    explicit Instr(Op o) : op(o), at() {}

    // The reference of a Cell or Area instruction.
    CellRange ref() const {
        if (op == Op::Area) return {at.col, at.row, argc, static_cast<int>(aux)};
        return {at.col, at.row, at.col, at.row};
    }
    // Sets it; the op must be Cell or Area already. Blocks end inside the
    // sheet (kMaxSheetCols fits the 16 bits of argc).
    void setRef(const CellRange& r) {
        at = {r.col1, r.row1};
        if (op != Op::Area) return;
        argc = static_cast<uint16_t>(r.col2);
        aux = static_cast<uint32_t>(r.row2);
    }
};
static_assert(sizeof(Instr) == 16, "instructions stay small");
static_assert(kMaxSheetCols <= 0xFFFF, "a block's last column fits argc");

// How many operands an instruction takes from the value stack (it leaves
// one value in their place).
inline int operandCount(const Instr& in) {
    switch (in.op) {
    case Op::Number:
    case Op::Text:
    case Op::Logical:
    case Op::Error:
    case Op::Cell:
    case Op::Area:
    case Op::Name:
    case Op::Missing:
        return 0;
    case Op::Paren:
    case Op::Neg:
    case Op::Plus:
    case Op::Percent:
    case Op::At:
        return 1;
    case Op::Func:
    case Op::Custom:
    case Op::Array:
        return in.argc;
    default:
        return 2;
    }
}

// Value stacks up to this deep live on the machine stack.
constexpr uint32_t kInlineStack = 16;

// A compiled formula. It is the last part of a CompiledFormula, and the
// instructions follow it in the same block (see CompiledFormula::make): 16
// bytes besides the instructions, as a sheet may hold a million formulas.
// A formula's text is at most 65536 characters, so its instructions, texts
// and stack depth each fit in 20 bits.
struct Program {
    // Text values (constants, names), shared by the values computed from
    // them; null when there are none.
    std::unique_ptr<Value[]> texts;
    uint64_t size : 20 = 0; // instructions
    uint64_t textCount : 20 = 0;
    uint64_t maxStack : 20 = 0;
    uint64_t isVolatile : 1 = false;
    uint64_t numeric : 1 = false; // only numbers, cells and arithmetic, in a small stack
    uint64_t arrays : 1 = false;  // holds array constants or calls a function making blocks

    std::span<Instr> code() { return {std::launder(reinterpret_cast<Instr*>(this + 1)), size}; }
    std::span<const Instr> code() const {
        return {std::launder(reinterpret_cast<const Instr*>(this + 1)), size};
    }
};
static_assert(sizeof(Program) == 16, "instructions follow the record");

} // namespace spread
