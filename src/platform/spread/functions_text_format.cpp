// Numbers written as text: TEXT with a number format, FIXED and DOLLAR, and
// back: NUMBERVALUE, VALUETOTEXT.
#include "platform/spread/functions.h"
#include "platform/spread/number_format.h"
#include "platform/spread/sheet_number_text.h"

#include <cmath>

namespace spread {

namespace {

// TEXT(value, format): numbers and texts that read as numbers through the
// format, other texts through its text section.
Slot fnText(Call& c) {
    const Value& v = c.value(0);
    const std::wstring& format = c.text(1);
    double x = 0;
    ErrorKind e = ErrorKind::Value;
    if (v.isText() && !toNumber(v, x, e)) return Value(formatText(v.text(), format));
    if (v.isLogical()) return Value(std::wstring(v.logicalValue() ? L"TRUE" : L"FALSE"));
    if (!v.isText() && !toNumber(v, x, e)) return fail(e);
    std::wstring out;
    if (!formatNumber(x, format, out)) return fail(ErrorKind::Value);
    return Value(std::move(out));
}

// The number rounded to `decimals` (negative: to tens, hundreds...) with
// grouping, as FIXED and DOLLAR write it.
std::wstring fixedText(double x, double decimalsArg, bool group) {
    int decimals = static_cast<int>(std::clamp(std::trunc(decimalsArg), -15.0, 127.0));
    if (decimals < 0) {
        double p = std::pow(10.0, -decimals);
        x = std::round(x / p) * p;
        decimals = 0;
    }
    return detail::formatFixed(x, std::min(decimals, 15), group);
}

Slot fnFixed(Call& c) {
    double decimals = c.given(1) && c.arg(1).kind != Slot::Missing ? c.num(1) : 2;
    bool noCommas = c.given(2) && c.flag(2);
    if (decimals > 127) return fail(ErrorKind::Value);
    return Value(fixedText(c.num(0), decimals, !noCommas));
}

Slot fnDollar(Call& c) {
    double x = c.num(0);
    double decimals = c.given(1) && c.arg(1).kind != Slot::Missing ? c.num(1) : 2;
    if (decimals > 127) return fail(ErrorKind::Value);
    std::wstring t = fixedText(std::fabs(x), decimals, true);
    bool negative = x < 0 && t.find_first_of(L"123456789") != std::wstring::npos;
    return Value(negative ? L"($" + t + L")" : L"$" + t);
}

// NUMBERVALUE(text, [decimal separator "."], [group separator ","]).
Slot fnNumberValue(Call& c) {
    std::wstring dec = c.given(1) ? c.text(1) : L".", grp = c.given(2) ? c.text(2) : L",";
    if (dec.empty() || grp.empty() || dec[0] == grp[0]) return fail(ErrorKind::Value);
    std::wstring t;
    bool seenDecimal = false;
    for (wchar_t ch : c.text(0)) {
        if (ch == L' ') continue;
        if (ch == dec[0]) {
            if (seenDecimal) return fail(ErrorKind::Value);
            seenDecimal = true;
            t += L'.';
        } else if (ch == grp[0]) {
            if (seenDecimal) return fail(ErrorKind::Value);
        } else {
            t += ch;
        }
    }
    if (t.empty()) return Value(0);
    double percent = 1;
    while (!t.empty() && t.back() == L'%')
        t.pop_back(), percent /= 100;
    double x = 0;
    if (!textToNumber(t, x)) return fail(ErrorKind::Value);
    return numberResult(x * percent);
}

// VALUETOTEXT(value, [format 0]): format 1 quotes texts.
Slot fnValueToText(Call& c) {
    const Value& v = c.value(0);
    bool strict = c.given(1) && c.num(1) == 1;
    if (v.isText()) return Value(strict ? L"\"" + v.text() + L"\"" : v.text());
    if (v.isError()) return Value(std::wstring(errorName(v.errorKind())));
    std::wstring t;
    ErrorKind e = ErrorKind::Value;
    toText(v, t, e);
    return Value(std::move(t));
}

const FunctionDef kTextFormat[] = {
    {L"DOLLAR", 1, 2, "n", fnDollar},
    {L"FIXED", 1, 3, "nnb", fnFixed},
    {L"NUMBERVALUE", 1, 3, "s", fnNumberValue},
    {L"TEXT", 2, 2, "es", fnText},
    {L"VALUETOTEXT", 1, 2, "vn", fnValueToText},
};

} // namespace

FunctionList textFormatFunctions() {
    return {kTextFormat, std::size(kTextFormat)};
}

} // namespace spread
