// The one implementation of Formula: a compiled program. Private to the engine.
#pragma once

#include "platform/spread/formula.h"
#include "platform/spread/formula_code.h"
#include "platform/spread/spread_api.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace spread {

// Formula::parse, sharing the program with the formula cache: what cells
// hold (see FormulaRef). Null, with the reason in `error`, when the text
// does not parse.
ZRLSPREAD_API FormulaRef compileFormula(std::wstring_view text, RefStyle style, int col, int row,
                                        std::wstring* error = nullptr);

// For checking the parser: true when the quick compile of simple formulas
// does not take `text` (no leading "="), or gives the very instructions the
// full parser gives.
bool quickCompileAgrees(std::wstring_view text, RefStyle style, int col, int row);

// The deepest value stack the program needs.
uint32_t stackNeed(std::span<const Instr> code);
// True when the program only does arithmetic on numbers and cells.
bool isNumeric(const Program& prog);
// True when the program makes blocks of values (see formula_arrays.h).
bool usesArrays(const Program& prog);

// Runs a program for the cell (col, row).
Value runProgram(const Program& prog, FormulaHost& host, int col, int row);

// Writes a program back as text, as seen from (col, row).
std::wstring programText(const Program& prog, RefStyle style, int col, int row);

// Shifts the reference of `in` by (dCol, dRow) in its relative parts; false
// when it would leave the sheet.
bool moveRef(Instr& in, int dCol, int dRow);
// Adjusts a reference for rows (or columns) inserted or deleted; false when
// everything it referred to was deleted.
bool adjustRef(Instr& in, bool rows, int at, int count);

class CompiledFormula final : public Formula {
public:
    // A formula of `code` in one allocation with a copy of its instructions:
    // a sheet may hold a million formulas. Throws std::bad_alloc (also for
    // more than a million instructions or texts).
    static std::unique_ptr<CompiledFormula> make(std::span<const Instr> code,
                                                 std::vector<std::wstring> texts, bool isVolatile);
    // The same with the texts as values already (textCount of them).
    static std::unique_ptr<CompiledFormula> make(std::span<const Instr> code,
                                                 std::unique_ptr<Value[]> texts, size_t textCount,
                                                 bool isVolatile);
    static void operator delete(void* p) { ::operator delete(p); }

    Value evaluate(FormulaHost& host, int col, int row) const override;
    std::wstring text(RefStyle style, int col, int row) const override;
    void references(std::vector<CellRange>& out) const override;
    bool isVolatile() const override { return prog_.isVolatile; }
    std::unique_ptr<Formula> moved(int dCol, int dRow) const override;
    void adjustRows(int at, int count) override;
    void adjustCols(int at, int count) override;

    const Program& program() const { return prog_; }

private:
    CompiledFormula(std::span<const Instr> code, std::unique_ptr<Value[]> texts, size_t textCount,
                    bool isVolatile) noexcept;
    // Turns references that fail `keep` into #REF! and reviews the program.
    template <class Keep> void keepRefs(Keep&& keep);

    Program prog_; // last: the instructions follow it
};

} // namespace spread
