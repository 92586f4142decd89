#include "platform/spread/formula_values.h"

#include "platform/spread/date_serial.h"
#include "platform/spread/formula_arrays.h"
#include "platform/text/fold.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace spread {

Value scalarOf(const Slot& s, FormulaHost& host, int col, int row) {
    switch (s.kind) {
    case Slot::Val:
        return s.v;
    case Slot::Missing:
        return Value();
    case Slot::Cell:
        return host.cellValue(s.ref.col1, s.ref.row1);
    case Slot::Area:
        // A block of values in one cell gives its first value.
        if (isArrayRef(s.ref)) return host.cellValue(s.ref.col1, s.ref.row1);
        if (s.ref.col1 == s.ref.col2 && row >= s.ref.row1 && row <= s.ref.row2)
            return host.cellValue(s.ref.col1, row);
        if (s.ref.row1 == s.ref.row2 && col >= s.ref.col1 && col <= s.ref.col2)
            return host.cellValue(col, s.ref.row1);
        return Value::error(ErrorKind::Value);
    }
    return Value();
}

namespace {

bool isCurrencySign(wchar_t c) {
    return c == L'$' || c == 0x20AC /* euro */ || c == 0xA3 /* pound */ || c == 0xA5 /* yen */;
}

// A number written with a currency sign before or after it ("$100",
// "100 €"), blanks around either.
bool currencyToNumber(std::wstring_view t, double& out) {
    size_t b = t.find_first_not_of(L" \t");
    size_t e = t.find_last_not_of(L" \t");
    if (b == std::wstring_view::npos || b == e) return false;
    t = t.substr(b, e - b + 1);
    if (isCurrencySign(t.front())) return textToNumber(t.substr(1), out);
    if (isCurrencySign(t.back())) return textToNumber(t.substr(0, t.size() - 1), out);
    return false;
}

} // namespace

bool toNumber(const Value& v, double& out, ErrorKind& err) {
    switch (v.type()) {
    case Value::Type::Number:
        out = v.number();
        return true;
    case Value::Type::Empty:
        out = 0;
        return true;
    case Value::Type::Logical:
        out = v.logicalValue() ? 1 : 0;
        return true;
    case Value::Type::Text:
        // A text that reads as a number (also with a currency sign), or as
        // a date or time.
        if (textToNumber(v.text(), out) || currencyToNumber(v.text(), out) ||
            textToDateTime(v.text(), out))
            return true;
        err = ErrorKind::Value;
        return false;
    case Value::Type::Error:
        err = v.errorKind();
        return false;
    }
    return false;
}

bool toText(const Value& v, std::wstring& out, ErrorKind& err) {
    switch (v.type()) {
    case Value::Type::Number:
        out = numberAsText(v.number());
        return true;
    case Value::Type::Empty:
        out.clear();
        return true;
    case Value::Type::Logical:
        out = v.logicalValue() ? L"TRUE" : L"FALSE";
        return true;
    case Value::Type::Text:
        out = v.text();
        return true;
    case Value::Type::Error:
        err = v.errorKind();
        return false;
    }
    return false;
}

bool toLogical(const Value& v, bool& out, ErrorKind& err) {
    switch (v.type()) {
    case Value::Type::Number:
        out = v.number() != 0;
        return true;
    case Value::Type::Empty:
        out = false;
        return true;
    case Value::Type::Logical:
        out = v.logicalValue();
        return true;
    case Value::Type::Text:
        if (zrltext::equalNoCase(v.text(), L"TRUE")) {
            out = true;
            return true;
        }
        if (zrltext::equalNoCase(v.text(), L"FALSE")) {
            out = false;
            return true;
        }
        err = ErrorKind::Value;
        return false;
    case Value::Type::Error:
        err = v.errorKind();
        return false;
    }
    return false;
}

namespace {

// The powers of ten a double holds exactly.
constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long long kMaxTen = 22;

} // namespace

bool fifteenDigits(double x, double& digits, int& scale) {
    const double a = std::fabs(x);
    if (!(a >= 1e-8 && a < 1e15)) return false;
    // The decimal exponent guessed from the binary one (at most one too
    // small), then put right by the scaled value's size.
    int s = 14 - static_cast<int>(std::floor(std::ilogb(a) * 0.3010299956639812));
    for (int tries = 0; tries < 3; ++tries) {
        if (s < 0 || s > kMaxTen) return false;
        const double m = a * kTens[s];
        if (m >= 1e15) {
            --s;
            continue;
        }
        if (m < 1e14) {
            ++s;
            continue;
        }
        // Below 2^50 the product is within 1/16 of a * 10^s, so it rounds
        // to the same whole number unless it lies near a half.
        const double whole = std::floor(m);
        const double part = m - whole;
        if (std::fabs(part - 0.5) < 0.125) return false;
        digits = part > 0.5 ? whole + 1 : whole;
        scale = s;
        return true;
    }
    return false;
}

bool nearestDecimal(double n, long long scale, double& out) {
    // One operation on exact numbers rounds once: to the nearest double.
    if (scale >= 0 && scale <= kMaxTen) {
        out = n / kTens[scale];
        return true;
    }
    if (scale < 0 && -scale <= kMaxTen) {
        out = n * kTens[-scale];
        return true;
    }
    return false;
}

double visible(double x) {
    if (!std::isfinite(x) || x == 0) return x;
    // A whole number of at most 15 digits shows as it is.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) return x;
    double digits = 0, y = 0;
    int scale = 0;
    if (fifteenDigits(x, digits, scale) && nearestDecimal(digits, scale, y)) return x < 0 ? -y : y;
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    y = x;
    std::from_chars(buf, r.ptr, y);
    return y;
}

std::wstring numberAsText(double x) {
    return numberToText(visible(x));
}

Value numberResult(double x) {
    if (!std::isfinite(x)) return Value::error(ErrorKind::Num);
    return Value(x);
}

namespace {

int rank(const Value& v) {
    switch (v.type()) {
    case Value::Type::Text:
        return 1;
    case Value::Type::Logical:
        return 2;
    default:
        return 0;
    }
}

} // namespace

int compareValues(const Value& a, const Value& b) {
    if (a.isEmpty() && b.isEmpty()) return 0;
    if (a.isEmpty()) return -compareValues(b, a);
    if (b.isEmpty()) {
        // Empty compares as the other side's own "nothing".
        switch (a.type()) {
        case Value::Type::Number:
            return a.number() < 0 ? -1 : a.number() > 0 ? 1 : 0;
        case Value::Type::Text:
            return a.text().empty() ? 0 : 1;
        case Value::Type::Logical:
            return a.logicalValue() ? 1 : 0;
        default:
            return 0;
        }
    }
    int ra = rank(a), rb = rank(b);
    if (ra != rb) return ra < rb ? -1 : 1;
    switch (a.type()) {
    case Value::Type::Number: {
        double x = a.number(), y = b.number();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    case Value::Type::Logical:
        return int(a.logicalValue()) - int(b.logicalValue());
    case Value::Type::Text: {
        return zrltext::compareNoCase(a.text(), b.text());
    }
    default:
        return 0;
    }
}

bool wildcardMatch(std::wstring_view pattern, std::wstring_view text) {
    // Pattern pieces: a character to match (without case), '?' or '*'.
    struct Piece {
        wchar_t c;
        uint8_t kind; // 0 literal, 1 any one, 2 any run
    };
    std::vector<Piece> p;
    p.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        wchar_t c = pattern[i];
        // '~' takes the next character as itself; a last '~' stands for nothing.
        if (c == L'~' && i + 1 < pattern.size())
            p.push_back({zrltext::foldCase(pattern[++i]), 0});
        else if (c == L'~')
            continue;
        else if (c == L'?')
            p.push_back({c, 1});
        else if (c == L'*')
            p.push_back({c, 2});
        else
            p.push_back({zrltext::foldCase(c), 0});
    }
    size_t pi = 0, ti = 0, starP = SIZE_MAX, starT = 0;
    while (ti < text.size()) {
        if (pi < p.size() && p[pi].kind == 2) {
            starP = pi++;
            starT = ti;
        } else if (pi < p.size() && (p[pi].kind == 1 || p[pi].c == zrltext::foldCase(text[ti]))) {
            ++pi;
            ++ti;
        } else if (starP != SIZE_MAX) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi].kind == 2)
        ++pi;
    return pi == p.size();
}

} // namespace spread
