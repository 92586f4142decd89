// Splits formula text into tokens in one pass, reading references in the
// sheet's A1 or R1C1 style. Private to the engine.
#pragma once

#include "platform/spread/formula.h"

#include <string>
#include <string_view>

namespace spread {

enum class Tok : uint8_t {
    End,
    Bad, // a character or reference that is not part of the language
    Number,
    Text,
    Error,
    Logical,
    Ref,   // a cell or a block
    Ident, // a name; `call` says whether "(" follows
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Amp,
    Percent,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    LParen,
    RParen,
    Comma,
    Colon,  // between references computed by functions: A1:INDEX(...)
    At,     // @, implicit intersection
    LBrace, // array constants {1,2;3,4}
    RBrace,
    Semi,
};

struct Token {
    Tok kind = Tok::End;
    size_t pos = 0;
    double num = 0;
    bool call = false;    // Ident followed by "("
    uint8_t refFlags = 0; // kAbs*, kWhole*
    bool area = false;    // Ref is a block rather than one cell
    bool outside = false; // Ref lies partly off the sheet
    ErrorKind error = ErrorKind::Value;
    CellRange ref;
    std::wstring_view ident; // Ident; for Text the characters between the quotes
    bool doubled = false;    // Text holds doubled quotes
};

class Lexer {
public:
    Lexer(std::wstring_view src, RefStyle style, int col, int row)
        : s_(src), r1c1_(style == RefStyle::R1C1), col_(col), row_(row) {}
    // Reads the next token into `t` (filled in place: tokens are not small).
    void next(Token& t);
    size_t pos() const { return p_; }

    // For simple formulas read without tokens: at the current position one
    // A1 cell ending at a token boundary, or a plain decimal number of up to
    // 15 digits (no exponent) followed by nothing that could continue it.
    // Either moves past what it read; false leaves the position alone.
    bool plainCell(CellRange& ref, uint8_t& flags);
    bool plainNumber(double& value);
    bool atEnd() const { return p_ >= s_.size(); }
    // The character at the position, taken.
    wchar_t take() { return s_[p_++]; }

private:
    bool cellA1(size_t& p, int& col, int& row, uint8_t& abs) const;
    bool refA1(Token& t);
    bool partR1C1(size_t& p, wchar_t letter, int base, int& value, bool& absolute) const;
    bool refR1C1(Token& t);
    bool boundary(size_t p) const;
    bool digitsThenColon(size_t p) const;

    std::wstring_view s_;
    size_t p_ = 0;
    bool r1c1_;
    int col_, row_;
};

// Reads `text` as exactly one reference in `style`, relative parts seen
// from (col, row); false when it is none or lies off the sheet.
bool readReference(std::wstring_view text, RefStyle style, int col, int row, CellRange& ref);
// True when `text` is exactly one reference in `style`.
bool readsAsReference(std::wstring_view text, RefStyle style);

inline bool isNameStart(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c == L'\\' ||
           c >= 0xC0;
}
inline bool isNameChar(wchar_t c) {
    return isNameStart(c) || (c >= L'0' && c <= L'9') || c == L'.';
}

} // namespace spread
