// Engineering functions: numbers written in bases 2, 8, 16 and any base up
// to 36, bitwise operations, and the comparisons DELTA and GESTEP.
#include "platform/spread/functions.h"

#include <cmath>
#include <cstdint>

namespace spread {

namespace {

// A number given to a base conversion as digits: a text as it is, a number
// by its digits; logical values are refused.
bool digitsOf(const Value& v, std::wstring& out, ErrorKind& e) {
    if (v.isLogical()) {
        e = ErrorKind::Value;
        return false;
    }
    return toText(v, out, e);
}

int digitValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'a' && ch <= L'z') return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'Z') return ch - L'A' + 10;
    return 99;
}

// The bases of the two-letter conversions: 10 digits at most, the top half
// of the 10-digit range reading as negative (two's complement).
struct Radix {
    int base, bits;
    int64_t low() const { return -(int64_t(1) << (bits - 1)); }
    int64_t high() const { return (int64_t(1) << (bits - 1)) - 1; }
};
constexpr Radix kBin{2, 10}, kOct{8, 30}, kDec{10, 0}, kHex{16, 40};

bool parseDigits(const std::wstring& s, Radix r, int64_t& out) {
    if (s.size() > 10) return false;
    uint64_t n = 0;
    for (wchar_t ch : s) {
        int d = digitValue(ch);
        if (d >= r.base) return false;
        n = n * static_cast<uint64_t>(r.base) + static_cast<uint64_t>(d);
    }
    int64_t v = static_cast<int64_t>(n);
    if (s.size() == 10 && v > r.high()) v -= int64_t(1) << r.bits;
    out = v;
    return true;
}

std::wstring inBase(uint64_t n, int base) {
    static const wchar_t kDigits[] = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::wstring out;
    do {
        out.insert(out.begin(), kDigits[n % static_cast<uint64_t>(base)]);
        n /= static_cast<uint64_t>(base);
    } while (n != 0);
    return out;
}

// n written in `to`, padded to `places` when given. Negative numbers take
// ten digits in two's complement and ignore the places, which must still be
// valid.
Slot writeRadix(Call& c, int64_t n, Radix to, int placesArg) {
    double places = 0;
    if (c.given(placesArg) && c.arg(placesArg).kind != Slot::Missing) {
        ErrorKind e = ErrorKind::Value;
        if (c.value(placesArg).isLogical() || !toNumber(c.value(placesArg), places, e))
            return fail(e);
        places = std::trunc(places);
        if (places < 1 || places > 10) return fail(ErrorKind::Num);
    }
    if (n < to.low() || n > to.high()) return fail(ErrorKind::Num);
    if (n < 0) return Value(inBase(static_cast<uint64_t>(n + (int64_t(1) << to.bits)), to.base));
    std::wstring s = inBase(static_cast<uint64_t>(n), to.base);
    if (places != 0) {
        if (places < static_cast<double>(s.size())) return fail(ErrorKind::Num);
        s.insert(0, static_cast<size_t>(places) - s.size(), L'0');
    }
    return Value(std::move(s));
}

template <const Radix& From, const Radix& To> Slot convertRadix(Call& c) {
    int64_t n = 0;
    if constexpr (From.base == 10) {
        double x = c.num(0);
        if (!std::isfinite(x) || std::fabs(x) > 1e15) return fail(ErrorKind::Num);
        n = static_cast<int64_t>(std::trunc(x));
    } else {
        std::wstring digits;
        ErrorKind e = ErrorKind::Value;
        if (!digitsOf(c.value(0), digits, e)) return fail(e);
        if (!parseDigits(digits, From, n)) return fail(ErrorKind::Num);
    }
    if constexpr (To.base == 10) return Value(static_cast<double>(n));
    else return writeRadix(c, n, To, 1);
}

// BASE(number, radix, [min length]) and DECIMAL(text, radix).
Slot fnBase(Call& c) {
    double n = std::trunc(c.num(0)), radix = std::trunc(c.num(1));
    double len = c.given(2) ? std::trunc(c.num(2)) : 0;
    if (n < 0 || n >= 9007199254740992.0 || radix < 2 || radix > 36 || len < 0 || len > 255)
        return fail(ErrorKind::Num);
    std::wstring s = inBase(static_cast<uint64_t>(n), static_cast<int>(radix));
    if (s.size() < len) s.insert(0, static_cast<size_t>(len) - s.size(), L'0');
    return Value(std::move(s));
}

Slot fnDecimal(Call& c) {
    const std::wstring& s = c.text(0);
    double radix = std::trunc(c.num(1));
    if (radix < 2 || radix > 36 || s.size() > 255) return fail(ErrorKind::Num);
    double n = 0;
    for (wchar_t ch : s) {
        int d = digitValue(ch);
        if (d >= radix) return fail(ErrorKind::Num);
        n = n * radix + d;
    }
    return numberResult(n);
}

// Bitwise functions take whole numbers from 0 below 2^48.
constexpr double kBitLimit = 281474976710656.0;

bool bits(double x, uint64_t& out) {
    if (x < 0 || x >= kBitLimit || x != std::trunc(x)) return false;
    out = static_cast<uint64_t>(x);
    return true;
}

template <int Op> Slot bitwise(Call& c) {
    uint64_t a = 0, b = 0;
    if (!bits(c.num(0), a) || !bits(c.num(1), b)) return fail(ErrorKind::Num);
    uint64_t r = Op == 0 ? (a & b) : Op == 1 ? (a | b) : (a ^ b);
    return Value(static_cast<double>(r));
}

Slot shift(Call& c, double by) {
    uint64_t a = 0;
    if (!bits(c.num(0), a)) return fail(ErrorKind::Num);
    by = std::trunc(by);
    if (std::fabs(by) > 53) return fail(ErrorKind::Num);
    double r = by >= 0 ? static_cast<double>(a) * std::ldexp(1.0, static_cast<int>(by))
                       : static_cast<double>(a >> static_cast<int>(-by));
    if (r >= kBitLimit) return fail(ErrorKind::Num);
    return Value(r);
}
Slot fnBitLShift(Call& c) {
    return shift(c, c.num(1));
}
Slot fnBitRShift(Call& c) {
    return shift(c, -c.num(1));
}

Slot fnDelta(Call& c) {
    return Value(c.num(0) == (c.given(1) ? c.num(1) : 0) ? 1 : 0);
}
Slot fnGeStep(Call& c) {
    return Value(c.num(0) >= (c.given(1) ? c.num(1) : 0) ? 1 : 0);
}

const FunctionDef kEngineering[] = {
    {L"BASE", 2, 3, "n", fnBase},
    {L"BIN2DEC", 1, 1, "e", convertRadix<kBin, kDec>},
    {L"BIN2HEX", 1, 2, "ev", convertRadix<kBin, kHex>},
    {L"BIN2OCT", 1, 2, "ev", convertRadix<kBin, kOct>},
    {L"BITAND", 2, 2, "n", bitwise<0>},
    {L"BITLSHIFT", 2, 2, "n", fnBitLShift},
    {L"BITOR", 2, 2, "n", bitwise<1>},
    {L"BITRSHIFT", 2, 2, "n", fnBitRShift},
    {L"BITXOR", 2, 2, "n", bitwise<2>},
    {L"DEC2BIN", 1, 2, "Nv", convertRadix<kDec, kBin>},
    {L"DEC2HEX", 1, 2, "Nv", convertRadix<kDec, kHex>},
    {L"DEC2OCT", 1, 2, "Nv", convertRadix<kDec, kOct>},
    {L"DECIMAL", 2, 2, "sn", fnDecimal},
    {L"DELTA", 1, 2, "N", fnDelta},
    {L"GESTEP", 1, 2, "N", fnGeStep},
    {L"HEX2BIN", 1, 2, "ev", convertRadix<kHex, kBin>},
    {L"HEX2DEC", 1, 1, "e", convertRadix<kHex, kDec>},
    {L"HEX2OCT", 1, 2, "ev", convertRadix<kHex, kOct>},
    {L"OCT2BIN", 1, 2, "ev", convertRadix<kOct, kBin>},
    {L"OCT2DEC", 1, 1, "e", convertRadix<kOct, kDec>},
    {L"OCT2HEX", 1, 2, "ev", convertRadix<kOct, kHex>},
};

} // namespace

FunctionList engineeringFunctions() {
    return {kEngineering, std::size(kEngineering)};
}

} // namespace spread
