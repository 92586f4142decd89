// Date and time functions over serial numbers (see date_serial.h).
#include "platform/spread/date_serial.h"
#include "platform/text/fold.h"
#include "platform/spread/functions_iterate.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <set>
#include <vector>

namespace spread {

namespace {

// A serial argument: its whole days, refused outside 0 .. 31 December 9999.
bool day(Call& c, int i, double& out) {
    out = std::floor(c.num(i));
    return out >= 0 && out <= kLastSerial;
}

Slot serialResult(double s) {
    if (s < 0 || s > kLastSerial) return fail(ErrorKind::Num);
    return Value(s);
}

Slot fnDate(Call& c) {
    double y = std::trunc(c.num(0)), m = std::trunc(c.num(1)), d = std::trunc(c.num(2));
    if (y < 0 || y >= 10000) return fail(ErrorKind::Num);
    if (y < 1900) y += 1900;
    if (std::fabs(m) > 1e6 || std::fabs(d) > 1e8) return fail(ErrorKind::Num);
    // The months roll the year first: a year past 9999 is out of range
    // whatever the days would bring back.
    if (y + std::floor((m - 1) / 12) >= 10000) return fail(ErrorKind::Num);
    return serialResult(serialOf(static_cast<long long>(y), static_cast<long long>(m),
                                 static_cast<long long>(d)));
}

// TIME(h, m, s): the time of day, past midnight wrapping round.
Slot fnTime(Call& c) {
    double secs = std::trunc(c.num(0)) * 3600 + std::trunc(c.num(1)) * 60 + std::trunc(c.num(2));
    if (secs < 0 || secs >= 32768.0 * 3600) return fail(ErrorKind::Num);
    return Value(std::fmod(secs, 86400) / 86400);
}

Slot fnDateValue(Call& c) {
    double s = 0;
    if (!textToDateTime(c.text(0), s) || s < 1) return fail(ErrorKind::Value);
    return Value(std::floor(s));
}

Slot fnTimeValue(Call& c) {
    double s = 0;
    if (!textToDateTime(c.text(0), s)) return fail(ErrorKind::Value);
    return Value(s - std::floor(s));
}

template <int Part> Slot datePart(Call& c) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    CivilDate d = dateOf(s);
    return Value(Part == 0 ? d.year : Part == 1 ? d.month : d.day);
}

// HOUR, MINUTE and SECOND, of the time rounded to the nearest second.
template <int Part> Slot timePart(Call& c) {
    double x = c.num(0);
    if (x < 0 || x > kLastSerial + 1) return fail(ErrorKind::Num);
    double secs = std::round((x - std::floor(x)) * 86400);
    if (secs >= 86400) secs = 0;
    return Value(Part == 0 ? std::floor(secs / 3600)
                 : Part == 1 ? std::fmod(std::floor(secs / 60), 60)
                             : std::fmod(secs, 60));
}

// The day of the week, 0 Sunday .. 6 Saturday (day 1 is a Sunday).
int dayOfWeek(double serial) {
    return static_cast<int>(std::fmod(std::floor(serial) + 6, 7));
}

// WEEKDAY(serial, [type 1]): 1 Sunday .. 7 Saturday; 2: 1 Monday .. 7
// Sunday; 3: 0 Monday .. 6 Sunday; 11 .. 17: 1 on Monday .. Sunday.
Slot fnWeekday(Call& c) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    int type = c.given(1) ? static_cast<int>(std::trunc(c.num(1))) : 1;
    int dow = dayOfWeek(s); // 0 Sunday
    int firstDay;           // the day numbered 1 (0 for type 3), 0 Sunday
    switch (type) {
    case 1: firstDay = 0; break;
    case 2: firstDay = 1; break;
    case 3: return Value((dow + 6) % 7);
    default:
        if (type < 11 || type > 17) return fail(ErrorKind::Num);
        firstDay = (type - 10) % 7;
    }
    return Value((dow - firstDay + 7) % 7 + 1);
}

int isoWeek(double serial) {
    // The Thursday of the serial's week decides its year.
    int dowMon = (dayOfWeek(serial) + 6) % 7; // 0 Monday
    double thursday = std::floor(serial) - dowMon + 3;
    CivilDate d = dateOf(std::max(thursday, 1.0));
    double jan1 = serialOf(d.year, 1, 1);
    return static_cast<int>((thursday - jan1) / 7) + 1;
}

Slot fnIsoWeekNum(Call& c) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    return Value(isoWeek(s));
}

// WEEKNUM(serial, [type 1]): the week of the year, the week of 1 January
// being 1, weeks starting on Sunday (1, 17), Monday (2, 11) .. Saturday
// (16); type 21 is the ISO week.
Slot fnWeekNum(Call& c) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    int type = c.given(1) ? static_cast<int>(std::trunc(c.num(1))) : 1;
    if (type == 21) return Value(isoWeek(s));
    int start;
    if (type == 1 || type == 17) start = 0;
    else if (type == 2 || type == 11) start = 1;
    else if (type >= 12 && type <= 16) start = type - 10;
    else return fail(ErrorKind::Num);
    double jan1 = serialOf(dateOf(s).year, 1, 1);
    int offset = (dayOfWeek(jan1) - start + 7) % 7;
    return Value(std::floor((s - jan1 + offset) / 7) + 1);
}

// EDATE and EOMONTH(start, months).
Slot monthsLater(Call& c, bool endOfMonth) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    CivilDate d = dateOf(s);
    long long m = d.month + static_cast<long long>(std::trunc(c.num(1)));
    long long y = d.year + (m - 1 >= 0 ? (m - 1) / 12 : -((12 - m) / 12));
    m = ((m - 1) % 12 + 12) % 12 + 1;
    if (y < 1900 || y > 9999) return fail(ErrorKind::Num);
    int last = daysInMonth(static_cast<int>(y), static_cast<int>(m));
    if (y == 1900 && m == 2 && !endOfMonth) last = 28 + (d.day == 29);
    return serialResult(serialOf(y, m, endOfMonth ? last : std::min(d.day, last)));
}
Slot fnEDate(Call& c) {
    return monthsLater(c, false);
}
Slot fnEOMonth(Call& c) {
    return monthsLater(c, true);
}

Slot fnDays(Call& c) {
    double e = 0, s = 0;
    if (!day(c, 0, e) || !day(c, 1, s)) return fail(ErrorKind::Num);
    return Value(e - s);
}

bool lastOfFebruary(const CivilDate& d) {
    return d.month == 2 && d.day == daysInMonth(d.year, 2);
}

// DAYS360(start, end, [European]): months of 30 days.
Slot fnDays360(Call& c) {
    double a = 0, b = 0;
    if (!day(c, 0, a) || !day(c, 1, b)) return fail(ErrorKind::Num);
    bool european = c.given(2) && c.flag(2);
    CivilDate s = dateOf(a), e = dateOf(b);
    int sd = s.day, ed = e.day;
    if (european) {
        sd = std::min(sd, 30);
        ed = std::min(ed, 30);
    } else {
        if (lastOfFebruary(s)) {
            if (lastOfFebruary(e)) ed = 30;
            sd = 30;
        }
        if (ed == 31 && sd >= 30) ed = 30;
        sd = std::min(sd, 30);
    }
    return Value((e.year - s.year) * 360.0 + (e.month - s.month) * 30.0 + (ed - sd));
}

// DATEDIF(start, end, unit): whole years "Y", months "M", days "D"; "MD"
// days apart ignoring months and years, "YM" months ignoring years, "YD"
// days ignoring years.
Slot fnDateDif(Call& c) {
    double a = 0, b = 0;
    if (!day(c, 0, a) || !day(c, 1, b) || a > b) return fail(ErrorKind::Num);
    CivilDate s = dateOf(a), e = dateOf(b);
    std::wstring unit = c.text(2);
    for (wchar_t& ch : unit)
        ch = zrltext::upperCase(ch);
    int months = (e.year - s.year) * 12 + (e.month - s.month) - (e.day < s.day ? 1 : 0);
    if (unit == L"Y") return Value(months / 12);
    if (unit == L"M") return Value(months);
    if (unit == L"D") return Value(b - a);
    if (unit == L"YM") return Value(months % 12);
    if (unit == L"MD") {
        if (e.day >= s.day) return Value(e.day - s.day);
        int pm = e.month == 1 ? 12 : e.month - 1, py = e.month == 1 ? e.year - 1 : e.year;
        return Value(daysInMonth(py, pm) - s.day + e.day);
    }
    if (unit == L"YD") {
        double start = serialOf(e.year, s.month, s.day);
        if (start > b) start = serialOf(e.year - 1, s.month, s.day);
        return Value(b - start);
    }
    return fail(ErrorKind::Num);
}

bool leap(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// YEARFRAC(start, end, [basis 0]): 0 US 30/360, 1 actual/actual, 2
// actual/360, 3 actual/365, 4 European 30/360.
Slot fnYearFrac(Call& c) {
    double a = 0, b = 0;
    if (!day(c, 0, a) || !day(c, 1, b)) return fail(ErrorKind::Num);
    double basis = c.given(2) ? std::trunc(c.num(2)) : 0;
    if (basis < 0 || basis > 4) return fail(ErrorKind::Num);
    if (a > b) std::swap(a, b);
    CivilDate s = dateOf(a), e = dateOf(b);
    switch (static_cast<int>(basis)) {
    case 0: {
        int sd = s.day, ed = e.day;
        if (sd == 31 || lastOfFebruary(s)) {
            if (ed == 31 || (lastOfFebruary(s) && lastOfFebruary(e))) ed = 30;
            sd = 30;
        } else if (ed == 31 && sd == 30) {
            ed = 30;
        }
        return numberResult(((e.year - s.year) * 360.0 + (e.month - s.month) * 30.0 + (ed - sd)) / 360);
    }
    case 1: {
        double days = b - a;
        bool withinYear = e.year == s.year ||
                          (e.year == s.year + 1 && (e.month < s.month || (e.month == s.month && e.day <= s.day)));
        if (withinYear) {
            bool hasLeapDay = false;
            if (e.year == s.year) hasLeapDay = leap(s.year);
            else if (leap(s.year) && (s.month < 3)) hasLeapDay = true;
            else if (leap(e.year) && (e.month > 2 || (e.month == 2 && e.day == 29))) hasLeapDay = true;
            return numberResult(days / (hasLeapDay ? 366 : 365));
        }
        double total = 0;
        for (int y = s.year; y <= e.year; ++y)
            total += leap(y) ? 366 : 365;
        return numberResult(days / (total / (e.year - s.year + 1)));
    }
    case 2: return numberResult((b - a) / 360);
    case 3: return numberResult((b - a) / 365);
    default: {
        int sd = std::min(s.day, 30), ed = std::min(e.day, 30);
        return numberResult(((e.year - s.year) * 360.0 + (e.month - s.month) * 30.0 + (ed - sd)) / 360);
    }
    }
}

// The holidays of argument i, as whole days.
bool holidays(Call& c, int i, std::set<double>& out, Slot& failure) {
    if (!c.given(i) || c.arg(i).kind == Slot::Missing) return true;
    std::vector<double> xs;
    Call one{c.host, c.col, c.row, c.args + i, 1};
    ErrorKind e = ErrorKind::Value;
    if (!collectNumbers(one, xs, e)) return failure = fail(e), false;
    for (double x : xs)
        out.insert(std::floor(x));
    return true;
}

bool workday(double s, const std::set<double>& off) {
    int dow = dayOfWeek(s);
    return dow != 0 && dow != 6 && !off.count(s);
}

Slot fnNetworkDays(Call& c) {
    double a = 0, b = 0;
    if (!day(c, 0, a) || !day(c, 1, b)) return fail(ErrorKind::Num);
    std::set<double> off;
    Slot failure;
    if (!holidays(c, 2, off, failure)) return failure;
    double sign = a <= b ? 1 : -1;
    if (a > b) std::swap(a, b);
    // Whole weeks at once, the rest day by day.
    double weeks = std::floor((b - a + 1) / 7), n = weeks * 5;
    for (double s = a + weeks * 7; s <= b; ++s)
        if (workday(s, {})) n += 1;
    for (double h : off)
        if (h >= a && h <= b && workday(h, {})) n -= 1;
    return Value(sign * n);
}

Slot fnWorkday(Call& c) {
    double s = 0;
    if (!day(c, 0, s)) return fail(ErrorKind::Num);
    double n = std::trunc(c.num(1));
    std::set<double> off;
    Slot failure;
    if (!holidays(c, 2, off, failure)) return failure;
    if (std::fabs(n) > kLastSerial) return fail(ErrorKind::Num);
    double step = n >= 0 ? 1 : -1;
    for (double left = std::fabs(n); left > 0;) {
        s += step;
        if (s < 0 || s > kLastSerial) return fail(ErrorKind::Num);
        if (workday(s, off)) left -= 1;
    }
    return Value(s);
}

// The local date and time now, as a serial.
double now() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return serialOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}
Slot fnNow(Call&) {
    return Value(now());
}
Slot fnToday(Call&) {
    return Value(std::floor(now()));
}

const FunctionDef kDate[] = {
    {L"DATE", 3, 3, "n", fnDate},
    {L"DATEDIF", 3, 3, "nns", fnDateDif},
    {L"DATEVALUE", 1, 1, "s", fnDateValue},
    {L"DAY", 1, 1, "n", datePart<2>},
    {L"DAYS", 2, 2, "n", fnDays},
    {L"DAYS360", 2, 3, "nnb", fnDays360},
    {L"EDATE", 2, 2, "n", fnEDate},
    {L"EOMONTH", 2, 2, "n", fnEOMonth},
    {L"HOUR", 1, 1, "n", timePart<0>},
    {L"ISOWEEKNUM", 1, 1, "n", fnIsoWeekNum},
    {L"MINUTE", 1, 1, "n", timePart<1>},
    {L"MONTH", 1, 1, "n", datePart<1>},
    {L"NETWORKDAYS", 2, 3, "nnr", fnNetworkDays},
    {L"NOW", 0, 0, "", fnNow, true},
    {L"SECOND", 1, 1, "n", timePart<2>},
    {L"TIME", 3, 3, "n", fnTime},
    {L"TIMEVALUE", 1, 1, "s", fnTimeValue},
    {L"TODAY", 0, 0, "", fnToday, true},
    {L"WEEKDAY", 1, 2, "n", fnWeekday},
    {L"WEEKNUM", 1, 2, "n", fnWeekNum},
    {L"WORKDAY", 2, 3, "nnr", fnWorkday},
    {L"YEAR", 1, 1, "n", datePart<0>},
    {L"YEARFRAC", 2, 3, "n", fnYearFrac},
};

} // namespace

FunctionList dateFunctions() {
    return {kDate, std::size(kDate)};
}

} // namespace spread
