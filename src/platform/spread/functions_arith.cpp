// More arithmetic: multiples and quotients, whole-number functions
// (divisors, combinations), sums of squares and series, Roman numerals and
// random numbers.
#include "platform/spread/functions_iterate.h"

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace spread {

namespace {

Slot fnMRound(Call& c) {
    double n = c.num(0), m = c.num(1);
    if (m == 0 || n == 0) return numberResult(0);
    if ((n < 0) != (m < 0)) return fail(ErrorKind::Num);
    return numberResult(visible(std::round(visible(n / m)) * m));
}

Slot fnQuotient(Call& c) {
    if (c.num(1) == 0) return fail(ErrorKind::Div0);
    return numberResult(std::trunc(c.num(0) / c.num(1)));
}

// CEILING.MATH(x, [step 1], [mode]) and FLOOR.MATH: the step's sign does not
// matter; a negative number rounds toward +infinity (CEILING) or -infinity
// (FLOOR), or with a mode other than 0 away from (CEILING) or toward
// (FLOOR) zero. CEILING.PRECISE, ISO.CEILING and FLOOR.PRECISE are mode 0.
Slot roundToStep(Call& c, bool up) {
    double x = c.num(0), step = c.given(1) && c.arg(1).kind != Slot::Missing ? c.num(1) : 1;
    bool mode = c.given(2) && c.num(2) != 0;
    step = std::fabs(step);
    if (step == 0 || x == 0) return numberResult(0);
    double q = visible(x / step);
    bool toCeil = up;
    if (x < 0 && mode) toCeil = !up;
    return numberResult(visible((toCeil ? std::ceil(q) : std::floor(q)) * step));
}
Slot fnCeilingMath(Call& c) {
    return roundToStep(c, true);
}
Slot fnFloorMath(Call& c) {
    return roundToStep(c, false);
}

// The whole numbers of the arguments, truncated. Numbers and texts that
// read as numbers count; a blank cell of a block counts as 0, a blank cell
// given alone is passed over; logical values and other texts are #VALUE!,
// an empty argument #N/A, negative numbers and numbers from 2^53 on #NUM!.
// Nothing to count at all is #VALUE!.
bool wholeNumbers(Call& c, std::vector<double>& out, Slot& failure) {
    ErrorKind error = ErrorKind::Value;
    bool failed = false, any = false;
    auto take = [&](const Value& v) {
        if (failed || v.isEmpty()) return;
        any = true;
        double x = 0;
        if (v.isNumber()) {
            x = v.number();
        } else if (v.isError()) {
            failed = true;
            error = v.errorKind();
            return;
        } else if (!v.isText() || !toNumber(v, x, error)) {
            failed = true;
            return;
        }
        if (x < 0 || x >= 9007199254740992.0) {
            failed = true;
            error = ErrorKind::Num;
            return;
        }
        out.push_back(std::trunc(x));
    };
    for (int i = 0; i < c.argc && !failed; ++i) {
        const Slot& s = c.args[i];
        if (s.kind == Slot::Missing) {
            failed = true;
            error = ErrorKind::NA;
        } else if (!s.isRef()) {
            take(s.v);
        } else {
            size_t filled = 0;
            c.host.forEachValue(s.ref, [&](int, int, const Value& v) {
                ++filled;
                take(v);
            });
            if (s.kind == Slot::Area && filled < cellCount(s.ref)) {
                any = true;
                out.push_back(0);
            }
        }
    }
    if (!failed && !any) failed = true, error = ErrorKind::Value;
    if (failed) failure = fail(error);
    return !failed;
}

double gcd(double a, double b) {
    while (b != 0) {
        double t = std::fmod(a, b);
        a = b;
        b = t;
    }
    return a;
}

Slot fnGcd(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!wholeNumbers(c, xs, failure)) return failure;
    double g = 0;
    for (double x : xs)
        g = gcd(x, g);
    return numberResult(g);
}

Slot fnLcm(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!wholeNumbers(c, xs, failure)) return failure;
    double l = 1;
    for (double x : xs) {
        if (x == 0) return numberResult(0);
        l = l / gcd(l, x) * x;
        if (l >= 9007199254740992.0) return fail(ErrorKind::Num);
    }
    return numberResult(l);
}

double combinations(double n, double k) {
    k = std::min(k, n - k);
    double r = 1;
    for (double i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return std::round(r);
}

Slot fnCombin(Call& c) {
    double n = std::trunc(c.num(0)), k = std::trunc(c.num(1));
    if (n < 0 || k < 0 || n < k) return fail(ErrorKind::Num);
    return numberResult(combinations(n, k));
}

Slot fnCombinA(Call& c) {
    double n = std::trunc(c.num(0)), k = std::trunc(c.num(1));
    if (n < 0 || k < 0 || (n == 0 && k > 0)) return fail(ErrorKind::Num);
    if (k == 0) return numberResult(1);
    return numberResult(combinations(n + k - 1, k));
}

Slot fnPermut(Call& c) {
    double n = std::trunc(c.num(0)), k = std::trunc(c.num(1));
    if (n < 0 || k < 0 || n < k) return fail(ErrorKind::Num);
    double r = 1;
    for (double i = n - k + 1; i <= n; ++i)
        r *= i;
    return numberResult(r);
}

Slot fnFactDouble(Call& c) {
    double n = std::trunc(c.num(0));
    if (n < -1) return fail(ErrorKind::Num);
    double r = 1;
    for (double i = n; i > 1; i -= 2)
        r *= i;
    return numberResult(r);
}

Slot fnMultinomial(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!wholeNumbers(c, xs, failure)) return failure;
    double sum = 0, r = 1;
    for (double x : xs) {
        sum += x;
        r *= combinations(sum, x);
    }
    return numberResult(r);
}

Slot fnSqrtPi(Call& c) {
    return c.num(0) < 0 ? fail(ErrorKind::Num) : numberResult(std::sqrt(c.num(0) * std::numbers::pi));
}

Slot fnSumSq(Call& c) {
    double s = 0;
    ErrorKind e = ErrorKind::Value;
    if (!forEachNumber(c, e, [&](double x) { s += x * x; })) return fail(e);
    return numberResult(s);
}

// SUMX2MY2, SUMX2PY2, SUMXMY2: over the pairs of two blocks of one size in
// which both entries are numbers.
template <int Kind> Slot sumOfPairs(Call& c) {
    std::vector<Value> xs, ys;
    valuesOf(c.arg(0), c.host, xs);
    valuesOf(c.arg(1), c.host, ys);
    if (xs.size() != ys.size()) return fail(ErrorKind::NA);
    double s = 0;
    for (size_t i = 0; i < xs.size(); ++i) {
        if (xs[i].isError()) return xs[i];
        if (ys[i].isError()) return ys[i];
        if (!xs[i].isNumber() || !ys[i].isNumber()) continue;
        double x = xs[i].number(), y = ys[i].number();
        s += Kind == 0 ? x * x - y * y : Kind == 1 ? x * x + y * y : (x - y) * (x - y);
    }
    return numberResult(s);
}

// SERIESSUM(x, n, m, coefficients): the sum of a_i * x^(n + i*m).
Slot fnSeriesSum(Call& c) {
    double x = c.num(0), n = c.num(1), m = c.num(2);
    std::vector<Value> as;
    valuesOf(c.arg(3), c.host, as);
    double s = 0;
    for (size_t i = 0; i < as.size(); ++i) {
        if (as[i].isError()) return as[i];
        if (!as[i].isNumber()) return fail(ErrorKind::Value);
        const double power = n + static_cast<double>(i) * m;
        // As the ^ operator: 0^0 is #NUM!, 0 to a negative power #DIV/0!.
        if (x == 0 && power <= 0) return fail(power == 0 ? ErrorKind::Num : ErrorKind::Div0);
        s += as[i].number() * std::pow(x, power);
    }
    return numberResult(s);
}

// ROMAN(number, [form]): 0 to 3999, written greedily from the largest part.
// Form 0 (or TRUE) is the classic form; forms 1 to 4 (4 also FALSE) allow
// ever more subtractive pairs, each form those of the forms before it.
Slot fnRoman(Call& c) {
    double x = std::trunc(c.num(0));
    if (x < 0 || x > 3999) return fail(ErrorKind::Value);
    double form = 0;
    if (c.given(1) && c.arg(1).kind != Slot::Missing) {
        const Value& f = c.value(1);
        ErrorKind e = ErrorKind::Value;
        if (f.isLogical()) form = f.logicalValue() ? 0 : 4;
        else if (!toNumber(f, form, e)) return fail(e);
        form = std::trunc(form);
        if (form < 0 || form > 4) return fail(ErrorKind::Value);
    }
    struct Part {
        int value;
        const wchar_t* text;
        int form; // the least form that uses it
    };
    static const Part kParts[] = {
        {1000, L"M", 0}, {999, L"IM", 4}, {995, L"VM", 3}, {990, L"XM", 2}, {950, L"LM", 1},
        {900, L"CM", 0}, {500, L"D", 0},  {499, L"ID", 4}, {495, L"VD", 3}, {490, L"XD", 2},
        {450, L"LD", 1}, {400, L"CD", 0}, {100, L"C", 0},  {99, L"IC", 2},  {95, L"VC", 1},
        {90, L"XC", 0},  {50, L"L", 0},   {49, L"IL", 2},  {45, L"VL", 1},  {40, L"XL", 0},
        {10, L"X", 0},   {9, L"IX", 0},   {5, L"V", 0},    {4, L"IV", 0},   {1, L"I", 0}};
    int n = static_cast<int>(x);
    std::wstring out;
    for (const Part& p : kParts)
        if (p.form <= form)
            for (; n >= p.value; n -= p.value)
                out += p.text;
    return Value(std::move(out));
}

int romanDigit(wchar_t ch) {
    switch (ch | 0x20) {
    case L'i': return 1;
    case L'v': return 5;
    case L'x': return 10;
    case L'l': return 50;
    case L'c': return 100;
    case L'd': return 500;
    case L'm': return 1000;
    default: return 0;
    }
}

// ARABIC(text): a Roman numeral of any case, blanks around it, an optional
// minus sign; empty text is 0.
Slot fnArabic(Call& c) {
    std::wstring_view s = c.text(0);
    while (!s.empty() && s.front() == L' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == L' ')
        s.remove_suffix(1);
    bool negative = !s.empty() && s.front() == L'-';
    if (negative) s.remove_prefix(1);
    if (s.size() > 255) return fail(ErrorKind::Value);
    double total = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        int d = romanDigit(s[i]);
        if (d == 0) return fail(ErrorKind::Value);
        int next = i + 1 < s.size() ? romanDigit(s[i + 1]) : 0;
        total += next > d ? -d : d;
    }
    return numberResult(negative ? -total : total);
}

std::mt19937_64& generator() {
    static std::mt19937_64 g{std::random_device{}()};
    return g;
}

Slot fnRand(Call&) {
    return numberResult(std::uniform_real_distribution<double>(0.0, 1.0)(generator()));
}

Slot fnRandBetween(Call& c) {
    double lo = std::ceil(c.num(0)), hi = std::floor(c.num(1));
    if (lo > hi) return fail(ErrorKind::Num);
    double r = std::uniform_real_distribution<double>(0.0, 1.0)(generator());
    return numberResult(std::min(hi, lo + std::floor(r * (hi - lo + 1))));
}

const FunctionDef kArith[] = {
    {L"ARABIC", 1, 1, "s", fnArabic},
    {L"CEILING.MATH", 1, 3, "n", fnCeilingMath},
    {L"CEILING.PRECISE", 1, 2, "n", fnCeilingMath},
    {L"COMBIN", 2, 2, "n", fnCombin},
    {L"COMBINA", 2, 2, "n", fnCombinA},
    {L"FACTDOUBLE", 1, 1, "n", fnFactDouble},
    {L"FLOOR.MATH", 1, 3, "n", fnFloorMath},
    {L"FLOOR.PRECISE", 1, 2, "n", fnFloorMath},
    {L"GCD", 1, 255, "r", fnGcd},
    {L"ISO.CEILING", 1, 2, "n", fnCeilingMath},
    {L"LCM", 1, 255, "r", fnLcm},
    {L"MROUND", 2, 2, "n", fnMRound},
    {L"MULTINOMIAL", 1, 255, "r", fnMultinomial},
    {L"PERMUT", 2, 2, "n", fnPermut},
    {L"QUOTIENT", 2, 2, "n", fnQuotient},
    {L"RAND", 0, 0, "", fnRand, true},
    {L"RANDBETWEEN", 2, 2, "n", fnRandBetween, true},
    {L"ROMAN", 1, 2, "ne", fnRoman},
    {L"SERIESSUM", 4, 4, "NNNr", fnSeriesSum},
    {L"SQRTPI", 1, 1, "n", fnSqrtPi},
    {L"SUMSQ", 1, 255, "r", fnSumSq},
    {L"SUMX2MY2", 2, 2, "r", sumOfPairs<0>},
    {L"SUMX2PY2", 2, 2, "r", sumOfPairs<1>},
    {L"SUMXMY2", 2, 2, "r", sumOfPairs<2>},
};

} // namespace

FunctionList arithFunctions() {
    return {kArith, std::size(kArith)};
}

} // namespace spread
