#include "platform/core/number_text.h"

#include "platform/text/number.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// Relative amount by which a quotient may miss a half or a whole number and
// still count as one; absorbs the noise of binary fractions (0.35 / 0.1).
constexpr double kQuotientNoise = 1e-9;

bool usable(double value, double step) {
    return std::isfinite(value) && std::isfinite(step) && step != 0.0;
}

// `n` steps. A step with a short decimal form (0.1, 2.5, 0.05) gives the
// number nearest the decimal multiple people expect: 941 steps of 0.1 is
// 94.1, not the 94.10000000000001 of the binary product.
double multiple(double n, double step) {
    double scale = 1.0;
    for (int decimals = 0; decimals <= 9; ++decimals, scale *= 10.0) {
        const double units = step * scale;
        if (std::fabs(units - std::round(units)) > kQuotientNoise * units) continue;
        const double exact = n * std::round(units);
        if (std::fabs(exact) >= 0x1p53) break; // beyond exact integers
        return exact / scale;
    }
    return n * step;
}

} // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!usable(value, step)) return value;
    step = std::fabs(step);
    const double q = value / step;
    if (!std::isfinite(q)) return value;
    const double a = std::fabs(q);
    double n = std::floor(a);
    if (a - n >= 0.5 - kQuotientNoise * std::max(1.0, a)) n += 1.0;
    const double r = multiple(std::copysign(n, q), step);
    return r == 0.0 ? 0.0 : r;
}

double ObjectExportRoundUp(double value, double step, double tolerance) {
    if (!usable(value, step)) return value;
    step = std::fabs(step);
    const double q = value / step;
    if (!std::isfinite(q)) return value;
    double forgive = std::isfinite(tolerance) && tolerance > 0 ? tolerance / step : 0.0;
    forgive = std::min(forgive, 1e-6);
    forgive = std::max(forgive, kQuotientNoise * std::max(1.0, std::fabs(q)));
    double n = std::floor(q);
    if (q - n > forgive) n += 1.0;
    const double r = multiple(n, step);
    return r == 0.0 ? 0.0 : r;
}

void ObjectExportSort(AcArray<double>& values, AcArray<int>& indexes, bool ascending) {
    const int n = values.length();
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double x = values[a], y = values[b];
        if (std::isnan(x) || std::isnan(y)) return !std::isnan(x) && std::isnan(y);
        return ascending ? x < y : x > y;
    });
    AcArray<double> sortedValues(n);
    AcArray<int> sortedIndexes(n);
    const bool parallel = indexes.length() == n;
    for (int pos : order) {
        sortedValues.append(values[pos]);
        sortedIndexes.append(parallel ? indexes[pos] : pos);
    }
    values = std::move(sortedValues);
    indexes = std::move(sortedIndexes);
}

double fieldDouble(const Zrl_String& text) {
    const double value = zrltext::leadingDouble(text.str());
    return std::isfinite(value) ? value : 0.0;
}

int fieldInt(const Zrl_String& text) {
    const long long value = zrltext::leadingInteger(text.str());
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}
