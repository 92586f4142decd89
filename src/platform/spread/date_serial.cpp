#include "platform/spread/date_serial.h"
#include "platform/text/fold.h"

#include <cmath>
#include <string>

namespace spread {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

const long long kEpoch = daysFromCivil(1899, 12, 30);

} // namespace

int daysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0 || year == 1900)))
        return 29;
    return kDays[month - 1];
}

double serialOf(long long year, long long month, long long day) {
    long long m0 = month - 1;
    year += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    month = m0 - 12 * (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12)) + 1;
    double first;
    // January and February 1900 count from 1 January as day 1, so that
    // the fictitious 29 February is day 60.
    if (year == 1900 && month <= 2) first = month == 1 ? 1 : 32;
    else first = static_cast<double>(daysFromCivil(year, month, 1) - kEpoch);
    return first + static_cast<double>(day - 1);
}

CivilDate dateOf(double serial) {
    long long n = static_cast<long long>(std::floor(serial));
    if (n < 1) return {1900, 1, 0};
    if (n == 60) return {1900, 2, 29};
    if (n < 60) return civilFromDays(kEpoch + n + 1);
    return civilFromDays(kEpoch + n);
}

namespace {

struct Reader {
    std::wstring_view s;
    size_t i = 0;

    void blanks() {
        while (i < s.size() && s[i] == L' ')
            ++i;
    }
    bool done() const { return i >= s.size(); }
    bool eat(wchar_t ch) {
        if (i < s.size() && s[i] == ch) return ++i, true;
        return false;
    }
    // Digits: false when none; `count` tells how many.
    bool number(long long& v, int& count) {
        v = 0, count = 0;
        while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && count < 9)
            v = v * 10 + (s[i++] - L'0'), ++count;
        return count > 0;
    }
    // A month's name, in full or its first three letters, any case.
    bool monthName(int& month) {
        static const wchar_t* kNames[] = {L"january", L"february", L"march",     L"april",
                                          L"may",     L"june",     L"july",      L"august",
                                          L"september", L"october", L"november", L"december"};
        size_t start = i;
        std::wstring word;
        while (i < s.size() && ((s[i] >= L'a' && s[i] <= L'z') || (s[i] >= L'A' && s[i] <= L'Z')))
            word += zrltext::foldCase(s[i++]);
        for (int m = 0; m < 12; ++m) {
            std::wstring_view name(kNames[m]);
            if (word.size() >= 3 && name.starts_with(word)) return month = m + 1, true;
        }
        i = start;
        return false;
    }
};

long long fullYear(long long y, int digits) {
    if (digits <= 2) return y < 30 ? 2000 + y : 1900 + y;
    return y;
}

bool validDate(long long y, long long m, long long d) {
    return y >= 1900 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 &&
           d <= daysInMonth(static_cast<int>(y), static_cast<int>(m));
}

// A time of day from the reader's place: h:mm[:ss[.fff]] [AM|PM], or h AM.
bool readTime(Reader& r, double& fraction) {
    long long h = 0, m = 0, sec = 0;
    int n = 0;
    double frac = 0;
    if (!r.number(h, n)) return false;
    bool colon = r.eat(L':');
    if (colon) {
        if (!r.number(m, n)) return false;
        if (r.eat(L':')) {
            if (!r.number(sec, n)) return false;
            if (r.eat(L'.')) {
                long long f = 0;
                int digits = 0;
                r.number(f, digits);
                frac = static_cast<double>(f) / std::pow(10.0, digits);
            }
        }
    }
    const size_t beforeBlanks = r.i;
    r.blanks();
    bool am = false, pm = false;
    if (r.i + 1 < r.s.size()) {
        wchar_t a = zrltext::upperCase(r.s[r.i]);
        if ((a == L'A' || a == L'P') && zrltext::upperCase(r.s[r.i + 1]) == L'M') {
            am = a == L'A', pm = a == L'P';
            r.i += 2;
        }
    }
    if (!am && !pm) r.i = beforeBlanks; // blanks after a time are not its own
    if (!colon && !am && !pm) return false;
    if (m > 59 || sec > 59) return false;
    if (am || pm) {
        if (h < 1 || h > 12) return false;
        h = h % 12 + (pm ? 12 : 0);
    }
    fraction = (static_cast<double>(h * 3600 + m * 60 + sec) + frac) / 86400;
    return true;
}

// A date from the reader's place.
bool readDate(Reader& r, double& serial) {
    size_t start = r.i;
    long long a = 0, b = 0, c = 0;
    int na = 0, nb = 0, nc = 0, month = 0;
    if (r.monthName(month)) {
        // "February 29, 2024", "Feb 29 2024", "Feb-2024"
        r.eat(L' ') || r.eat(L'-');
        r.blanks();
        if (!r.number(b, nb)) return r.i = start, false;
        r.eat(L',');
        r.blanks();
        r.eat(L'-');
        size_t mark = r.i;
        if (r.number(c, nc)) {
            long long y = fullYear(c, nc);
            if (!validDate(y, month, b)) return r.i = start, false;
            serial = serialOf(y, month, b);
            return true;
        }
        r.i = mark;
        if (nb == 4 && validDate(b, month, 1)) return serial = serialOf(b, month, 1), true;
        return r.i = start, false;
    }
    if (!r.number(a, na)) return false;
    wchar_t sep = r.i < r.s.size() ? r.s[r.i] : 0;
    if (sep != L'-' && sep != L'/' && sep != L' ' && sep != L'.') return r.i = start, false;
    ++r.i;
    if (r.monthName(month)) {
        // "29-Feb-2024", "29 February 2024"
        if (!(r.eat(sep) || r.eat(L' ') || r.eat(L'-'))) return r.i = start, false;
        if (!r.number(c, nc)) return r.i = start, false;
        long long y = fullYear(c, nc);
        if (!validDate(y, month, a)) return r.i = start, false;
        return serial = serialOf(y, month, a), true;
    }
    if (sep == L' ' || !r.number(b, nb) || !r.eat(sep) || !r.number(c, nc)) return r.i = start, false;
    long long y, m, d;
    if (na == 4) y = a, m = b, d = c;          // 2024-02-29
    else y = fullYear(c, nc), m = a, d = b;    // 2/29/2024
    if (!validDate(y, m, d)) return r.i = start, false;
    serial = serialOf(y, m, d);
    return true;
}

} // namespace

bool textToDateTime(std::wstring_view text, double& serial) {
    // Blanks around a date keep it from reading as one (" 2024-01-10 " stays
    // text); a time alone may have them (" 1:30 ").
    Reader r{text};
    r.blanks();
    const bool leadingBlanks = r.i != 0;
    double date = 0, time = 0;
    bool hasDate = readDate(r, date);
    if (hasDate) {
        if (leadingBlanks) return false;
        if (!r.done()) {
            r.blanks();
            if (r.done() || !readTime(r, time)) return false;
        }
    } else if (!readTime(r, time)) {
        return false;
    } else {
        r.blanks();
    }
    if (!r.done()) return false;
    serial = date + time;
    return true;
}

} // namespace spread
