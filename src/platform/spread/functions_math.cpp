// Arithmetic and trigonometric functions. Rounding works on the decimal value
// people see (15 significant digits), halves away from zero.
#include "platform/spread/functions.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace spread {

namespace {

enum class Rounding { Half, Up, Down };

// x rounded to `digits` decimals (negative: to tens, hundreds...).
double roundDecimal(double x, double digitsArg, Rounding mode) {
    if (x == 0 || !std::isfinite(x)) return x;
    long long digits = static_cast<long long>(std::trunc(std::clamp(digitsArg, -400.0, 400.0)));
    // The 15 digits of |x| (d.dddddddddddddd) and their exponent.
    char mant[15];
    int m = 0;
    int exp10 = 0;
    double whole = 0;
    int scale = 0;
    if (fifteenDigits(x, whole, scale)) {
        if (whole >= 1e15) { // 999...9.5 carried: 10^15
            whole = 1e14;
            --scale;
        }
        auto n = static_cast<uint64_t>(whole);
        for (m = 15; m-- > 0; n /= 10)
            mant[m] = static_cast<char>('0' + n % 10);
        m = 15;
        exp10 = 14 - scale;
    } else {
        char buf[64];
        auto r =
            std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
        // buf: d.dddddddddddddde[+-]xx
        const char* p = buf;
        for (; p != r.ptr && *p != 'e'; ++p)
            if (*p != '.' && m < 15) mant[m++] = *p;
        if (p != r.ptr) std::from_chars(p + 1 + (p[1] == '+'), r.ptr, exp10);
    }
    long long keep = exp10 + 1 + digits; // digits of the mantissa to keep
    if (keep >= m) return x;
    long long n = 0;
    for (long long i = 0; i < keep; ++i)
        n = n * 10 + (mant[i] - '0');
    bool up = false;
    if (mode == Rounding::Half) {
        up = keep >= 0 && mant[keep] >= '5';
    } else if (mode == Rounding::Up) {
        for (long long i = std::max(keep, 0LL); i < m && !up; ++i)
            up = mant[i] != '0';
    }
    if (up) ++n;
    if (n == 0) return 0.0;
    // n * 10^-digits: the double nearest to the decimal value.
    double v = 0;
    if (nearestDecimal(static_cast<double>(n), digits, v)) return x < 0 ? -v : v;
    char out[64];
    char* end = out + sizeof out;
    auto w = std::to_chars(out, end - 8, n);
    char* p2 = w.ptr;
    *p2++ = 'e';
    w = std::to_chars(p2, end, -digits);
    std::from_chars(out, w.ptr, v);
    return x < 0 ? -v : v;
}

Slot num(double x) {
    return numberResult(x);
}
Slot err(ErrorKind k) {
    return Value::error(k);
}

Slot fnAbs(Call& c) {
    return num(std::fabs(c.num(0)));
}
Slot fnSign(Call& c) {
    return num(c.num(0) > 0 ? 1 : c.num(0) < 0 ? -1 : 0);
}
Slot fnSqrt(Call& c) {
    return c.num(0) < 0 ? err(ErrorKind::Num) : num(std::sqrt(c.num(0)));
}
Slot fnExp(Call& c) {
    return num(std::exp(c.num(0)));
}
Slot fnLn(Call& c) {
    return c.num(0) <= 0 ? err(ErrorKind::Num) : num(std::log(c.num(0)));
}
Slot fnLog10(Call& c) {
    return c.num(0) <= 0 ? err(ErrorKind::Num) : num(std::log10(c.num(0)));
}
Slot fnLog(Call& c) {
    double x = c.num(0), base = c.given(1) ? c.num(1) : 10;
    if (x <= 0 || base <= 0) return err(ErrorKind::Num);
    if (base == 1) return err(ErrorKind::Div0);
    return num(std::log(x) / std::log(base));
}
Slot fnPi(Call&) {
    return num(std::numbers::pi);
}
Slot fnSin(Call& c) {
    return num(std::sin(c.num(0)));
}
Slot fnCos(Call& c) {
    return num(std::cos(c.num(0)));
}
Slot fnTan(Call& c) {
    return num(std::tan(c.num(0)));
}
Slot fnAsin(Call& c) {
    return std::fabs(c.num(0)) > 1 ? err(ErrorKind::Num) : num(std::asin(c.num(0)));
}
Slot fnAcos(Call& c) {
    return std::fabs(c.num(0)) > 1 ? err(ErrorKind::Num) : num(std::acos(c.num(0)));
}
Slot fnAtan(Call& c) {
    return num(std::atan(c.num(0)));
}
// ATAN2(x, y): the angle of the point (x, y).
Slot fnAtan2(Call& c) {
    if (c.num(0) == 0 && c.num(1) == 0) return err(ErrorKind::Div0);
    return num(std::atan2(c.num(1), c.num(0)));
}
Slot fnDegrees(Call& c) {
    return num(c.num(0) * 180 / std::numbers::pi);
}
Slot fnRadians(Call& c) {
    return num(c.num(0) * std::numbers::pi / 180);
}
Slot fnPower(Call& c) {
    double x = c.num(0), y = c.num(1);
    if (x == 0 && y == 0) return err(ErrorKind::Num);
    if (x == 0 && y < 0) return err(ErrorKind::Div0);
    return num(std::pow(x, y));
}

Slot fnInt(Call& c) {
    return num(std::floor(c.num(0)));
}
Slot fnRound(Call& c) {
    return num(roundDecimal(c.num(0), c.num(1), Rounding::Half));
}
Slot fnRoundUp(Call& c) {
    return num(roundDecimal(c.num(0), c.num(1), Rounding::Up));
}
Slot fnRoundDown(Call& c) {
    return num(roundDecimal(c.num(0), c.num(1), Rounding::Down));
}
Slot fnTrunc(Call& c) {
    return num(roundDecimal(c.num(0), c.given(1) ? c.num(1) : 0, Rounding::Down));
}

// MOD takes the sign of the divisor: MOD(-3, 2) is 1, MOD(3, -2) is -1.
Slot fnMod(Call& c) {
    double n = c.num(0), d = c.num(1);
    if (d == 0) return err(ErrorKind::Div0);
    double r = n - d * std::floor(n / d);
    if (r != 0 && (r < 0) != (d < 0)) r += d; // guard against rounding at the edge
    return num(r);
}

// CEILING and FLOOR to a multiple of the significance. A negative number
// with a positive significance rounds toward +infinity (CEILING) or -infinity
// (FLOOR); both negative round away from (CEILING) or toward (FLOOR) zero;
// a positive number with a negative significance is #NUM!.
Slot multiple(Call& c, bool ceiling) {
    double x = c.num(0), sig = c.num(1);
    if (x == 0) return num(0);
    if (x > 0 && sig < 0) return err(ErrorKind::Num);
    if (sig == 0) return ceiling ? num(0) : err(ErrorKind::Div0);
    double q = visible(x / sig);
    q = ceiling ? std::ceil(q) : std::floor(q);
    return num(visible(q * sig));
}
Slot fnCeiling(Call& c) {
    return multiple(c, true);
}
Slot fnFloor(Call& c) {
    return multiple(c, false);
}

// EVEN and ODD round away from zero.
Slot fnEven(Call& c) {
    double x = c.num(0), v = std::ceil(std::fabs(x));
    if (std::fmod(v, 2) != 0) v += 1;
    return num(x < 0 ? -v : v);
}
Slot fnOdd(Call& c) {
    double x = c.num(0), v = std::ceil(std::fabs(x));
    if (std::fmod(v, 2) == 0) v += 1;
    return num(x < 0 ? -v : v);
}
Slot fnFact(Call& c) {
    double n = std::floor(c.num(0));
    if (n < 0 || n > 170) return err(ErrorKind::Num);
    double f = 1;
    for (int i = 2; i <= static_cast<int>(n); ++i)
        f *= i;
    return num(f);
}

const FunctionDef kMath[] = {
    {L"ABS", 1, 1, "n", fnAbs},
    {L"ACOS", 1, 1, "n", fnAcos},
    {L"ASIN", 1, 1, "n", fnAsin},
    {L"ATAN", 1, 1, "n", fnAtan},
    {L"ATAN2", 2, 2, "n", fnAtan2},
    {L"CEILING", 2, 2, "n", fnCeiling},
    {L"COS", 1, 1, "n", fnCos},
    {L"DEGREES", 1, 1, "n", fnDegrees},
    {L"EVEN", 1, 1, "n", fnEven},
    {L"EXP", 1, 1, "n", fnExp},
    {L"FACT", 1, 1, "n", fnFact},
    {L"FLOOR", 2, 2, "n", fnFloor},
    {L"INT", 1, 1, "n", fnInt},
    {L"LN", 1, 1, "n", fnLn},
    {L"LOG", 1, 2, "n", fnLog},
    {L"LOG10", 1, 1, "n", fnLog10},
    {L"MOD", 2, 2, "n", fnMod},
    {L"ODD", 1, 1, "n", fnOdd},
    {L"PI", 0, 0, "", fnPi},
    {L"POWER", 2, 2, "n", fnPower},
    {L"RADIANS", 1, 1, "n", fnRadians},
    {L"ROUND", 2, 2, "n", fnRound},
    {L"ROUNDDOWN", 2, 2, "n", fnRoundDown},
    {L"ROUNDUP", 2, 2, "n", fnRoundUp},
    {L"SIGN", 1, 1, "n", fnSign},
    {L"SIN", 1, 1, "n", fnSin},
    {L"SQRT", 1, 1, "n", fnSqrt},
    {L"TAN", 1, 1, "n", fnTan},
    {L"TRUNC", 1, 2, "n", fnTrunc},
};

} // namespace

FunctionList mathFunctions() {
    return {kMath, std::size(kMath)};
}

} // namespace spread
