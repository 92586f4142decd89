#include "platform/spread/formula_lexer.h"

#include "platform/spread/formula_code.h"

#include <charconv>
#include <cmath>

namespace spread {

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
wchar_t upperAscii(wchar_t c) {
    return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c;
}

// Reads up to `maxDigits` decimal digits; false when there are none or too many.
bool readDigits(std::wstring_view s, size_t& p, long long& value, size_t maxDigits = 9) {
    size_t start = p;
    value = 0;
    while (p < s.size() && isDigit(s[p])) {
        if (p - start >= maxDigits) return false;
        value = value * 10 + (s[p] - L'0');
        ++p;
    }
    return p > start;
}

// Plain decimals of up to 15 digits without exponent: the digits as an
// integer divided by a power of ten, both exact, give the correctly rounded
// value without the general conversion. Reads digits and at most one point
// from the start of p (n characters); returns how many it read, 0 when there
// is no digit or more than 15.
template <class Char> size_t quickNumber(const Char* p, size_t n, double& out) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    long long mant = 0;
    int digits = 0, frac = -1;
    size_t i = 0;
    for (; i < n; ++i) {
        Char c = p[i];
        if (c == '.') {
            if (frac >= 0) break;
            frac = 0;
            continue;
        }
        if (c < '0' || c > '9') break;
        if (++digits > 15) return 0;
        mant = mant * 10 + (c - '0');
        if (frac >= 0) ++frac;
    }
    if (digits == 0) return 0;
    out = static_cast<double>(mant) / kPow10[frac < 0 ? 0 : frac];
    return i;
}

} // namespace

bool Lexer::digitsThenColon(size_t p) const {
    while (p < s_.size() && isDigit(s_[p]))
        ++p;
    return p < s_.size() && s_[p] == L':';
}

bool Lexer::boundary(size_t p) const {
    if (p >= s_.size()) return true;
    wchar_t c = s_[p];
    return !isNameChar(c) && c != L'(' && c != L'[' && c != L'!' && c != L'$' && c != L':';
}

// $?LETTERS$?DIGITS within the sheet.
bool Lexer::cellA1(size_t& p, int& col, int& row, uint8_t& abs) const {
    size_t q = p;
    abs = 0;
    if (q < s_.size() && s_[q] == L'$') {
        abs |= kAbsCol1;
        ++q;
    }
    long long c = 0;
    size_t letters = 0;
    while (q < s_.size() && isLetter(s_[q])) {
        if (++letters > 3) return false;
        c = c * 26 + (upperAscii(s_[q]) - L'A' + 1);
        ++q;
    }
    if (letters == 0) return false;
    if (q < s_.size() && s_[q] == L'$') {
        abs |= kAbsRow1;
        ++q;
    }
    long long r = 0;
    if (!readDigits(s_, q, r)) return false;
    if (c > kMaxSheetCols || r < 1 || r > kMaxSheetRows) return false;
    col = static_cast<int>(c);
    row = static_cast<int>(r);
    p = q;
    return true;
}

bool Lexer::plainCell(CellRange& ref, uint8_t& flags) {
    if (r1c1_) return false;
    size_t p = p_;
    int col, row;
    if (!cellA1(p, col, row, flags) || !boundary(p)) return false;
    ref = {col, row, col, row};
    p_ = p;
    return true;
}

bool Lexer::plainNumber(double& value) {
    if (p_ >= s_.size() || !isDigit(s_[p_])) return false;
    size_t q = p_ + quickNumber(s_.data() + p_, s_.size() - p_, value);
    if (q == p_) return false;
    if (q < s_.size() && (isNameChar(s_[q]) || s_[q] == L':')) return false;
    p_ = q;
    return true;
}

bool Lexer::refA1(Token& t) {
    size_t p = p_;
    int c1, r1;
    uint8_t a1;
    if (cellA1(p, c1, r1, a1)) {
        size_t q = p;
        int c2, r2;
        uint8_t a2;
        if (q < s_.size() && s_[q] == L':' && (++q, cellA1(q, c2, r2, a2)) && boundary(q)) {
            t.area = true;
            t.ref = {std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
            // Flags follow the corners as written, put in order.
            uint8_t lo = c1 <= c2 ? a1 : a2, hi = c1 <= c2 ? a2 : a1;
            uint8_t loR = r1 <= r2 ? a1 : a2, hiR = r1 <= r2 ? a2 : a1;
            t.refFlags = static_cast<uint8_t>((lo & kAbsCol1) | (loR & kAbsRow1) |
                                              ((hi & kAbsCol1) ? kAbsCol2 : 0) |
                                              ((hiR & kAbsRow1) ? kAbsRow2 : 0));
            p_ = q;
            return true;
        }
        // A cell may end a range whose other end is computed (A1:INDEX(...)).
        if (!boundary(p) && !(p < s_.size() && s_[p] == L':')) return false;
        t.ref = {c1, r1, c1, r1};
        t.refFlags = a1;
        p_ = p;
        return true;
    }
    // Whole columns A:C or whole rows 1:3.
    auto side = [&](size_t& q, bool letters, long long& v, bool& absolute) {
        absolute = q < s_.size() && s_[q] == L'$';
        if (absolute) ++q;
        if (!letters) return readDigits(s_, q, v) && v >= 1 && v <= kMaxSheetRows;
        size_t n = 0;
        v = 0;
        while (q < s_.size() && isLetter(s_[q])) {
            if (++n > 3) return false;
            v = v * 26 + (upperAscii(s_[q]) - L'A' + 1);
            ++q;
        }
        return n > 0 && v <= kMaxSheetCols;
    };
    for (bool letters : {true, false}) {
        size_t q = p_;
        long long v1, v2;
        bool abs1, abs2;
        if (!side(q, letters, v1, abs1) || q >= s_.size() || s_[q] != L':') continue;
        ++q;
        if (!side(q, letters, v2, abs2) || !boundary(q)) continue;
        if (v1 > v2) {
            std::swap(v1, v2);
            std::swap(abs1, abs2);
        }
        int a = static_cast<int>(v1), b = static_cast<int>(v2);
        t.area = true;
        if (letters) {
            t.ref = {a, 1, b, kMaxSheetRows};
            t.refFlags =
                static_cast<uint8_t>(kWholeCols | (abs1 ? kAbsCol1 : 0) | (abs2 ? kAbsCol2 : 0));
        } else {
            t.ref = {1, a, kMaxSheetCols, b};
            t.refFlags =
                static_cast<uint8_t>(kWholeRows | (abs1 ? kAbsRow1 : 0) | (abs2 ? kAbsRow2 : 0));
        }
        p_ = q;
        return true;
    }
    return false;
}

// R, R5, R[-2] (or C...): absolute when written as a plain number.
bool Lexer::partR1C1(size_t& p, wchar_t letter, int base, int& value, bool& absolute) const {
    if (p >= s_.size() || upperAscii(s_[p]) != letter) return false;
    size_t q = p + 1;
    long long v = 0;
    absolute = false;
    if (q < s_.size() && s_[q] == L'[') {
        ++q;
        bool neg = false;
        if (q < s_.size() && (s_[q] == L'-' || s_[q] == L'+')) neg = s_[q++] == L'-';
        if (!readDigits(s_, q, v) || q >= s_.size() || s_[q] != L']') return false;
        ++q;
        value = static_cast<int>(base + (neg ? -v : v));
    } else if (q < s_.size() && isDigit(s_[q])) {
        if (!readDigits(s_, q, v)) return false;
        absolute = true;
        value = v > kMaxSheetRows + 1 ? kMaxSheetRows + 1 : static_cast<int>(v);
    } else {
        value = base;
    }
    p = q;
    return true;
}

bool Lexer::refR1C1(Token& t) {
    // kind: 0 cell, 1 whole rows, 2 whole columns
    auto one = [&](size_t& p, int& c, int& r, bool& ac, bool& ar, int& kind) {
        bool hasR = partR1C1(p, L'R', row_, r, ar);
        bool hasC = partR1C1(p, L'C', col_, c, ac);
        if (!hasR && !hasC) return false;
        kind = hasR && hasC ? 0 : (hasR ? 1 : 2);
        return true;
    };
    size_t p = p_;
    int c1 = 0, r1 = 0, k1 = 0;
    bool ac1 = false, ar1 = false;
    if (!one(p, c1, r1, ac1, ar1, k1)) return false;
    int c2 = c1, r2 = r1;
    bool ac2 = ac1, ar2 = ar1;
    bool area = false;
    if (p < s_.size() && s_[p] == L':') {
        size_t q = p + 1;
        int cc = 0, rr = 0, kk = 0;
        bool acc = false, arr = false;
        if (one(q, cc, rr, acc, arr, kk) && kk == k1 && boundary(q)) {
            c2 = cc, r2 = rr, ac2 = acc, ar2 = arr;
            area = true;
            p = q;
        }
    }
    if (!boundary(p) && !(k1 == 0 && !area && p < s_.size() && s_[p] == L':')) return false;
    if (k1 != 0) area = true;
    if (k1 == 1) c1 = 1, c2 = kMaxSheetCols;
    if (k1 == 2) r1 = 1, r2 = kMaxSheetRows;
    t.outside = c1 < 1 || c2 < 1 || r1 < 1 || r2 < 1 || c1 > kMaxSheetCols || c2 > kMaxSheetCols ||
                r1 > kMaxSheetRows || r2 > kMaxSheetRows;
    if (c1 > c2) std::swap(c1, c2), std::swap(ac1, ac2);
    if (r1 > r2) std::swap(r1, r2), std::swap(ar1, ar2);
    t.area = area;
    t.ref = {c1, r1, c2, r2};
    uint8_t f = 0;
    if (k1 != 1) f |= (ac1 ? kAbsCol1 : 0) | (ac2 ? kAbsCol2 : 0);
    if (k1 != 2) f |= (ar1 ? kAbsRow1 : 0) | (ar2 ? kAbsRow2 : 0);
    if (k1 == 1) f |= kWholeRows;
    if (k1 == 2) f |= kWholeCols;
    if (!area) f = static_cast<uint8_t>(f & (kAbsCol1 | kAbsRow1));
    t.refFlags = f;
    p_ = p;
    return true;
}

void Lexer::next(Token& t) {
    while (p_ < s_.size() &&
           (s_[p_] == L' ' || s_[p_] == L'\t' || s_[p_] == L'\r' || s_[p_] == L'\n'))
        ++p_;
    t = Token{};
    t.pos = p_;
    if (p_ >= s_.size()) return;
    wchar_t c = s_[p_];
    auto single = [&](Tok k, size_t len = 1) {
        t.kind = k;
        p_ += len;
    };
    switch (c) {
    case L'+':
        return single(Tok::Plus);
    case L'-':
        return single(Tok::Minus);
    case L'*':
        return single(Tok::Star);
    case L'/':
        return single(Tok::Slash);
    case L'^':
        return single(Tok::Caret);
    case L'&':
        return single(Tok::Amp);
    case L'%':
        return single(Tok::Percent);
    case L'=':
        return single(Tok::Eq);
    case L'(':
        return single(Tok::LParen);
    case L')':
        return single(Tok::RParen);
    case L',':
        return single(Tok::Comma);
    case L':':
        return single(Tok::Colon);
    case L'@':
        return single(Tok::At);
    case L'{':
        return single(Tok::LBrace);
    case L'}':
        return single(Tok::RBrace);
    case L';':
        return single(Tok::Semi);
    case L'<':
        if (p_ + 1 < s_.size() && s_[p_ + 1] == L'>') return single(Tok::Ne, 2);
        if (p_ + 1 < s_.size() && s_[p_ + 1] == L'=') return single(Tok::Le, 2);
        return single(Tok::Lt);
    case L'>':
        if (p_ + 1 < s_.size() && s_[p_ + 1] == L'=') return single(Tok::Ge, 2);
        return single(Tok::Gt);
    case L'"': {
        size_t q = p_ + 1;
        for (;;) {
            if (q >= s_.size()) return single(Tok::Bad, 0);
            if (s_[q] == L'"') {
                if (q + 1 < s_.size() && s_[q + 1] == L'"') {
                    t.doubled = true;
                    q += 2;
                    continue;
                }
                break;
            }
            ++q;
        }
        t.kind = Tok::Text;
        t.ident = s_.substr(p_ + 1, q - p_ - 1);
        p_ = q + 1;
        return;
    }
    case L'#': {
        for (int k = 0; k <= static_cast<int>(ErrorKind::Calc); ++k) {
            auto name = errorName(static_cast<ErrorKind>(k));
            ErrorKind kind;
            if (s_.size() - p_ >= name.size() && parseErrorName(s_.substr(p_, name.size()), kind)) {
                t.error = kind;
                return single(Tok::Error, name.size());
            }
        }
        return single(Tok::Bad, 0);
    }
    default:
        break;
    }
    // A reference in A1 style that starts with a digit is whole rows ("1:3"):
    // other digits are a number, read without trying for a reference.
    if (!r1c1_ && (c == L'$' || isLetter(c) || (isDigit(c) && digitsThenColon(p_)))) {
        if (refA1(t)) {
            t.kind = Tok::Ref;
            return;
        }
    }
    if (r1c1_ && (upperAscii(c) == L'R' || upperAscii(c) == L'C')) {
        if (refR1C1(t)) {
            t.kind = Tok::Ref;
            return;
        }
    }
    if (isDigit(c) || (c == L'.' && p_ + 1 < s_.size() && isDigit(s_[p_ + 1]))) {
        char buf[64];
        size_t n = 0, q = p_;
        auto put = [&](wchar_t ch) {
            if (n < sizeof buf - 1) buf[n] = static_cast<char>(ch);
            ++n;
        };
        while (q < s_.size() && isDigit(s_[q]))
            put(s_[q++]);
        if (q < s_.size() && s_[q] == L'.') {
            put(s_[q++]);
            while (q < s_.size() && isDigit(s_[q]))
                put(s_[q++]);
        }
        if (q < s_.size() && (s_[q] == L'e' || s_[q] == L'E')) {
            size_t e = q + 1;
            if (e < s_.size() && (s_[e] == L'+' || s_[e] == L'-')) ++e;
            if (e < s_.size() && isDigit(s_[e])) {
                while (q < e)
                    put(s_[q++]);
                while (q < s_.size() && isDigit(s_[q]))
                    put(s_[q++]);
            }
        }
        if (n >= sizeof buf - 1) return single(Tok::Bad, 0);
        double v = 0;
        if (quickNumber(buf, n, v) != n) {
            auto r = std::from_chars(buf, buf + n, v);
            if (r.ec != std::errc() || r.ptr != buf + n || !std::isfinite(v))
                return single(Tok::Bad, 0);
        }
        t.kind = Tok::Number;
        t.num = v;
        p_ = q;
        return;
    }
    if (isNameStart(c)) {
        size_t q = p_;
        while (q < s_.size() && isNameChar(s_[q]))
            ++q;
        t.ident = s_.substr(p_, q - p_);
        p_ = q;
        size_t k = q;
        while (k < s_.size() && (s_[k] == L' ' || s_[k] == L'\t'))
            ++k;
        t.call = k < s_.size() && s_[k] == L'(';
        if (!t.call && t.ident.size() <= 5) {
            std::wstring up;
            for (wchar_t ch : t.ident)
                up += upperAscii(ch);
            if (up == L"TRUE" || up == L"FALSE") {
                t.kind = Tok::Logical;
                t.num = up == L"TRUE" ? 1 : 0;
                return;
            }
        }
        t.kind = Tok::Ident;
        return;
    }
    return single(Tok::Bad, 0);
}

namespace {

// The reference that is all of `text`, into `t`.
bool oneReference(std::wstring_view text, RefStyle style, int col, int row, Token& t) {
    Lexer lex(text, style, col, row);
    lex.next(t);
    if (t.kind != Tok::Ref) return false;
    Token end;
    lex.next(end);
    return end.kind == Tok::End;
}

} // namespace

bool readReference(std::wstring_view text, RefStyle style, int col, int row, CellRange& ref) {
    Token t;
    if (!oneReference(text, style, col, row, t) || t.outside) return false;
    ref = t.ref;
    return true;
}

bool readsAsReference(std::wstring_view text, RefStyle style) {
    // Seen from the middle of the sheet, so that relative parts stay on it.
    Token t;
    return oneReference(text, style, kMaxSheetCols / 2, kMaxSheetRows / 2, t);
}

} // namespace spread
