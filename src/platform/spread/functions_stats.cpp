// Statistics over lists of values: middle values and ranks, percentiles,
// spread and shape, and the forms that count text and logical values (the
// "A" functions).
#include "platform/spread/functions_iterate.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace spread {

namespace {

// The numbers of argument i alone.
bool numbersOf(Call& c, int i, std::vector<double>& out, Slot& failure) {
    Call one{c.host, c.col, c.row, c.args + i, 1};
    ErrorKind e = ErrorKind::Value;
    if (collectNumbers(one, out, e)) return true;
    failure = fail(e);
    return false;
}

bool allNumbers(Call& c, std::vector<double>& out, Slot& failure) {
    ErrorKind e = ErrorKind::Value;
    if (collectNumbers(c, out, e)) return true;
    failure = fail(e);
    return false;
}

// The "A" forms: in cells texts count as 0 and logical values as 1 or 0.
bool allValuesA(Call& c, std::vector<double>& out, Slot& failure) {
    bool failed = false;
    forEachArgValue(c, 0, [&](const Value& v, bool fromRef) {
        if (failed) return;
        ErrorKind e = ErrorKind::Value;
        double d = 0;
        if (v.isError()) {
            failed = true, failure = v;
        } else if (fromRef && v.isText()) {
            out.push_back(0);
        } else if (!fromRef || !v.isEmpty()) {
            if (!toNumber(v, d, e)) failed = true, failure = fail(e);
            else out.push_back(d);
        }
    });
    return !failed;
}

double mean(const std::vector<double>& xs) {
    double s = 0;
    for (double x : xs)
        s += x;
    return s / static_cast<double>(xs.size());
}

double devSq(const std::vector<double>& xs) {
    double m = mean(xs), s = 0;
    for (double x : xs)
        s += (x - m) * (x - m);
    return s;
}

using Collect = bool (*)(Call&, std::vector<double>&, Slot&);

// VAR and STDEV in their sample (n - 1) and population (n) forms.
template <Collect Get, bool Sample, bool Root> Slot spread(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!Get(c, xs, failure)) return failure;
    if (xs.size() < (Sample ? 2u : 1u)) return fail(ErrorKind::Div0);
    double v = devSq(xs) / static_cast<double>(xs.size() - (Sample ? 1 : 0));
    return numberResult(Root ? std::sqrt(v) : v);
}

Slot fnDevSq(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    return numberResult(xs.empty() ? 0 : devSq(xs));
}

Slot fnAveDev(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Num);
    double m = mean(xs), s = 0;
    for (double x : xs)
        s += std::fabs(x - m);
    return numberResult(s / static_cast<double>(xs.size()));
}

Slot fnAverageA(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allValuesA(c, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Div0);
    return numberResult(mean(xs));
}

template <bool IsMax> Slot extremeA(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allValuesA(c, xs, failure)) return failure;
    if (xs.empty()) return numberResult(0);
    return numberResult(IsMax ? *std::max_element(xs.begin(), xs.end()) : *std::min_element(xs.begin(), xs.end()));
}

Slot fnGeoMean(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Num);
    double s = 0;
    for (double x : xs) {
        if (x <= 0) return fail(ErrorKind::Num);
        s += std::log(x);
    }
    return numberResult(std::exp(s / static_cast<double>(xs.size())));
}

Slot fnHarMean(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Num);
    double s = 0;
    for (double x : xs) {
        if (x <= 0) return fail(ErrorKind::Num);
        s += 1 / x;
    }
    return numberResult(static_cast<double>(xs.size()) / s);
}

// The sum of the standardised deviations to the given power, with the
// sample standard deviation; false when there are fewer than `least`
// numbers or they are all equal.
bool moments(Call& c, size_t least, int power, double& n, double& sum, Slot& failure) {
    std::vector<double> xs;
    if (!allNumbers(c, xs, failure)) return false;
    n = static_cast<double>(xs.size());
    double m = xs.empty() ? 0 : mean(xs), sd = xs.size() < 2 ? 0 : std::sqrt(devSq(xs) / (n - 1));
    if (xs.size() < least || sd == 0) {
        failure = fail(ErrorKind::Div0);
        return false;
    }
    sum = 0;
    for (double x : xs)
        sum += std::pow((x - m) / sd, power);
    return true;
}

Slot fnKurt(Call& c) {
    double n = 0, s = 0;
    Slot failure;
    if (!moments(c, 4, 4, n, s, failure)) return failure;
    return numberResult(n * (n + 1) / ((n - 1) * (n - 2) * (n - 3)) * s -
                        3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3)));
}

Slot fnSkew(Call& c) {
    double n = 0, s = 0;
    Slot failure;
    if (!moments(c, 3, 3, n, s, failure)) return failure;
    return numberResult(n / ((n - 1) * (n - 2)) * s);
}

Slot fnMedian(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    size_t n = xs.size();
    return numberResult(n % 2 ? xs[n / 2] : (xs[n / 2 - 1] + xs[n / 2]) / 2);
}

// MODE: the most frequent number, the first of them in the list's order;
// none repeated is #N/A.
Slot fnMode(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!allNumbers(c, xs, failure)) return failure;
    std::map<double, int> counts;
    for (double x : xs)
        ++counts[x];
    int best = 1;
    double value = 0;
    for (double x : xs)
        if (counts[x] > best) best = counts[x], value = x;
    if (best < 2) return fail(ErrorKind::NA);
    return numberResult(value);
}

// LARGE and SMALL(list, k).
template <bool Large> Slot kth(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!numbersOf(c, 0, xs, failure)) return failure;
    double k = std::ceil(c.num(1));
    if (k < 1 || k > static_cast<double>(xs.size())) return fail(ErrorKind::Num);
    size_t i = static_cast<size_t>(k) - 1;
    if (Large) std::sort(xs.begin(), xs.end(), std::greater<>());
    else std::sort(xs.begin(), xs.end());
    return numberResult(xs[i]);
}

// RANK(number, list, [ascending]): the place of the number in the list;
// the average place of its equals for RANK.AVG.
template <bool Average> Slot rank(Call& c) {
    double x = c.num(0);
    if (!c.arg(1).isRef()) return fail(ErrorKind::Value);
    std::vector<double> xs;
    Slot failure;
    if (!numbersOf(c, 1, xs, failure)) return failure;
    bool ascending = c.given(2) && c.num(2) != 0;
    double before = 0, equal = 0;
    for (double y : xs) {
        if (y == x) equal += 1;
        else if (ascending ? y < x : y > x) before += 1;
    }
    if (equal == 0) return fail(ErrorKind::NA);
    return numberResult(Average ? before + (equal + 1) / 2 : before + 1);
}

// PERCENTILE(.INC) and (.EXC) with p as a fraction; QUARTILE with p the
// quarter.
double interpolate(const std::vector<double>& xs, double h) {
    size_t i = static_cast<size_t>(std::floor(h));
    double f = h - std::floor(h);
    if (i + 1 >= xs.size()) return xs.back();
    return xs[i] + f * (xs[i + 1] - xs[i]);
}

Slot percentile(Call& c, double p, bool exclusive) {
    std::vector<double> xs;
    Slot failure;
    if (!numbersOf(c, 0, xs, failure)) return failure;
    if (xs.empty()) return fail(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    double n = static_cast<double>(xs.size());
    if (!exclusive) {
        if (p < 0 || p > 1) return fail(ErrorKind::Num);
        return numberResult(interpolate(xs, p * (n - 1)));
    }
    double h = p * (n + 1) - 1;
    if (p <= 0 || p >= 1 || h < 0 || h > n - 1) return fail(ErrorKind::Num);
    return numberResult(interpolate(xs, h));
}
template <bool Exclusive> Slot fnPercentile(Call& c) {
    return percentile(c, c.num(1), Exclusive);
}
template <bool Exclusive> Slot fnQuartile(Call& c) {
    double q = std::trunc(c.num(1));
    if (q < (Exclusive ? 1 : 0) || q > (Exclusive ? 3 : 4)) return fail(ErrorKind::Num);
    return percentile(c, q / 4, Exclusive);
}

// PERCENTRANK(.INC) and (.EXC)(list, x, [digits 3]): the place of x in the
// sorted list as a fraction, between entries by interpolation, cut (not
// rounded) to the digits.
template <bool Exclusive> Slot fnPercentRank(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!numbersOf(c, 0, xs, failure)) return failure;
    double x = c.num(1), digits = c.given(2) ? std::trunc(c.num(2)) : 3;
    if (xs.empty() || digits < 1) return fail(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    if (x < xs.front() || x > xs.back()) return fail(ErrorKind::NA);
    const double n = static_cast<double>(xs.size());
    size_t below = static_cast<size_t>(std::lower_bound(xs.begin(), xs.end(), x) - xs.begin());
    double place = static_cast<double>(below);
    if (xs[below] != x) // between xs[below - 1] and xs[below]
        place = static_cast<double>(below - 1) + (x - xs[below - 1]) / (xs[below] - xs[below - 1]);
    double r = Exclusive ? (place + 1) / (n + 1) : n == 1 ? 1 : place / (n - 1);
    double scale = std::pow(10.0, digits);
    return numberResult(std::floor(visible(r * scale)) / scale);
}

// TRIMMEAN(list, fraction): the mean without the fraction's share of the
// numbers, half from each end, rounded down to an even count.
Slot fnTrimMean(Call& c) {
    std::vector<double> xs;
    Slot failure;
    if (!numbersOf(c, 0, xs, failure)) return failure;
    double p = c.num(1);
    if (xs.empty() || p < 0 || p >= 1) return fail(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    size_t cut = static_cast<size_t>(std::floor(static_cast<double>(xs.size()) * p / 2));
    std::vector<double> kept(xs.begin() + static_cast<long>(cut), xs.end() - static_cast<long>(cut));
    return numberResult(mean(kept));
}

const FunctionDef kStats[] = {
    {L"AVEDEV", 1, 255, "r", fnAveDev},
    {L"AVERAGEA", 1, 255, "r", fnAverageA},
    {L"DEVSQ", 1, 255, "r", fnDevSq},
    {L"GEOMEAN", 1, 255, "r", fnGeoMean},
    {L"HARMEAN", 1, 255, "r", fnHarMean},
    {L"KURT", 1, 255, "r", fnKurt},
    {L"LARGE", 2, 2, "rn", kth<true>},
    {L"MAXA", 1, 255, "r", extremeA<true>},
    {L"MEDIAN", 1, 255, "r", fnMedian},
    {L"MINA", 1, 255, "r", extremeA<false>},
    {L"MODE", 1, 255, "r", fnMode},
    {L"MODE.SNGL", 1, 255, "r", fnMode},
    {L"PERCENTILE", 2, 2, "rn", fnPercentile<false>},
    {L"PERCENTILE.EXC", 2, 2, "rn", fnPercentile<true>},
    {L"PERCENTILE.INC", 2, 2, "rn", fnPercentile<false>},
    {L"PERCENTRANK", 2, 3, "rn", fnPercentRank<false>},
    {L"PERCENTRANK.EXC", 2, 3, "rn", fnPercentRank<true>},
    {L"PERCENTRANK.INC", 2, 3, "rn", fnPercentRank<false>},
    {L"QUARTILE", 2, 2, "rn", fnQuartile<false>},
    {L"QUARTILE.EXC", 2, 2, "rn", fnQuartile<true>},
    {L"QUARTILE.INC", 2, 2, "rn", fnQuartile<false>},
    {L"RANK", 2, 3, "nrn", rank<false>},
    {L"RANK.AVG", 2, 3, "nrn", rank<true>},
    {L"RANK.EQ", 2, 3, "nrn", rank<false>},
    {L"SKEW", 1, 255, "r", fnSkew},
    {L"SMALL", 2, 2, "rn", kth<false>},
    {L"STDEV", 1, 255, "r", spread<allNumbers, true, true>},
    {L"STDEV.P", 1, 255, "r", spread<allNumbers, false, true>},
    {L"STDEV.S", 1, 255, "r", spread<allNumbers, true, true>},
    {L"STDEVA", 1, 255, "r", spread<allValuesA, true, true>},
    {L"STDEVP", 1, 255, "r", spread<allNumbers, false, true>},
    {L"STDEVPA", 1, 255, "r", spread<allValuesA, false, true>},
    {L"TRIMMEAN", 2, 2, "rn", fnTrimMean},
    {L"VAR", 1, 255, "r", spread<allNumbers, true, false>},
    {L"VAR.P", 1, 255, "r", spread<allNumbers, false, false>},
    {L"VAR.S", 1, 255, "r", spread<allNumbers, true, false>},
    {L"VARA", 1, 255, "r", spread<allValuesA, true, false>},
    {L"VARP", 1, 255, "r", spread<allNumbers, false, false>},
    {L"VARPA", 1, 255, "r", spread<allValuesA, false, false>},
};

} // namespace

FunctionList statsFunctions() {
    return {kStats, std::size(kStats)};
}

} // namespace spread
