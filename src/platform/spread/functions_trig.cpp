// Hyperbolic functions, the reciprocal trigonometric functions and their
// inverses.
#include "platform/spread/functions.h"

#include <cmath>
#include <numbers>

namespace spread {

namespace {

// Angles from 2^27 on are refused by the reciprocal functions, as the
// trigonometric functions lose all precision there.
constexpr double kAngleLimit = 134217728.0;

Slot reciprocal(double d) {
    return d == 0 ? fail(ErrorKind::Div0) : numberResult(1 / d);
}

Slot fnSinh(Call& c) {
    return numberResult(std::sinh(c.num(0)));
}
Slot fnCosh(Call& c) {
    return numberResult(std::cosh(c.num(0)));
}
Slot fnTanh(Call& c) {
    return numberResult(std::tanh(c.num(0)));
}
Slot fnAsinh(Call& c) {
    return numberResult(std::asinh(c.num(0)));
}
Slot fnAcosh(Call& c) {
    return c.num(0) < 1 ? fail(ErrorKind::Num) : numberResult(std::acosh(c.num(0)));
}
Slot fnAtanh(Call& c) {
    return std::fabs(c.num(0)) >= 1 ? fail(ErrorKind::Num) : numberResult(std::atanh(c.num(0)));
}
Slot fnSec(Call& c) {
    return std::fabs(c.num(0)) >= kAngleLimit ? fail(ErrorKind::Num) : reciprocal(std::cos(c.num(0)));
}
Slot fnCsc(Call& c) {
    return std::fabs(c.num(0)) >= kAngleLimit ? fail(ErrorKind::Num) : reciprocal(std::sin(c.num(0)));
}
Slot fnCot(Call& c) {
    return std::fabs(c.num(0)) >= kAngleLimit ? fail(ErrorKind::Num) : reciprocal(std::tan(c.num(0)));
}
Slot fnSech(Call& c) {
    return reciprocal(std::cosh(c.num(0)));
}
Slot fnCsch(Call& c) {
    return reciprocal(std::sinh(c.num(0)));
}
Slot fnCoth(Call& c) {
    return reciprocal(std::tanh(c.num(0)));
}
Slot fnAcot(Call& c) {
    return numberResult(std::numbers::pi / 2 - std::atan(c.num(0)));
}
Slot fnAcoth(Call& c) {
    double x = c.num(0);
    if (std::fabs(x) <= 1) return fail(ErrorKind::Num);
    return numberResult(0.5 * std::log((x + 1) / (x - 1)));
}

const FunctionDef kTrig[] = {
    {L"ACOSH", 1, 1, "n", fnAcosh}, {L"ACOT", 1, 1, "n", fnAcot},   {L"ACOTH", 1, 1, "n", fnAcoth},
    {L"ASINH", 1, 1, "n", fnAsinh}, {L"ATANH", 1, 1, "n", fnAtanh}, {L"COSH", 1, 1, "n", fnCosh},
    {L"COT", 1, 1, "n", fnCot},     {L"COTH", 1, 1, "n", fnCoth},   {L"CSC", 1, 1, "n", fnCsc},
    {L"CSCH", 1, 1, "n", fnCsch},   {L"SEC", 1, 1, "n", fnSec},     {L"SECH", 1, 1, "n", fnSech},
    {L"SINH", 1, 1, "n", fnSinh},   {L"TANH", 1, 1, "n", fnTanh},
};

} // namespace

FunctionList trigFunctions() {
    return {kTrig, std::size(kTrig)};
}

} // namespace spread
