// Moving a formula with its cell, and keeping its references right when rows
// and columns are inserted or deleted.
#include "platform/spread/formula_impl.h"

#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>

namespace spread {

namespace {

void toRefError(Instr& in) {
    in.op = Op::Error;
    in.aux = static_cast<uint32_t>(ErrorKind::Ref);
    in.flags = 0;
    in.argc = 0;
    in.at = {};
}

bool isRef(const Instr& in) {
    return in.op == Op::Cell || in.op == Op::Area;
}

// One end of a block along one axis after `count` lines were inserted before
// `at` (count > 0) or deleted from `at` on (count < 0). `low` tells whether it
// is the first or the last line of the block.
long long shiftLine(long long v, int at, int count, bool low) {
    if (count > 0) return v >= at ? v + count : v;
    long long n = -static_cast<long long>(count);
    if (v < at) return v;
    if (v >= at + n) return v - n;
    return low ? at : at - 1; // inside the deleted lines
}

} // namespace

bool moveRef(Instr& in, int dCol, int dRow) {
    CellRange ref = in.ref();
    long long c1 = ref.col1, r1 = ref.row1, c2 = ref.col2, r2 = ref.row2;
    bool wholeCols = in.flags & kWholeCols, wholeRows = in.flags & kWholeRows;
    if (!wholeRows) {
        if (!(in.flags & kAbsCol1)) c1 += dCol;
        if (!(in.flags & (in.op == Op::Cell ? kAbsCol1 : kAbsCol2))) c2 += dCol;
    }
    if (!wholeCols) {
        if (!(in.flags & kAbsRow1)) r1 += dRow;
        if (!(in.flags & (in.op == Op::Cell ? kAbsRow1 : kAbsRow2))) r2 += dRow;
    }
    // A block whose relative corner passed its absolute one turns around,
    // each corner keeping its own kind.
    if (c1 > c2) {
        std::swap(c1, c2);
        bool a1 = in.flags & kAbsCol1, a2 = in.flags & kAbsCol2;
        in.flags = static_cast<uint8_t>((in.flags & ~(kAbsCol1 | kAbsCol2)) | (a2 ? kAbsCol1 : 0) |
                                        (a1 ? kAbsCol2 : 0));
    }
    if (r1 > r2) {
        std::swap(r1, r2);
        bool a1 = in.flags & kAbsRow1, a2 = in.flags & kAbsRow2;
        in.flags = static_cast<uint8_t>((in.flags & ~(kAbsRow1 | kAbsRow2)) | (a2 ? kAbsRow1 : 0) |
                                        (a1 ? kAbsRow2 : 0));
    }
    if (c1 < 1 || r1 < 1 || c2 > kMaxSheetCols || r2 > kMaxSheetRows) return false;
    in.setRef(
        {static_cast<int>(c1), static_cast<int>(r1), static_cast<int>(c2), static_cast<int>(r2)});
    return true;
}

bool adjustRef(Instr& in, bool rows, int at, int count) {
    if (count == 0) return true;
    // Whole columns have no rows to adjust (and whole rows no columns).
    if (rows && (in.flags & kWholeCols)) return true;
    if (!rows && (in.flags & kWholeRows)) return true;
    CellRange ref = in.ref();
    int& lo = rows ? ref.row1 : ref.col1;
    int& hi = rows ? ref.row2 : ref.col2;
    int limit = rows ? kMaxSheetRows : kMaxSheetCols;
    long long nlo = shiftLine(lo, at, count, true);
    long long nhi = shiftLine(hi, at, count, false);
    if (nhi < nlo) return false;   // all of it deleted
    if (nlo > limit) return false; // pushed off the sheet
    if (nhi > limit) nhi = limit;  // a block loses its part beyond the edge
    if (in.op == Op::Cell && nhi != nlo) return false;
    lo = static_cast<int>(nlo);
    hi = static_cast<int>(nhi);
    in.setRef(ref);
    return true;
}

CompiledFormula::CompiledFormula(std::span<const Instr> code, std::unique_ptr<Value[]> texts,
                                 size_t textCount, bool isVolatile) noexcept {
    static_assert(sizeof(CompiledFormula) == sizeof(Formula) + sizeof(Program),
                  "the program record ends the formula");
    prog_.size = static_cast<uint32_t>(code.size());
    std::uninitialized_copy(code.begin(), code.end(), prog_.code().begin());
    prog_.texts = std::move(texts);
    prog_.textCount = static_cast<uint32_t>(textCount);
    prog_.isVolatile = isVolatile;
    prog_.maxStack = stackNeed(prog_.code());
    prog_.numeric = isNumeric(prog_);
    prog_.arrays = usesArrays(prog_);
}

std::unique_ptr<CompiledFormula> CompiledFormula::make(std::span<const Instr> code,
                                                       std::vector<std::wstring> texts,
                                                       bool isVolatile) {
    std::unique_ptr<Value[]> values;
    if (!texts.empty()) {
        values = std::make_unique<Value[]>(texts.size());
        for (size_t i = 0; i < texts.size(); ++i)
            values[i] = Value(std::move(texts[i]));
    }
    return make(code, std::move(values), texts.size(), isVolatile);
}

std::unique_ptr<CompiledFormula> CompiledFormula::make(std::span<const Instr> code,
                                                       std::unique_ptr<Value[]> texts,
                                                       size_t textCount, bool isVolatile) {
    static_assert(std::is_trivially_copyable_v<Instr> && std::is_trivially_destructible_v<Instr>);
    // Never reached from text of the longest allowed formula.
    if (code.size() >= (1u << 20) || textCount >= (1u << 20)) throw std::bad_alloc();
    void* block = ::operator new(sizeof(CompiledFormula) + code.size() * sizeof(Instr));
    auto* f = new (block) CompiledFormula(code, std::move(texts), textCount, isVolatile);
    return std::unique_ptr<CompiledFormula>(f);
}

template <class Keep> void CompiledFormula::keepRefs(Keep&& keep) {
    for (Instr& in : prog_.code())
        if (isRef(in) && !keep(in)) toRefError(in);
    prog_.numeric = isNumeric(prog_);
}

std::unique_ptr<Formula> CompiledFormula::moved(int dCol, int dRow) const {
    try {
        // The copy shares the texts.
        std::unique_ptr<Value[]> texts;
        if (prog_.textCount != 0) {
            texts = std::make_unique<Value[]>(prog_.textCount);
            std::copy_n(prog_.texts.get(), prog_.textCount, texts.get());
        }
        auto copy = make(prog_.code(), std::move(texts), prog_.textCount, prog_.isVolatile);
        copy->keepRefs([&](Instr& in) { return moveRef(in, dCol, dRow); });
        return copy;
    } catch (...) {
        return nullptr;
    }
}

void CompiledFormula::adjustRows(int at, int count) {
    keepRefs([&](Instr& in) { return adjustRef(in, true, at, count); });
}

void CompiledFormula::adjustCols(int at, int count) {
    keepRefs([&](Instr& in) { return adjustRef(in, false, at, count); });
}

void CompiledFormula::references(std::vector<CellRange>& out) const {
    bool spans = false;
    for (const Instr& in : prog_.code()) {
        if (isRef(in)) out.push_back(in.ref());
        spans |= in.op == Op::Range;
    }
    if (!spans) return;
    // a:b with computed ends reads at most the block spanning every
    // reference written in a and b: found on a stack of such blocks.
    struct Span {
        bool any;
        CellRange r;
    };
    std::vector<Span> stack;
    for (const Instr& in : prog_.code()) {
        Span s{false, {}};
        if (isRef(in)) s = {true, in.ref()};
        for (int n = operandCount(in); n > 0 && !stack.empty(); --n) {
            const Span& t = stack.back();
            if (t.any && s.any)
                s.r = {std::min(s.r.col1, t.r.col1), std::min(s.r.row1, t.r.row1),
                       std::max(s.r.col2, t.r.col2), std::max(s.r.row2, t.r.row2)};
            else if (t.any)
                s = t;
            stack.pop_back();
        }
        if (in.op == Op::Range && s.any) out.push_back(s.r);
        stack.push_back(s);
    }
}

Value CompiledFormula::evaluate(FormulaHost& host, int col, int row) const {
    return runProgram(prog_, host, col, row);
}

std::wstring CompiledFormula::text(RefStyle style, int col, int row) const {
    return programText(prog_, style, col, row);
}

} // namespace spread
