// Formula text to postfix program, in one pass by recursive descent.
//
// Grammar (lowest precedence first; every binary operator is left
// associative, so 2^3^2 is 64 and -2^2 is 4, as spreadsheets have it):
//
//   formula    := ["="] comparison END
//   comparison := concat { ("=" | "<>" | "<" | "<=" | ">" | ">=") concat }
//   concat     := additive { "&" additive }
//   additive   := term { ("+" | "-") term }
//   term       := power { ("*" | "/") power }
//   power      := percent { "^" percent }
//   percent    := unary { "%" }
//   unary      := { "-" | "+" } range
//   range      := primary { ":" primary }    ends computed by functions
//   primary    := NUMBER | TEXT | TRUE | FALSE | ERROR
//               | "@" range                 the reference taken as one cell
//               | "{" row { ";" row } "}"   an array constant; row := const { "," const }
//               | REF                       A1, $A$1, A1:B3, A:C, 1:3 or R1C1, R[-1]C, C2, R3:R4
//               | NAME                      not a call: computes to #NAME?
//               | NAME "(" [ arg { "," arg } ] ")"
//               | "(" comparison ")"
//   arg        := [ comparison ]            an empty argument is "missing"
//
// Two cells joined by ":" are read as one REF token; ":" as an operator joins
// references of which at least one is computed (A1:INDEX(B1:B9,3)).
// Parentheses and function calls nest at most kMaxDepth deep; deeper text is
// refused rather than risking the stack.
#include "platform/spread/formula_cache.h"
#include "platform/spread/formula_code.h"
#include "platform/spread/formula_custom.h"
#include "platform/spread/formula_impl.h"
#include "platform/spread/formula_lexer.h"
#include "platform/spread/functions.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

namespace spread {

namespace {

constexpr int kMaxDepth = 256;
constexpr int kMaxArgs = 255;
constexpr size_t kMaxFormulaLength = 65536;

// A program as it is being built.
struct Draft {
    std::vector<Instr> code;
    std::vector<std::wstring> texts;
    bool isVolatile = false;
};

class Parser {
public:
    Parser(std::wstring_view text, RefStyle style, int col, int row)
        : lex_(text, style, col, row), r1c1_(style == RefStyle::R1C1) {
        advance();
    }

    bool run(Draft& out, std::wstring& error) {
        prog_ = &out;
        if (!comparison()) {
            error = error_;
            return false;
        }
        if (tok_.kind != Tok::End) {
            fail(L"unexpected text");
            error = error_;
            return false;
        }
        return true;
    }

private:
    void advance() { lex_.next(tok_); }

    bool fail(const std::wstring& why) {
        if (error_.empty()) error_ = why + L" at position " + std::to_wstring(tok_.pos + 1);
        return false;
    }

    void emit(Op op, uint32_t aux = 0, uint16_t argc = 0) {
        Instr in(op);
        in.aux = aux;
        in.argc = argc;
        prog_->code.push_back(in);
    }

    static std::wstring textOf(const Token& t) {
        if (!t.doubled) return std::wstring(t.ident);
        std::wstring out;
        for (size_t i = 0; i < t.ident.size(); ++i) {
            out += t.ident[i];
            if (t.ident[i] == L'"') ++i; // the second of a doubled quote
        }
        return out;
    }

    uint32_t addText(std::wstring text) {
        prog_->texts.push_back(std::move(text));
        return static_cast<uint32_t>(prog_->texts.size() - 1);
    }

    template <typename Next> bool binary(Next next, Op (*opOf)(Tok)) {
        if (!(this->*next)()) return false;
        for (;;) {
            Op op = opOf(tok_.kind);
            if (op == Op::Missing) return true;
            advance();
            if (!(this->*next)()) return false;
            emit(op);
        }
    }

    static Op cmpOp(Tok t) {
        switch (t) {
        case Tok::Eq:
            return Op::Eq;
        case Tok::Ne:
            return Op::Ne;
        case Tok::Lt:
            return Op::Lt;
        case Tok::Le:
            return Op::Le;
        case Tok::Gt:
            return Op::Gt;
        case Tok::Ge:
            return Op::Ge;
        default:
            return Op::Missing;
        }
    }
    static Op concatOp(Tok t) { return t == Tok::Amp ? Op::Concat : Op::Missing; }
    static Op addOp(Tok t) {
        return t == Tok::Plus ? Op::Add : t == Tok::Minus ? Op::Sub : Op::Missing;
    }
    static Op mulOp(Tok t) {
        return t == Tok::Star ? Op::Mul : t == Tok::Slash ? Op::Div : Op::Missing;
    }
    static Op powOp(Tok t) { return t == Tok::Caret ? Op::Pow : Op::Missing; }

    bool comparison() { return binary(&Parser::concat, cmpOp); }
    bool concat() { return binary(&Parser::additive, concatOp); }
    bool additive() { return binary(&Parser::term, addOp); }
    bool term() { return binary(&Parser::power, mulOp); }
    bool power() { return binary(&Parser::percent, powOp); }

    bool percent() {
        if (!unary()) return false;
        while (tok_.kind == Tok::Percent) {
            advance();
            emit(Op::Percent);
        }
        return true;
    }

    bool unary() {
        // Signs are applied innermost first after the operand: "-+x" is
        // Neg(Plus(x)). Kept as a bit string to need no recursion.
        std::string signs;
        while (tok_.kind == Tok::Minus || tok_.kind == Tok::Plus) {
            signs += tok_.kind == Tok::Minus ? '-' : '+';
            advance();
        }
        if (!range()) return false;
        for (auto it = signs.rbegin(); it != signs.rend(); ++it)
            emit(*it == '-' ? Op::Neg : Op::Plus);
        return true;
    }

    bool range() {
        if (!primary()) return false;
        while (tok_.kind == Tok::Colon) {
            advance();
            if (!primary()) return false;
            emit(Op::Range);
        }
        return true;
    }

    // {1,2;3,4}: rows of numbers (signed), texts, logical values and errors,
    // each row as long as the first.
    bool arrayConstant() {
        advance(); // "{"
        uint32_t count = 0, rowLength = 0, inRow = 0;
        for (;;) {
            bool negative = false;
            while (tok_.kind == Tok::Minus || tok_.kind == Tok::Plus) {
                negative ^= tok_.kind == Tok::Minus;
                advance();
            }
            const Tok kind = tok_.kind;
            if (negative && kind != Tok::Number)
                return fail(L"sign before a constant that is no number");
            if (kind == Tok::Number) {
                Instr in(Op::Number);
                in.num = negative && tok_.num != 0 ? -tok_.num : tok_.num;
                prog_->code.push_back(in);
                advance();
            } else if (kind != Tok::Text && kind != Tok::Logical && kind != Tok::Error) {
                return fail(L"array constants hold numbers, texts, logical values and errors");
            } else if (!primary()) {
                return false;
            }
            if (++count > 0xFFFF) return fail(L"array constant too large");
            ++inRow;
            if (tok_.kind == Tok::Comma) {
                advance();
                continue;
            }
            if (tok_.kind != Tok::Semi && tok_.kind != Tok::RBrace)
                return fail(L"missing '}' or ',' or ';'");
            if (rowLength == 0) rowLength = inRow;
            if (inRow != rowLength) return fail(L"array rows of different lengths");
            inRow = 0;
            if (tok_.kind == Tok::RBrace) break;
            advance();
        }
        advance(); // "}"
        emit(Op::Array, rowLength, static_cast<uint16_t>(count));
        return true;
    }

    bool primary() {
        switch (tok_.kind) {
        case Tok::At: {
            if (++depth_ > kMaxDepth) return fail(L"formula nested too deeply");
            advance();
            if (!range()) return false;
            --depth_;
            emit(Op::At);
            return true;
        }
        case Tok::LBrace:
            return arrayConstant();
        case Tok::Number: {
            Instr in(Op::Number);
            in.num = tok_.num;
            prog_->code.push_back(in);
            advance();
            return true;
        }
        case Tok::Text:
            emit(Op::Text, addText(textOf(tok_)));
            advance();
            return true;
        case Tok::Logical:
            emit(Op::Logical, tok_.num != 0 ? 1 : 0);
            advance();
            return true;
        case Tok::Error:
            emit(Op::Error, static_cast<uint32_t>(tok_.error));
            advance();
            return true;
        case Tok::Ref: {
            if (tok_.outside) return fail(L"reference outside the sheet");
            Instr in(tok_.area ? Op::Area : Op::Cell);
            in.flags = tok_.refFlags;
            in.setRef(tok_.ref);
            prog_->code.push_back(in);
            advance();
            return true;
        }
        case Tok::Ident:
            if (tok_.call) return call();
            // A name that reads as a reference in the other style could not
            // be written in that style and read back the same.
            if (readsAsReference(tok_.ident, r1c1_ ? RefStyle::A1 : RefStyle::R1C1))
                return fail(L"reference written in the other style");
            emit(Op::Name, addText(std::wstring(tok_.ident)));
            advance();
            return true;
        case Tok::LParen: {
            if (++depth_ > kMaxDepth) return fail(L"formula nested too deeply");
            advance();
            if (!comparison()) return false;
            if (tok_.kind != Tok::RParen) return fail(L"missing ')'");
            advance();
            --depth_;
            emit(Op::Paren);
            return true;
        }
        case Tok::End:
            return fail(L"formula ends too early");
        case Tok::RParen:
            return fail(L"unexpected ')'");
        case Tok::Comma:
            return fail(L"unexpected ','");
        case Tok::Bad:
            return fail(L"not understood");
        default:
            return fail(L"operator without operand");
        }
    }

    bool call() {
        std::wstring name;
        for (wchar_t c : tok_.ident)
            name += c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
        size_t namePos = tok_.pos;
        advance(); // name
        advance(); // "("
        if (++depth_ > kMaxDepth) return fail(L"formula nested too deeply");
        int argc = 0;
        if (tok_.kind == Tok::RParen) {
            advance();
        } else {
            for (;;) {
                if (tok_.kind == Tok::Comma || tok_.kind == Tok::RParen)
                    emit(Op::Missing);
                else if (!comparison())
                    return false;
                if (++argc > kMaxArgs) return fail(L"too many arguments");
                if (tok_.kind == Tok::Comma) {
                    advance();
                    continue;
                }
                if (tok_.kind != Tok::RParen) return fail(L"missing ')' or ','");
                advance();
                break;
            }
        }
        --depth_;
        uint32_t index = 0;
        if (const FunctionDef* fn = findBuiltin(name, index)) {
            if (argc < fn->minArgs || argc > fn->maxArgs) {
                error_ = L"wrong number of arguments to " + name + L" at position " +
                         std::to_wstring(namePos + 1);
                return false;
            }
            emit(Op::Func, index, static_cast<uint16_t>(argc));
            if (fn->isVolatile) prog_->isVolatile = true;
        } else {
            const uint32_t nameId = customNameId(name);
            emit(Op::Custom, addText(std::move(name)), static_cast<uint16_t>(argc));
            prog_->code.back().nameId = nameId;
            prog_->isVolatile = true;
        }
        return true;
    }

    Lexer lex_;
    bool r1c1_;
    Token tok_;
    Draft* prog_ = nullptr;
    std::wstring error_;
    int depth_ = 0;
};

// Cells and numbers joined by + - * / (most formulas of most sheets) are
// compiled straight from the text, without tokens or descent; anything else
// (a space, a sign, a parenthesis, a name, another operator) is left to the
// parser. Both give the same program: products before sums, each level left
// to right, so at most one sum and one product are ever pending.
bool compileSimple(std::wstring_view text, RefStyle style, int col, int row,
                   std::vector<Instr>& code) {
    Lexer lex(text, style, col, row);
    Op pending[2];
    int depth = 0;
    auto isProduct = [](Op op) { return op == Op::Mul || op == Op::Div; };
    for (;;) {
        Instr in(Op::Cell);
        CellRange ref;
        if (lex.plainCell(ref, in.flags)) {
            in.setRef(ref);
        } else {
            in = Instr(Op::Number);
            if (!lex.plainNumber(in.num)) return false;
        }
        code.push_back(in);
        if (lex.atEnd()) break;
        static constexpr wchar_t kSigns[] = {L'+', L'-', L'*', L'/'};
        static constexpr Op kOps[] = {Op::Add, Op::Sub, Op::Mul, Op::Div};
        const wchar_t* sign = std::find(std::begin(kSigns), std::end(kSigns), lex.take());
        if (sign == std::end(kSigns)) return false;
        Op op = kOps[sign - kSigns];
        while (depth > 0 && (!isProduct(op) || isProduct(pending[depth - 1])))
            code.emplace_back(pending[--depth]);
        pending[depth++] = op;
    }
    while (depth > 0)
        code.emplace_back(pending[--depth]);
    return true;
}

} // namespace

uint32_t stackNeed(std::span<const Instr> code) {
    int64_t depth = 0, most = 0;
    for (const Instr& in : code) {
        depth += 1 - operandCount(in);
        if (depth > most) most = depth;
    }
    return static_cast<uint32_t>(most);
}

bool isNumeric(const Program& prog) {
    if (prog.maxStack > kInlineStack) return false;
    for (const Instr& in : prog.code()) {
        switch (in.op) {
        case Op::Number:
        case Op::Cell:
        case Op::Paren:
        case Op::Plus:
        case Op::Neg:
        case Op::Percent:
        case Op::Add:
        case Op::Sub:
        case Op::Mul:
        case Op::Div:
        case Op::Pow:
            break;
        default:
            return false;
        }
    }
    return true;
}

bool usesArrays(const Program& prog) {
    for (const Instr& in : prog.code())
        if (in.op == Op::Array || (in.op == Op::Func && builtin(in.aux).makesArrays)) return true;
    return false;
}

FormulaRef compileFormula(std::wstring_view text, RefStyle style, int col, int row,
                          std::wstring* error) {
    try {
        size_t b = 0;
        while (b < text.size() && (text[b] == L' ' || text[b] == L'\t'))
            ++b;
        if (b < text.size() && text[b] == L'=') ++b;
        text = text.substr(b);
        std::wstring why;
        if (text.size() > kMaxFormulaLength) {
            why = L"formula too long";
        } else if (col < 1 || col > kMaxSheetCols || row < 1 || row > kMaxSheetRows) {
            why = L"cell outside the sheet";
        } else {
            // Built in a reused buffer, then kept at its exact size: a sheet
            // may hold a million formulas. Parsing never re-enters itself.
            static thread_local std::vector<Instr> scratch;
            Draft draft;
            scratch.clear();
            const bool simple = compileSimple(text, style, col, row, scratch);
            bool ok = simple;
            if (!simple) {
                // Only what needs the full parser is worth keeping.
                if (FormulaRef kept = cachedFormula(text, style, col, row)) return kept;
                scratch.clear();
                std::swap(draft.code, scratch);
                Parser parser(text, style, col, row);
                ok = parser.run(draft, why);
                std::swap(draft.code, scratch);
            }
            if (ok) {
                FormulaRef made(
                    CompiledFormula::make(scratch, std::move(draft.texts), draft.isVolatile));
                if (!simple) keepFormula(text, style, col, row, made);
                return made;
            }
        }
        if (error) *error = why;
    } catch (...) {
        if (error) *error = L"out of memory";
    }
    return {};
}

std::unique_ptr<Formula> Formula::parse(std::wstring_view text, RefStyle style, int col, int row,
                                        std::wstring* error) {
    try {
        FormulaRef f = compileFormula(text, style, col, row, error);
        return f ? f.take() : nullptr;
    } catch (...) {
        if (error) *error = L"out of memory";
        return nullptr;
    }
}

bool quickCompileAgrees(std::wstring_view text, RefStyle style, int col, int row) {
    std::vector<Instr> quick;
    if (!compileSimple(text, style, col, row, quick)) return true;
    Draft full;
    std::wstring why;
    if (!Parser(text, style, col, row).run(full, why) || !full.texts.empty() ||
        full.code.size() != quick.size())
        return false;
    for (size_t i = 0; i < quick.size(); ++i) {
        const Instr& a = quick[i];
        const Instr& b = full.code[i];
        if (a.op != b.op || a.flags != b.flags || a.argc != b.argc || a.aux != b.aux) return false;
        const bool same = a.op == Op::Number
                              ? std::memcmp(&a.num, &b.num, sizeof a.num) == 0
                              : a.at.col == b.at.col && a.at.row == b.at.row;
        if (!same) return false;
    }
    return true;
}

} // namespace spread
