// Dollar prices written as fractions: DOLLARDE and DOLLARFR.
#include "platform/spread/functions.h"

#include <cmath>

namespace spread {

namespace {

// The whole part stays; the fraction is read as (DOLLARDE) or written as
// (DOLLARFR) a count of 1/fraction parts in as many decimal places as the
// fraction has digits.
Slot dollarFraction(Call& c, bool toDecimal) {
    double x = c.num(0), f = std::trunc(c.num(1));
    if (f < 0) return fail(ErrorKind::Num);
    if (f == 0) return fail(ErrorKind::Div0);
    double whole = std::trunc(x), part = x - whole;
    double digits = std::pow(10.0, std::ceil(std::log10(f)));
    return numberResult(whole + (toDecimal ? part * digits / f : part * f / digits));
}
Slot fnDollarDe(Call& c) {
    return dollarFraction(c, true);
}
Slot fnDollarFr(Call& c) {
    return dollarFraction(c, false);
}

const FunctionDef kFinancial[] = {
    {L"DOLLARDE", 2, 2, "N", fnDollarDe},
    {L"DOLLARFR", 2, 2, "N", fnDollarFr},
};

} // namespace

FunctionList financialFunctions() {
    return {kFinancial, std::size(kFinancial)};
}

} // namespace spread
